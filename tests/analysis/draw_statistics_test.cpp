// Chart counts, points, axes and titles over small hand-made histories and the bundled one.
#include "analysis/draw_statistics.h"
#include "app/message_table.h"
#include "draw_samples.h"
#include "test_data.h"

#include <QTest>

#include <numeric>

using namespace DrawStatistics;
using DrawSamples::draw;

namespace {
const QDate Start(2020, 1, 10);
const QDate End(2020, 3, 31);
const StatisticsWindow Window{Start, End};

std::vector<int> ys(const ChartResult &result)
{
    std::vector<int> values;
    for (const ChartPoint &point : result.points)
        values.push_back(point.y);
    return values;
}

int total(const std::vector<int> &values)
{
    return std::accumulate(values.begin(), values.end(), 0);
}

} // namespace

class DrawStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void startDateCountsOnlyForClosedCharts_data();
    void startDateCountsOnlyForClosedCharts();
    void groupRunsOfOneDraw();
    void overdueAfterTwoDraws();
    void sumChartSpansLowestToHighest();
    void averagesRoundHalfToEven_data();
    void averagesRoundHalfToEven();
    void emptyRangeKeepsTitleWhereAverageNeeded();
    void megaballOutsideRangeResetsNothing();
    void storedValuesOutsideCountersAreIgnored();
    void tipCountStopsAtFirstEmptyField();
    void coloursAndAxes();
    void bundledHistoryMatchesIndependentCount();
};

void DrawStatisticsTest::startDateCountsOnlyForClosedCharts_data()
{
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<bool>("countsStart");
    QTest::newRow("numbers") << ChartKind::NumberDistribution << true;
    QTest::newRow("pairs") << ChartKind::Pairs << false;
    QTest::newRow("triples") << ChartKind::Triples << false;
    QTest::newRow("quads") << ChartKind::Quads << false;
    QTest::newRow("overdue") << ChartKind::Overdue << true;
    QTest::newRow("sums") << ChartKind::SumDistribution << false;
    QTest::newRow("megaball overdue") << ChartKind::MegaballOverdue << true;
    QTest::newRow("megaball") << ChartKind::MegaballFrequency << true;
}

void DrawStatisticsTest::startDateCountsOnlyForClosedCharts()
{
    QFETCH(ChartKind, kind);
    QFETCH(bool, countsStart);
    const std::vector<Draw> draws{
        draw(Start.addDays(-1), {1, 2, 3, 4, 5}),
        draw(Start, {1, 2, 3, 4, 5}),
        draw(End, {1, 2, 3, 4, 5}),
        draw(End.addDays(1), {1, 2, 3, 4, 5}),
    };
    QCOMPARE(startIncluded(kind), countsStart);
    QCOMPARE(count(kind, draws, Window).drawCount, countsStart ? 2 : 1);
}

void DrawStatisticsTest::groupRunsOfOneDraw()
{
    const MessageTable messages;
    const std::vector<Draw> draws{draw(Start.addDays(1), {3, 4, 5, 6, 20})};

    const ChartResult pairs = chart(ChartKind::Pairs, draws, Window, messages);
    QCOMPARE(pairs.points.size(), size_t(74));
    std::vector<int> expected(74, 0);
    expected[2] = expected[3] = expected[4] = 1;
    QCOMPARE(ys(pairs), expected);
    QCOMPARE(pairs.points.front().x, 1);
    QCOMPARE(*pairs.bottomTitle, QStringLiteral("Ziehungen: 1   Paare gefunden:3"));

    const ChartResult triples = chart(ChartKind::Triples, draws, Window, messages);
    QCOMPARE(triples.points.size(), size_t(73));
    QCOMPARE(triples.y(2), 1);
    QCOMPARE(triples.y(3), 1);
    QCOMPARE(triples.y(4), 0);
    QCOMPARE(*triples.bottomTitle, QStringLiteral("Ziehungen: 1   Dreier gefunden:2"));

    const ChartResult quads = chart(ChartKind::Quads, draws, Window, messages);
    QCOMPARE(quads.points.size(), size_t(75));
    QCOMPARE(quads.y(2), 1);
    QCOMPARE(total(ys(quads)), 1);
    QCOMPARE(*quads.bottomTitle, QStringLiteral("Ziehungen: 1   Vierer gefunden:1"));

    // The highest runs: 72..75 is the last quad that can count.
    const std::vector<Draw> top{draw(Start.addDays(1), {71, 72, 73, 74, 75})};
    const ChartResult topQuads = chart(ChartKind::Quads, top, Window, messages);
    QCOMPARE(topQuads.y(70), 1);
    QCOMPARE(topQuads.y(71), 1);
    QCOMPARE(topQuads.y(72), 0);
    QCOMPARE(chart(ChartKind::Pairs, top, Window, messages).y(73), 1);
}

