// A settings store held in memory: the command-line tool's stand-in when no key exists,
// the tests' store, and the values of a settings file. Names are found through a hash
// of their case-folded spelling, so loading n values costs n steps, not n².
#pragma once

#include "app/settings_store.h"

#include <QHash>

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
    QHash<QString, size_t> m_index; // case-folded name -> position in m_values
};
