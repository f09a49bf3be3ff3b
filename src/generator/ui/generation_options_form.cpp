#include "generator/ui/generation_options_form.h"

#include "generator/generation_run.h"
#include "generator/ui/generation_page.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSpinBox>

QSpinBox *GenerationOptionsForm::spin(int number) const
{
    return number == 8 ? &m_rowCount : m_page.upDown(number);
}

GenerationSettings GenerationOptionsForm::generationSettings() const
{
    GenerationSettings settings;
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        settings.*option.field = m_page.checkBox(option.number)->isChecked();
    for (const SpinOption &option : GenerationOptions::spins())
        settings.*option.field = spin(option.number)->value();
    settings.megaballOption = GenerationSettings::RandomMegaball;
    for (const RadioOption &option : GenerationOptions::radioButtons())
        if (m_page.radioButton(option.number)->isChecked())
            settings.megaballOption = option.number;
    return settings;
}

void GenerationOptionsForm::apply(const GenerationSettings &settings)
{
    // The check boxes first: CheckBox31 sets the maximum of UpDown6.
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        m_page.checkBox(option.number)->setChecked(settings.*option.field);
    for (const RadioOption &option : GenerationOptions::radioButtons())
        m_page.radioButton(option.number)->setChecked(settings.megaballOption == option.number);
    for (const SpinOption &option : GenerationOptions::spins())
        spin(option.number)->setValue(settings.*option.field);
}

void GenerationOptionsForm::apply(const OptionChange &change)
{
    if (change.kind == OptionChange::Kind::CheckBox)
        m_page.checkBox(change.number)->setChecked(change.value != 0);
    else
        spin(change.number)->setValue(change.value);
}

void GenerationOptionsForm::setShowPreferredList(bool shown)
{
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        if (option.field == &GenerationSettings::showPreferredList)
            m_page.checkBox(option.number)->setChecked(shown);
}
