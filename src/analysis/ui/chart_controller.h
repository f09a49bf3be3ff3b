// The chart operations of the Diagramm page: they count the history inside the
// statistics window (or the tip sheet) and show the counts as bars. Every button that
// shows a chart, on any page, ends up here; the main window connects the buttons of
// the other pages with `connectButton`.
#pragma once

#include "analysis/draw_statistics.h"

#include <QObject>

#include <functional>

#include <array>
#include <span>

class ChartPage;
class CommandGate;
class DrawHistory;
class MessageTable;
class PageSwitcher;
class QAbstractButton;
class ShownDrawModel;
class TipSheetPage;
class UserDialogs;
class WindowDates;

struct ChartWiring {
    ChartPage &page;
    const TipSheetPage &sheet; // for the tip distribution
    WindowDates &dates;
    DrawHistory &history;
    ShownDrawModel &shown; // a chart of the statistics window selects its start
    const CommandGate &gate; // a generation run draws its charts without a page switch
    UserDialogs &dialogs;
    const MessageTable &messages;
    PageSwitcher &pages;
};

class ChartController : public QObject {
    Q_OBJECT
public:
    explicit ChartController(const ChartWiring &wiring, QObject *parent = nullptr);

    // A click on `button` shows the chart of that kind, after switching to the chart
    // page when `switchFirst`.
    void connectButton(QAbstractButton *button, DrawStatistics::ChartKind kind, bool switchFirst);
    // Switches to the chart page, then shows the chart.
    void showOnChartPage(DrawStatistics::ChartKind kind);

    // Shows the chart of that kind (not the tip distribution).
    void showChart(DrawStatistics::ChartKind kind);
    // The same over draws already read, as the generation run uses it.
    void showChart(DrawStatistics::ChartKind kind, std::span<const Draw> draws);
    // The numbers of the tip sheet (Button6).
    void showTipDistribution();
    // Per row, the hits a completed history search counted.
    void showSearchTotals(const std::array<int, 12> &totals);
    // A language was applied: the chart on show is drawn again with its texts, where it
    // stands (no page switch).
    void languageApplied();

private:
    void apply(const DrawStatistics::ChartResult &result);

    // Draws the chart last shown again, on the chart page only.
    std::function<void()> m_redraw;

    ChartWiring m_wiring;
};
