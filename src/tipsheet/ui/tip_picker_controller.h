// The per-row number picker (`TippEdit`): the number dialog in pick mode, filled with
// the row's numbers, and the picked numbers written back into the row.
#pragma once

#include <QObject>

class MainWindow;
class NumberChoiceDialog;

class TipPickerController : public QObject {
    Q_OBJECT
public:
    explicit TipPickerController(MainWindow &window);

    NumberChoiceDialog *dialog() const { return m_dialog; }
    // Picks the numbers of row 1..12.
    void pick(int row);

private:
    MainWindow &m_window;
    NumberChoiceDialog *m_dialog = nullptr;
};
