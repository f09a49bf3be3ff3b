// Start-up and shutdown of the main window: reading and writing every setting, the
// groups that a wrong-typed value ends, the start date rule, scaling and the coupled
// spin limits.
#include "analysis/ui/chart_page.h"
#include "app/clock.h"
#include "draws/ui/internet_page.h"
#include "generator/ui/generation_page.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/status_panels.h"
#include "ui/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class MainWindowTest : public QObject {
    Q_OBJECT

    static GenerationSettings changedSettings()
    {
        GenerationSettings changed = GenerationSettings::defaults();
        for (int n : {1, 2, 3, 9, 15, 20, 25, 30, 31})
            changed.setCheckBox(n, !changed.checkBox(n));
        const std::pair<int, int> spins[] = {{1, 60}, {2, 180}, {3, 3}, {4, 1}, {6, 5}, {7, 70}, {8, 12}, {12, 40},
            {13, 45}, {17, 4}, {18, 100}, {19, 7}};
        for (auto [number, value] : spins)
            changed.setUpDown(number, value);
        changed.megaballOption = 3;
        return changed;
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void firstStartKeepsTheDesignValues()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        QCOMPARE(w.windowTitle(), QStringLiteral("Morvaks DevuDirurero"));
        QCOMPARE(w.generationSettings(), GenerationSettings::defaults());
        QCOMPARE(w.generationControl()->attemptLimit(), 50000);
        QCOMPARE(w.localizer().languageIndex(), 2);
        QVERIFY(w.shownDraw().evaluationEnabled());
        QCOMPARE(w.charts()->DateTimePicker2->date(), QDate(2013, 10, 22));
        QCOMPARE(w.shownDraw().selectedDate(), QDate(2013, 10, 22));
        QCOMPARE(f.get<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(2017, 10, 31));
        QCOMPARE(w.internet()->ProxyPortEdit->text(), QStringLiteral("80"));
        QCOMPARE(w.internet()->Edit81->text(), QStringLiteral("0,50"));
        QCOMPARE(w.generation()->upDown(6)->maximum(), 7);
        for (int row = 1; row <= 12; ++row)
            QVERIFY(w.tipSheet()->field(row, 0)->text().isEmpty());
        // The hidden page keeps its place but shows no tab.
        QCOMPARE(w.pageControl()->count(), 6);
        QVERIFY(!w.pageControl()->isTabVisible(1));
        w.afterCreation();
        QVERIFY(f.get<QAction>(QStringLiteral("Englich1"))->isChecked());
        QVERIFY(!f.get<QAction>(QStringLiteral("Deutsch1"))->isChecked());
    }

    void everyValueSurvivesARestart()
    {
        WindowFixture f;
        {
            MainWindow &w = f.create();
            const GenerationSettings changed = changedSettings();
            w.applyGenerationSettings(changed);
            QCOMPARE(w.generationSettings(), changed);
            w.tipSheet()->setRowTexts(1, {"5", "12", "23", "34", "45", "10", "3"});
            w.tipSheet()->setRowTexts(12, {"1", "", "75", "", "", "15", ""});
            w.tipSheet()->setLocked(3, true);
            w.tipSheet()->setLocked(12, true);
            w.internet()->ProxyHostEdit->setText(QStringLiteral("proxy.example"));
            w.internet()->ProxyPortEdit->setText(QStringLiteral("3128"));
            w.internet()->Edit81->setText(QStringLiteral("0,75"));
            w.charts()->DateTimePicker2->setDate(QDate(2015, 1, 2));
            w.chooseLanguage(5);
            f.close();
        }
        const QStringList written = f.settings->valueNames();
        QCOMPARE(written.first(), QStringLiteral("NeuerSchein"));
        QCOMPARE(written.last(), QStringLiteral("Land"));
        QVERIFY(!written.contains(QStringLiteral("Losnummer")));
        QVERIFY(!written.contains(QStringLiteral("Chekcbox17")));
        QVERIFY(!written.contains(QStringLiteral("Chekcbox21")));
        QCOMPARE(written.count(), 1 + 29 + 3 + 2 + 1 + 2 + 19 + 84 + 12 + 2 + 1 + 4 + 1 + 1);

        MainWindow &w = f.create();
        QCOMPARE(w.generationSettings(), changedSettings());
        // CheckBox31 is now off, which caps UpDown6 at 5.
        QCOMPARE(w.generation()->upDown(6)->maximum(), 5);
        QCOMPARE(w.tipSheet()->rowTexts(1), (TipRowTexts{"5", "12", "23", "34", "45", "10", "3"}));
        QCOMPARE(w.tipSheet()->rowTexts(12), (TipRowTexts{"1", "", "75", "", "", "15", ""}));
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(w.tipSheet()->isLocked(row), row == 3 || row == 12);
        QCOMPARE(w.internet()->ProxyHostEdit->text(), QStringLiteral("proxy.example"));
        QCOMPARE(w.internet()->ProxyPortEdit->text(), QStringLiteral("3128"));
        QCOMPARE(w.internet()->Edit81->text(), QStringLiteral("0,75"));
        QCOMPARE(w.charts()->DateTimePicker2->date(), QDate(2015, 1, 2));
        QCOMPARE(w.localizer().languageIndex(), 5);
        QCOMPARE(w.generationControl()->attemptLimit(), 70000);
    }

    void lockStatesThatCannotBeReadLeaveTheRowUnlocked()
    {
        WindowFixture f;
        f.settings->writeBool(QStringLiteral("Gesperrt2"), true);
        f.settings->writeString(QStringLiteral("Gesperrt3"), QStringLiteral("ja"));
        f.settings->writeInteger(QStringLiteral("Gesperrt4"), 0);
        MainWindow &w = f.create();
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(w.tipSheet()->isLocked(row), row == 2);
    }

    void storedRepeatsAreClearedAndNamed()
    {
        WindowFixture f;
        const char *row7[] = {"12", "12", "30", "12", "40", "7"}; // Edit43 .. Edit48
        for (int i = 0; i < 6; ++i)
            f.settings->writeString(QStringLiteral("Edit%1").arg(43 + i), QString::fromLatin1(row7[i]));
        MainWindow &w = f.create();
        QCOMPARE(w.tipSheet()->rowTexts(7), (TipRowTexts{"12", "", "30", "", "40", "7", ""}));
        QCOMPARE(w.statusText(0), QStringLiteral("Doppelte Zahlen entfernt in Tipp 7"));
    }

    void statusPanelsSplitTheWidthAndShowTheWholeText()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.show();
        const QString longText = QStringLiteral("No response: Connection refused while asking the draw service");
        w.status().setText(0, longText);
        w.status().setText(1, QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!"));
        QCOMPARE(w.status().panel(0)->toolTip(), longText);
        QCOMPARE(w.status().panel(1)->toolTip(), w.statusText(1));
        QVERIFY(std::abs(2 * w.status().panel(0)->width() - w.status().panel(1)->width()) <= 4);
        QVERIFY(w.status().panel(0)->width() > 300);
    }

    void ticketNumberIsReadButNeverWritten()
    {
        WindowFixture f;
        f.settings->writeString(QStringLiteral("Losnummer"), QStringLiteral("4711"));
        MainWindow &w = f.create();
        QCOMPARE(w.tipSheet()->ticketLabel()->text(), QStringLiteral("4711"));
        f.settings->removeValue(QStringLiteral("Losnummer"));
        f.close();
        QVERIFY(!f.settings->value(QStringLiteral("Losnummer")));
    }

    void wrongTypeEndsOnlyItsGroup()
    {
        WindowFixture f;
        f.settings->writeBool(QStringLiteral("Chekcbox1"), true);
        f.settings->writeString(QStringLiteral("Chekcbox5"), QStringLiteral("yes")); // wrong type
        f.settings->writeBool(QStringLiteral("Chekcbox6"), true);
        f.settings->writeInteger(QStringLiteral("Sprache"), 4);
        f.settings->writeInteger(QStringLiteral("UpDown1"), 70);
        f.settings->writeString(QStringLiteral("UpDown2"), QStringLiteral("x")); // wrong type
        f.settings->writeInteger(QStringLiteral("UpDown3"), 4);
        f.settings->writeString(QStringLiteral("Edit1"), QStringLiteral("9"));
        f.settings->writeString(QStringLiteral("EINPREIS"), QStringLiteral("2,00"));
        f.settings->writeString(QStringLiteral("ProxyHostEdit"), QStringLiteral("host"));
        MainWindow &w = f.create();
        QVERIFY(w.generation()->checkBox(1)->isChecked());
        QVERIFY(w.generation()->checkBox(5)->isChecked()); // design value
        QVERIFY(!w.generation()->checkBox(6)->isChecked()); // not read
        QCOMPARE(w.localizer().languageIndex(), 0); // the group ended before "Sprache"
        QCOMPARE(w.generation()->upDown(1)->value(), 70);
        QCOMPARE(w.generation()->upDown(3)->value(), 2); // after the failure: design value
        QVERIFY(w.tipSheet()->field(1, 0)->text().isEmpty()); // the tip fields belong to that group
        QCOMPARE(w.internet()->Edit82->text(), QStringLiteral("2,00"));
        QCOMPARE(w.internet()->ProxyHostEdit->text(), QStringLiteral("host"));
        w.afterCreation();
        QVERIFY(!f.get<QAction>(QStringLiteral("Spanisch1"))->isChecked());
    }

    void browserAndNeuerScheinAcceptOlderTypes()
    {
        WindowFixture f;
        f.settings->writeString(QStringLiteral("Browser"), QStringLiteral("firefox"));
        f.settings->writeBool(QStringLiteral("NeuerSchein"), true);
        f.create();
        QVERIFY(!f.get<QCheckBox>(QStringLiteral("CheckBox21"))->isChecked());
        f.close();
        QCOMPARE(f.settings->readInteger(QStringLiteral("NeuerSchein"))->value(), 1);
        QCOMPARE(f.settings->value(QStringLiteral("Browser"))->type, RegistryValue::Type::Integer);
    }

    void startDateRule_data()
    {
        QTest::addColumn<int>("daysBeforeToday");
        QTest::addColumn<bool>("kept");
        QTest::newRow("six days") << 6 << false;
        QTest::newRow("seven days") << 7 << true;
        QTest::newRow("a year") << 365 << true;
        QTest::newRow("tomorrow") << -1 << false;
    }
    void startDateRule()
    {
        QFETCH(int, daysBeforeToday);
        QFETCH(bool, kept);
        WindowFixture f;
        const QDate stored = Clock::today().addDays(-daysBeforeToday);
        f.settings->writeDate(QStringLiteral("DateTimePicker2"), stored);
        MainWindow &w = f.create();
        QCOMPARE(w.charts()->DateTimePicker2->date(), kept ? stored : QDate(2013, 10, 22));
    }

    void unreadableStartDateTakesTheMinimum()
    {
        WindowFixture f;
        f.settings->writeString(QStringLiteral("DateTimePicker2"), QStringLiteral("01.01.2015"));
        MainWindow &w = f.create();
        QCOMPARE(w.charts()->DateTimePicker2->date(), QDate(2013, 10, 22));
    }

    void emptyProxyHostResetsThePort()
    {
        WindowFixture f;
        f.settings->writeString(QStringLiteral("ProxyHostEdit"), QString());
        f.settings->writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
        MainWindow &w = f.create();
        QCOMPARE(w.internet()->ProxyPortEdit->text(), QStringLiteral("80"));
    }

    void maximisedWindowKeepsTheStoredSize()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("height"), 600);
        f.settings->writeInteger(QStringLiteral("width"), 700);
        MainWindow &w = f.create();
        w.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f.close();
        QCOMPARE(f.settings->readInteger(QStringLiteral("height"))->value(), 600);
        QCOMPARE(f.settings->readInteger(QStringLiteral("width"))->value(), 700);
    }

    void storedHeightScalesThePages()
    {
        WindowFixture f;
        MainWindow &design = f.create();
        const int designHeight = design.height();
        const double designPoints = design.tipSheet()->field(1, 0)->font().pointSizeF();
        f.close();

        // A quarter taller, within the offscreen screen's 600 pixels.
        const int taller = designHeight / 4 * 5;
        const double ratio = double(taller) / designHeight;
        QVERIFY(taller <= QGuiApplication::primaryScreen()->availableGeometry().height());
        f.settings->writeInteger(QStringLiteral("height"), taller);
        f.settings->writeInteger(QStringLiteral("width"), 547);
        MainWindow &w = f.create();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.height(), taller);
        QCOMPARE(w.tipSheet()->field(1, 0)->font().pointSizeF(), designPoints * ratio);
        // A wider window alone scales nothing.
        w.resize(700, w.height());
        QCoreApplication::processEvents();
        QCOMPARE(w.tipSheet()->field(1, 0)->font().pointSizeF(), designPoints * ratio);
        w.resize(700, designHeight);
        QCoreApplication::processEvents();
        QCOMPARE(w.tipSheet()->field(1, 0)->font().pointSizeF(), designPoints);
    }

    void storedSizeIsCutToTheScreen()
    {
        // A damaged settings file once asked for a window of 0x000fffff squared pixels.
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("height"), 0x000fffff);
        f.settings->writeInteger(QStringLiteral("width"), 0x000fffff);
        MainWindow &w = f.create();
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY2(w.width() <= screen.width() && w.height() <= screen.height(),
            qPrintable(QStringLiteral("%1 x %2").arg(w.width()).arg(w.height())));
        QVERIFY(w.height() > 0);
    }

    void coupledSpinLimits()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        GenerationPage *g = w.generation();
        g->upDown(16)->setValue(4);
        QTest::mousePress(g->upDown(15), Qt::LeftButton);
        QCOMPARE(g->upDown(15)->maximum(), 2);
        QTest::mouseRelease(g->upDown(15), Qt::LeftButton);
        g->upDown(15)->setValue(1);
        QTest::mouseRelease(g->upDown(16), Qt::LeftButton);
        QCOMPARE(g->upDown(16)->maximum(), 5);

        g->upDown(3)->setValue(3);
        g->upDown(9)->setValue(2);
        QTest::mousePress(g->upDown(3), Qt::LeftButton);
        QCOMPARE(g->upDown(9)->maximum(), 3);
        QCOMPARE(g->upDown(3)->minimum(), 2);
        QTest::mouseRelease(g->upDown(3), Qt::LeftButton);
        g->upDown(9)->setValue(1);
        QTest::mouseRelease(g->upDown(9), Qt::LeftButton);
        QCOMPARE(g->upDown(3)->minimum(), 1);
    }

    void attemptLimitFollowsUpDown7()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.generation()->upDown(7)->setValue(123);
        QCOMPARE(w.generationControl()->attemptLimit(), 123000);
    }

    void megaballChoicesExcludeEachOther()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.generation()->radioButton(2)->click();
        QCOMPARE(w.generationSettings().megaballOption, 2);
        QVERIFY(!w.generation()->radioButton(1)->isChecked());
        w.generation()->radioButton(3)->click();
        QVERIFY(!w.generation()->radioButton(2)->isChecked());
    }

    void statusBarShowsHintsOfTheListedControls()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(w.tipSheet()->lockLabel(3), &enter);
        QCOMPARE(w.statusText(1), QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
        QCoreApplication::sendEvent(w.tipSheet()->clearButton(), &enter);
        QCOMPARE(w.statusText(1), QStringLiteral("Löschen aller Tipps"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_gui_test.moc"
