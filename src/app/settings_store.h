// The settings store: typed named values under a key such as
// "\SOFTWARE\Morvak\DevuDirurero". On Windows a registry key; elsewhere one file per
// key in the registry editor's export format. A read of the wrong type fails, which is
// what ends a group of reads at start-up.
#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct RegistryValue {
    enum class Type { Integer, String, Binary };
    Type type = Type::Integer;
    qint32 integer = 0;
    QString text;
    QByteArray binary;

    static RegistryValue fromInteger(qint32 value) { return {Type::Integer, value, {}, {}}; }
    static RegistryValue fromString(QString value) { return {Type::String, 0, std::move(value), {}}; }
    static RegistryValue fromBinary(QByteArray value) { return {Type::Binary, 0, {}, std::move(value)}; }

    friend bool operator==(const RegistryValue &, const RegistryValue &) = default;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // std::nullopt when the value is absent.
    virtual std::optional<RegistryValue> value(const QString &name) const = 0;
    virtual QStringList valueNames() const = 0;
    virtual void setValue(const QString &name, const RegistryValue &value) = 0;
    virtual void removeValue(const QString &name) = 0;
    // Makes the writes so far durable (the file backend replaces its file atomically;
    // the registry writes at once and has nothing left to do).
    virtual Result<void> save() = 0;

    // Typed reads: an error for a value of another type, std::nullopt when absent.
    Result<std::optional<qint32>> readInteger(const QString &name) const;
    Result<std::optional<bool>> readBool(const QString &name) const; // non-zero is true
    Result<std::optional<QString>> readString(const QString &name) const;
    // A date is an 8-byte binary double of days since 30.12.1899.
    Result<std::optional<QDate>> readDate(const QString &name) const;

    void writeInteger(const QString &name, qint32 value);
    void writeBool(const QString &name, bool value);
    void writeString(const QString &name, const QString &value);
    void writeDate(const QString &name, QDate date);
};

namespace SettingsKeys {
inline const QString Program = QStringLiteral("\\SOFTWARE\\Morvak\\DevuDirurero");
inline const QString ScriptParameters = QStringLiteral("\\SOFTWARE\\Morvak\\Skriptor");
inline const QString ScriptHostLocation = QStringLiteral("\\SOFTWARE\\Morvak\\Skriptor\\Settings");
} // namespace SettingsKeys

// Where the keys live. The current user's keys can be created; the machine-wide ones
// are read only and may be missing.
namespace SettingsLocation {
enum class Scope { CurrentUser, LocalMachine };
// Opens a key; with `create` a missing current-user key is created. Returns nullptr
// for a missing key that is not created.
std::unique_ptr<SettingsStore> open(Scope scope, const QString &keyPath, bool create);
bool exists(Scope scope, const QString &keyPath);

// Off Windows each key is a file below a root folder: the per-user configuration folder
// and the machine-wide configuration folders, of which the first holding the key's file
// wins. "\SOFTWARE\Morvak\Skriptor\Settings" is <root>/Morvak/Skriptor/Settings.reg.
// Empty for a key path that names no file below the root.
QString filePathFor(Scope scope, const QString &keyPath);
// Tests point the roots elsewhere; an empty folder or list restores the default.
void setRootOverride(Scope scope, const QString &folder);
void setMachineRootsOverride(const QStringList &folders);
} // namespace SettingsLocation
