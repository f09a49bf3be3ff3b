// What chance gives one row of this game format, and the binomial yardstick: exact class
// odds against the published ones, the probabilities summing to 1, any prize 1 in 14.71,
// the two-sided exact test and the 95% range against exact values, the ticket price and
// the number formats of the report, also in other languages, and two rows sharing k numbers.
#include "analysis/binomial.h"
#include "analysis/prize_classes.h"
#include "app/text_formats.h"
#include "history/backtest_report.h"
#include "history/report_format.h"

#include <QTest>

#include <cmath>

using PrizeClasses::Class;

class PrizeClassesTest : public QObject {
    Q_OBJECT

private slots:
    void classOfEveryTallyCell()
    {
        QCOMPARE(PrizeClasses::classOf(5, true), Class::FiveMegaball);
        QCOMPARE(PrizeClasses::classOf(5, false), Class::Five);
        QCOMPARE(PrizeClasses::classOf(4, true), Class::FourMegaball);
        QCOMPARE(PrizeClasses::classOf(3, false), Class::Three);
        QCOMPARE(PrizeClasses::classOf(0, true), Class::ZeroMegaball);
        for (int hits : {0, 1, 2})
            QCOMPARE(PrizeClasses::classOf(hits, false), Class::NoPrize);
        QCOMPARE(PrizeClasses::prizeDollars(Class::Five), 1000000);
        QCOMPARE(PrizeClasses::prizeDollars(Class::TwoMegaball), 5);
        QCOMPARE(PrizeClasses::prizeDollars(Class::FiveMegaball), 0); // the jackpot is never summed
        QVERIFY(PrizeClasses::isJackpot(Class::FiveMegaball));
    }

    void oddsAsPublished_data()
    {
        QTest::addColumn<int>("prizeClass");
        QTest::addColumn<qint64>("oneIn"); // rounded, as the game's odds table prints them
        QTest::newRow("5+MB") << int(Class::FiveMegaball) << qint64(258890850);
        QTest::newRow("5") << int(Class::Five) << qint64(18492204);
        QTest::newRow("4+MB") << int(Class::FourMegaball) << qint64(739688);
        QTest::newRow("4") << int(Class::Four) << qint64(52835);
        QTest::newRow("3+MB") << int(Class::ThreeMegaball) << qint64(10720);
        QTest::newRow("3") << int(Class::Three) << qint64(766);
        QTest::newRow("2+MB") << int(Class::TwoMegaball) << qint64(473);
        QTest::newRow("1+MB") << int(Class::OneMegaball) << qint64(56);
        QTest::newRow("0+MB") << int(Class::ZeroMegaball) << qint64(21);
    }
    void oddsAsPublished()
    {
        QFETCH(int, prizeClass);
        QFETCH(qint64, oneIn);
        QCOMPARE(std::llround(PrizeClasses::odds(Class(prizeClass)).oneIn()), oneIn);
    }

    void probabilitiesSumToOne()
    {
        std::int64_t numerators = 0;
        double total = 0;
        for (int c = 0; c < PrizeClasses::ClassCount; ++c) {
            const PrizeClasses::Odds odds = PrizeClasses::odds(Class(c));
            QCOMPARE(odds.denominator, std::int64_t(17259390) * 15);
            numerators += odds.numerator;
            total += odds.probability();
        }
        QCOMPARE(numerators, std::int64_t(17259390) * 15);
        QVERIFY(std::abs(total - 1.0) < 1e-12);
        QCOMPARE(PrizeClasses::binomialCoefficient(75, 5), std::int64_t(17259390));
        // Two rows sharing k numbers, for the format's numbers: four of five out of 70.
        QCOMPARE(Hypergeometric::commonNumbers(70, 5, 4).favourable, std::int64_t(5 * 65));
        QCOMPARE(Hypergeometric::commonNumbers(70, 5, 4).total, std::int64_t(12103014));
        QCOMPARE(QString::number(PrizeClasses::anyPrize().oneIn(), 'f', 2), QStringLiteral("14.71"));
        // 1/15 (every Megaball class) plus 3, 4 and 5 without the Megaball.
        QCOMPARE(PrizeClasses::anyPrize().numerator * 43148475, std::int64_t(2933734) * 258890850);
        QVERIFY(std::abs(PrizeClasses::expectedWinningsPerRow() - 0.17423) < 1e-5);
    }

    void countsByClass()
    {
        HitClassTally tally;
        tally.add(0, false);
        tally.add(0, true);
        tally.add(3, false);
        tally.add(5, true);
        tally.add(4, true);
        PrizeClasses::ClassCounts counts;
        counts.add(tally);
        QCOMPARE(counts.rows(), std::int64_t(5));
        QCOMPARE(counts.winningRows(), std::int64_t(4));
        QCOMPARE(counts.jackpots(), std::int64_t(1));
        QCOMPARE(counts.winningsDollars(), std::int64_t(1 + 5 + 5000));
    }

