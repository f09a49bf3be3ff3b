// Loading and atomically saving one settings file.
#include "app/reg_file_settings_store.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/reg_file_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

RegFileSettingsStore::RegFileSettingsStore(QString filePath, QString section, Access access)
    : m_filePath(std::move(filePath))
    , m_section(std::move(section))
    , m_access(access)
{ }

std::unique_ptr<RegFileSettingsStore> RegFileSettingsStore::load(
    const QString &filePath, const QString &section, Access access)
{
    std::unique_ptr<RegFileSettingsStore> store(new RegFileSettingsStore(filePath, section, access));
    QFile file(filePath);
    if (!file.exists())
        return store;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        store->m_loadError = QStringLiteral("%1: %2").arg(filePath, file.errorString());
    else
        RegFile::parse(bytes, section, *store);
    return store;
}

Result<void> RegFileSettingsStore::save()
{
    if (m_access == Access::ReadOnly)
        return fail(QStringLiteral("%1: the machine-wide settings are read only.").arg(m_filePath));
    // Values that could not be read would be lost by writing over them.
    if (!m_loadError.isEmpty())
        return fail(m_loadError);
    const auto bytes = RegFile::format(m_section, *this);
    if (!bytes)
        return fail(QStringLiteral("%1: %2").arg(m_filePath, bytes.error()));

    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(CoreText::text(Msg::SettingsFolderNotCreated, u"%1: the folder cannot be created.").arg(folder));
    return AtomicFile::write(m_filePath, *bytes);
}