void DrawStatisticsTest::overdueAfterTwoDraws()
{
    const std::vector<Draw> draws{draw(Start, {1, 2, 3, 4, 5}), draw(Start.addDays(3), {6, 7, 8, 9, 10})};
    const ChartResult result = chart(ChartKind::Overdue, draws, Window, MessageTable());
    QCOMPARE(result.y(0), 1);
    QCOMPARE(result.y(5), 0);
    QCOMPARE(result.y(10), 2);
    QCOMPARE(*result.bottomTitle,
        QStringLiteral("Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"));
}

void DrawStatisticsTest::sumChartSpansLowestToHighest()
{
    const std::vector<Draw> draws{
        draw(Start.addDays(1), {10, 20, 30, 15, 25}), draw(Start.addDays(2), {10, 20, 30, 15, 29})};
    const ChartResult result = chart(ChartKind::SumDistribution, draws, Window, MessageTable());
    QCOMPARE(result.points.size(), size_t(5));
    QCOMPARE(result.points.front().x, 100);
    QCOMPARE(result.points.back().x, 104);
    QCOMPARE(ys(result), (std::vector<int>{1, 0, 0, 0, 1}));
    QCOMPARE(*result.bottomTitle, QStringLiteral("Quersummenverteilung     Ziehungen2    Quersumme: 102"));
    QCOMPARE(result.leftAxis.mode, LeftAxis::Mode::Automatic);
}

void DrawStatisticsTest::averagesRoundHalfToEven_data()
{
    QTest::addColumn<QList<int>>("sums");
    QTest::addColumn<QString>("average");
    QTest::newRow("100.5 down to even") << QList<int>{100, 101} << QStringLiteral("100");
    QTest::newRow("101.5 up to even") << QList<int>{100, 103} << QStringLiteral("102");
    QTest::newRow("100.75 up") << QList<int>{100, 100, 101, 102} << QStringLiteral("101");
    QTest::newRow("100.25 down") << QList<int>{100, 100, 100, 101} << QStringLiteral("100");
}

void DrawStatisticsTest::averagesRoundHalfToEven()
{
    QFETCH(QList<int>, sums);
    QFETCH(QString, average);
    std::vector<Draw> draws;
    for (int sum : sums) // 10 + 20 + 30 + 15 = 75
        draws.push_back(draw(Start.addDays(int(draws.size())), {10, 20, 30, 15, sum - 75}));
    const ChartResult result = chart(ChartKind::NumberDistribution, draws, Window, MessageTable());
    QCOMPARE(*result.bottomTitle,
        QStringLiteral("Zahlenverteilung     Ziehungen: %1    Quersumme: %2").arg(sums.size()).arg(average));
    // The sum chart averages its own (half-open) range the same way.
    for (Draw &d : draws)
        d.date = d.date.addDays(1);
    draws.insert(draws.begin(), draw(Start, {1, 2, 3, 4, 5}));
    const ChartResult sumChart = chart(ChartKind::SumDistribution, draws, Window, MessageTable());
    QVERIFY(sumChart.bottomTitle->endsWith(QStringLiteral("Quersumme: ") + average));
}

