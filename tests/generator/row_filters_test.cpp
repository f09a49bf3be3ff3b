// The acceptance tests one by one at their boundaries, their order, and the history
// tests against a plain scan of the bundled history.
#include "draw_samples.h"
#include "generator/row_filters.h"

#include <QTest>

#include <algorithm>
#include <random>

using DrawSamples::draw;

namespace {
const QDate Start(2022, 1, 1);
const QDate End(2022, 6, 1);

std::vector<Draw> history()
{
    return {
        draw(Start, {1, 2, 3, 4, 60}, 5),
        draw(Start.addDays(1), {10, 11, 12, 13, 61}, 6),
        draw(End.addDays(-28), {50, 51, 52, 53, 54}, 12),
        draw(End.addDays(-27), {62, 63, 64, 65, 66}, 13),
        draw(End.addDays(-7), {7, 17, 27, 37, 47}, 11),
        draw(End.addDays(-3), {6, 16, 26, 36, 46}, 10),
        draw(End, {5, 15, 25, 35, 45}, 9),
    };
}

// Every switchable test off and the widest sum range.
GenerationSettings allOff()
{
    GenerationSettings settings = GenerationSettings::defaults();
    for (int box : {3, 4, 5, 8, 9, 18, 22, 23, 24, 25, 26, 27, 28, 31})
        settings.setCheckBox(box, false);
    settings.setUpDown(1, 21);
    settings.setUpDown(2, 239);
    return settings;
}

// "Chekcbox18=1 UpDown4=1" applied in order.
GenerationSettings withOverrides(const QString &overrides)
{
    GenerationSettings settings = allOff();
    for (const QString &item : overrides.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char('='));
        const auto set = settings.setByValueName(parts[0], parts[1].toInt());
        if (!set)
            qFatal("bad override %s: %s", qPrintable(item), qPrintable(set.error()));
    }
    return settings;
}

CandidateRow row(const QList<int> &numbers, int megaball)
{
    CandidateRow candidate;
    std::copy(numbers.begin(), numbers.end(), candidate.numbers.begin());
    std::sort(candidate.numbers.begin(), candidate.numbers.end());
    candidate.megaball = megaball;
    return candidate;
}

std::vector<MainNumberSet> placed(const QList<QList<int>> &rows)
{
    std::vector<MainNumberSet> sets;
    for (const QList<int> &numbers : rows)
        sets.push_back(MainNumberSet::of(std::vector<int>(numbers.begin(), numbers.end())));
    return sets;
}

// The history test written out plainly: the first draw of the window reaching the
// threshold rejects.
bool plainScanAccepts(
    const std::vector<Draw> &draws, QDate after, QDate end, const CandidateRow &candidate, int threshold, bool megaball)
{
    for (const Draw &d : draws) {
        if (d.date <= after || d.date > end)
            continue;
        int shared = 0;
        for (int n : candidate.numbers)
            shared += d.contains(n) ? 1 : 0;
        if (megaball && d.megaball == candidate.megaball)
            ++shared;
        if (shared >= threshold)
            return false;
    }
    return true;
}
} // namespace

class RowFiltersTest : public QObject {
    Q_OBJECT

private slots:
    void singleTests_data();
    void singleTests();
    void otherRows_data();
    void otherRows();
    void primeCount_data();
    void primeCount();
    void emptyHistoryAcceptsHistoryTests();
    void unreadableEndDateHasNoWindow();
    void historyTestsMatchPlainScan();
};

