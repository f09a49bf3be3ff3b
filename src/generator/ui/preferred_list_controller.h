// The number dialog as the preferred-number list of a generation run: the pool's
// numbers and weights shown for editing, "&Rechnen" rebuilding the pool from them, and
// the list saved to and loaded from value-list files.
#pragma once

#include <QObject>

class CandidatePool;
class MainWindow;
class NumberChoiceDialog;

class PreferredListController : public QObject {
    Q_OBJECT
public:
    PreferredListController(MainWindow &window, NumberChoiceDialog &dialog);

    // Shows the list for the pool: OK keeps the pool, "&Rechnen" rebuilds it from the
    // list; false when the user aborts.
    bool edit(CandidatePool &pool);
    void saveList(); // SpeedButton1
    void loadList(); // SpeedButton2

private:
    MainWindow &m_window;
    NumberChoiceDialog &m_dialog;
};