void DrawStatisticsTest::emptyRangeKeepsTitleWhereAverageNeeded()
{
    const MessageTable messages;
    const std::vector<Draw> draws{draw(Start.addDays(-5), {1, 2, 3, 4, 5})};
    const ChartResult numbers = chart(ChartKind::NumberDistribution, draws, Window, messages);
    QVERIFY(!numbers.bottomTitle);
    QCOMPARE(numbers.points.size(), size_t(75));
    QCOMPARE(numbers.leftAxis.maximum, 0);

    const ChartResult sums = chart(ChartKind::SumDistribution, draws, Window, messages);
    QVERIFY(!sums.bottomTitle);
    QVERIFY(sums.points.empty());

    const ChartResult pairs = chart(ChartKind::Pairs, draws, Window, messages);
    QCOMPARE(*pairs.bottomTitle, QStringLiteral("Ziehungen: 0   Paare gefunden:0"));
    const ChartResult overdue = chart(ChartKind::MegaballOverdue, draws, Window, messages);
    QCOMPARE(ys(overdue), std::vector<int>(15, 0));
}

void DrawStatisticsTest::megaballOutsideRangeResetsNothing()
{
    const std::vector<Draw> draws{draw(Start, {1, 2, 3, 4, 5}, 4), draw(Start.addDays(1), {1, 2, 3, 4, 5}, 30)};
    const ChartResult result = chart(ChartKind::MegaballOverdue, draws, Window, MessageTable());
    std::vector<int> expected(15, 2);
    expected[3] = 1;
    QCOMPARE(ys(result), expected);
    QCOMPARE(*result.bottomTitle, QStringLiteral("Welche Powerballzahl wurde am längsten nicht gezogen?"));
}

void DrawStatisticsTest::storedValuesOutsideCountersAreIgnored()
{
    // A damaged record: main number 80 and 0, Megaball 76.
    const std::vector<Draw> draws{draw(Start.addDays(1), {80, 0, 3, 4, 5}, 76)};
    const Counts numbers = count(ChartKind::NumberDistribution, draws, Window);
    QCOMPARE(total(numbers.values), 3);
    const Counts megaballs = count(ChartKind::MegaballFrequency, draws, Window);
    QCOMPARE(total(megaballs.values), 0);
    QCOMPARE(count(ChartKind::Pairs, draws, Window).values[2], 1); // 3-4 still counts
    // Five bytes of 255 sum past the sum counters: no point, but the draw counts.
    const std::vector<Draw> huge{draw(Start.addDays(1), {255, 255, 255, 255, 255})};
    const Counts sums = count(ChartKind::SumDistribution, huge, Window);
    QVERIFY(sums.values.empty());
    QCOMPARE(sums.drawCount, 1);
}

void DrawStatisticsTest::tipCountStopsAtFirstEmptyField()
{
    QStringList fields;
    for (int row = 0; row < 12; ++row)
        for (int field = 1; field <= 5; ++field)
            fields << (row == 2 ? QString() : QString::number(row * 5 + field));
    fields[1] = QStringLiteral("99"); // out of range: skipped, the count goes on
    const std::vector<QString> texts(fields.begin(), fields.end());
    const ChartResult result = tipChart(texts, MessageTable());
    const std::vector<int> values = ys(result);
    QCOMPARE(total(values), 9);
    QCOMPARE(values[0], 1);
    QCOMPARE(values[1], 0);
    QCOMPARE(values[9], 1);
    QCOMPARE(values[15], 0); // row 4, after the empty row 3
    QCOMPARE(*result.bottomTitle, QStringLiteral("Zahlenverteilung des Tippes"));

    fields[3] = QStringLiteral("x");
    const std::vector<QString> broken(fields.begin(), fields.end());
    QCOMPARE(total(ys(tipChart(broken, MessageTable()))), 2);
}

