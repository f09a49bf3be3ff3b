#include "generator/generation_settings_store.h"

#include "app/settings_store.h"

#include <algorithm>

StoredGenerationSettings GenerationSettingsStore::read(const SettingsStore &store)
{
    StoredGenerationSettings result{GenerationSettings::defaults()};
    GenerationSettings &settings = result.settings;

    const auto readChecks = [&]() {
        for (const CheckBoxOption &option : GenerationOptions::checkBoxes()) {
            const auto value = store.readBool(GenerationOptions::checkBoxValueName(option.number));
            if (!value)
                return false;
            if (value->has_value())
                settings.*option.field = **value;
        }
        for (const RadioOption &option : GenerationOptions::radioButtons()) {
            const auto value = store.readBool(GenerationOptions::radioValueName(option.number));
            if (!value)
                return false;
            // The buttons are independent controls: checking one unchecks the others.
            if (value->value_or(false))
                settings.megaballOption = option.number;
        }
        return true;
    };
    result.checkGroupComplete = readChecks();

    const auto readSpins = [&]() {
        for (const SpinOption &option : GenerationOptions::spins()) {
            const auto value = store.readInteger(GenerationOptions::spinValueName(option.number));
            if (!value)
                return false;
            if (!value->has_value())
                continue;
            const int maximum = GenerationOptions::maximumOf(option, settings);
            settings.*option.field = std::clamp(int(**value), option.minimum, maximum);
        }
        return true;
    };
    result.spinGroupComplete = readSpins();
    return result;
}

void GenerationSettingsStore::write(SettingsStore &store, const GenerationSettings &settings)
{
    writeChoices(store, settings);
    writeSpins(store, settings);
}

void GenerationSettingsStore::writeChoices(SettingsStore &store, const GenerationSettings &settings)
{
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        store.writeBool(GenerationOptions::checkBoxValueName(option.number), settings.*option.field);
    for (const RadioOption &option : GenerationOptions::radioButtons())
        store.writeBool(GenerationOptions::radioValueName(option.number), settings.megaballOption == option.number);
}

void GenerationSettingsStore::writeSpins(SettingsStore &store, const GenerationSettings &settings)
{
    for (const SpinOption &option : GenerationOptions::spins())
        store.writeInteger(GenerationOptions::spinValueName(option.number), settings.*option.field);
}
