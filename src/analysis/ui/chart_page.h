// The "Diagramm" page: the bar chart of the draw statistics, the start date of the
// statistics window and the buttons that choose a chart. After a settings back-test it
// shows the settings' rows per prize class beside chance's expectation instead.
#pragma once

#include "analysis/chart_axis.h"
#include "analysis/draw_statistics.h"
#include "history/backtest_yardstick.h"

#include <QWidget>

#include <memory>

class FormBuilder;
class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;
class QDateEdit;
class QToolButton;
class QValueAxis;

class ChartPage : public QWidget {
    Q_OBJECT
public:
    ChartPage(FormBuilder &builder, QWidget *parent = nullptr);
    ~ChartPage() override;

    // Shows the points of a chart operation: bars at their X values, coloured, with the
    // left axis set as the operation asks and its bottom-axis title (kept when none).
    void showChart(const DrawStatistics::ChartResult &result);
    // Shows plain bars in the series colour; an empty title keeps the current one.
    void showBars(const std::vector<DrawStatistics::ChartPoint> &points, const QString &title);

    // Two bar sets per prize class, the settings' count and chance's expected count,
    // labelled by class and explained by a legend. The next chart operation brings the
    // statistics chart back.
    void showComparison(const PrizeClassChart &comparison);
    bool comparisonShown() const;
    // The comparison chart (also while it is not shown), for the tests.
    QChart *comparisonChart() const { return m_comparison; }
    QBarSet *settingsBars() const { return m_settingsBars; }
    QBarSet *chanceBars() const { return m_chanceBars; }
    QStringList comparisonLabels() const;

    // The points of the primary series as last shown, in point order.
    const std::vector<DrawStatistics::ChartPoint> &points() const { return m_points; }
    const QString &bottomTitle() const { return m_title; }
    // The statistic range as the chart operation set it (smallest and largest count).
    double leftAxisMinimum() const;
    double leftAxisMaximum() const;
    // The left axis as drawn: one tick below the smallest bar, whole ticks.
    const ChartAxisScale &shownLeftAxis() const { return m_scale; }

    QChartView *Chart1 = nullptr;
    QBarSeries *Series2 = nullptr; // the primary series
    QBarSeries *Series1 = nullptr; // a second series every chart hides
    QDateEdit *DateTimePicker2 = nullptr;
    QToolButton *SpeedButton2 = nullptr; // number distribution
    QToolButton *SpeedButton1 = nullptr; // pairs, "2x"
    QToolButton *SpeedButton3 = nullptr; // triples, "3x"
    QToolButton *SpeedButton12 = nullptr; // quads, "4x"
    QToolButton *SpeedButton19 = nullptr; // overdue numbers
    QToolButton *SpeedButton9 = nullptr; // sum distribution, "CS"
    QToolButton *SpeedButton20 = nullptr; // Megaball frequency
    QToolButton *SpeedButton21 = nullptr; // overdue Megaballs

private:
    void buildChart();
    void buildComparison();
    void showStatisticsChart();
    void setBars(const std::vector<DrawStatistics::ChartPoint> &points);
    void setBottomTitle(const QString &title);
    void setLeftAxis(const ChartAxisScale &scale);

    QChart *m_chart = nullptr;
    QBarSet *m_bars = nullptr;
    QValueAxis *m_xAxis = nullptr;
    QValueAxis *m_yAxis = nullptr;
    std::vector<DrawStatistics::ChartPoint> m_points;
    QString m_title;
    DrawStatistics::LeftAxis m_statistic;
    ChartAxisScale m_scale;

    // The chart Chart1 does not show at the moment: the view owns the one it shows.
    std::unique_ptr<QChart> m_spareChart;
    QChart *m_comparison = nullptr;
    QBarSet *m_settingsBars = nullptr;
    QBarSet *m_chanceBars = nullptr;
    QBarCategoryAxis *m_classAxis = nullptr;
    QValueAxis *m_countAxis = nullptr;
};
