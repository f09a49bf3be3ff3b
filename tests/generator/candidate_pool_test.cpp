// Band bounds, the pool's order of entries, its removals and compaction, and its capacity.
#include "app/message_table.h"
#include "draw_samples.h"
#include "generator/candidate_pool.h"

#include <QTest>

using DrawSamples::draw;

namespace {
const QDate Start(2020, 1, 1);

// No statistics option, no base fill, no removal: each test switches on what it needs.
GenerationSettings quietSettings()
{
    GenerationSettings settings = GenerationSettings::defaults();
    for (int box : {1, 2, 4, 5, 6, 7, 10, 11, 12, 13, 14, 19, 23, 29, 30})
        settings.setCheckBox(box, false);
    settings.setCheckBox(15, true);
    return settings;
}

struct Built {
    CandidatePool pool;
    QStringList status;
};

Built build(const std::vector<Draw> &draws, QDate end, const GenerationSettings &settings)
{
    const ReferenceDraws references = findReferenceDraws(draws, end);
    Built built;
    built.pool = buildCandidatePool(
        {draws, Start, references}, settings, MessageTable(), [&](const QString &text) { built.status.append(text); });
    return built;
}

std::vector<int> entries(const CandidatePool &pool)
{
    return {pool.entries().begin(), pool.entries().end()};
}

std::vector<int> repeated(std::initializer_list<int> numbers, int times)
{
    std::vector<int> result;
    for (int n : numbers)
        result.insert(result.end(), size_t(times), n);
    return result;
}

// Three draws after S: 1..5, 6..10, 11..15; the last one is reference 1.
std::vector<Draw> threeBlocks()
{
    return {draw(Start.addDays(1), {1, 2, 3, 4, 5}), draw(Start.addDays(2), {6, 7, 8, 9, 10}),
        draw(Start.addDays(3), {11, 12, 13, 14, 15})};
}

NumberStatistic rangeOnly(int low, int high)
{
    NumberStatistic statistic;
    statistic.low = low;
    statistic.high = high;
    return statistic;
}
} // namespace

class CandidatePoolTest : public QObject {
    Q_OBJECT

private slots:
    void bandBounds_data();
    void bandBounds();
    void compaction_data();
    void compaction();
    void capacity();
    void overdueBandThenBaseFill();
    void defaultsRemoveReferenceNumbers();
    void frequencyBandsInOrder();
    void pairBands();
    void quadBandsAndStatus();
    void neighboursOfLastDraw();
    void dateRemovalsAndCompactionOrder();
    void removalCounts();
    void emptyWithoutPreferredNumbers();
    void fullPoolStopsAdding();
};

void CandidatePoolTest::bandBounds_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    // 57 - 0.55 * 50 is exactly 29.5; a double computation lands just below it.
    QTest::newRow("top 29.5 to 30") << "top" << 7 << 57 << 55 << 100 << 30 << 57;
    QTest::newRow("top narrow 43.25") << "top" << 7 << 57 << 55 << 200 << 43 << 57;
    QTest::newRow("top 8.5 to 8") << "top" << 5 << 10 << 30 << 100 << 8 << 10;
    QTest::newRow("top H = L") << "top" << 4 << 4 << 75 << 100 << 4 << 4;
    QTest::newRow("bottom 34.5 to 34") << "bottom" << 7 << 57 << 55 << 100 << 7 << 34;
    QTest::newRow("bottom 7.5 to 8") << "bottom" << 2 << 13 << 50 << 100 << 2 << 8;
    QTest::newRow("bottom narrow 14.5") << "bottom" << 7 << 57 << 30 << 200 << 7 << 14;
    QTest::newRow("bottom H = L") << "bottom" << 9 << 9 << 20 << 200 << 9 << 9;
    QTest::newRow("frequent 8.5 to 8") << "frequent" << 5 << 10 << 0 << 0 << 8 << 10;
    QTest::newRow("frequent 3.5 to 4") << "frequent" << 0 << 5 << 0 << 0 << 4 << 5;
    QTest::newRow("frequent H = L") << "frequent" << 6 << 6 << 0 << 0 << 6 << 6;
    QTest::newRow("rare 6.5 to 6") << "rare" << 5 << 10 << 0 << 0 << 0 << 6;
    QTest::newRow("rare 1.5 to 2") << "rare" << 0 << 5 << 0 << 0 << 0 << 2;
    QTest::newRow("rare H = L") << "rare" << 6 << 6 << 0 << 0 << 0 << 6;
}

