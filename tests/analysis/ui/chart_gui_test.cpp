// The Diagramm page: which control shows which chart, page switching, the series the
// chart holds afterwards and its axes.
#include "analysis/ui/chart_controller.h"
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "draws/ui/database_page.h"
#include "generator/ui/generation_page.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/form_builder.h"
#include "ui/window_fixture.h"

#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QValueAxis>

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <tuple>

using DrawStatistics::BarColour;

class ChartTest : public QObject {
    Q_OBJECT

    static std::vector<Draw> history()
    {
        return TestData::draws(
            {"2015-03-03 1 2 3 4 20 6 2", "2015-03-06 3 4 5 6 20 7 3", "2015-03-10 1 2 30 40 50 7 2"});
    }
    static void prepare(WindowFixture &f)
    {
        f.useHistory(history());
        MainWindow &w = f.create();
        w.charts()->DateTimePicker2->setDate(QDate(2015, 3, 1));
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        w.pageControl()->setCurrentIndex(0);
    }
    static bool onChartPage(MainWindow &w) { return w.pageControl()->currentIndex() == 4; }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    // The bundled history: the least frequent number and Megaball keep a visible bar,
    // the ticks are whole counts, and a chart looks the same whatever was shown before.
    void leftAxisShowsEveryBarAndSetsItsOwnTicks()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        ChartPage *charts = w.charts();
        const auto axis = [&] {
            auto *values = qobject_cast<QValueAxis *>(charts->Chart1->chart()->axes(Qt::Vertical).value(0));
            return std::tuple{values->min(), values->max(), values->tickInterval(), values->tickAnchor()};
        };
        QCOMPARE(charts->leftAxisMinimum(), 17.0); // the statistic range stays as counted
        QCOMPARE(charts->leftAxisMaximum(), 41.0);
        QVERIFY(charts->shownLeftAxis().minimum < 17);
        const auto numbers = axis();
        QCOMPARE(std::get<2>(numbers), double(charts->shownLeftAxis().tickInterval));
        QCOMPARE(std::fmod(std::get<2>(numbers), 1.0), 0.0);

        w.chartControl()->showChart(DrawStatistics::ChartKind::MegaballFrequency);
        QCOMPARE(charts->leftAxisMinimum(), 20.0);
        QVERIFY(charts->shownLeftAxis().minimum < 20);
        w.chartControl()->showChart(DrawStatistics::ChartKind::Triples);
        const auto triples = axis();
        QCOMPARE(std::get<2>(triples), 1.0);
        w.chartControl()->showChart(DrawStatistics::ChartKind::NumberDistribution);
        QCOMPARE(axis(), numbers);
    }

    void pairsFromTheDatenbankPageSwitchToTheChart()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        click(w.database()->Button2);
        QVERIFY(onChartPage(w));
        const auto &points = w.charts()->points();
        QCOMPARE(points.size(), size_t(74));
        QCOMPARE(points[0].x, 1);
        QCOMPARE(points[0].y, 2); // 1-2 in two draws
        QCOMPARE(points[2].y, 2); // 3-4 in two draws
        QCOMPARE(points[4].y, 1);
        QCOMPARE(w.charts()->bottomTitle(), QStringLiteral("Ziehungen: 3   Paare gefunden:7"));
        QCOMPARE(w.charts()->leftAxisMinimum(), 0.0);
        QCOMPARE(w.charts()->leftAxisMaximum(), 2.0);
        QCOMPARE(w.shownDraw().selectedDate(), QDate(2015, 3, 1));
    }

    void numberDistributionStaysOnThePageAndColoursPrimes()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        click(w.charts()->SpeedButton2);
        QVERIFY(!onChartPage(w));
        const auto &points = w.charts()->points();
        QCOMPARE(points.size(), size_t(75));
        QCOMPARE(points[1].colour, BarColour::Prime); // 2
        QCOMPARE(points[3].colour, BarColour::NonPrime); // 4
        QCOMPARE(points[19].y, 2); // 20
        QVERIFY(
            w.charts()->bottomTitle().startsWith(QStringLiteral("Zahlenverteilung     Ziehungen: 3    Quersumme: ")));
    }

    void settingsPageButtonsSwitchFirst()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        click(w.generation()->SpeedButton26);
        QVERIFY(onChartPage(w));
        QCOMPARE(w.charts()->points().size(), size_t(75));
        w.pageControl()->setCurrentIndex(0);
        click(w.generation()->Superselten);
        QVERIFY(onChartPage(w));
        QCOMPARE(w.charts()->points().size(), size_t(15));
        QCOMPARE(w.charts()->points()[6].y, 2); // Megaball 7 twice
        QCOMPARE(w.charts()->leftAxisMinimum(), 0.0);
        w.pageControl()->setCurrentIndex(0);
        emit w.generation()->Label88->clicked();
        QVERIFY(onChartPage(w));
        QCOMPARE(w.charts()->points().front().x, 30); // sums 30, 38 and 123
    }

    void megaballOverdueDoesNotSwitchDuringAGeneration()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        w.gate().begin(CommandGate::Activity::Generation);
        click(w.database()->Button8);
        QVERIFY(!onChartPage(w));
        w.gate().end(CommandGate::Activity::Generation);
        click(w.database()->Button8);
        QVERIFY(onChartPage(w));
        QCOMPARE(w.charts()->points()[5].y, 2); // Megaball 6: two draws since
    }

    void missingStoreLeavesTheChart()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        click(w.charts()->SpeedButton1);
        const auto before = w.charts()->points();
        QFile::remove(f.storePath());
        click(w.charts()->SpeedButton3);
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(w.charts()->points(), before);
    }

    void tipDistributionCountsUpToTheFirstEmptyField()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        w.tipSheet()->setRowTexts(1, {"1", "2", "3", "4", "5", "", ""});
        w.tipSheet()->setRowTexts(2, {"1", "7", "8", "9", "10", "", ""});
        w.tipSheet()->setRowTexts(4, {"11", "12", "13", "14", "15", "", ""});
        click(w.tipSheet()->distributionButton());
        QVERIFY(onChartPage(w));
        int total = 0;
        for (const auto &point : w.charts()->points())
            total += point.y;
        QCOMPARE(total, 10);
        QCOMPARE(w.charts()->points()[0].y, 2);
        QCOMPARE(w.charts()->bottomTitle(), QStringLiteral("Zahlenverteilung des Tippes"));
    }

    void historySearchShowsTheHitsPerRow()
    {
        WindowFixture f;
        prepare(f);
        MainWindow &w = f.window();
        w.tipSheet()->setRowTexts(1, {"1", "2", "3", "4", "5", "1", ""});
        w.tipSheet()->setRowTexts(2, {"20", "30", "40", "50", "60", "1", ""});
        f.dialogs.inputs = {QStringLiteral("6")};
        click(w.tipSheet()->searchButton());
        const auto &points = w.charts()->points();
        QCOMPARE(points.size(), size_t(12));
        QCOMPARE(points[0].y, 4 + 3 + 2);
        QCOMPARE(points[1].y, 1 + 1 + 3);
        QCOMPARE(points[2].y, 0);
    }
};

QTEST_MAIN(ChartTest)
#include "chart_gui_test.moc"