void RowFiltersTest::singleTests_data()
{
    QTest::addColumn<QString>("overrides");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("megaball");
    QTest::addColumn<QString>("result");
    const auto add = [](const char *name, const char *overrides, QList<int> numbers, int megaball, const char *result) {
        QTest::newRow(name) << QString::fromLatin1(overrides) << numbers << megaball << QString::fromLatin1(result);
    };
    add("nothing on", "", {20, 30, 40, 50, 70}, 1, "accepted");
    add("run of three", "Chekcbox18=1", {3, 4, 5, 20, 40}, 1, "no groups");
    add("pairs only", "Chekcbox18=1", {3, 4, 20, 40, 41}, 1, "accepted");
    add("forced pair present", "Chekcbox8=1", {10, 20, 30, 40, 41}, 1, "accepted");
    add("forced pair missing", "Chekcbox8=1", {10, 20, 30, 40, 50}, 1, "forced pair");
    add("sum at lower bound", "UpDown1=100 UpDown2=150", {10, 15, 20, 25, 30}, 1, "accepted");
    add("sum below", "UpDown1=100 UpDown2=150", {10, 15, 20, 25, 29}, 1, "sum range");
    add("sum at upper bound", "UpDown1=100 UpDown2=150", {20, 25, 30, 35, 40}, 1, "accepted");
    add("sum above", "UpDown1=100 UpDown2=150", {20, 25, 30, 35, 41}, 1, "sum range");
    add("last draw with Megaball", "Chekcbox4=1 UpDown4=1 Chekcbox31=1", {5, 20, 30, 40, 50}, 9, "last draw");
    add("last draw without Megaball", "Chekcbox4=1 UpDown4=1", {5, 20, 30, 40, 50}, 9, "accepted");
    add("last draw limit 0 tests nothing", "Chekcbox4=1 UpDown4=0 Chekcbox31=1", {5, 15, 25, 35, 45}, 9, "accepted");
    add("draw before last", "Chekcbox5=1 UpDown5=1", {6, 16, 30, 40, 50}, 1, "draw before last");
    add("third-last over", "Chekcbox23=1 UpDown11=2", {7, 17, 27, 40, 50}, 1, "third-last draw");
    add("third-last at limit", "Chekcbox23=1 UpDown11=2", {7, 17, 30, 40, 50}, 1, "accepted");
    add("two even", "Chekcbox25=1 UpDown15=3", {2, 4, 5, 7, 9}, 1, "minimum even");
    add("three even", "Chekcbox25=1 UpDown15=3", {2, 4, 6, 7, 9}, 1, "accepted");
    add("two odd", "Chekcbox26=1 UpDown16=3", {1, 3, 4, 6, 8}, 1, "minimum odd");
    add("3 + 3 even side", "Chekcbox25=1 UpDown15=3 Chekcbox26=1 UpDown16=3", {1, 3, 5, 6, 8}, 1, "minimum even");
    add("3 + 3 odd side", "Chekcbox25=1 UpDown15=3 Chekcbox26=1 UpDown16=3", {2, 4, 6, 7, 9}, 1, "minimum odd");
    add("four on the start date", "Chekcbox9=1 UpDown6=4", {1, 2, 3, 4, 70}, 1, "accepted");
    add("four a day after start", "Chekcbox9=1 UpDown6=4", {10, 11, 12, 13, 70}, 1, "whole history");
    add("four on the end date", "Chekcbox9=1 UpDown6=4", {5, 15, 25, 35, 70}, 1, "whole history");
    add("three and Megaball", "Chekcbox31=1 Chekcbox9=1 UpDown6=4", {10, 11, 12, 40, 70}, 6, "whole history");
    add("three without Megaball", "Chekcbox9=1 UpDown6=4", {10, 11, 12, 40, 70}, 6, "accepted");
    add("three at threshold 3", "Chekcbox9=1 UpDown6=3", {10, 11, 12, 40, 70}, 1, "whole history");
    add("recent window edge excluded", "Chekcbox28=1 UpDown17=3 UpDown18=4", {50, 51, 52, 20, 30}, 1, "accepted");
    add("recent window inside", "Chekcbox28=1 UpDown17=3 UpDown18=4", {62, 63, 64, 20, 30}, 1, "recent draws");
    add("recent window of five weeks", "Chekcbox28=1 UpDown17=3 UpDown18=5", {50, 51, 52, 20, 30}, 1, "recent draws");
    add("six primes", "Chekcbox22=1 UpDown10=6", {2, 3, 5, 7, 11}, 13, "accepted");
    add("five primes", "Chekcbox22=1 UpDown10=6", {2, 3, 5, 7, 11}, 12, "primes");
    // Order: the first failing test is reported.
    add("groups before sum", "Chekcbox18=1 UpDown1=50", {3, 4, 5, 6, 7}, 1, "no groups");
    add("forced pair before groups", "Chekcbox8=1 Chekcbox18=1", {10, 20, 30, 40, 50}, 1, "forced pair");
    add("sum before last draw", "UpDown2=100 Chekcbox4=1 UpDown4=1", {5, 15, 25, 35, 45}, 1, "sum range");
    add("last before even", "Chekcbox4=1 UpDown4=1 Chekcbox25=1 UpDown15=3", {5, 15, 25, 35, 45}, 1, "last draw");
    add("odd before history", "Chekcbox26=1 UpDown16=5 Chekcbox9=1 UpDown6=3", {10, 11, 12, 40, 70}, 1, "minimum odd");
    add("history before recent", "Chekcbox9=1 UpDown6=3 Chekcbox28=1 UpDown17=3", {5, 15, 25, 40, 70}, 1,
        "whole history");
    add("recent before primes", "Chekcbox28=1 UpDown17=3 Chekcbox22=1 UpDown10=6", {62, 63, 64, 20, 30}, 1,
        "recent draws");
}

