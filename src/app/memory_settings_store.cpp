#include "app/memory_settings_store.h"

namespace {
// Value names are case-insensitive, as in the registry: the key folds each UTF-16 unit
// as QString::compare(..., Qt::CaseInsensitive) does.
QString keyOf(const QString &name)
{
    QString key = name;
    for (QChar &ch : key)
        ch = QChar(QChar::toCaseFolded(ch.unicode()));
    return key;
}
} // namespace

std::optional<RegistryValue> MemorySettingsStore::value(const QString &name) const
{
    const auto it = m_index.constFind(keyOf(name));
    if (it == m_index.cend())
        return std::nullopt;
    return m_values[*it].second;
}

QStringList MemorySettingsStore::valueNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_values.size()));
    for (const auto &entry : m_values)
        names.append(entry.first);
    return names;
}

void MemorySettingsStore::setValue(const QString &name, const RegistryValue &value)
{
    QString key = keyOf(name);
    const auto it = m_index.constFind(key);
    if (it != m_index.cend()) {
        m_values[*it].second = value;
        return;
    }
    m_index.insert(std::move(key), m_values.size());
    m_values.emplace_back(name, value);
}

void MemorySettingsStore::removeValue(const QString &name)
{
    const auto it = m_index.constFind(keyOf(name));
    if (it == m_index.cend())
        return;
    const size_t position = *it;
    m_index.erase(it);
    m_values.erase(m_values.begin() + qsizetype(position));
    // Removing is rare (a value of the wrong type at start-up); renumbering is fine.
    for (auto &index : m_index)
        if (index > position)
            --index;
}
