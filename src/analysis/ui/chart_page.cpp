#include "analysis/ui/chart_page.h"

#include "analysis/chart_axis.h"
#include "draws/draw.h"
#include "ui/form_builder.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace {
QColor colourOf(DrawStatistics::BarColour colour)
{
    const DrawStatistics::Rgb rgb = DrawStatistics::rgb(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The chart renders titles, legends and category labels as rich text: a translated text
// is escaped so that it shows as written (an image tag would make Qt read the file it
// names), and its runs of blanks are kept.
QString chartText(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char(' '), QChar(0x00A0));
}
} // namespace

ChartPage::ChartPage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    buildChart();
    buildComparison();
    auto *startLabel = builder.label(QStringLiteral("Label16"), QStringLiteral("ab"));
    DateTimePicker2 = builder.datePicker(QStringLiteral("DateTimePicker2"), Game::firstFormatDraw());
    DateTimePicker2->setDate(Game::firstFormatDraw());
    SpeedButton2 = builder.speedButton(QStringLiteral("SpeedButton2"), QStringLiteral("Verteilung"),
        QStringLiteral("Verteilung der gezogenen Zahlen"));
    FormWidgets::setHint(SpeedButton2, SpeedButton2->toolTip(), true);
    SpeedButton1 = builder.speedButton(QStringLiteral("SpeedButton1"), QStringLiteral("2x"));
    SpeedButton3 = builder.speedButton(QStringLiteral("SpeedButton3"), QStringLiteral("3x"));
    SpeedButton12 = builder.speedButton(QStringLiteral("SpeedButton12"), QStringLiteral("4x"));
    SpeedButton19 = builder.speedButton(QStringLiteral("SpeedButton19"), QStringLiteral("Ausstehende"));
    SpeedButton9 = builder.speedButton(QStringLiteral("SpeedButton9"), QStringLiteral("CS"));
    SpeedButton20 = builder.speedButton(QStringLiteral("SpeedButton20"), QStringLiteral("Megaball"));
    SpeedButton21 = builder.speedButton(QStringLiteral("SpeedButton21"), QStringLiteral("Megaball offen"),
        QStringLiteral("wie lange sind die einzelnen Sternzahlen überfällig"));
    FormWidgets::setHint(SpeedButton21, SpeedButton21->toolTip(), true);

    // Two rows of buttons keep the page within the window's design width.
    auto *buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(startLabel, 0, 0);
    buttons->addWidget(DateTimePicker2, 1, 0);
    int column = 1;
    for (QToolButton *button : {SpeedButton2, SpeedButton19, SpeedButton9, SpeedButton1, SpeedButton3, SpeedButton12,
             SpeedButton20, SpeedButton21}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(button, (column - 1) / 4, 1 + (column - 1) % 4);
        ++column;
    }
    buttons->setColumnStretch(5, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(2, 2, 2, 2);
    page->setSpacing(2);
    page->addWidget(Chart1, 1);
    page->addLayout(buttons);
}

void ChartPage::buildChart()
{
    m_chart = new QChart;
    m_chart->legend()->hide();
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chart->setBackgroundRoundness(0);

    Series2 = new QBarSeries;
    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setBarWidth(0.85);
    m_bars = new QBarSet(QString());
    m_bars->setColor(colourOf(DrawStatistics::BarColour::Series));
    m_bars->setBorderColor(Qt::transparent);
    // Prime bars are drawn as the "selected" ones of the set, in pure red.
    m_bars->setSelectedColor(colourOf(DrawStatistics::BarColour::Prime));
    Series2->append(m_bars);
    Series1 = new QBarSeries(this);
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setVisible(false);
    // Series1 stays out of the chart: a second bar series would halve every bar's width.
    m_chart->addSeries(Series2);

    m_xAxis = new QValueAxis;
    m_xAxis->setLabelFormat(QStringLiteral("%d"));
    m_xAxis->setTickType(QValueAxis::TicksDynamic);
    m_xAxis->setTickAnchor(0);
    m_xAxis->setTickInterval(5);
    m_xAxis->setMinorTickCount(4);
    m_xAxis->setGridLineVisible(false);
    m_yAxis = new QValueAxis;
    m_yAxis->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(m_xAxis, Qt::AlignBottom);
    m_chart->addAxis(m_yAxis, Qt::AlignLeft);
    Series2->attachAxis(m_xAxis);
    Series2->attachAxis(m_yAxis);

    Chart1 = new QChartView(m_chart);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRenderHint(QPainter::Antialiasing, false);
    Chart1->setMinimumHeight(120);
}

ChartPage::~ChartPage() = default;

void ChartPage::buildComparison()
{
    m_comparison = new QChart;
    m_comparison->setObjectName(QStringLiteral("ComparisonChart"));
    m_comparison->setMargins(QMargins(2, 2, 2, 2));
    m_comparison->setBackgroundRoundness(0);
    m_comparison->legend()->setAlignment(Qt::AlignTop);
    m_comparison->legend()->show();

    auto *series = new QBarSeries;
    series->setBarWidth(0.8);
    m_settingsBars = new QBarSet(QString());
    m_settingsBars->setColor(colourOf(DrawStatistics::BarColour::Series));
    m_settingsBars->setBorderColor(Qt::transparent);
    m_chanceBars = new QBarSet(QString());
    m_chanceBars->setColor(QColor(150, 150, 150));
    m_chanceBars->setBorderColor(Qt::transparent);
    series->append(m_settingsBars);
    series->append(m_chanceBars);
    m_comparison->addSeries(series);

    m_classAxis = new QBarCategoryAxis;
    m_classAxis->setGridLineVisible(false);
    m_countAxis = new QValueAxis;
    m_comparison->addAxis(m_classAxis, Qt::AlignBottom);
    m_comparison->addAxis(m_countAxis, Qt::AlignLeft);
    series->attachAxis(m_classAxis);
    series->attachAxis(m_countAxis);
    m_spareChart.reset(m_comparison);
}

