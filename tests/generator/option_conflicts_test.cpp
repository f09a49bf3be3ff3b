// Options that exclude each other, found before a run: which pairs are named, with their
// values, and which nearly-contradictory settings still let rows be computed.
#include "app/message_table.h"
#include "generator/option_conflicts.h"

#include <QTest>

class OptionConflictsTest : public QObject {
    Q_OBJECT

private slots:
    void conflicts_data()
    {
        QTest::addColumn<QString>("options"); // value name=value, blank-separated
        QTest::addColumn<QList<int>>("locked");
        QTest::addColumn<QString>("named"); // the conflicts joined by "|"
        const QString otherRows
            = QStringLiteral("Höchstens 1 und mindestens 2 Übereinstimmungen mit anderen Tipps "
                             "schließen einander aus: ab Reihe 2 kann keine Reihe berechnet werden.");
        const QString evenOdd = QStringLiteral("Chekcbox25=1 Chekcbox26=1 UpDown15=3 UpDown16=3");
        QTest::newRow("defaults") << "" << QList<int>{} << "";
        QTest::newRow("sum and even/odd") << QStringLiteral("UpDown1=279 UpDown2=239 ") + evenOdd << QList<int>{}
                                          << "Die Quersumme von 279 liegt über der Quersumme bis 239.|Mindestens 3 "
                                             "gerade und mindestens 3 ungerade Zahlen sind mehr als die 5 Zahlen "
                                             "einer Reihe.";
        QTest::newRow("even/odd, odd box off") << evenOdd + QStringLiteral(" Chekcbox26=0") << QList<int>{} << "";
        QTest::newRow("six primes, two even") << "Chekcbox22=1 UpDown10=6 Chekcbox25=1 UpDown15=2" << QList<int>{}
                                              << "Mindestens 6 Primzahlen und mindestens 2 gerade Zahlen schließen "
                                                 "einander aus: 2 ist die einzige gerade Primzahl.";
        QTest::newRow("six primes, one even: the 2")
            << "Chekcbox22=1 UpDown10=6 Chekcbox25=1 UpDown15=1" << QList<int>{} << "";
        QTest::newRow("other rows") << "UpDown3=1 UpDown9=2" << QList<int>{} << otherRows;
        QTest::newRow("other rows, one row asked") << "UpDown3=1 UpDown9=2 UpDown8=1" << QList<int>{} << "";
        QTest::newRow("other rows, 2 and 3 locked") << "UpDown3=1 UpDown9=2 UpDown8=3" << QList<int>{2, 3} << "";
        QTest::newRow("both bounds, no CheckBox27") << "Chekcbox27=0 UpDown3=1 UpDown9=2" << QList<int>{} << otherRows;
        QTest::newRow("both bounds, no CheckBox27, row 2 locked")
            << "Chekcbox27=0 UpDown3=1 UpDown9=2" << QList<int>{2} << "";
        QTest::newRow("no months, sums to 74")
            << "Chekcbox29=1 UpDown1=21 UpDown2=74" << QList<int>{}
            << "Ohne die Zahlen 1-12 ist die kleinste Quersumme 75, die Quersumme bis ist aber 74.";
        QTest::newRow("no months, sums to 75") << "Chekcbox29=1 UpDown1=21 UpDown2=75" << QList<int>{} << "";
    }
    void conflicts()
    {
        QFETCH(QString, options);
        QFETCH(QList<int>, locked);
        GenerationSettings settings = GenerationSettings::defaults();
        for (const QString &assignment : options.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            QVERIFY(settings.setByValueName(assignment.section(u'=', 0, 0), assignment.section(u'=', 1).toInt()));
        std::array<SheetRow, TipRows::RowCount> sheet{};
        for (int row : locked)
            sheet[size_t(row - 1)].locked = true;
        QTEST(OptionConflicts::find(settings, sheet, MessageTable()).join(QLatin1Char('|')), "named");
    }
};

QTEST_GUILESS_MAIN(OptionConflictsTest)
#include "option_conflicts_test.moc"
