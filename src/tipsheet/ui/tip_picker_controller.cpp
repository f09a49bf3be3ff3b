#include "tipsheet/ui/tip_picker_controller.h"

#include "app/ui/main_window.h"
#include "generator/random_source.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QLineEdit>

TipPickerController::TipPickerController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    m_dialog = new NumberChoiceDialog(*window.services().random, &window);
    connect(window.tipSheet(), &TipSheetPage::pickRequested, this, &TipPickerController::pick);
}

void TipPickerController::pick(int row)
{
    const MessageTable &messages = m_window.messages();
    TipSheetPage *sheet = m_window.tipSheet();
    m_dialog->setWindowTitle(messages.text(Msg::PickerCaption) + QLatin1Char(' ') + QString::number(row));
    m_dialog->beginPickMode(messages.text(Msg::Zufall), messages.text(Msg::Stop), TipRows::MainFields, NumberChoiceDialog::BoxCount);
    m_dialog->resetBoxes(NumberChoiceDialog::BoxCount);
    for (int slot = 0; slot < TipRows::MainFields; ++slot) {
        const auto number = TipRows::toInteger(sheet->field(row, slot)->text());
        if (!number)
            break;
        if (*number >= 1 && *number <= NumberChoiceDialog::BoxCount)
            m_dialog->setBoxMarked(*number, true);
    }

    if (m_dialog->exec() == NumberChoiceDialog::Ok) {
        int slot = 0;
        for (int number : m_dialog->checkedNumbers()) {
            if (slot == TipRows::MainFields)
                break;
            sheet->field(row, slot++)->setText(QString::number(number));
        }
        // The field after the last one written: the Megaball field after five numbers.
        QLineEdit *next = sheet->field(row, slot);
        if (next->text().isEmpty())
            next->setText(QString::number(1 + m_window.services().random->below(14)));
    }
    m_dialog->endPickMode(messages.text(Msg::ChoiceCaption));
}
