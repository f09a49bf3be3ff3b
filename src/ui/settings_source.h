// The generation options as the controls hold them now, for the controllers that read
// an option without owning the options' page.
#pragma once

#include "generator/generation_options.h"

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual GenerationSettings generationSettings() const = 0;
};
