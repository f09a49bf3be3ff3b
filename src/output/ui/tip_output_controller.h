// The tip sheet to files: saving and loading tip files (".hlt") through the main
// window's shared dialogs, and the printable list "Tipp.txt" that the desktop opens.
#pragma once

#include <QObject>

class DesktopShell;
class MessageTable;
class ProgramDirectory;
class SheetChecks;
class ShownDrawModel;
class StatusPanels;
class TipSheetPage;
class UserDialogs;
class WindowDates;
struct SharedFileDialogs;

struct TipOutputWiring {
    TipSheetPage &sheet;
    WindowDates &dates;
    const ShownDrawModel &shown; // the list plays the draw after the shown one
    const ProgramDirectory &directory;
    UserDialogs &dialogs;
    DesktopShell &shell;
    const MessageTable &messages;
    SharedFileDialogs &fileDialogs;
    SheetChecks &checks;
    StatusPanels &status; // says where "Tipp.txt" is when no program opens it
};

class TipOutputController : public QObject {
    Q_OBJECT
public:
    explicit TipOutputController(const TipOutputWiring &wiring, QObject *parent = nullptr);

    // SpeedButton15: the filled rows into a tip file the user names.
    void saveTips();
    // SpeedButton16: the twelve rows from a tip file, then `ShowAndEvaluate`.
    void loadTips();
    // "Tipp ausdrucken": "Tipp.txt" in the program folder, opened by the desktop; where
    // no program takes it, the user learns where it is.
    void printTips();

private:
    TipOutputWiring m_wiring;
};
