// Comparing the tip sheet with draws: the sheet evaluation `Komplettcheck`, showing and
// evaluating the draw of a date (`ShowAndEvaluate`) and the search of the history for
// hits (`HistorySearch`).
#pragma once

#include "analysis/sheet_checks.h"

#include <QObject>

#include <array>

class CommandGate;
class DrawHistory;
class DrawView;
class LongWork;
class MessageTable;
class ProgramDirectory;
class SettingsSource;
class ShownDrawModel;
class SoundPlayer;
class TipSheetPage;
class UserDialogs;
class WindowDates;
struct Draw;

struct TipCheckWiring {
    TipSheetPage &sheet;
    DrawView &view;
    WindowDates &dates;
    DrawHistory &history;
    ShownDrawModel &shown;
    CommandGate &gate;
    const ProgramDirectory &directory;
    UserDialogs &dialogs;
    SoundPlayer &sound;
    const MessageTable &messages;
    const SettingsSource &settings;
    LongWork &work;
};

class TipCheckController : public QObject, public SheetChecks {
    Q_OBJECT
public:
    explicit TipCheckController(const TipCheckWiring &wiring, QObject *parent = nullptr);

    // Evaluates all twelve rows against the shown draw.
    void komplettcheck() override;
    // Shows the draw for the draw date and evaluates the sheet against it.
    void showAndEvaluate() override;
    // Walks the draws of the statistics window and stops with a question at hits.
    void historySearch();

    // Per row, the hits the last complete history search counted.
    const std::array<int, 12> &searchTotals() const { return m_searchTotals; }

signals:
    // The history search reached the end of its range: per row the sum of its hits.
    void searchFinished(const std::array<int, 12> &totals);

private:
    TipCheckWiring m_wiring;
    std::array<int, 12> m_searchTotals{};
};