void ChartPage::showComparison(const PrizeClassChart &comparison)
{
    QStringList labels;
    QList<qreal> settings;
    QList<qreal> chance;
    double largest = 0;
    for (const PrizeClassChart::Bar &bar : comparison.bars) {
        // "5 + MB" is elided in a category of the window's design width; "5+MB" is not.
        labels << chartText(QString(bar.label).remove(QLatin1Char(' ')));
        settings << qreal(bar.settings);
        chance << bar.expected;
        largest = std::max({largest, double(bar.settings), bar.expected});
    }
    m_settingsBars->setLabel(comparison.settingsLegend.toHtmlEscaped());
    m_chanceBars->setLabel(comparison.chanceLegend.toHtmlEscaped());
    m_settingsBars->remove(0, m_settingsBars->count());
    m_chanceBars->remove(0, m_chanceBars->count());
    m_settingsBars->append(settings);
    m_chanceBars->append(chance);
    m_classAxis->clear();
    m_classAxis->append(labels);
    m_classAxis->setTitleText(chartText(comparison.bottomTitle));
    // Expected counts below one need a decimal on the axis; whole counts do not.
    m_countAxis->setLabelFormat(largest < 4 ? QStringLiteral("%.1f") : QStringLiteral("%d"));
    m_countAxis->setRange(0, std::max(largest, 1.0));
    m_countAxis->applyNiceNumbers();

    if (Chart1->chart() != m_comparison) {
        QChart *shown = Chart1->chart();
        Chart1->setChart(m_spareChart.release());
        m_spareChart.reset(shown);
    }
}

bool ChartPage::comparisonShown() const
{
    return Chart1->chart() == m_comparison;
}

QStringList ChartPage::comparisonLabels() const
{
    return m_classAxis->categories();
}

void ChartPage::showStatisticsChart()
{
    if (Chart1->chart() == m_chart)
        return;
    QChart *shown = Chart1->chart();
    Chart1->setChart(m_spareChart.release());
    m_spareChart.reset(shown);
}

void ChartPage::setBars(const std::vector<DrawStatistics::ChartPoint> &points)
{
    showStatisticsChart();
    m_points = points;
    Series2->setVisible(true);
    Series1->setVisible(false);
    // A bar series places bar k at position k, so the set is padded with zeros from 0
    // up to the first X: every bar then stands at its own X value on the value axis.
    const int from = points.empty() ? 1 : std::max(points.front().x, 0);
    const int to = points.empty() ? 1 : std::max(points.back().x, from);
    QList<qreal> values(qsizetype(to + 1), 0.0);
    QList<int> primes;
    for (const auto &point : points) {
        if (point.x < 0 || point.x > to)
            continue;
        values[point.x] = point.y;
        if (point.colour == DrawStatistics::BarColour::Prime)
            primes.append(point.x);
    }
    m_bars->deselectAllBars();
    m_bars->remove(0, m_bars->count());
    m_bars->append(values);
    m_bars->selectBars(primes);

    m_xAxis->setRange(from - 0.5, to + 0.5);
    // Labels on every fifth number; wider on the wide sum chart, every one on short charts.
    m_xAxis->setTickInterval(to - from > 120 ? 20 : (to - from > 30 ? 5 : 1));
    m_xAxis->setMinorTickCount(0);
}

void ChartPage::showChart(const DrawStatistics::ChartResult &result)
{
    setBars(result.points);
    if (result.bottomTitle)
        setBottomTitle(*result.bottomTitle);
    m_statistic = result.leftAxis;
    if (m_statistic.mode == DrawStatistics::LeftAxis::Mode::Automatic) {
        m_statistic.minimum = 0;
        m_statistic.maximum = 0;
        for (const auto &point : result.points)
            m_statistic.maximum = std::max(m_statistic.maximum, point.y);
    }
    setLeftAxis(ChartAxis::choose(result.leftAxis, result.points));
}

void ChartPage::showBars(const std::vector<DrawStatistics::ChartPoint> &points, const QString &title)
{
    setBars(points);
    if (!title.isEmpty())
        setBottomTitle(title);
    DrawStatistics::LeftAxis automatic;
    m_statistic = automatic;
    for (const auto &point : points)
        m_statistic.maximum = std::max(m_statistic.maximum, point.y);
    setLeftAxis(ChartAxis::choose(automatic, points));
}

void ChartPage::setLeftAxis(const ChartAxisScale &scale)
{
    m_scale = scale;
    // Whole counts on whole ticks, anchored at the shown minimum, chosen anew for every
    // chart: nothing carries over from the chart shown before.
    m_yAxis->setTickType(QValueAxis::TicksDynamic);
    m_yAxis->setTickAnchor(scale.minimum);
    m_yAxis->setTickInterval(scale.tickInterval);
    m_yAxis->setMinorTickCount(0);
    m_yAxis->setRange(scale.minimum, scale.maximum);
}

void ChartPage::setBottomTitle(const QString &title)
{
    m_title = title;
    m_xAxis->setTitleText(chartText(title));
}

double ChartPage::leftAxisMinimum() const
{
    return m_statistic.minimum;
}
double ChartPage::leftAxisMaximum() const
{
    return m_statistic.maximum;
}