void CandidatePoolTest::bandBounds()
{
    QFETCH(QString, band);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, percent);
    QFETCH(int, divisor);
    QFETCH(int, lower);
    QFETCH(int, upper);
    const NumberStatistic statistic = rangeOnly(low, high);
    BandBounds bounds;
    if (band == QLatin1String("top"))
        bounds = PoolBands::top(statistic, percent, divisor);
    else if (band == QLatin1String("bottom"))
        bounds = PoolBands::bottom(statistic, percent, divisor);
    else if (band == QLatin1String("frequent"))
        bounds = PoolBands::frequentGroups(statistic);
    else
        bounds = PoolBands::rareGroups(statistic);
    QCOMPARE(bounds, (BandBounds{lower, upper}));
}

void CandidatePoolTest::compaction_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<QList<int>>("deletedPositions");
    QTest::addColumn<QList<int>>("after");
    QTest::newRow("deleted tail entries are skipped")
        << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{0, 4, 5} << QList<int>{4, 2, 3};
    QTest::newRow("last moves forward") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{1} << QList<int>{1, 6, 3, 4, 5};
    QTest::newRow("two gaps at the front") << QList<int>{7, 8, 9, 10} << QList<int>{0, 1} << QList<int>{10, 9};
    QTest::newRow("only the last") << QList<int>{1, 2, 3} << QList<int>{2} << QList<int>{1, 2};
    QTest::newRow("all") << QList<int>{1, 2, 3} << QList<int>{0, 1, 2} << QList<int>{};
}

void CandidatePoolTest::compaction()
{
    QFETCH(QList<int>, before);
    QFETCH(QList<int>, deletedPositions);
    QFETCH(QList<int>, after);
    CandidatePool pool;
    for (int n : before)
        QVERIFY(pool.append(n));
    std::vector<bool> deleted(size_t(before.size()), false);
    for (int position : deletedPositions)
        deleted[size_t(position)] = true;
    pool.removeMarked(deleted);
    QCOMPARE(entries(pool), std::vector<int>(after.begin(), after.end()));
}

void CandidatePoolTest::capacity()
{
    CandidatePool pool;
    for (int i = 0; i < CandidatePool::Capacity; ++i)
        QVERIFY(pool.append(i % 75 + 1));
    QVERIFY(!pool.hasOverflowed());
    QVERIFY(!pool.append(7));
    QCOMPARE(pool.size(), CandidatePool::Capacity);
    QVERIFY(pool.hasOverflowed());
    QCOMPARE(pool.entryCount(75), 6);
    QCOMPARE(pool.distinctCount(), 75);
    pool.clear();
    QVERIFY(!pool.hasOverflowed());
}

void CandidatePoolTest::overdueBandThenBaseFill()
{
    // O: 1..5 -> 2, 6..10 -> 1, 11..15 -> 0, the rest 3; L = 0, H = 3.
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(10, true);
    settings.setCheckBox(15, false);
    const Built built = build(threeBlocks(), Start.addDays(3), settings);

    std::vector<int> expected;
    for (int n = 1; n <= 75; ++n)
        if (n <= 5 || n >= 16)
            expected.insert(expected.end(), {n, n}); // wide band 2..3
    for (int n = 16; n <= 75; ++n)
        expected.push_back(n); // narrow band R(2.55) = 3..3
    for (int n = 1; n <= 75; ++n)
        expected.push_back(n);
    expected.push_back(1);
    QCOMPARE(entries(built.pool), expected);
    QCOMPARE(built.status,
        (QStringList{QStringLiteral("Berechnung der aussehenden Zahlen"), QStringLiteral("Min: 2 Max: 3  130"),
            QStringLiteral("Min: 3  Max: 3  190")}));
}

