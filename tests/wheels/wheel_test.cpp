// Wheels as the player asks for them: refused requests with the guarantee offered
// instead, key numbers in every row, Megaballs cycled or repeated, the guarantee table and
// chances of a small wheel worked out by hand, and the shipped designs' own checks.
#include "wheels/known_wheels.h"
#include "wheels/wheel_report.h"

#include <QTest>

#include <numeric>

using Wheels::Guarantee;

namespace {
const WheelFormat Format{Game::MaxMain, Game::MaxMegaball, 1.0};

std::vector<int> upTo(int v)
{
    std::vector<int> numbers(static_cast<size_t>(v));
    std::iota(numbers.begin(), numbers.end(), 1);
    return numbers;
}

WheelRow row(std::array<int, 5> numbers, int megaball = 0)
{
    return WheelRow{numbers, megaball};
}
} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class WheelTest : public QObject {
    Q_OBJECT

private slots:
    void refusals_data()
    {
        QTest::addColumn<std::vector<int>>("numbers");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<std::vector<int>>("keys");
        QTest::addColumn<std::vector<int>>("megaballs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("offer"); // "t/p" or empty
        const std::vector<int> none;
        QTest::newRow("five numbers") << upTo(5) << 2 << 2 << none << none << "6 to 30 numbers"
                                      << "";
        QTest::newRow("thirty-one numbers") << upTo(31) << 2 << 2 << none << none << "6 to 30 numbers"
                                            << "";
        QTest::newRow("a number twice") << std::vector<int>{1, 2, 3, 4, 5, 5, 7} << 2 << 2 << none << none
                                        << "5 stands twice"
                                        << "";
        QTest::newRow("past the format") << std::vector<int>{1, 2, 3, 4, 5, Game::MaxMain + 1} << 2 << 2 << none << none
                                         << "must lie in 1.."
                                         << "";
        QTest::newRow("more hits than drawn") << upTo(8) << 4 << 3 << none << none << "needs 1 <="
                                              << "";
        QTest::newRow("six drawn") << upTo(8) << 3 << 6 << none << none << "needs 1 <="
                                   << "";
        QTest::newRow("a key not chosen") << upTo(8) << 2 << 2 << std::vector<int>{9} << none << "not one of"
                                          << "";
        QTest::newRow("five keys") << upTo(8) << 2 << 2 << upTo(5) << none << "at most 4 key"
                                   << "";
        QTest::newRow("a Megaball past the format")
            << upTo(8) << 2 << 2 << none << std::vector<int>{Game::MaxMegaball + 1} << "must lie in 1.."
            << "";
        // One free place per row cannot hold three drawn numbers that are not keys.
        QTest::newRow("keys leave too little room") << upTo(8) << 3 << 3 << upTo(4) << none << "can keep"
                                                    << "2/5";
        QTest::newRow("too many checks") << upTo(20) << 5 << 5 << none << none << "more than"
                                         << "4/5";
        QTest::newRow("too much for the greedy start") << upTo(30) << 2 << 5 << none << none << "weighs more"
                                                       << "";
    }
    void refusals()
    {
        QFETCH(std::vector<int>, numbers);
        QFETCH(int, hits);
        QFETCH(int, drawn);
        QFETCH(std::vector<int>, keys);
        QFETCH(std::vector<int>, megaballs);
        QFETCH(QString, message);
        QFETCH(QString, offer);
        WheelRequest request{numbers, Guarantee{hits, drawn}, keys, megaballs};
        const auto refusal = Wheels::refusalFor(request, Format);
        QVERIFY(refusal);
        QVERIFY2(refusal->message.contains(message), qPrintable(refusal->message));
        QCOMPARE(
            refusal->offer ? QStringLiteral("%1/%2").arg(refusal->offer->hits).arg(refusal->offer->drawn) : QString(),
            offer);
        QVERIFY(!Wheels::build(request, Format, {}).verified);
    }

    void keysInEveryRowAndTheSameRowsForTheSameSeed()
    {
        const WheelRequest request{{4, 8, 15, 16, 23, 42, 50, 61, 70, 75}, Guarantee{3, 4}, {15, 42}, {}};
        QVERIFY(!Wheels::refusalFor(request, Format));
        Wheels::SearchOptions quick;
        quick.effort = 0.05;
        const Wheel wheel = Wheels::build(request, Format, quick);
        QVERIFY(wheel.verified);
        QVERIFY(wheel.rows.size() <= size_t(wheel.greedyRows));
        for (const WheelRow &r : wheel.rows) {
            QVERIFY(std::find(r.numbers.begin(), r.numbers.end(), 15) != r.numbers.end());
            QVERIFY(std::find(r.numbers.begin(), r.numbers.end(), 42) != r.numbers.end());
        }
        QCOMPARE(Wheels::build(request, Format, quick).rows, wheel.rows);
    }

    void megaballsCycledOrOnEveryRow()
    {
        const std::vector<int> numbers = upTo(7);
        const std::vector<Wheels::Mask> main{0b0011111, 0b1111100, 0b1110011};
        WheelRequest request{numbers, Guarantee{2, 2}, {}, {9, 4}};
        const auto megaballs = [&](MegaballPlay play) {
            request.megaballPlay = play;
            std::vector<int> result;
            for (const WheelRow &r : Wheels::playedRows(numbers, main, request))
                result.push_back(r.numbers[0] * 100 + r.megaball);
            return result;
        };
        // Rows sorted by their numbers: 1 2 3 4 5, 1 2 5 6 7, 3 4 5 6 7.
        QCOMPARE(megaballs(MegaballPlay::Cycle), (std::vector<int>{109, 104, 309}));
        QCOMPARE(megaballs(MegaballPlay::EveryRow), (std::vector<int>{109, 104, 109, 104, 309, 304}));
    }

    // Six numbers, rows A = 1..5 with Megaball 1 and B = 2..6 with Megaball 2: A has one
    // hit fewer when 6 is drawn, B when 1 is.
    void guaranteeTableAndChancesByHand()
    {
        const WheelFormat small{8, 2, 1.5};
        const auto report = Wheels::reportOf(upTo(6), {row({1, 2, 3, 4, 5}, 1), row({2, 3, 4, 5, 6}, 2)}, small);
        using R = Wheels::HitRange;
        const Wheels::GuaranteeTable table{{
            {R{0, 0}, R{0, 0}, R{0, 0}}, {R{0, 0}, R{0, 0}, R{0, 0}}, {R{0, 0}, R{0, 0}, R{0, 0}},
            {R{0, 2}, R{0, 0}, R{0, 0}}, // neither 1 nor 6: both; 1 and 6: none
            {R{0, 2}, R{0, 2}, R{0, 0}}, // 2 3 4 5: both four; 1 6 and two more: both three
            {R{0, 0}, R{1, 2}, R{0, 1}}, // without 1 or 6 one row has five; else both four
        }};
        QCOMPARE(report.table, table);
        QCOMPARE(report.rows, 2);
        QCOMPARE(report.cost, 3.0);
        QVERIFY(report.withMegaball);
        // Five plus Megaball: the draw is A with Megaball 1 or B with 2, of 56 * 2 draws;
        // one random row does it with 1/112.
        const Wheels::ClassChance &jackpot = report.chances.front();
        QCOMPARE(jackpot.hits, 5);
        QVERIFY(jackpot.megaball);
        QCOMPARE(jackpot.numerator, 2);
        QCOMPARE(jackpot.denominator, 112);
        QCOMPARE(jackpot.random, 1 - (111.0 / 112) * (111.0 / 112));
    }

    void shippedDesignsKeepTheirGuarantee()
    {
        const auto entries = Wheels::KnownWheels::all();
        QVERIFY(!entries.empty());
        for (const auto &entry : entries) {
            QVERIFY2(
                entry.verified, qPrintable(QStringLiteral("%1 numbers, %2").arg(entry.v).arg(entry.guarantee.text())));
            QCOMPARE(int(Wheels::KnownWheels::find(entry.v, entry.guarantee).size()), entry.rows);
        }
    }
};

QTEST_GUILESS_MAIN(WheelTest)
#include "wheel_test.moc"
