#include "app/settings_store.h"

#include "app/serial_date.h"

#include <QtEndian>

#include <cstring>

namespace {
Error wrongType(const QString &name)
{
    return fail(QStringLiteral("%1: value of another type").arg(name));
}
} // namespace

Result<std::optional<qint32>> SettingsStore::readInteger(const QString &name) const
{
    const auto stored = value(name);
    if (!stored)
        return std::optional<qint32>();
    if (stored->type != RegistryValue::Type::Integer)
        return wrongType(name);
    return std::optional<qint32>(stored->integer);
}

Result<std::optional<bool>> SettingsStore::readBool(const QString &name) const
{
    const auto integer = readInteger(name);
    if (!integer)
        return fail(integer.error());
    if (!integer->has_value())
        return std::optional<bool>();
    return std::optional<bool>(**integer != 0);
}

Result<std::optional<QString>> SettingsStore::readString(const QString &name) const
{
    const auto stored = value(name);
    if (!stored)
        return std::optional<QString>();
    if (stored->type != RegistryValue::Type::String)
        return wrongType(name);
    return std::optional<QString>(stored->text);
}

Result<std::optional<QDate>> SettingsStore::readDate(const QString &name) const
{
    const auto stored = value(name);
    if (!stored)
        return std::optional<QDate>();
    if (stored->type != RegistryValue::Type::Binary || stored->binary.size() != 8)
        return wrongType(name);
    const quint64 bits = qFromLittleEndian<quint64>(stored->binary.constData());
    double serial = 0;
    std::memcpy(&serial, &bits, sizeof serial);
    const QDate date = SerialDate::toDate(serial);
    if (!date.isValid())
        return wrongType(name);
    return std::optional<QDate>(date);
}

void SettingsStore::writeInteger(const QString &name, qint32 value)
{
    setValue(name, RegistryValue::fromInteger(value));
}

void SettingsStore::writeBool(const QString &name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void SettingsStore::writeString(const QString &name, const QString &value)
{
    setValue(name, RegistryValue::fromString(value));
}

void SettingsStore::writeDate(const QString &name, QDate date)
{
    const double serial = SerialDate::fromDate(date);
    quint64 bits = 0;
    std::memcpy(&bits, &serial, sizeof bits);
    QByteArray bytes(8, '\0');
    qToLittleEndian(bits, bytes.data());
    setValue(name, RegistryValue::fromBinary(bytes));
}