void CandidatePoolTest::defaultsRemoveReferenceNumbers()
{
    const Built built = build(threeBlocks(), Start.addDays(3), GenerationSettings::defaults());
    QCOMPARE(built.pool.size(), 240);
    for (int n = 1; n <= 75; ++n)
        QCOMPARE(built.pool.entryCount(n), n <= 15 ? 0 : 4);

    // A limit above 0 tests rows instead of removing the draw's numbers.
    GenerationSettings settings = GenerationSettings::defaults();
    settings.setUpDown(4, 1);
    const Built kept = build(threeBlocks(), Start.addDays(3), settings);
    QCOMPARE(kept.pool.entryCount(11), 1);
    QCOMPARE(kept.pool.entryCount(6), 0);
}

void CandidatePoolTest::frequencyBandsInOrder()
{
    // F: 1 and 2 -> 4, 3 -> 3, 4 -> 2, 5..11 -> 1, the rest 0.
    const std::vector<Draw> draws{draw(Start, {1, 2, 3, 4, 5}), draw(Start.addDays(1), {1, 2, 3, 4, 6}),
        draw(Start.addDays(2), {1, 2, 3, 7, 8}), draw(Start.addDays(3), {1, 2, 9, 10, 11})};
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(2, true);
    settings.setCheckBox(14, true);
    settings.setUpDown(12, 30);
    settings.setUpDown(14, 20);
    const Built built = build(draws, Start.addDays(3), settings);

    std::vector<int> expected{1, 1, 2, 2, 3, 3, 1, 2, 3};
    for (int n = 5; n <= 75; ++n)
        expected.insert(expected.end(), {n, n}); // bottom 0..R(0.8) = 1
    for (int n = 12; n <= 75; ++n)
        expected.push_back(n); // bottom narrow 0..R(0.4) = 0
    QCOMPARE(entries(built.pool), expected);
    QCOMPARE(built.status,
        (QStringList{QStringLiteral("Berechnung der Zahlenverteilung"), QStringLiteral("Min: 3  Max: 4  6"),
            QStringLiteral("Min: 3  Max: 4  9"), QStringLiteral("Min: 0  Max: 1  151"),
            QStringLiteral("Min: 0  Max: 0  215")}));
}

void CandidatePoolTest::pairBands()
{
    const std::vector<Draw> draws{
        draw(Start, {20, 21, 44, 46, 48}), // on S: outside the half-open window
        draw(Start.addDays(1), {10, 11, 40, 41, 70}),
        draw(Start.addDays(2), {10, 11, 40, 41, 71}),
        draw(Start.addDays(3), {10, 11, 40, 41, 73}),
        draw(Start.addDays(4), {10, 11, 30, 50, 65}),
        draw(Start.addDays(5), {20, 21, 35, 55, 66}),
        // 74-75 is the most frequent pair but never scanned
        draw(Start.addDays(6), {36, 56, 67, 74, 75}),
        draw(Start.addDays(7), {37, 57, 69, 74, 75}),
        draw(Start.addDays(8), {38, 58, 62, 74, 75}),
        draw(Start.addDays(9), {39, 59, 64, 74, 75}),
    };
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(1, true);
    settings.setCheckBox(11, true);
    const Built built = build(draws, Start.addDays(9), settings);
    // H = 4, L = 0: frequent 3 < P <= 4 takes 10-11 but not 40-41 (P = 3); rare 0 < P <= 1.
    QCOMPARE(entries(built.pool), (std::vector<int>{10, 11, 20, 21}));
    QCOMPARE(built.status,
        (QStringList{QStringLiteral("Berechnung der Paarbildung"), QStringLiteral("Min: 3  Max: 4  2"),
            QStringLiteral("Min: 0  Max: 1  4")}));
}

