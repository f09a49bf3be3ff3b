// The hit rule, the per-row evaluation, picking the draw for a date and the draw texts.
#include "analysis/hit_rule.h"
#include "app/message_table.h"
#include "draws/draw_display.h"
#include "test_data.h"

#include <QTest>

class HitRuleTest : public QObject {
    Q_OBJECT

private slots:
    void zettelcheck_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("draw");
        QTest::addColumn<int>("hits");
        QTest::addColumn<bool>("megaball");
        QTest::addColumn<QString>("fieldHits");
        const char *drawA = "2017-10-27 12 45 50 60 70 10 2";
        QTest::newRow("two and Megaball") << "5 12 23 34 45 10" << drawA << 2 << true << "01001";
        QTest::newRow("nothing") << "5 12 23 34 45 10"
                                 << "2017-10-27 1 2 3 4 6 9 2" << 0 << false << "00000";
        QTest::newRow("repeated number counts twice") << "7 7 1 2 3 9"
                                                      << "2017-10-27 7 20 30 40 50 1 2" << 2 << false << "11000";
        // The count stops at the first field that does not convert, Megaball included.
        QTest::newRow("empty third field") << "12 45 - 50 60 10" << drawA << 1 << false << "10000";
        QTest::newRow("empty first field") << "- 45 50 60 70 10" << drawA << 0 << false << "00000";
        QTest::newRow("empty Megaball") << "12 45 50 60 70 -" << drawA << 5 << false << "11111";
    }
    void zettelcheck()
    {
        QFETCH(QString, row);
        QFETCH(QString, draw);
        QFETCH(int, hits);
        QFETCH(bool, megaball);
        QFETCH(QString, fieldHits);
        TipRowTexts texts;
        const QStringList parts = row.split(QLatin1Char(' '));
        for (int i = 0; i < 6; ++i)
            texts[size_t(i)] = parts[i] == QLatin1String("-") ? QString() : parts[i];
        const HitResult result = HitRule::zettelcheck(texts, TestData::draw(qPrintable(draw)));
        QCOMPARE(result.hitCount, hits);
        QCOMPARE(result.megaballHit, megaball);
        QString flags;
        for (bool hit : result.fieldHits)
            flags += hit ? QLatin1Char('1') : QLatin1Char('0');
        QCOMPARE(flags, fieldHits);
    }

    void evaluateRowSortsSumsAndLabels()
    {
        const Draw draw = TestData::draw("2017-10-27 3 8 12 50 60 7 2");
        auto evaluation = HitRule::evaluateRow(1, {"40", "3", "75", "12", "8", "7", ""}, draw);
        QVERIFY(evaluation.evaluated);
        QCOMPARE(evaluation.sum, 138);
        QCOMPARE(evaluation.sortedTexts, (std::array<QString, 5>{"3", "8", "12", "40", "75"}));
        QCOMPARE(evaluation.hit.hitCount, 3);
        QCOMPARE(evaluation.hitText, QStringLiteral("3 + MB"));
        QVERIFY(evaluation.highlighted);
        QCOMPARE(evaluation.hit.fieldHits, (std::array<bool, 5>{true, true, true, false, false}));

        evaluation = HitRule::evaluateRow(11, {"40", "3", "75", "12", "8", "7", ""}, draw);
        QCOMPARE(evaluation.hitText, QStringLiteral("3 +MB"));

        evaluation = HitRule::evaluateRow(2, {"3", "8", "1", "2", "4", "9", ""}, draw);
        QCOMPARE(evaluation.hitText, QStringLiteral("2"));
        QVERIFY(!evaluation.highlighted);

        evaluation = HitRule::evaluateRow(3, {"3", "8", "", "2", "4", "9", ""}, draw);
        QVERIFY(!evaluation.evaluated);
    }

    void pickForDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("style");
        const auto S = [](DrawDisplay::Style s) { return int(s); };
        QTest::newRow("before all") << QDate(2015, 1, 1) << 0 << S(DrawDisplay::Style::FirstRecord);
        QTest::newRow("on the first") << QDate(2015, 3, 3) << 0 << S(DrawDisplay::Style::FirstRecord);
        QTest::newRow("between") << QDate(2015, 3, 4) << 1 << S(DrawDisplay::Style::Found);
        QTest::newRow("on the last") << QDate(2015, 3, 10) << 2 << S(DrawDisplay::Style::Found);
        QTest::newRow("after the newest") << QDate(2016, 1, 1) << 2 << S(DrawDisplay::Style::Navigation);
    }
    void pickForDate()
    {
        QFETCH(QDate, date);
        QFETCH(int, index);
        QFETCH(int, style);
        const auto draws
            = TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 7 8 9 10 11 12 3", "2015-03-10 1 2 3 4 6 6 2"});
        const DrawPick::Pick pick = DrawPick::forDate(draws, date);
        QCOMPARE(pick.index, index);
        QCOMPARE(int(pick.style), style);
        QCOMPARE(DrawPick::forDate({}, date).index, -1);
    }

    void drawTexts()
    {
        const Draw draw = TestData::draw("2017-10-27 3 8 12 40 75 7 2");
        using S = DrawDisplay::Style;
        QCOMPARE(
            DrawDisplay::text(draw, S::Navigation), QStringLiteral("Fr 27.10.17    3  8  12  40  75   MB: 7 MP: 2"));
        QCOMPARE(DrawDisplay::text(draw, S::FirstRecord), QStringLiteral("Fr 27.10.17     3  8  12  40  75 MB:7 MP:2"));
        QCOMPARE(DrawDisplay::text(draw, S::Found), QStringLiteral("Fr 27.10.17    3  8  12  40  75 MB:7 MP:2"));
        QCOMPARE(
            DrawDisplay::text(draw, S::Search), QStringLiteral("Fr 27.10.17    3  8  12  40  75  MB: 7     MP: 2"));
        QCOMPARE(DrawDisplay::crossSum(MessageTable(), draw), QStringLiteral("Quersumme: 138"));
    }

    void messageTable()
    {
        MessageTable table;
        // The 62 documented entries first; the program's own entries follow them.
        QCOMPARE(table.count(), MessageTable::DefaultCount);
        QVERIFY(table.count() > 62);
        QCOMPARE(table.text(62), QStringLiteral("Maßstab: die Einstellungen neben dem Zufall"));
        QCOMPARE(table.text(Msg::Mean), QStringLiteral("Mittel"));
        QCOMPARE(table.text(0) + QStringLiteral("01.01.2017") + table.text(1),
            QStringLiteral("Soll die Analyse der Datenbank jetzt ab dem 01.01.2017 durchgeführt werden??"));
        QCOMPARE(table.text(61), QStringLiteral("Stop"));
        QVERIFY(table.text(MessageTable::DefaultCount).isEmpty());
        QVERIFY(table.text(-1).isEmpty());
        table.replaceAll({QStringLiteral("eins"), QStringLiteral("zwei ")});
        QCOMPARE(table.text(1), QStringLiteral("zwei "));
        QVERIFY(table.text(2).isEmpty());
    }
};

QTEST_GUILESS_MAIN(HitRuleTest)
#include "hit_rule_test.moc"
