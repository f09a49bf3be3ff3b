// The settings store on Windows: every read and write goes straight to the registry
// key; a failed write is remembered and reported by save().
#include <QtGlobal>

#ifdef Q_OS_WIN

#include "app/win_registry_settings_store.h"

#include <QtEndian>

#include <qt_windows.h>

#include <string>
#include <utility>
#include <vector>

using SettingsLocation::Scope;

namespace {
HKEY hiveOf(Scope scope)
{
    return scope == Scope::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// Relative to the hive: no leading backslash.
std::wstring subKeyPath(const QString &keyPath)
{
    return keyPath.split(u'\\', Qt::SkipEmptyParts).join(u'\\').toStdWString();
}

LPCWSTR wide(const QString &text)
{
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// A 32-bit installer writes the machine key into the 32-bit view; look there when the
// native view lacks the key.
LONG openKey(Scope scope, const std::wstring &path, REGSAM access, HKEY *key)
{
    LONG rc = RegOpenKeyExW(hiveOf(scope), path.c_str(), 0, access, key);
    if (rc == ERROR_FILE_NOT_FOUND && scope == Scope::LocalMachine)
        rc = RegOpenKeyExW(hiveOf(scope), path.c_str(), 0, access | KEY_WOW64_32KEY, key);
    return rc;
}

class WinRegistrySettingsStore : public SettingsStore {
public:
    WinRegistrySettingsStore(HKEY key, bool readOnly)
        : m_key(key)
        , m_readOnly(readOnly)
    { }
    ~WinRegistrySettingsStore() override { RegCloseKey(m_key); }
    WinRegistrySettingsStore(const WinRegistrySettingsStore &) = delete;
    WinRegistrySettingsStore &operator=(const WinRegistrySettingsStore &) = delete;

    std::optional<RegistryValue> value(const QString &name) const override;
    QStringList valueNames() const override;
    void setValue(const QString &name, const RegistryValue &value) override;
    void removeValue(const QString &name) override;
    Result<void> save() override;

private:
    void noteFailure(const QString &name, LONG code);

    HKEY m_key;
    bool m_readOnly;
    QString m_writeError; // the first failed write since the last save()
};

std::optional<RegistryValue> WinRegistrySettingsStore::value(const QString &name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(m_key, wide(name), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    QByteArray data(qsizetype(size), '\0');
    if (RegQueryValueExW(m_key, wide(name), nullptr, &type, reinterpret_cast<LPBYTE>(data.data()), &size)
        != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(qsizetype(size));

    switch (type) {
    case REG_DWORD:
        if (data.size() != 4)
            return std::nullopt;
        return RegistryValue::fromInteger(qFromLittleEndian<qint32>(data.constData()));
    case REG_SZ:
    case REG_EXPAND_SZ: {
        // The stored size may or may not include the terminating zero.
        QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData()), data.size() / 2);
        const qsizetype end = text.indexOf(QChar(0));
        if (end >= 0)
            text.truncate(end);
        return RegistryValue::fromString(text);
    }
    case REG_BINARY:
        return RegistryValue::fromBinary(data);
    default:
        return std::nullopt;
    }
}

QStringList WinRegistrySettingsStore::valueNames() const
{
    DWORD count = 0;
    DWORD longest = 0;
    if (RegQueryInfoKeyW(
            m_key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr)
        != ERROR_SUCCESS)
        return {};
    QStringList names;
    std::vector<wchar_t> buffer(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = DWORD(buffer.size());
        if (RegEnumValueW(m_key, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS)
            names.append(QString::fromWCharArray(buffer.data(), qsizetype(length)));
    }
    return names;
}

void WinRegistrySettingsStore::setValue(const QString &name, const RegistryValue &value)
{
    DWORD type = REG_BINARY;
    QByteArray data;
    switch (value.type) {
    case RegistryValue::Type::Integer:
        type = REG_DWORD;
        data.resize(4);
        qToLittleEndian<qint32>(value.integer, data.data());
        break;
    case RegistryValue::Type::String:
        type = REG_SZ;
        // With the terminating zero, which utf16() provides.
        data = QByteArray(reinterpret_cast<const char *>(value.text.utf16()), (value.text.size() + 1) * 2);
        break;
    case RegistryValue::Type::Binary:
        data = value.binary;
        break;
    }
    const LONG rc = RegSetValueExW(
        m_key, wide(name), 0, type, reinterpret_cast<const BYTE *>(data.constData()), DWORD(data.size()));
    if (rc != ERROR_SUCCESS)
        noteFailure(name, rc);
}

void WinRegistrySettingsStore::removeValue(const QString &name)
{
    const LONG rc = RegDeleteValueW(m_key, wide(name));
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND)
        noteFailure(name, rc);
}

Result<void> WinRegistrySettingsStore::save()
{
    if (m_readOnly)
        return fail(QStringLiteral("The machine-wide settings are read only."));
    if (!m_writeError.isEmpty())
        return fail(std::exchange(m_writeError, QString()));
    return {};
}

void WinRegistrySettingsStore::noteFailure(const QString &name, LONG code)
{
    if (m_writeError.isEmpty())
        m_writeError = QStringLiteral("%1: %2").arg(name, qt_error_string(int(code)));
}
} // namespace

std::unique_ptr<SettingsStore> WinRegistry::open(Scope scope, const QString &keyPath, bool create)
{
    const std::wstring path = subKeyPath(keyPath);
    HKEY key = nullptr;
    LONG rc = ERROR_SUCCESS;
    if (scope == Scope::CurrentUser && create)
        rc = RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
            nullptr, &key, nullptr);
    else
        rc = openKey(scope, path, scope == Scope::CurrentUser ? KEY_READ | KEY_WRITE : KEY_READ, &key);
    if (rc != ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<WinRegistrySettingsStore>(key, scope == Scope::LocalMachine);
}

bool WinRegistry::exists(Scope scope, const QString &keyPath)
{
    HKEY key = nullptr;
    if (openKey(scope, subKeyPath(keyPath), KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

#endif
