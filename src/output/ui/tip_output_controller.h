// The tip sheet to files: saving and loading tip files (".hlt") through the main
// window's shared dialogs, and the printable list "Tipp.txt" that the desktop opens.
#pragma once

#include <QObject>

class DesktopShell;
class MessageTable;
class SheetChecks;
class StatusPanels;
class TipSheetPage;
class UserDialogs;
class WindowDates;
struct SessionState;
struct SharedFileDialogs;

struct TipOutputWiring {
    TipSheetPage &sheet;
    WindowDates &dates;
    const SessionState &state;
    UserDialogs &dialogs;
    DesktopShell &shell;
    const MessageTable &messages;
    SharedFileDialogs &fileDialogs;
    SheetChecks &checks;
    StatusPanels &status;
};

class TipOutputController : public QObject {
    Q_OBJECT
public:
    explicit TipOutputController(const TipOutputWiring &wiring, QObject *parent = nullptr);

    // SpeedButton15: the filled rows into a tip file the user names.
    void saveTips();
    // SpeedButton16: the twelve rows from a tip file, then `ShowAndEvaluate`.
    void loadTips();
    // "Tipp ausdrucken": "Tipp.txt" in the program folder, opened by the desktop.
    void printTips();

private:
    TipOutputWiring m_wiring;
};
