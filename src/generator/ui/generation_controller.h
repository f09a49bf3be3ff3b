// "Tipps berechnen" (BitBtn4) and the menu entry Berechnen1: the generation run in the
// main window. The button turns into the stop button while rows are drawn; the run
// shows its statistics on the chart page, its progress in the status bar and the
// options it loosens on the form, and puts those back at the end. Also the lucky
// number (SpeedButton13), which seeds the random source for a repeatable run.
#pragma once

#include "analysis/draw_statistics.h"
#include "generator/generation_run.h"

#include <QObject>

#include <vector>

class CommandGate;
class DrawHistory;
class GenerationOptionsForm;
class LongWork;
class MessageTable;
class PageSwitcher;
class PreferredListController;
class RandomSource;
class SheetChecks;
class ShownDrawModel;
class StatusPanels;
class TipSheetPage;
class UserDialogs;
class WindowDates;

struct GenerationWiring {
    TipSheetPage &sheet;
    GenerationOptionsForm &options;
    WindowDates &dates;
    DrawHistory &history;
    ShownDrawModel &shown; // evaluation is off while rows are written
    CommandGate &gate; // the generation activity while rows are drawn
    StatusPanels &status;
    UserDialogs &dialogs;
    RandomSource &random;
    const MessageTable &messages;
    PageSwitcher &pages;
    SheetChecks &checks;
    PreferredListController &preferredList;
    LongWork &work;
};

class GenerationController : public QObject {
    Q_OBJECT
public:
    explicit GenerationController(const GenerationWiring &wiring, QObject *parent = nullptr);

    // Starts a run; while one is going on, this is its stop request.
    void startOrStop();
    bool isRunning() const { return m_running; }
    // The run ends at its next check; the button shows its start caption at once.
    void requestStop();
    // A language was applied during a run: its caption of the button is the one to put
    // back, and the stop caption follows the new message table.
    void languageApplied();
    // For the closing window: stop, and put the loosened options back before they are
    // saved.
    void stopForClose();
    void luckyNumber();

    const GenerationOutcome &lastOutcome() const { return m_lastOutcome; }
    // The attempt budget, as the options set it last (read at the start of a run and
    // whenever the attempts' spin changes).
    int attemptLimit() const { return m_attemptLimit; }
    void setAttemptLimit(int limit) { m_attemptLimit = limit; }

signals:
    // The run computed a statistic: the chart page shows it (its counting engine).
    void chartComputed(DrawStatistics::ChartKind kind, const std::vector<Draw> &draws);
    // A run ended, computed or not.
    void runFinished();

private:
    struct RememberedOptions {
        bool checkBox8 = false;
        int upDown4 = 0;
        int upDown5 = 0;
        int upDown6 = 0;
    };

    void run();
    GenerationHooks hooks(const std::vector<Draw> &draws);
    void restoreOptions();
    void finish(const GenerationOutcome *outcome);

    GenerationWiring m_wiring;
    bool m_running = false;
    int m_attemptLimit = 100000;
    QString m_startCaption;
    QString m_stopCaption;
    RememberedOptions m_remembered;
    GenerationOutcome m_lastOutcome;
};
