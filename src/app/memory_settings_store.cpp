#include "app/memory_settings_store.h"

#include <algorithm>

namespace {
// Value names are case-insensitive, as in the registry.
auto byName(const QString &name)
{
    return [&name](const auto &entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; };
}
} // namespace

std::optional<RegistryValue> MemorySettingsStore::value(const QString &name) const
{
    auto it = std::find_if(m_values.begin(), m_values.end(), byName(name));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

QStringList MemorySettingsStore::valueNames() const
{
    QStringList names;
    for (const auto &entry : m_values)
        names.append(entry.first);
    return names;
}

void MemorySettingsStore::setValue(const QString &name, const RegistryValue &value)
{
    auto it = std::find_if(m_values.begin(), m_values.end(), byName(name));
    if (it == m_values.end())
        m_values.emplace_back(name, value);
    else
        it->second = value;
}

void MemorySettingsStore::removeValue(const QString &name)
{
    m_values.erase(std::remove_if(m_values.begin(), m_values.end(), byName(name)), m_values.end());
}