void RowFiltersTest::singleTests()
{
    QFETCH(QString, overrides);
    QFETCH(QList<int>, numbers);
    QFETCH(int, megaball);
    QFETCH(QString, result);
    const std::vector<Draw> draws = history();
    RowFilters filters(draws, Start, findReferenceDraws(draws, End));
    QCOMPARE(filterTestName(filters.check(row(numbers, megaball), {}, withOverrides(overrides))), result);
}

void RowFiltersTest::otherRows_data()
{
    QTest::addColumn<QString>("overrides");
    QTest::addColumn<QList<QList<int>>>("rows");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<bool>("accepted");
    const QList<QList<int>> two{{1, 2, 3, 4, 5}, {20, 30, 40, 50, 60}};
    const char *eachRow = "Chekcbox27=1 UpDown3=5 UpDown9=1";
    QTest::newRow("each row shares one") << eachRow << two << QList<int>{1, 20, 33, 44, 55} << true;
    QTest::newRow("one row shares none") << eachRow << two << QList<int>{1, 2, 33, 44, 55} << false;
    QTest::newRow("an empty placed row shares none")
        << eachRow << QList<QList<int>>{{0, 0, 0, 0, 0}} << QList<int>{1, 2, 33, 44, 55} << false;
    QTest::newRow("each row above the maximum")
        << "Chekcbox27=1 UpDown3=2 UpDown9=0" << two << QList<int>{1, 2, 3, 20, 70} << false;
    const QList<QList<int>> mixed{{1, 2, 3, 4, 5}, {40, 50, 60, 70, 75}};
    QTest::newRow("max against the closest row only")
        << "Chekcbox3=1 UpDown3=2" << mixed << QList<int>{1, 2, 3, 40, 41} << true;
    QTest::newRow("max exceeded by every row")
        << "Chekcbox3=1 UpDown3=2" << QList<QList<int>>{{1, 2, 3, 4, 5}, {1, 2, 3, 50, 60}}
        << QList<int>{1, 2, 3, 40, 41} << false;
    QTest::newRow("min reached by one row")
        << "Chekcbox24=1 UpDown3=5 UpDown9=2" << mixed << QList<int>{1, 2, 33, 44, 55} << true;
    QTest::newRow("min missed by every row")
        << "Chekcbox24=1 UpDown3=5 UpDown9=2" << mixed << QList<int>{1, 40, 33, 44, 55} << false;
    QTest::newRow("no placed rows") << eachRow << QList<QList<int>>{} << QList<int>{11, 22, 33, 44, 55} << true;
}

void RowFiltersTest::otherRows()
{
    QFETCH(QString, overrides);
    QFETCH(QList<QList<int>>, rows);
    QFETCH(QList<int>, numbers);
    QFETCH(bool, accepted);
    const std::vector<Draw> draws = history();
    RowFilters filters(draws, Start, findReferenceDraws(draws, End));
    const std::vector<MainNumberSet> sets = placed(rows);
    QCOMPARE(filters.check(row(numbers, 1), sets, withOverrides(overrides)),
        accepted ? FilterTest::Accepted : FilterTest::OtherRows);
}

void RowFiltersTest::primeCount_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("megaball");
    QTest::addColumn<int>("primes");
    QTest::newRow("all six") << QList<int>{2, 3, 5, 7, 11} << 13 << 6;
    QTest::newRow("none, no Megaball") << QList<int>{1, 4, 6, 8, 9} << 0 << 0;
    QTest::newRow("73 and 71") << QList<int>{71, 72, 73, 74, 75} << 15 << 2;
}

