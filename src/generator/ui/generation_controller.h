// "Tipps berechnen" (BitBtn4) and the menu entry Berechnen1: the generation run in the
// main window. The button turns into the stop button while rows are drawn; the run
// shows its statistics on the chart page, its progress in the status bar and the
// options it loosens on the form, and puts those back at the end. Also the lucky
// number (SpeedButton13), which seeds the random source for a repeatable run.
#pragma once

#include "generator/generation_run.h"

#include <QObject>

#include <memory>

class MainWindow;
class PreferredListController;

class GenerationController : public QObject {
    Q_OBJECT
public:
    explicit GenerationController(MainWindow &window);
    ~GenerationController() override;

    // Starts a run; while one is going on, this is its stop request.
    void startOrStop();
    bool isRunning() const { return m_running; }
    // The run ends at its next check; the button shows its start caption at once.
    void requestStop();
    // For the closing window: stop, and put the loosened options back before they are
    // saved.
    void stopForClose();
    void luckyNumber();

    PreferredListController *preferredList() const { return m_preferredList.get(); }
    const GenerationOutcome &lastOutcome() const { return m_lastOutcome; }

private:
    struct RememberedOptions {
        bool checkBox8 = false;
        int upDown4 = 0;
        int upDown5 = 0;
        int upDown6 = 0;
    };

    void run();
    GenerationHooks hooks(std::span<const Draw> draws);
    void applyOptionChange(const OptionChange &change);
    void restoreOptions();
    void finish(const GenerationOutcome *outcome);

    MainWindow &m_window;
    std::unique_ptr<PreferredListController> m_preferredList;
    bool m_running = false;
    bool m_stopRequested = false;
    QString m_startCaption;
    RememberedOptions m_remembered;
    GenerationOutcome m_lastOutcome;
};
