#include "app/program_directory.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramDirectory::ProgramDirectory(const QString &folder)
    : m_path(QDir::cleanPath(QDir(folder).absolutePath()) + QLatin1Char('/'))
{ }

QString ProgramDirectory::filePath(const QString &relative) const
{
    QString current = m_path;
    // Documented names use backslashes ("Land\DevuDirurero.txt"); both separators work.
    const QStringList parts
        = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        QString chosen = part;
        if (!QFileInfo::exists(current + part)) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        current += chosen;
        if (i + 1 < parts.size())
            current += QLatin1Char('/');
    }
    return current;
}

QString ProgramDirectory::installedDataFolder(const QString &executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/../share/devudirurero"));
}

QString ProgramDirectory::userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Morvak/DevuDirurero");
}

QString ProgramDirectory::resolve(const QString &executableFolder)
{
    const QFileInfo info(executableFolder);
    // An installation keeps its data in share/ beside bin/, a folder that is no place for
    // a user's files even where it is writable (for root, or below the home folder).
    const bool installed = QFileInfo(installedDataFolder(executableFolder)).isDir();
    if (!installed && info.isDir() && info.isWritable())
        return executableFolder;
    const QString userFolder = userDataFolder();
    QDir().mkpath(userFolder);
    // A failed seed leaves the folder as it is: the program then starts without a
    // history and says so, which is better than not starting.
    (void)seed(installedDataFolder(executableFolder), userFolder);
    return userFolder;
}

Result<int> ProgramDirectory::seed(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!source.exists())
        return 0;
    int copied = 0;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(file);
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target))
            return fail(QStringLiteral("%1: cannot copy to %2").arg(file, target));
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        ++copied;
    }
    return copied;
}