void RowFiltersTest::primeCount()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, megaball);
    QFETCH(int, primes);
    QCOMPARE(RowFilters::primzahlen(row(numbers, megaball)), primes);
}

void RowFiltersTest::emptyHistoryAcceptsHistoryTests()
{
    const GenerationSettings settings = withOverrides(QStringLiteral(
        "Chekcbox31=1 Chekcbox9=1 UpDown6=3 Chekcbox28=1 UpDown17=2 Chekcbox4=1 UpDown4=1 Chekcbox5=1 UpDown5=1"));
    RowFilters empty({}, Start, findReferenceDraws({}, End));
    QCOMPARE(empty.check(row({10, 20, 30, 40, 50}, 0), {}, settings), FilterTest::Accepted);
    // A window without draws: start after the newest.
    const std::vector<Draw> draws = history();
    RowFilters late(draws, End, findReferenceDraws(draws, End));
    QVERIFY(late.secheroderfuenfer(row({5, 15, 25, 35, 45}, 9), settings));
}

// The newest record's date does not read (NaN in the file): reference 1 has no date, and
// the recent window once began at the smallest Julian day minus some weeks, a signed
// overflow (found by the sanitizer with generate --defaults --seed 2).
void RowFiltersTest::unreadableEndDateHasNoWindow()
{
    std::vector<Draw> draws = history();
    draws.push_back(draw(QDate(), {5, 15, 25, 35, 45}, 9));
    const ReferenceDraws references = findReferenceDraws(draws, End.addDays(1));
    QVERIFY(!references.endDate.isValid());
    const GenerationSettings settings
        = withOverrides(QStringLiteral("Chekcbox9=1 UpDown6=3 Chekcbox28=1 UpDown17=2 UpDown18=60"));
    RowFilters filters(draws, Start, references);
    QVERIFY(filters.dreierodervierer(row({5, 15, 25, 35, 45}, 9), settings));
    QCOMPARE(filters.check(row({5, 15, 25, 35, 45}, 9), {}, settings), FilterTest::Accepted);
}

void RowFiltersTest::historyTestsMatchPlainScan()
{
    const std::vector<Draw> draws = DrawSamples::bundledHistory();
    QVERIFY(draws.size() > 128); // several mask words
    const QDate start = draws[10].date;
    const ReferenceDraws references = findReferenceDraws(draws, draws[draws.size() - 20].date.addDays(-1));
    RowFilters filters(draws, start, references);

    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> number(1, 75);
    std::uniform_int_distribution<int> megaball(1, 15);
    std::uniform_int_distribution<size_t> pick(0, draws.size() - 1);
    int rejected = 0;
    for (int i = 0; i < 4000; ++i) {
        // Mostly near-copies of real draws, so that high match counts occur.
        const Draw &model = draws[pick(random)];
        CandidateRow candidate;
        std::copy(model.numbers.begin(), model.numbers.end(), candidate.numbers.begin());
        for (int changes = i % 4; changes > 0; --changes) {
            int replacement = number(random);
            while (
                std::find(candidate.numbers.begin(), candidate.numbers.end(), replacement) != candidate.numbers.end())
                replacement = number(random);
            candidate.numbers[size_t(changes)] = replacement;
        }
        std::sort(candidate.numbers.begin(), candidate.numbers.end());
        candidate.megaball = i % 3 == 0 ? model.megaball : megaball(random);

        GenerationSettings settings = allOff();
        const bool withMegaball = i % 2 == 0;
        settings.setCheckBox(31, withMegaball);
        settings.setUpDown(6, 3 + i % 5);
        settings.setUpDown(17, 2 + i % 5);
        settings.setUpDown(18, 4 + (i % 7) * 20);
        const bool whole = filters.secheroderfuenfer(candidate, settings);
        QCOMPARE(
            whole, plainScanAccepts(draws, start, references.endDate, candidate, settings.upDown(6), withMegaball));
        const QDate recentAfter = references.endDate.addDays(-7 * settings.upDown(18));
        QCOMPARE(filters.dreierodervierer(candidate, settings),
            plainScanAccepts(draws, recentAfter, references.endDate, candidate, settings.upDown(17), withMegaball));
        rejected += whole ? 0 : 1;
    }
    QVERIFY(rejected > 500);
    QVERIFY(rejected < 3500);
}

QTEST_GUILESS_MAIN(RowFiltersTest)
#include "row_filters_test.moc"
