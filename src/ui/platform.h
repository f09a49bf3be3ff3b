// The platform services the windows use, behind small interfaces so that tests can
// answer questions, pick files and record sounds without blocking.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QObject;

struct FileDialogOptions {
    QString caption;
    QString folder;
    QString fileName;
    QString filter; // "Textdatei|*.txt": description and pattern
    QString defaultSuffix; // without the dot
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual void showMessage(const QString &text) = 0;
    virtual void showError(const QString &text) = 0;
    virtual bool askYesNo(const QString &text, const QString &caption) = 0;
    // std::nullopt when the user cancels.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &proposal)
        = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const FileDialogOptions &options) = 0;
    virtual QString saveFileName(const FileDialogOptions &options) = 0;
    // Shows one of the program's own modal dialogs (the draw entry, the number dialog,
    // the click-script dialog) and returns its result code.
    virtual int exec(QDialog &dialog) = 0;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts playing without waiting; a missing file or device is silent.
    virtual void play(const QString &filePath) = 0;
};

class DesktopShell {
public:
    // Hears whether a program took what open() handed over.
    using Outcome = std::function<void(bool taken)>;

    virtual ~DesktopShell() = default;
    // Opens a file with its associated program or an address in the browser, without
    // waiting for that program. `outcome` hears whether a program took it: at once where
    // the desktop answers at once, else when the desktop's opener has ended; never once
    // `context`, when given, is gone.
    virtual void open(const QString &pathOrUrl, const QObject *context = nullptr, Outcome outcome = {}) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
};