void CandidatePoolTest::quadBandsAndStatus()
{
    const std::vector<Draw> draws{draw(Start.addDays(1), {20, 21, 22, 23, 50}),
        draw(Start.addDays(2), {20, 21, 22, 23, 60}), draw(Start.addDays(3), {40, 41, 42, 43, 70})};
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(7, true);
    settings.setCheckBox(13, true);
    const Built built = build(draws, Start.addDays(3), settings);
    QCOMPARE(entries(built.pool), (std::vector<int>{20, 21, 22, 23, 40, 41, 42, 43}));
    QCOMPARE(built.status,
        (QStringList{QStringLiteral("Berechnung der Vierergruppenbildung"), QStringLiteral("Min: 1  Max: 2  4"),
            QStringLiteral("Min: 0 Max: 1  8")}));
    QCOMPARE(lastPoolChart(settings), DrawStatistics::ChartKind::Quads);
}

void CandidatePoolTest::neighboursOfLastDraw()
{
    // Record order as downloaded, not sorted.
    const std::vector<Draw> draws{draw(Start.addDays(1), {75, 1, 30, 31, 50})};
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(19, true);
    const Built built = build(draws, Start.addDays(1), settings);
    std::vector<int> expected = repeated({74, 2, 29, 31, 30, 32, 49, 51}, 4);
    QCOMPARE(entries(built.pool), expected);
    QCOMPARE(built.status, QStringList{QStringLiteral("Berechnung der Nachbarzahlen der letzten Ziehung")});
    QVERIFY(!lastPoolChart(settings));
}

void CandidatePoolTest::dateRemovalsAndCompactionOrder()
{
    const std::vector<Draw> draws{draw(Start.addDays(1), {21, 40, 50, 60, 70})};
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(19, true);
    settings.setCheckBox(30, true);
    const Built built = build(draws, Start.addDays(1), settings);
    // The first 20 (position 0) and the first 22 (position 4) go; the last entry, 71,
    // fills each gap in turn.
    std::vector<int> expected{71, 20, 20, 20, 71, 22, 22, 22};
    const std::vector<int> rest = repeated({39, 41, 49, 51, 59, 61, 69}, 4);
    expected.insert(expected.end(), rest.begin(), rest.end());
    expected.insert(expected.end(), {71, 71});
    QCOMPARE(entries(built.pool), expected);
}

void CandidatePoolTest::removalCounts()
{
    // Neighbours of 19 give 20 four entries, the base fill one more.
    const std::vector<Draw> draws{draw(Start.addDays(1), {19, 45, 55, 65, 73})};
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(15, false);
    settings.setCheckBox(19, true);
    settings.setCheckBox(29, true);
    settings.setCheckBox(30, true);
    const Built built = build(draws, Start.addDays(1), settings);
    QCOMPARE(built.pool.entryCount(20), 4); // five, one less
    QCOMPARE(built.pool.entryCount(18), 4); // five, one less
    QCOMPARE(built.pool.entryCount(25), 0); // once, gone
    QCOMPARE(built.pool.entryCount(31), 0);
    QCOMPARE(built.pool.entryCount(32), 1); // above 31: kept
    QCOMPARE(built.pool.entryCount(74), 5);
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(built.pool.entryCount(n), 0);
    QCOMPARE(built.pool.size(), 40 + 76 - 13 - 19);
}

void CandidatePoolTest::emptyWithoutPreferredNumbers()
{
    const Built built = build(threeBlocks(), Start.addDays(3), quietSettings());
    QVERIFY(built.pool.isEmpty());
    QVERIFY(built.status.isEmpty());
}

void CandidatePoolTest::fullPoolStopsAdding()
{
    GenerationSettings settings = quietSettings();
    settings.setCheckBox(15, false);
    for (int box : {1, 2, 6, 7, 10, 11, 12, 13, 14, 19})
        settings.setCheckBox(box, true);
    for (int spin : {12, 13, 14})
        settings.setUpDown(spin, 75);
    const Built built = build(DrawSamples::bundledHistory(), QDate(2030, 1, 1), settings);
    QCOMPARE(built.pool.size(), CandidatePool::Capacity);
    QVERIFY(built.pool.hasOverflowed());
    QCOMPARE(built.status.count(poolFullText()), 1);
    QVERIFY(built.status.filter(QStringLiteral("Min: ")).last().endsWith(QStringLiteral("  500")));
}

QTEST_GUILESS_MAIN(CandidatePoolTest)
#include "candidate_pool_test.moc"
