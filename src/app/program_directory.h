// The folder every data file of the program lives in. It is the executable's folder;
// an installed program (one with share/devudirurero beside its folder) and one whose
// folder is not writable use a per-user data folder instead, seeded on first start
// from the installed data. Names are looked up without
// regard to case, because the documented names differ in case ("Land" and "land").
#pragma once

#include "app/result.h"

#include <QString>

class ProgramDirectory {
public:
    explicit ProgramDirectory(const QString &folder);

    // With a trailing separator.
    const QString &path() const { return m_path; }
    // The existing entry whose path matches `relative` regardless of case, or the path
    // as given when there is none.
    QString filePath(const QString &relative) const;

    // The folder the programs use for an executable in `executableFolder`.
    static QString resolve(const QString &executableFolder);
    // Where an installation keeps its data: <prefix>/share/devudirurero beside <prefix>/bin.
    static QString installedDataFolder(const QString &executableFolder);
    static QString userDataFolder();
    // Copies every file and folder of `from` that `to` lacks; returns how many files.
    static Result<int> seed(const QString &from, const QString &to);

private:
    QString m_path;
};
