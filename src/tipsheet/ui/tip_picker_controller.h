// The per-row number picker (`TippEdit`): the number dialog in pick mode, filled with
// the row's numbers, and the picked numbers written back into the row.
#pragma once

#include <QObject>

class MessageTable;
class NumberChoiceDialog;
class RandomSource;
class TipSheetPage;
class UserDialogs;

class TipPickerController : public QObject {
    Q_OBJECT
public:
    TipPickerController(TipSheetPage &sheet, NumberChoiceDialog &dialog, UserDialogs &dialogs, RandomSource &random,
        const MessageTable &messages, QObject *parent = nullptr);

    // Picks the numbers of row 1..12.
    void pick(int row);

private:
    TipSheetPage &m_sheet;
    NumberChoiceDialog &m_dialog;
    UserDialogs &m_dialogs;
    RandomSource &m_random;
    const MessageTable &m_messages;
};
