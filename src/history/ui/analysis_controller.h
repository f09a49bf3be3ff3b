// The two historical analyses of the Datenbank page in the window: the settings
// back-test (`SettingsBacktest`, BitBtn9) and the repeat analysis (`RepeatAnalysis`,
// BitBtn19). The computation is the core's; this side asks the questions, shows every
// pass on the sheet, the draw line, the draw date and the status bar, repaints, writes
// "Test.rtf" and opens it, and shows the back-test's prize classes on the chart page.
#pragma once

#include "history/report_format.h"

#include <QObject>
#include <QString>

#include <functional>

class ChartPage;
class CommandGate;
class DatabasePage;
class DesktopShell;
class DrawHistory;
class DrawView;
class LongWork;
class MessageTable;
class OptionSwitch;
class PageSwitcher;
class ProgramDirectory;
class RandomSource;
class SettingsSource;
class SheetChecks;
class ShownDrawModel;
class StatusPanels;
class TipSheetPage;
class UserDialogs;
class WindowDates;
struct ShownDrawState;

struct AnalysisWiring {
    TipSheetPage &sheet;
    DatabasePage &database; // the buttons, and repainted with the draw line
    DrawView &view;
    WindowDates &dates;
    DrawHistory &history;
    ShownDrawModel &shown;
    CommandGate &gate;
    ChartPage &chart;
    const ProgramDirectory &directory;
    StatusPanels &status;
    UserDialogs &dialogs;
    DesktopShell &shell;
    RandomSource &random;
    const MessageTable &messages;
    const SettingsSource &settings;
    OptionSwitch &options; // CheckBox20 off during the back-test
    SheetChecks &checks;
    PageSwitcher &pages;
    LongWork &work;
    std::function<QString()> localeName; // the report's numbers follow the applied language
    std::function<QString()> ticketPrice; // the stored "EINPREIS"
};

class AnalysisController : public QObject {
    Q_OBJECT
public:
    explicit AnalysisController(const AnalysisWiring &wiring, QObject *parent = nullptr);
    ~AnalysisController() override;

    void settingsBacktest();
    void repeatAnalysis();
    bool isRunning() const { return m_running; }
    // For the closing window: CheckBox20 back before the settings are saved, and the
    // analysis ends after its current pass without a report.
    void stopForClose();

signals:
    // An analysis started or ended.
    void runningChanged(bool running);

private:
    class Running;
    class PreferredListOff;

    bool mayStart() const;
    void showState(const ShownDrawState &shown);
    void repaintNow();
    // The numbers of the report's own sections in the chosen language's formats.
    ReportFormat reportFormat() const;
    void writeReport(const QStringList &lines);

    AnalysisWiring m_wiring;
    bool m_running = false;
    bool m_stopRequested = false;
    PreferredListOff *m_preferredListOff = nullptr; // while a back-test runs
};
