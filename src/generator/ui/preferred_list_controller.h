// The number dialog as the preferred-number list of a generation run: the pool's
// numbers and weights shown for editing, "&Rechnen" rebuilding the pool from them, and
// the list saved to and loaded from value-list files.
#pragma once

#include <QObject>

class CandidatePool;
class NumberChoiceDialog;
class PageSwitcher;
class ProgramDirectory;
class StatusPanels;
class UserDialogs;
class QWidget;

class PreferredListController : public QObject {
    Q_OBJECT
public:
    // `tipSheet` is the page shown while the list is open.
    PreferredListController(NumberChoiceDialog &dialog, UserDialogs &dialogs, StatusPanels &status, PageSwitcher &pages,
        QWidget *tipSheet, const ProgramDirectory &directory, QObject *parent = nullptr);

    // Shows the list for the pool: OK keeps the pool, "&Rechnen" rebuilds it from the
    // list; false when the user aborts.
    bool edit(CandidatePool &pool);
    void saveList(); // SpeedButton1
    void loadList(); // SpeedButton2

private:
    NumberChoiceDialog &m_dialog;
    UserDialogs &m_dialogs;
    StatusPanels &m_status;
    PageSwitcher &m_pages;
    QWidget *m_tipSheet;
    const ProgramDirectory &m_directory;
};
