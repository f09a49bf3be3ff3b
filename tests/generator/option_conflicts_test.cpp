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
        QTest::addColumn<QStringList>("named");
        const QString sum = QStringLiteral("Die Quersumme von 279 liegt über der Quersumme bis 239.");
        const QString evenOdd = QStringLiteral(
            "Mindestens 3 gerade und mindestens 3 ungerade Zahlen sind mehr als die 5 Zahlen einer Reihe.");
        const QString otherRows
            = QStringLiteral("Höchstens 1 und mindestens 2 Übereinstimmungen mit anderen Tipps "
                             "schließen einander aus: ab Reihe 2 kann keine Reihe berechnet werden.");
        QTest::newRow("defaults") << "" << QList<int>{} << QStringList{};
        QTest::newRow("sum from above sum to") << "UpDown1=279 UpDown2=239" << QList<int>{} << QStringList{sum};
        QTest::newRow("sum from equal to sum to") << "UpDown1=100 UpDown2=100" << QList<int>{} << QStringList{};
        QTest::newRow("three even, three odd")
            << "Chekcbox25=1 Chekcbox26=1 UpDown15=3 UpDown16=3" << QList<int>{} << QStringList{evenOdd};
        QTest::newRow("three even, three odd, odd box off")
            << "Chekcbox25=1 Chekcbox26=0 UpDown15=3 UpDown16=3" << QList<int>{} << QStringList{};
        QTest::newRow("six primes, two even")
            << "Chekcbox22=1 UpDown10=6 Chekcbox25=1 UpDown15=2" << QList<int>{}
            << QStringList{QStringLiteral("Mindestens 6 Primzahlen und mindestens 2 "
                                          "gerade Zahlen schließen einander aus: 2 ist "
                                          "die einzige gerade Primzahl.")};
        QTest::newRow("six primes, one even (the 2)")
            << "Chekcbox22=1 UpDown10=6 Chekcbox25=1 UpDown15=1" << QList<int>{} << QStringList{};
        QTest::newRow("other rows at most 1, at least 2")
            << "UpDown3=1 UpDown9=2" << QList<int>{} << QStringList{otherRows};
        QTest::newRow("other rows, one row asked") << "UpDown3=1 UpDown9=2 UpDown8=1" << QList<int>{} << QStringList{};
        QTest::newRow("other rows, rows 2 and 3 locked")
            << "UpDown3=1 UpDown9=2 UpDown8=3" << QList<int>{2, 3} << QStringList{};
        QTest::newRow("both bounds without CheckBox27")
            << "Chekcbox27=0 UpDown3=1 UpDown9=2" << QList<int>{} << QStringList{otherRows};
        QTest::newRow("both bounds without CheckBox27, row 2 locked")
            << "Chekcbox27=0 UpDown3=1 UpDown9=2" << QList<int>{2} << QStringList{};
        QTest::newRow("no months, sums to 74")
            << "Chekcbox29=1 UpDown1=21 UpDown2=74" << QList<int>{}
            << QStringList{QStringLiteral("Ohne die Zahlen 1-12 ist die kleinste "
                                          "Quersumme 75, die Quersumme bis ist aber 74.")};
        QTest::newRow("no months, sums to 75") << "Chekcbox29=1 UpDown1=21 UpDown2=75" << QList<int>{} << QStringList{};
        QTest::newRow("two at once") << "UpDown1=279 UpDown2=239 Chekcbox25=1 Chekcbox26=1 UpDown15=3 UpDown16=3"
                                     << QList<int>{} << QStringList{sum, evenOdd};
    }
    void conflicts()
    {
        QFETCH(QString, options);
        QFETCH(QList<int>, locked);
        QFETCH(QStringList, named);
        GenerationSettings settings = GenerationSettings::defaults();
        for (const QString &assignment : options.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList parts = assignment.split(QLatin1Char('='));
            QVERIFY(settings.setByValueName(parts[0], parts[1].toInt()));
        }
        std::array<SheetRow, TipRows::RowCount> sheet{};
        for (int row : locked)
            sheet[size_t(row - 1)].locked = true;
        const MessageTable messages;
        QCOMPARE(OptionConflicts::find(settings, sheet, messages), named);
    }
};

QTEST_GUILESS_MAIN(OptionConflictsTest)
#include "option_conflicts_test.moc"
