// The generation options as the controls hold them now, for the controllers that read
// an option without owning the options' page, and the one switch a command may throw
// for its own duration.
#pragma once

#include "generator/generation_options.h"

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    virtual GenerationSettings generationSettings() const = 0;
};

// The settings back-test turns the preferred-number list (CheckBox20) off while it runs
// and puts it back afterwards; it changes the control, so the user sees it.
class OptionSwitch {
public:
    virtual ~OptionSwitch() = default;
    virtual void setShowPreferredList(bool shown) = 0;
};
