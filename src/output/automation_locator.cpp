#include "output/automation_locator.h"

#include "app/settings_store.h"
#include "output/web_links.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Only a to z change, as the rule says: a folder "ÄMorvak" is no "Morvak".
QString asciiUpper(const QString &text)
{
    QString upper = text;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

// The entry of `parent` named `name` in any case, of the wanted kind; empty when none.
QString entryIgnoringCase(const QString &parent, const QString &name, QDir::Filters kind)
{
    const QDir dir(parent);
    if (parent.isEmpty() || !dir.exists())
        return {};
    if (QFileInfo exact(dir.filePath(name)); exact.exists() && (kind == QDir::Dirs ? exact.isDir() : exact.isFile()))
        return exact.filePath();
    for (const QString &entry : dir.entryList(kind | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

// A folder path whose last part may differ in case from what is on disk.
QString folderIgnoringCase(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (QFileInfo(clean).isDir())
        return clean;
    const QFileInfo info(clean);
    return entryIgnoringCase(info.path(), info.fileName(), QDir::Dirs);
}
} // namespace

QUrl AutomationLocator::downloadUrl()
{
    return WebLinks::url(WebLinks::AutomationDownload);
}

std::optional<QString> AutomationLocator::machinePath()
{
    using SettingsLocation::Scope;
    if (!SettingsLocation::exists(Scope::LocalMachine, SettingsKeys::ScriptParameters))
        return std::nullopt;
    const auto settings = SettingsLocation::open(Scope::LocalMachine, SettingsKeys::ScriptHostLocation, false);
    if (!settings)
        return QString();
    const auto path = settings->readString(PathValue);
    return path && path->has_value() ? **path : QString();
}

QString AutomationLocator::executableIn(const QString &folder)
{
#ifdef Q_OS_WIN
    const QStringList names{QStringLiteral("Skriptomat.exe"), QStringLiteral("skriptomat")};
#else
    const QStringList names{QStringLiteral("skriptomat"), QStringLiteral("Skriptomat.exe")};
#endif
    for (const QString &name : names) {
        const QString found = entryIgnoringCase(folder, name, QDir::Files);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

QString AutomationLocator::machineSettingsName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("HKEY_LOCAL_MACHINE") + SettingsKeys::ScriptHostLocation;
#else
    return QDir::toNativeSeparators(
        SettingsLocation::filePathFor(SettingsLocation::Scope::LocalMachine, SettingsKeys::ScriptHostLocation));
#endif
}

QString AutomationLocator::ruleFolder(const QString &programFolder)
{
    QString folder = QDir::fromNativeSeparators(programFolder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    for (qsizetype start = 0, end; (end = folder.indexOf(QLatin1Char('/'), start)) >= 0; start = end + 1) {
        if (asciiUpper(folder.mid(start, end - start)) == FolderWord) {
            folder.truncate(end + 1);
            break;
        }
    }
    return folder + FolderName;
}

AutomationLocator::Location AutomationLocator::locate(
    const std::optional<QString> &machinePath, const QString &programFolder)
{
    Location location;
    location.fromMachineKey = machinePath.has_value();
    if (machinePath && !machinePath->isEmpty() && !QDir::isAbsolutePath(QDir::fromNativeSeparators(*machinePath))) {
        location.pathNotAbsolute = true;
        location.executable = *machinePath;
        return location;
    }
    const QString expected = machinePath ? *machinePath : ruleFolder(programFolder);
    const QString folder = expected.isEmpty() ? QString() : folderIgnoringCase(expected);
    location.executable = folder.isEmpty() ? QString() : executableIn(folder);
    location.found = !location.executable.isEmpty();
    if (!location.found) {
        const QString name = machinePath ? QStringLiteral("Skriptomat.exe") : QStringLiteral("skriptomat.exe");
        location.executable = expected.isEmpty()
            ? name
            : QDir::cleanPath(QDir::fromNativeSeparators(expected) + QLatin1Char('/') + name);
    }
    return location;
}

AutomationLocator::Location AutomationLocator::locate(const QString &programFolder)
{
    return locate(machinePath(), programFolder);
}
