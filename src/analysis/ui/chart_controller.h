// The chart operations of the Diagramm page: they count the history inside the
// statistics window (or the tip sheet) and show the counts as bars. Every button that
// shows a chart, on any page, ends up here.
#pragma once

#include "analysis/draw_statistics.h"

#include <QObject>

#include <array>
#include <span>

class MainWindow;

class ChartController : public QObject {
    Q_OBJECT
public:
    explicit ChartController(MainWindow &window);

    // Reads the draw store and shows the chart of that kind (not the tip distribution).
    void showChart(DrawStatistics::ChartKind kind);
    // The same over draws already read, as the generation run uses it.
    void showChart(DrawStatistics::ChartKind kind, std::span<const Draw> draws);
    // The numbers of the tip sheet (Button6).
    void showTipDistribution();
    // Per row, the hits a completed history search counted.
    void showSearchTotals(const std::array<int, 12> &totals);

private:
    void connectButtons();
    void apply(const DrawStatistics::ChartResult &result);

    MainWindow &m_window;
};
