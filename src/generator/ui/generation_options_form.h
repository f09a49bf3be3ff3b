// The generation options as the window's controls hold them: the Berechnung page's check
// boxes, spins and radio buttons, and the row count `UpDown8` beside "Tipps berechnen"
// on the tip sheet. Reads them into `GenerationSettings` and writes them back.
#pragma once

#include "generator/settings_source.h"

class GenerationPage;
class QSpinBox;
struct OptionChange;

class GenerationOptionsForm : public SettingsSource, public OptionSwitch {
public:
    GenerationOptionsForm(GenerationPage &page, QSpinBox &rowCount)
        : m_page(page)
        , m_rowCount(rowCount)
    { }

    GenerationSettings generationSettings() const override;
    void apply(const GenerationSettings &settings);
    // One option the generation run changed on its way.
    void apply(const OptionChange &change);
    void setShowPreferredList(bool shown) override;

private:
    QSpinBox *spin(int number) const;

    GenerationPage &m_page;
    QSpinBox &m_rowCount;
};
