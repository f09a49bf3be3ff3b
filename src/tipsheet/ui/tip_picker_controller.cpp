#include "tipsheet/ui/tip_picker_controller.h"

#include "app/message_table.h"
#include "generator/random_source.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/platform.h"

#include <QLineEdit>

#include <algorithm>

TipPickerController::TipPickerController(TipSheetPage &sheet, NumberChoiceDialog &dialog, UserDialogs &dialogs,
    RandomSource &random, const MessageTable &messages, QObject *parent)
    : QObject(parent)
    , m_sheet(sheet)
    , m_dialog(dialog)
    , m_dialogs(dialogs)
    , m_random(random)
    , m_messages(messages)
{
    connect(&sheet, &TipSheetPage::pickRequested, this, &TipPickerController::pick);
}

void TipPickerController::pick(int row)
{
    m_dialog.setWindowTitle(m_messages.text(Msg::PickerCaption) + QLatin1Char(' ') + QString::number(row));
    m_dialog.beginPickMode(
        m_messages.text(Msg::Zufall), m_messages.text(Msg::Stop), TipRows::MainFields, NumberChoiceDialog::BoxCount);
    m_dialog.resetBoxes(NumberChoiceDialog::BoxCount);
    for (int slot = 0; slot < TipRows::MainFields; ++slot) {
        const auto number = TipRows::toInteger(m_sheet.field(row, slot)->text());
        if (!number)
            break;
        if (*number >= 1 && *number <= NumberChoiceDialog::BoxCount)
            m_dialog.setBoxMarked(*number, true);
    }

    if (m_dialogs.exec(m_dialog) == NumberChoiceDialog::Ok) {
        TipRowTexts texts = m_sheet.rowTexts(row);
        int slot = 0;
        for (int number : m_dialog.checkedNumbers()) {
            if (slot == TipRows::MainFields)
                break;
            texts[size_t(slot++)] = QString::number(number);
        }
        // The field after the last one written: the Megaball field after five numbers.
        // In a main-number field the random number is drawn again while the picks hold
        // it; fields kept from before that repeat a pick are cleared by the row's write.
        if (texts[size_t(slot)].isEmpty()) {
            const auto picked = [&](int number) {
                return slot < TipRows::MainFields
                    && std::find(texts.begin(), texts.begin() + slot, QString::number(number)) != texts.begin() + slot;
            };
            int number = 1 + int(m_random.below(14));
            while (picked(number))
                number = 1 + int(m_random.below(14));
            texts[size_t(slot)] = QString::number(number);
        }
        m_sheet.setRowTexts(row, texts);
    }
    m_dialog.endPickMode(m_messages.text(Msg::ChoiceCaption));
}
