// The exhaustive check of a guarantee on hand-checked row sets, a broken one among them,
// and the lower bounds against figures worked out by hand.
#include "wheels/wheel_design.h"

#include <QTest>

using Wheels::Guarantee;
using Wheels::Mask;

namespace {
// "1 2 3 4 5,1 2 3 6 7" over the numbers 1..v as masks (bit n-1 for n).
std::vector<Mask> rowsOf(const QString &text)
{
    std::vector<Mask> rows;
    for (const QString &row : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        Mask mask = 0;
        for (const QString &n : row.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            mask |= Mask(1) << (n.toInt() - 1);
        rows.push_back(mask);
    }
    return rows;
}

QString numbersOf(Mask mask)
{
    QStringList numbers;
    for (int i = 0; i < 32; ++i)
        if (mask & (Mask(1) << i))
            numbers << QString::number(i + 1);
    return numbers.join(QLatin1Char(' '));
}
} // namespace

class WheelDesignTest : public QObject {
    Q_OBJECT

private slots:
    void verifier_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("uncovered"); // the first p-set in colex order no row meets; empty: it holds
        // Every pair of 1..7 lies in one of three rows: the two pairs of 2, 3 with 4..7 in the
        // first two, the pairs within 4..7 in the third.
        QTest::newRow("2 if 2 on 7") << 7 << 2 << 2 << "1 2 3 4 5,1 2 3 6 7,1 4 5 6 7"
                                     << "";
        QTest::newRow("broken: the third row taken away") << 7 << 2 << 2 << "1 2 3 4 5,1 2 3 6 7"
                                                          << "4 6";
        // Three of six numbers always hold two of the five in the row.
        QTest::newRow("2 if 3 on 6, one row") << 6 << 2 << 3 << "1 2 3 4 5"
                                              << "";
        // 4-sets with 7 and at most 5 meet the first row in three; 1 2 6 7 meets each in two.
        QTest::newRow("3 if 4 on 8, two rows") << 8 << 3 << 4 << "1 2 3 4 5,4 5 6 7 8"
                                               << "1 2 6 7";
        QTest::newRow("no rows") << 6 << 1 << 1 << ""
                                 << "1";
    }
    void verifier()
    {
        QFETCH(int, v);
        QFETCH(int, hits);
        QFETCH(int, drawn);
        QFETCH(QString, rows);
        QFETCH(QString, uncovered);
        const auto gap = Wheels::firstUncovered(v, rowsOf(rows), Guarantee{hits, drawn});
        QCOMPARE(gap ? numbersOf(*gap) : QString(), uncovered);
    }

    void bounds_data()
    {
        QTest::addColumn<int>("v");
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<qint64>("bound");
        // ceil(11/5 ceil(10/4 ceil(9/3))) = ceil(11/5 * 8)
        QTest::newRow("Schönheim 11, 3") << 11 << 3 << 3 << qint64(18);
        QTest::newRow("Schönheim 17, 3: a Steiner system's size") << 17 << 3 << 3 << qint64(68);
        QTest::newRow("Schönheim 12, 4") << 12 << 4 << 4 << qint64(113);
        QTest::newRow("Schönheim 20, 2") << 20 << 2 << 2 << qint64(20);
        // 15504 five-sets, a row meets 10 * 105 + 5 * 15 + 1 = 1126 of them in three or more.
        QTest::newRow("counting 20, 3 if 5") << 20 << 3 << 5 << qint64(14);
        // Pairs sharing a row leave no three numbers apart: at least 190 - 100 pairs, ten a row.
        QTest::newRow("Turán 20, 2 if 3") << 20 << 2 << 3 << qint64(9);
    }
    void bounds()
    {
        QFETCH(int, v);
        QFETCH(int, hits);
        QFETCH(int, drawn);
        QFETCH(qint64, bound);
        QCOMPARE(Wheels::lowerBound(v, Guarantee{hits, drawn}), bound);
    }
};

QTEST_GUILESS_MAIN(WheelDesignTest)
#include "wheel_design_test.moc"
