// The per-number statistics with their ranges, and the choice of the reference draws.
#include "draw_samples.h"
#include "generator/number_statistics.h"
#include "generator/reference_draws.h"

#include <QTest>

using DrawSamples::draw;

namespace {
const QDate Start(2021, 5, 1);
const StatisticsWindow Window{Start, QDate(2021, 12, 31)};

using DrawStatistics::ChartKind;

NumberStatistic compute(ChartKind kind, std::span<const Draw> draws)
{
    return NumberStatistics::compute(kind, draws, Window);
}
} // namespace

class NumberStatisticsTest : public QObject {
    Q_OBJECT

private slots:
    void windowFormAtStartDate_data();
    void windowFormAtStartDate();
    void rangesOverListedEntries();
    void quadRangeStartsAtZero();
    void megaballStatistics();
    void referenceDraws_data();
    void referenceDraws();
    void referenceDrawsOfEmptyHistory();
};

void NumberStatisticsTest::windowFormAtStartDate_data()
{
    QTest::addColumn<ChartKind>("kind");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("expected");
    // One draw 10 11 12 13 14, Megaball 7, dated exactly S and one a day later.
    QTest::newRow("F closed") << ChartKind::NumberDistribution << 10 << 2;
    QTest::newRow("O closed") << ChartKind::Overdue << 20 << 2;
    QTest::newRow("P half-open") << ChartKind::Pairs << 10 << 1;
    QTest::newRow("T half-open") << ChartKind::Triples << 10 << 1;
    QTest::newRow("Q half-open") << ChartKind::Quads << 10 << 1;
    QTest::newRow("MF closed") << ChartKind::MegaballFrequency << 7 << 2;
    QTest::newRow("MO closed") << ChartKind::MegaballOverdue << 1 << 2;
}

void NumberStatisticsTest::windowFormAtStartDate()
{
    QFETCH(ChartKind, kind);
    QFETCH(int, entry);
    QFETCH(int, expected);
    const std::vector<Draw> draws{
        draw(Start, {10, 11, 12, 13, 14}, 7), draw(Start.addDays(1), {10, 11, 12, 13, 14}, 7)};
    QCOMPARE(compute(kind, draws).value(entry), expected);
}

void NumberStatisticsTest::rangesOverListedEntries()
{
    // Every number drawn at least once except 75; pairs everywhere but at 74.
    std::vector<Draw> draws;
    for (int first = 1; first <= 70; first += 5)
        draws.push_back(draw(Start.addDays(first), {first, first + 1, first + 2, first + 3, first + 4}));
    draws.push_back(draw(Start.addDays(80), {1, 2, 3, 71, 72}));
    draws.push_back(draw(Start.addDays(81), {1, 2, 3, 73, 74}));

    const NumberStatistic f = compute(ChartKind::NumberDistribution, draws);
    QCOMPARE(f.first, 1);
    QCOMPARE(f.last, 75);
    QCOMPARE(f.low, 0);
    QCOMPARE(f.high, 3);

    const NumberStatistic p = compute(ChartKind::Pairs, draws);
    QCOMPARE(p.last, 74);
    QCOMPARE(p.value(74), 0);
    QCOMPARE(p.low, 0);
    QCOMPARE(p.high, 3);

    const NumberStatistic t = compute(ChartKind::Triples, draws);
    QCOMPARE(t.last, 73);
    QCOMPARE(t.value(1), 3);
    QCOMPARE(t.high, 3);
    QCOMPARE(t.low, 0);

    const NumberStatistic o = compute(ChartKind::Overdue, draws);
    QCOMPARE(o.value(75), int(draws.size()));
    QCOMPARE(o.high, int(draws.size()));
    QCOMPARE(o.low, 0);
}

void NumberStatisticsTest::quadRangeStartsAtZero()
{
    const std::vector<Draw> draws{
        draw(Start.addDays(1), {20, 21, 22, 23, 50}), draw(Start.addDays(2), {20, 21, 22, 23, 60})};
    const NumberStatistic q = compute(ChartKind::Quads, draws);
    QCOMPARE(q.last, 75);
    QCOMPARE(q.value(20), 2);
    QCOMPARE(q.low, 0);
    QCOMPARE(q.high, 2);
    const NumberStatistic none = compute(ChartKind::Quads, {});
    QCOMPARE(none.high, 0);
}

void NumberStatisticsTest::megaballStatistics()
{
    const std::vector<Draw> draws{draw(Start, {1, 2, 3, 4, 5}, 3), draw(Start.addDays(1), {1, 2, 3, 4, 5}, 3),
        draw(Start.addDays(2), {1, 2, 3, 4, 5}, 9)};
    const NumberStatistic mf = compute(ChartKind::MegaballFrequency, draws);
    QCOMPARE(mf.last, 15);
    QCOMPARE(mf.value(3), 2);
    QCOMPARE(mf.value(9), 1);
    QCOMPARE(mf.low, 0);
    QCOMPARE(mf.high, 2);
    const NumberStatistic mo = compute(ChartKind::MegaballOverdue, draws);
    QCOMPARE(mo.value(3), 1);
    QCOMPARE(mo.value(9), 0);
    QCOMPARE(mo.value(15), 3);
}

void NumberStatisticsTest::referenceDraws_data()
{
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("firstNumbers"); // first main number of references 1..3
    QTest::newRow("on a draw date") << QDate(2021, 5, 8) << 2 << QList<int>{3, 2, 1};
    QTest::newRow("between draws") << QDate(2021, 5, 6) << 2 << QList<int>{3, 2, 1};
    QTest::newRow("after the newest") << QDate(2022, 1, 1) << 3 << QList<int>{4, 3, 2};
    QTest::newRow("second record") << QDate(2021, 5, 4) << 1 << QList<int>{2, 1, 1};
    QTest::newRow("before the first") << QDate(2020, 1, 1) << 0 << QList<int>{1, 1, 1};
}

void NumberStatisticsTest::referenceDraws()
{
    QFETCH(QDate, end);
    QFETCH(int, index);
    QFETCH(QList<int>, firstNumbers);
    const std::vector<Draw> draws{draw(QDate(2021, 5, 1), {1, 10, 20, 30, 40}),
        draw(QDate(2021, 5, 4), {2, 10, 20, 30, 40}), draw(QDate(2021, 5, 8), {3, 10, 20, 30, 40}),
        draw(QDate(2021, 5, 11), {4, 10, 20, 30, 40})};
    const ReferenceDraws references = findReferenceDraws(draws, end);
    QCOMPARE(references.index, index);
    QCOMPARE(references.endDate, draws[size_t(index)].date);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(int(references.reference(k).numbers[0]), firstNumbers[k - 1]);
}

void NumberStatisticsTest::referenceDrawsOfEmptyHistory()
{
    const ReferenceDraws references = findReferenceDraws({}, QDate(2021, 5, 1));
    QVERIFY(references.isEmpty());
    QCOMPARE(references.index, -1);
    QCOMPARE(references.endDate, QDate(2021, 5, 1));
    QCOMPARE(references.reference(3).sum(), 0);
}

QTEST_GUILESS_MAIN(NumberStatisticsTest)
#include "number_statistics_test.moc"
