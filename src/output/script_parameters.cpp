#include "output/script_parameters.h"

namespace {
QString readText(const SettingsStore &store, const QString &name)
{
    const auto value = store.readString(name);
    return value && value->has_value() ? **value : QString();
}

QString orZero(const QString &number)
{
    return number.isEmpty() ? QStringLiteral("0") : number;
}
} // namespace

ScriptParameters ScriptParameters::withNumberDefaults() const
{
    ScriptParameters result = *this;
    result.zahl1 = orZero(zahl1);
    result.zahl2 = orZero(zahl2);
    return result;
}

ScriptParameters ScriptParameters::read(const SettingsStore &store)
{
    using namespace ScriptParameterNames;
    return {readText(store, Script), readText(store, Zahl1), readText(store, Text1), readText(store, Zahl2),
        readText(store, Text2)};
}

void ScriptParameters::write(SettingsStore &store) const
{
    using namespace ScriptParameterNames;
    store.writeString(Script, script);
    store.writeString(Zahl1, zahl1);
    store.writeString(Text1, text1);
    store.writeString(Zahl2, zahl2);
    store.writeString(Text2, text2);
}

ScriptParameters ScriptParameters::readStored()
{
    const auto key = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::ScriptParameters, true);
    return key ? read(*key) : ScriptParameters{};
}

Result<void> ScriptParameters::store() const
{
    const auto key = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::ScriptParameters, true);
    if (!key)
        return fail(QStringLiteral("%1: cannot be opened").arg(SettingsKeys::ScriptParameters));
    write(*key);
    return key->save();
}
