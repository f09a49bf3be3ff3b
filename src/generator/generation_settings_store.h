// Reading the generation options from the settings store the way start-up does: the
// check boxes and radio buttons are read as one group and the spin positions as
// another; a value of the wrong type ends its group, and what was not read keeps its
// design value. Spin positions are clamped to their control's range.
#pragma once

#include "generator/generation_options.h"

class SettingsStore;

struct StoredGenerationSettings {
    GenerationSettings settings;
    bool checkGroupComplete = true; // check boxes and radio buttons all read
    bool spinGroupComplete = true; // every spin position read
};

namespace GenerationSettingsStore {
StoredGenerationSettings read(const SettingsStore &store);
// Writes every option under its store name (check boxes, radio buttons, spins).
void write(SettingsStore &store, const GenerationSettings &settings);
// The two halves, for a caller that writes other values between them.
void writeChoices(SettingsStore &store, const GenerationSettings &settings); // check boxes, radio buttons
void writeSpins(SettingsStore &store, const GenerationSettings &settings);
} // namespace GenerationSettingsStore
