// The game formats against the published rules, and the public draw files read as they
// are published.
#include "analysis/prize_classes.h"
#include "draws/draw_text.h"
#include "draws/game_format.h"

#include <QTest>

using Games::GameFormat;

class GameFormatTest : public QObject {
    Q_OBJECT

private slots:
    void formatsMatchThePublishedRules_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("mainMax");
        QTest::addColumn<int>("megaballMax");
        QTest::addColumn<int>("priceCents");
        QTest::addColumn<qint64>("jackpotOneIn");
        // 5, 4+MB, 4, 3+MB, 3, 2+MB, 1+MB, 0+MB
        QTest::addColumn<QList<qint64>>("prizes");
        QTest::newRow("mm-2002") << "mm-2002" << 52 << 52 << 100 << qint64(135145920)
                                 << QList<qint64>{175000, 5000, 150, 150, 7, 10, 3, 2};
        QTest::newRow("mm-2005") << "mm-2005" << 56 << 46 << 100 << qint64(175711536)
                                 << QList<qint64>{250000, 10000, 150, 150, 7, 10, 3, 2};
        QTest::newRow("mm-2013") << "mm-2013" << 75 << 15 << 100 << qint64(258890850)
                                 << QList<qint64>{1000000, 5000, 500, 50, 5, 5, 2, 1};
        QTest::newRow("mm-2017") << "mm-2017" << 70 << 25 << 200 << qint64(302575350)
                                 << QList<qint64>{1000000, 10000, 500, 200, 10, 10, 4, 2};
        QTest::newRow("mm-2025") << "mm-2025" << 70 << 24 << 500 << qint64(290472336)
                                 << QList<qint64>{1000000, 10000, 500, 200, 10, 10, 7, 5};
    }
    void formatsMatchThePublishedRules()
    {
        QFETCH(QString, id);
        QFETCH(int, mainMax);
        QFETCH(int, megaballMax);
        QFETCH(int, priceCents);
        QFETCH(qint64, jackpotOneIn);
        QFETCH(QList<qint64>, prizes);
        const GameFormat *format = Games::byId(id);
        QVERIFY(format);
        QCOMPARE(format->mainMax, mainMax);
        QCOMPARE(format->megaballMax, megaballMax);
        QCOMPARE(format->priceCents, priceCents);
        QCOMPARE(format->combinations(), jackpotOneIn);
        const auto jackpot = PrizeClasses::odds(PrizeClasses::Class::FiveMegaball, *format);
        QCOMPARE(jackpot.numerator, 1);
        QCOMPARE(jackpot.denominator, jackpotOneIn);
        QVERIFY(format->prizes[0].jackpot);
        for (int k = 1; k < Games::PrizeCount; ++k)
            QCOMPARE(format->prizes[size_t(k)].dollars, prizes[k - 1]);
        QCOMPARE(format->weekdays, (std::vector<int>{Qt::Tuesday, Qt::Friday}));
        QCOMPARE(&Games::forDate(format->first), format);
        if (format->last.isValid()) {
            QCOMPARE(&Games::forDate(format->last), format);
            QVERIFY(&Games::forDate(format->last.addDays(7)) != format);
        }
        // The classes and NoPrize share out every play.
        std::int64_t all = 0;
        for (int c = 0; c < PrizeClasses::ClassCount; ++c)
            all += PrizeClasses::odds(PrizeClasses::Class(c), *format).numerator;
        QCOMPARE(all, format->combinations());
    }

    void multipliers()
    {
        // 2, 3, 4, 5 or 10 on 15, 10, 4, 2 and 1 of 32 plays: three times on average.
        QCOMPARE(Games::byId(QStringLiteral("mm-2025"))->expectedBuiltInFactor(), 3.0);
        QCOMPARE(Games::classic().expectedBuiltInFactor(), 1.0);
        QCOMPARE(PrizeClasses::expectedWinningsPerRow(Games::classic()), PrizeClasses::expectedWinningsPerRow());
        QCOMPARE(Games::classic().megaplierPriceCents, 100);
        QCOMPARE(Games::byId(QStringLiteral("mm-2017"))->megaplierPriceCents, 100);
    }

    // One history over three formats in each public layout; every line checked against
    // the format of its date.
    void publicLayouts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("New York, as published")
            << "Draw Date,Winning Numbers,Mega Ball,Multiplier\r\n09/25/2020,20 36 37 48 67,16,02\r\n"
               "04/08/2025,10 16 50 60 61,17,\r\n12/05/2003,01 12 15 18 44,42,\r\n"
            << "";
        QTest::newRow("New York, quoted") << "\"Draw Date\",\"Winning Numbers\",\"Mega Ball\",\"Multiplier\"\n"
                                             "\"09/25/2020\",\"20 36 37 48 67\",\"16\",\"02\"\n"
                                             "\"04/08/2025\",\"10 16 50 60 61\",\"17\",\"\"\n"
                                             "\"12/05/2003\",\"01 12 15 18 44\",\"42\",\"\"\n"
                                          << "";
        QTest::newRow("Texas")
            << "Mega Millions,9,25,2020,67,20,36,37,48,16,2\nMega Millions,4,8,2025,10,16,50,60,61,17,"
               "\nMega Millions,12,5,2003,12,44,15,18,1,42,4\n"
            << "";
        QTest::newRow("ours") << "date,n1,n2,n3,n4,n5,megaball,megaplier\n2020-09-25,20,36,37,48,67,16,2\n"
                                 "2025-04-08,10,16,50,60,61,17,0\n2003-12-05,1,12,15,18,44,42,0\n"
                              << "";
        QTest::newRow("Megaball of today's range in 2015")
            << "Draw Date,Winning Numbers,Mega Ball,Multiplier\n03/06/2015,03 08 12 40 75,20,2\n"
            << "line 2: Megaball 20 is outside 1 to 15";
        QTest::newRow("75 after 2017") << "Mega Millions,11,3,2017,1,2,3,4,75,10,3\n"
                                       << "line 1: main number 75 is outside 1 to 70";
        QTest::newRow("a drawn multiplier in 2025") << "2025-04-11,1,2,3,4,5,6,7\n"
                                                    << "line 1: multiplier 7 is not one the mm-2025 format assigns";
        QTest::newRow("four winning numbers") << "Draw Date,Winning Numbers,Mega Ball,Multiplier\n"
                                                 "09/25/2020,20 36 37 48,16,02\n"
                                              << "line 2: expected five winning numbers, found 4";
    }
    void publicLayouts()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        const DrawText::ParsedDraws parsed = DrawText::parse(text);
        if (!error.isEmpty()) {
            QCOMPARE(parsed.errors, QStringList{error});
            return;
        }
        QCOMPARE(parsed.errors, QStringList());
        QCOMPARE(parsed.draws.size(), size_t(3));
        QStringList ids;
        for (const Draw &draw : parsed.draws) {
            QVERIFY(draw.isValidGameDraw());
            ids << Games::forDate(draw.date).id;
        }
        QCOMPARE(ids, (QStringList{"mm-2017", "mm-2025", "mm-2002"}));
        Draw draw2020 = parsed.draws[0];
        std::sort(draw2020.numbers.begin(), draw2020.numbers.end());
        QCOMPARE(draw2020.numbers, (std::array<std::uint8_t, 5>{20, 36, 37, 48, 67}));
        QCOMPARE(draw2020.megaball, 16);
        QCOMPARE(draw2020.megaplier, 2);
        QCOMPARE(parsed.draws[1].megaplier, 0);
    }
};

QTEST_GUILESS_MAIN(GameFormatTest)
#include "game_format_test.moc"
