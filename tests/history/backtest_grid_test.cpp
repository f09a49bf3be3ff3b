// The grid of settings: Holm's adjustment and the pass-counted test with known answers,
// the --vary ranges taken and refused, the bound on back-tests, and on a small history
// the split into in-sample and out-of-sample passes, the picked setting's two periods
// adding up to its plain back-test, and a stop keeping the finished settings.
#include "app/message_table.h"
#include "draw_samples.h"
#include "history/backtest_grid.h"

#include <QTest>

namespace {
// 30 weekly draws from 2020-01-07, numbers made up from the week's number.
BacktestInput smallHistory()
{
    BacktestInput in;
    for (int week = 0; week < 30; ++week) {
        const int base = 1 + (week * 7) % 60;
        in.draws.push_back(DrawSamples::draw(
            QDate(2020, 1, 7).addDays(7 * week), {base, base + 3, base + 6, base + 9, base + 14}, 1 + week % 15));
    }
    in.statisticsStart = QDate(2020, 1, 7);
    in.chosenDate = QDate(2020, 3, 3);
    in.today = QDate(2030, 1, 1);
    in.seed = 5;
    return in;
}
} // namespace

class BacktestGridTest : public QObject {
    Q_OBJECT

private slots:
    void holm_data()
    {
        QTest::addColumn<std::vector<double>>("p");
        QTest::addColumn<std::vector<double>>("adjusted");
        QTest::newRow("none") << std::vector<double>{} << std::vector<double>{};
        QTest::newRow("one") << std::vector<double>{0.2} << std::vector<double>{0.2};
        QTest::newRow("step-down, kept monotone")
            << std::vector<double>{0.01, 0.04, 0.03} << std::vector<double>{0.03, 0.06, 0.06};
        QTest::newRow("ties") << std::vector<double>{0.5, 0.02, 0.02} << std::vector<double>{0.5, 0.06, 0.06};
        QTest::newRow("capped at 1") << std::vector<double>{0.6, 0.7} << std::vector<double>{1.0, 1.0};
        QTest::newRow("four") << std::vector<double>{0.001, 0.2, 0.012, 0.04}
                              << std::vector<double>{0.004, 0.2, 0.036, 0.08};
    }
    void holm()
    {
        QFETCH(std::vector<double>, p);
        QFETCH(std::vector<double>, adjusted);
        const std::vector<double> got = BacktestGrid::holmAdjusted(p);
        QCOMPARE(got.size(), adjusted.size());
        for (size_t i = 0; i < got.size(); ++i) {
            QVERIFY2(std::abs(got[i] - adjusted[i]) < 1e-12, qPrintable(QString::number(got[i])));
            QVERIFY(got[i] >= p[i]);
            for (size_t j = 0; j < got.size(); ++j)
                QVERIFY(p[i] > p[j] || got[i] <= got[j]);
        }
    }

    // Passes, not rows: the excesses over chance divided by the root of their squares.
    void passTest_data()
    {
        QTest::addColumn<std::vector<std::int64_t>>("winning");
        QTest::addColumn<double>("p");
        QTest::addColumn<double>("standardError");
        QTest::newRow("excesses cancel") << std::vector<std::int64_t>{2, 0} << 1.0 << std::sqrt(2.0);
        QTest::newRow("two above") << std::vector<std::int64_t>{3, 3} << std::erfc(1.0) << std::sqrt(8.0);
        QTest::newRow("as expected") << std::vector<std::int64_t>{1, 1} << 1.0 << 0.0;
    }
    void passTest()
    {
        QFETCH(std::vector<std::int64_t>, winning);
        QFETCH(double, p);
        QFETCH(double, standardError);
        const BacktestGrid::PassTest test = BacktestGrid::passTest(winning, {10, 10}, 0.1);
        QVERIFY2(std::abs(test.pValue - p) < 1e-12, qPrintable(QString::number(test.pValue)));
        QVERIFY(std::abs(test.standardError - standardError) < 1e-12);
    }

