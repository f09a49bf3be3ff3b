// The left axis a chart is drawn with: the smallest bar stays visible, the ticks are
// whole counts, the statistic range is not touched.
#include "analysis/chart_axis.h"

#include <QTest>

using DrawStatistics::LeftAxis;

namespace {
LeftAxis smallestToLargest(int smallest, int largest)
{
    LeftAxis axis;
    axis.mode = LeftAxis::Mode::SmallestToLargest;
    axis.minimum = smallest;
    axis.maximum = largest;
    return axis;
}

std::vector<DrawStatistics::ChartPoint> points(std::initializer_list<int> ys)
{
    std::vector<DrawStatistics::ChartPoint> result;
    int x = 1;
    for (int y : ys)
        result.push_back({x++, y, DrawStatistics::BarColour::Series});
    return result;
}
} // namespace

class ChartAxisTest : public QObject {
    Q_OBJECT

private slots:
    void scales_data()
    {
        QTest::addColumn<int>("smallest");
        QTest::addColumn<int>("largest");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("interval");
        // The bundled history: number 67 was drawn 17 times, number 31 41 times.
        QTest::newRow("number distribution") << 17 << 41 << 15 << 45 << 5;
        QTest::newRow("Megaball frequency") << 20 << 36 << 15 << 40 << 5;
        QTest::newRow("smallest on a tick") << 20 << 40 << 15 << 40 << 5;
        QTest::newRow("triples") << 0 << 1 << 0 << 1 << 1;
        QTest::newRow("pairs") << 0 << 4 << 0 << 4 << 1;
        QTest::newRow("all zero") << 0 << 0 << 0 << 1 << 1;
        QTest::newRow("all equal") << 5 << 5 << 4 << 6 << 1;
        QTest::newRow("one count") << 1 << 1 << 0 << 2 << 1;
        QTest::newRow("overdue") << 0 << 68 << 0 << 80 << 20;
        QTest::newRow("large") << 900 << 1400 << 800 << 1400 << 100;
    }
    void scales()
    {
        QFETCH(int, smallest);
        QFETCH(int, largest);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, interval);
        const ChartAxisScale scale = ChartAxis::choose(smallestToLargest(smallest, largest), {});
        QCOMPARE(scale.minimum, minimum);
        QCOMPARE(scale.maximum, maximum);
        QCOMPARE(scale.tickInterval, interval);
        // The smallest bar is seen (a zero count is drawn from zero), the largest fits,
        // and every tick is a whole count, so that no two labels read alike.
        QVERIFY(scale.minimum < smallest || smallest == 0);
        QVERIFY(scale.maximum >= largest);
        QCOMPARE(scale.minimum % scale.tickInterval, 0);
        QCOMPARE((scale.maximum - scale.minimum) % scale.tickInterval, 0);
        QVERIFY(scale.tickCount() >= 2 && scale.tickCount() <= ChartAxis::MaxTicks);
    }

    void automaticStartsAtZero()
    {
        const ChartAxisScale scale = ChartAxis::choose(LeftAxis{}, points({3, 9, 0, 7}));
        QCOMPARE(scale.minimum, 0);
        QCOMPARE(scale.maximum, 10);
        QCOMPARE(scale.tickInterval, 2);
        QCOMPARE(ChartAxis::choose(LeftAxis{}, {}), (ChartAxisScale{0, 1, 1}));
    }

    void niceIntervalsKeepTheTicksFew()
    {
        for (int span = 0; span <= 5000; ++span) {
            const int interval = ChartAxis::niceInterval(span);
            QVERIFY2((span + interval - 1) / interval + 2 <= ChartAxis::MaxTicks, qPrintable(QString::number(span)));
            // No smaller nice interval would do.
            int leading = interval;
            while (leading % 10 == 0)
                leading /= 10;
            const int smaller = leading == 5 ? interval / 5 * 2 : interval / 2;
            if (smaller >= 1 && smaller < interval)
                QVERIFY((span + smaller - 1) / smaller + 2 > ChartAxis::MaxTicks);
        }
    }
};

QTEST_GUILESS_MAIN(ChartAxisTest)
#include "chart_axis_test.moc"
