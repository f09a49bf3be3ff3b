// Where the settings keys live and which store serves them: the registry on Windows,
// elsewhere one file per key below the configuration folders.
#include "app/settings_store.h"

#include "app/reg_file_format.h"
#include "app/reg_file_settings_store.h"
#include "app/win_registry_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

using SettingsLocation::Scope;

namespace {
QString &userRootOverride()
{
    static QString folder;
    return folder;
}

QStringList &machineRootsOverride()
{
    static QStringList folders;
    return folders;
}

QStringList rootsOf(Scope scope)
{
    const QString userRoot = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QStringList roots;
    if (scope == Scope::CurrentUser) {
        roots = {userRootOverride().isEmpty() ? userRoot : userRootOverride()};
    } else if (!machineRootsOverride().isEmpty()) {
        roots = machineRootsOverride();
    } else {
        roots = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
        roots.removeAll(userRoot);
    }
    // An empty root would put the files into the working folder.
    roots.removeAll(QString());
    return roots;
}

// "\SOFTWARE\Morvak\Skriptor\Settings" gives "Morvak/Skriptor/Settings"; empty for a
// path that names nothing or would leave the root folder.
QString relativeKeyPath(const QString &keyPath)
{
    QStringList parts = RegFile::keyComponents(keyPath);
    if (!parts.isEmpty() && parts.first().compare(u"SOFTWARE", Qt::CaseInsensitive) == 0)
        parts.removeFirst();
    const bool escapes = std::any_of(parts.begin(), parts.end(), [](const QString &part) {
        return part == u"." || part == u".." || part.contains(u'/') || part.contains(QChar(0));
    });
    return escapes ? QString() : parts.join(u'/');
}

QString keyFile(const QString &root, const QString &relative)
{
    return QDir(root).filePath(relative + u".reg");
}

// As in the registry, a key also exists when only subkeys of it do, i.e. its folder.
bool holdsKey(const QString &root, const QString &relative)
{
    return QFileInfo(keyFile(root, relative)).isFile() || QFileInfo(QDir(root).filePath(relative)).isDir();
}

// The file backend; on Windows the registry serves instead.
[[maybe_unused]] bool fileKeyExists(Scope scope, const QString &keyPath)
{
    const QString relative = relativeKeyPath(keyPath);
    const QStringList roots = rootsOf(scope);
    return !relative.isEmpty()
        && std::any_of(roots.begin(), roots.end(), [&](const QString &root) { return holdsKey(root, relative); });
}

[[maybe_unused]] std::unique_ptr<SettingsStore> openFileKey(Scope scope, const QString &keyPath, bool create)
{
    const QString path = SettingsLocation::filePathFor(scope, keyPath);
    const bool exists = fileKeyExists(scope, keyPath);
    const bool machine = scope == Scope::LocalMachine;
    if (path.isEmpty() || (!exists && (machine || !create)))
        return nullptr;
    auto store = RegFileSettingsStore::load(path, RegFile::sectionName(scope, keyPath),
        machine ? RegFileSettingsStore::Access::ReadOnly : RegFileSettingsStore::Access::ReadWrite);
    // A created key exists at once, as in the registry. Should writing fail, the store
    // still serves its defaults and the next save() reports the error.
    if (create && !machine && !QFileInfo::exists(path))
        (void)store->save();
    return store;
}
} // namespace

std::unique_ptr<SettingsStore> SettingsLocation::open(Scope scope, const QString &keyPath, bool create)
{
#ifdef Q_OS_WIN
    return WinRegistry::open(scope, keyPath, create);
#else
    return openFileKey(scope, keyPath, create);
#endif
}

bool SettingsLocation::exists(Scope scope, const QString &keyPath)
{
#ifdef Q_OS_WIN
    return WinRegistry::exists(scope, keyPath);
#else
    return fileKeyExists(scope, keyPath);
#endif
}

QString SettingsLocation::filePathFor(Scope scope, const QString &keyPath)
{
    const QString relative = relativeKeyPath(keyPath);
    const QStringList roots = rootsOf(scope);
    if (relative.isEmpty() || roots.isEmpty())
        return {};
    const auto holder = std::find_if(
        roots.begin(), roots.end(), [&](const QString &root) { return QFileInfo(keyFile(root, relative)).isFile(); });
    return keyFile(holder == roots.end() ? roots.first() : *holder, relative);
}

void SettingsLocation::setRootOverride(Scope scope, const QString &folder)
{
    if (scope == Scope::CurrentUser)
        userRootOverride() = folder;
    else
        machineRootsOverride() = folder.isEmpty() ? QStringList() : QStringList{folder};
}

void SettingsLocation::setMachineRootsOverride(const QStringList &folders)
{
    machineRootsOverride() = folders;
}