    void vary_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("values"); // 0: refused
        QTest::addColumn<QString>("message"); // a part of the refusal
        QTest::newRow("spin with step") << "UpDown8=4..12:4" << 3 << "";
        QTest::newRow("step past the end") << "UpDown8=1..12:5" << 3 << "";
        QTest::newRow("check box") << "Chekcbox2=0..1" << 2 << "";
        QTest::newRow("one value") << "UpDown8=5..5" << 1 << "";
        QTest::newRow("unknown name") << "UpDown99=1..2" << 0 << "UpDown99";
        QTest::newRow("radio button") << "RadioButton2=0..1" << 0 << "RadioButton2";
        QTest::newRow("below range") << "UpDown8=0..12" << 0 << "UpDown8 takes 1 to 12";
        QTest::newRow("check box above 1") << "Chekcbox2=0..2" << 0 << "Chekcbox2 takes 0 to 1";
        QTest::newRow("reversed") << "UpDown8=5..3" << 0 << "FROM 5";
        QTest::newRow("step 0") << "UpDown8=1..3:0" << 0 << "step";
        QTest::newRow("no range") << "UpDown8=5" << 0 << "NAME=FROM..TO";
    }
    void vary()
    {
        QFETCH(QString, text);
        QFETCH(int, values);
        QFETCH(QString, message);
        const Result<GridAxis> axis = BacktestGrid::parseAxis(text);
        QCOMPARE(axis.ok(), values > 0);
        if (axis.ok()) {
            QCOMPARE(int(axis->values().size()), values);
            QCOMPARE(BacktestGrid::parseAxis(axis->text())->values(), axis->values());
        } else {
            QVERIFY2(axis.error().contains(message), qPrintable(axis.error()));
        }
    }

    void size_data()
    {
        QTest::addColumn<int>("seeds");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("at the bound") << 416 << ""; // 24 settings
        QTest::newRow("over it") << 417 << "10008 back-tests (24 settings × 417 seeds)";
    }
    void size()
    {
        QFETCH(int, seeds);
        QFETCH(QString, refusal);
        const std::vector<GridAxis> axes{*BacktestGrid::parseAxis(QStringLiteral("UpDown8=1..12")),
            *BacktestGrid::parseAxis(QStringLiteral("Chekcbox2=0..1"))};
        const Result<void> checked = BacktestGrid::checkSize(axes, seeds);
        QCOMPARE(checked.ok(), refusal.isEmpty());
        QVERIFY2(checked.error().contains(refusal), qPrintable(checked.error()));
    }

    void splitAndPeriods()
    {
        const MessageTable messages;
        GridRequest request{smallHistory(), {*BacktestGrid::parseAxis(QStringLiteral("UpDown8=1..3"))}, 3, {}};
        request.input.settings.rowsToCompute = 1;
        const QDate split = BacktestGrid::defaultSplit(request.input);
        QCOMPARE(split, QDate(2020, 3, 3).addDays(QDate(2020, 3, 3).daysTo(request.input.draws.back().date) / 2));
        const auto grid
            = BacktestGrid::combinations(request.input.settings, request.axes, request.input.sheet, messages);
        QVERIFY(grid.ok());
        const GridResult result = BacktestGrid::run(request, *grid, messages, 2);

        const BacktestPlan plan(request.input, messages);
        const int before = BacktestGrid::passesBefore(plan, split);
        for (int t = 0; t < int(plan.passes().size()); ++t)
            QCOMPARE(plan.passes()[size_t(t)].evaluated.shownDraw.date < split, t < before);
        QVERIFY(before > 0 && before < int(plan.passes().size()));
        QCOMPARE(result.inSamplePasses, before);
        QCOMPARE(result.outOfSamplePasses, int(plan.passes().size()) - before);
        QCOMPARE(int(result.finished.size()), 3);
        for (const GridCombination &c : result.finished)
            QCOMPARE(c.inSample.yardstick.rows, std::int64_t(before) * c.setting.settings.rowsToCompute * 3);

        // The picked setting over both periods is its plain back-test, seed by seed.
        QVERIFY(result.best && result.outOfSample && result.bothPeriods);
        BacktestInput picked = request.input;
        picked.settings = result.finished[*result.best].setting.settings;
        HitClassTally sums;
        for (int seed = 5; seed < 8; ++seed) {
            picked.seed = seed;
            const HitClassTally one = SettingsBacktest(picked, messages).runToEnd().sums;
            for (size_t k = 0; k < sums.cells.size(); ++k)
                for (size_t mb = 0; mb < 2; ++mb)
                    sums.cells[k][mb] += one.cells[k][mb];
        }
        const Yardstick whole = Yardstick::of(sums, {}, picked.ticketPrice);
        QCOMPARE(result.bothPeriods->yardstick.settingsWinning, whole.settingsWinning);
        QCOMPARE(result.bothPeriods->yardstick.settingsWinnings, whole.settingsWinnings);
        QCOMPARE(result.bothPeriods->yardstick.rows, whole.rows);
        QCOMPARE(
            result.outOfSample->yardstick.rows + result.finished[*result.best].inSample.yardstick.rows, whole.rows);

        // Stopped during the second setting: the first is kept and ranked, and the report says so.
        std::atomic<bool> stop{false};
        const GridResult stopped = BacktestGrid::run(
            request, *grid, messages, 1, [&](const GridProgress &p) { stop = stop || p.combination == 2; }, &stop);
        QVERIFY(stopped.stopped);
        QCOMPARE(int(stopped.finished.size()), 1);
        QCOMPARE(stopped.finished[0].inSample.yardstick.settingsWinning,
            result.finished[0].inSample.yardstick.settingsWinning);
        QVERIFY(!stopped.outOfSample);
        QVERIFY(BacktestGrid::reportLines(stopped).join(QLatin1Char('\n')).contains(QStringLiteral("Stopped: 1 of 3")));
    }
};

QTEST_GUILESS_MAIN(BacktestGridTest)
#include "backtest_grid_test.moc"
