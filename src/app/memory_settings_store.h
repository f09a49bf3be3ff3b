// A settings store held in memory: the command-line tool's stand-in when no key exists,
// and the tests' store.
#pragma once

#include "app/settings_store.h"

#include <utility>
#include <vector>

class MemorySettingsStore : public SettingsStore {
public:
    std::optional<RegistryValue> value(const QString &name) const override;
    QStringList valueNames() const override;
    void setValue(const QString &name, const RegistryValue &value) override;
    void removeValue(const QString &name) override;
    Result<void> save() override { return {}; }

private:
    std::vector<std::pair<QString, RegistryValue>> m_values; // in the order first written
};