    // Exact values (rational arithmetic); the first is R's binom.test(682, 925, 3/4).
    void binomialTest_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<double>("p");
        QTest::addColumn<qint64>("k");
        QTest::addColumn<double>("pValue");
        QTest::newRow("682 of 925 at 3/4") << qint64(925) << 0.75 << qint64(682) << 0.3824915595748517;
        QTest::newRow("9 of 10 at 1/2") << qint64(10) << 0.5 << qint64(9) << 0.021484375;
        QTest::newRow("7 of 20 at 1/2") << qint64(20) << 0.5 << qint64(7) << 0.26317596435546875;
        const double any = PrizeClasses::anyPrize().probability();
        QTest::newRow("11 of 220 at any prize") << qint64(220) << any << qint64(11) << 0.3482411500840727;
        QTest::newRow("60 of 1055 at any prize") << qint64(1055) << any << qint64(60) << 0.15957335872812947;
        QTest::newRow("15 of 100 at any prize") << qint64(100) << any << qint64(15) << 0.003993772253320922;
        QTest::newRow("50 of 1000 at any prize") << qint64(1000) << any << qint64(50) << 0.023488263299105732;
        QTest::newRow("mode") << qint64(10) << 0.5 << qint64(5) << 1.0;
        QTest::newRow("no rows") << qint64(0) << any << qint64(0) << 1.0;
    }
    void binomialTest()
    {
        QFETCH(qint64, n);
        QFETCH(double, p);
        QFETCH(qint64, k);
        QFETCH(double, pValue);
        QVERIFY2(std::abs(Binomial::twoSidedPValue(n, p, k) - pValue) < 1e-9,
            qPrintable(QString::number(Binomial::twoSidedPValue(n, p, k), 'g', 17)));
    }

    void ranges()
    {
        const double any = PrizeClasses::anyPrize().probability();
        QCOMPARE(Binomial::central95(220, any).low, std::int64_t(8));
        QCOMPARE(Binomial::central95(220, any).high, std::int64_t(23));
        QCOMPARE(Binomial::quantile(10, 0.5, 0.5), std::int64_t(5));
        QCOMPARE(
            Binomial::central95(1000, PrizeClasses::odds(Class::FiveMegaball).probability()).high, std::int64_t(0));
        QCOMPARE(Binomial::central95(0, any).high, std::int64_t(0));
        // Far from p = 1/2 neither end underflows: 20000 rows at 93% (about the share
        // without a prize); reference values summed from log-gamma terms.
        QCOMPARE(Binomial::quantile(20000, 0.93, 0.5), std::int64_t(18600));
        QCOMPARE(Binomial::central95(20000, 0.93).low, std::int64_t(18529));
        QCOMPARE(Binomial::central95(20000, 0.93).high, std::int64_t(18670));
        QVERIFY(std::abs(Binomial::probability(20000, 0.93, 18600) - 0.0110555050) < 1e-9);
    }

    void ticketPrice_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("price"); // -1: not a price
        QTest::newRow("default") << "1,00" << 1.0;
        QTest::newRow("blanks") << " 2,5 " << 2.5;
        QTest::newRow("whole") << "3" << 3.0;
        QTest::newRow("thousands") << "1.000,00" << 1000.0;
        QTest::newRow("point as decimal") << "1.50" << -1.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("text") << "teuer" << -1.0;
        QTest::newRow("two commas") << "1,0,0" << -1.0;
    }
    void ticketPrice()
    {
        QFETCH(QString, text);
        QFETCH(double, price);
        const std::optional<double> parsed = parseTicketPrice(text);
        if (price < 0)
            QVERIFY(!parsed);
        else
            QCOMPARE(parsed.value_or(-1), price);
    }

    void numberFormats()
    {
        QCOMPARE(TextFormats::number(1234567.891, 2), QStringLiteral("1.234.567,89"));
        QCOMPARE(TextFormats::number(0.005, 3), QStringLiteral("0,005"));
        QCOMPARE(TextFormats::number(-12.5, 1), QStringLiteral("-12,5"));
        QCOMPARE(TextFormats::number(-0.001, 2), QStringLiteral("0,00"));
        QCOMPARE(TextFormats::number(999.999, 2), QStringLiteral("1.000,00"));
        QCOMPARE(TextFormats::number(42, 0), QStringLiteral("42"));
        QCOMPARE(TextFormats::integer(258890850), QStringLiteral("258.890.850"));
        QCOMPARE(TextFormats::integer(-1000), QStringLiteral("-1.000"));
        QCOMPARE(TextFormats::integer(999), QStringLiteral("999"));
        QCOMPARE(BacktestReport::amount(1000000), QStringLiteral("1.000.000,00 $"));
        QCOMPARE(BacktestReport::percent(6.8), QStringLiteral("6,80 %"));
    }

    // The window writes the report's own sections in the chosen language's formats;
    // German is the program's own. Groups of three also where Qt begins them at five digits.
    void languageFormats_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("written"); // an amount, a share, a count and a p-value
        QTest::newRow("German") << "de"
                                << "1.000.000,00 $|6,80 %|17.259.390|p = 1,000";
        QTest::newRow("English") << "en"
                                 << "$1,000,000.00|6.80%|17,259,390|p = 1.000";
        QTest::newRow("Spanish") << "es"
                                 << "1.000.000,00\u00a0$|6,80\u00a0%|17.259.390|p = 1,000";
    }
    void languageFormats()
    {
        QFETCH(QString, locale);
        const ReportFormat f = ReportFormat::forLanguage(locale);
        QTEST(
            QStringList({f.amount(1000000), f.percent(6.8), f.integer(17259390), f.pValue(1.0)}).join(u'|'), "written");
        QCOMPARE(f.number(-0.001, 2), f.number(0, 2));
    }
};

QTEST_GUILESS_MAIN(PrizeClassesTest)
#include "prize_classes_test.moc"