void DrawStatisticsTest::coloursAndAxes()
{
    const MessageTable messages;
    const std::vector<Draw> draws{draw(Start, {2, 4, 6, 8, 73}, 3), draw(Start.addDays(1), {2, 5, 7, 9, 11}, 3)};
    const ChartResult numbers = chart(ChartKind::NumberDistribution, draws, Window, messages);
    QCOMPARE(numbers.points[1], (ChartPoint{2, 2, BarColour::Prime}));
    QCOMPARE(numbers.points[3], (ChartPoint{4, 1, BarColour::NonPrime}));
    QCOMPARE(numbers.points[72].colour, BarColour::Prime);
    QCOMPARE(numbers.points[0].colour, BarColour::NonPrime);
    QCOMPARE(numbers.leftAxis.mode, LeftAxis::Mode::SmallestToLargest);
    QCOMPARE(numbers.leftAxis.presetMinimum, 0);
    QCOMPARE(numbers.leftAxis.minimum, 0);
    QCOMPARE(numbers.leftAxis.maximum, 2);
    QCOMPARE(numbers.pageSwitch, PageSwitch::Never);
    QCOMPARE(rgb(BarColour::Prime), (Rgb{255, 0, 0}));
    QCOMPARE(rgb(BarColour::NonPrime), (Rgb{0, 128, 0}));

    const ChartResult megaballs = chart(ChartKind::MegaballFrequency, draws, Window, messages);
    QCOMPARE(megaballs.points[2], (ChartPoint{3, 2, BarColour::Series}));
    QCOMPARE(megaballs.leftAxis.presetMinimum, -100);
    QCOMPARE(megaballs.leftAxis.minimum, 0);
    QCOMPARE(megaballs.leftAxis.maximum, 2);
    QCOMPARE(*megaballs.bottomTitle, QStringLiteral("Wie oft wurden die einzelnen Sternenzahlen gezogen?"));

    QCOMPARE(chart(ChartKind::Quads, draws, Window, messages).leftAxis.mode, LeftAxis::Mode::Automatic);
    QCOMPARE(chart(ChartKind::Pairs, draws, Window, messages).pageSwitch, PageSwitch::Always);
    QCOMPARE(chart(ChartKind::MegaballOverdue, draws, Window, messages).pageSwitch, PageSwitch::UnlessGenerating);
}

void DrawStatisticsTest::bundledHistoryMatchesIndependentCount()
{
    const std::vector<Draw> draws = DrawSamples::bundledHistory();
    const std::vector<Draw> csv = TestData::csvHistory();
    QCOMPARE(draws.size(), csv.size());
    // From the first draw's date: the number chart counts it, the pair chart does not.
    const StatisticsWindow all{csv.front().date, csv.back().date};
    const Counts numbers = count(ChartKind::NumberDistribution, draws, all);
    const Counts pairs = count(ChartKind::Pairs, draws, all);
    const Counts overdue = count(ChartKind::Overdue, draws, all);
    const Counts megaballs = count(ChartKind::MegaballFrequency, draws, all);
    QCOMPARE(numbers.drawCount, int(csv.size()));
    QCOMPARE(pairs.drawCount, int(csv.size()) - 1);
    for (int n = 1; n <= 75; ++n) {
        int drawn = 0;
        int paired = 0;
        int lastSeen = -1;
        for (size_t i = 0; i < csv.size(); ++i) {
            drawn += csv[i].contains(n);
            paired += i > 0 && n < 75 && csv[i].contains(n) && csv[i].contains(n + 1);
            if (csv[i].contains(n))
                lastSeen = int(i);
        }
        QCOMPARE(numbers.values[size_t(n - 1)], drawn);
        if (n < 75)
            QCOMPARE(pairs.values[size_t(n - 1)], paired);
        QCOMPARE(overdue.values[size_t(n - 1)], int(csv.size()) - 1 - lastSeen);
    }
    for (int b = 1; b <= 15; ++b) {
        const auto drawn = std::count_if(csv.begin(), csv.end(), [&](const Draw &row) { return row.megaball == b; });
        QCOMPARE(megaballs.values[size_t(b - 1)], int(drawn));
    }
}

QTEST_GUILESS_MAIN(DrawStatisticsTest)
#include "draw_statistics_test.moc"
