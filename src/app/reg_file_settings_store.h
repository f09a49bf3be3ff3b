// A settings key kept in one file in the registry editor's export format: the settings
// store everywhere but on Windows. Values live in memory; save() replaces the file.
#pragma once

#include "app/memory_settings_store.h"

#include <memory>

class RegFileSettingsStore : public MemorySettingsStore {
public:
    enum class Access { ReadWrite, ReadOnly };

    // Reads the values of `section` from `filePath`; a missing file is an empty key.
    static std::unique_ptr<RegFileSettingsStore> load(const QString &filePath, const QString &section, Access access);

    const QString &filePath() const { return m_filePath; }
    // Set when the file exists but could not be read; save() then leaves it alone.
    const QString &loadError() const { return m_loadError; }

    // Writes the whole file atomically, creating its folder when missing.
    Result<void> save() override;

private:
    RegFileSettingsStore(QString filePath, QString section, Access access);

    QString m_filePath;
    QString m_section;
    Access m_access;
    QString m_loadError;
};
