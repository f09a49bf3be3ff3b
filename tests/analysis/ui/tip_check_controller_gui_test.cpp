// The tip check controller on its pages and models, without the main window:
// evaluating the sheet against the shown draw, showing the draw of a date, and the
// search of the history for hits.
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "draws/ui/database_page.h"
#include "generator/ui/generation_options_form.h"
#include "generator/ui/generation_page.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/controller_parts.h"
#include "ui/long_work.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {
// The parts under the names the window tests use for them.
struct TipCheckParts : ControllerParts {
    TipCheckController controller{TipCheckWiring{
        *sheet, *view, *dates, *history, shown, gate, folder, dialogs, sound, messages, *options, *work}};

    TipSheetPage *tipSheet() const { return sheet; }
    DatabasePage *database() const { return ControllerParts::database; }
    ChartPage *charts() const { return ControllerParts::charts; }
    GenerationPage *generation() const { return ControllerParts::generation; }
    ShownDrawModel &shownDraw() { return shown; }
    TipCheckController *tipCheck() { return &controller; }
};
} // namespace

class TipCheckControllerTest : public QObject {
    Q_OBJECT

    static void showDraw(TipCheckParts &w, QDate date)
    {
        w.database()->DateTimePicker1->setDate(date);
        w.tipCheck()->showAndEvaluate();
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void komplettcheckColoursLabelsAndTally()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws({"2017-10-20 1 2 3 4 6 9 2", "2017-10-24 12 45 50 60 70 10 3"}));
        TipCheckParts &w = f;
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"5", "12", "23", "34", "45", "10", ""});
        showDraw(w, QDate(2017, 10, 24));

        QCOMPARE(w.shownDraw().draw().date, QDate(2017, 10, 24));
        QCOMPARE(sheet->hitLabel(1)->text(), QStringLiteral("2 + MB"));
        QCOMPARE(sheet->hitLabel(1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(sheet->sumLabel(1)->text(), QStringLiteral("119"));
        QCOMPARE(sheet->fieldColour(1, 0), TipSheetPage::FieldColour::Window);
        QCOMPARE(sheet->fieldColour(1, 1), TipSheetPage::FieldColour::Hit);
        QCOMPARE(sheet->fieldColour(1, 4), TipSheetPage::FieldColour::Hit);
        QCOMPARE(sheet->fieldColour(1, 5), TipSheetPage::FieldColour::MegaballHit);
        QCOMPARE(w.shownDraw().tally().at(2, true), 1);
        QCOMPARE(f.sound.played.size(), 1);
        QVERIFY(f.sound.played.first().endsWith(QStringLiteral("yippee.wav")));
        for (int row = 2; row <= 12; ++row)
            QVERIFY(sheet->hitLabel(row)->text().isEmpty());

        showDraw(w, QDate(2017, 10, 20));
        QCOMPARE(sheet->hitLabel(1)->text(), QStringLiteral("0"));
        QCOMPARE(sheet->hitLabel(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QCOMPARE(sheet->fieldColour(1, 1), TipSheetPage::FieldColour::Window);
        QCOMPARE(sheet->fieldColour(1, 5), TipSheetPage::FieldColour::Window);
        QCOMPARE(w.shownDraw().tally().at(0, false), 1);
        QCOMPARE(w.shownDraw().tally().at(2, true), 0);
        QCOMPARE(f.sound.played.size(), 1);
    }

    void evaluationSortsRowsAndResetsIncompleteOnes()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws({"2017-10-24 7 12 45 50 60 10 3"}));
        TipCheckParts &w = f;
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"40", "3", "75", "12", "8", "", ""});
        sheet->setRowTexts(2, {"7", "7", "1", "2", "3", "", ""});
        sheet->setRowTexts(3, {"12", "45", "", "50", "60", "10", ""});
        sheet->sumLabel(3)->setText(QStringLiteral("old"));
        sheet->setFieldColour(3, 0, TipSheetPage::FieldColour::Hit);
        sheet->setFieldColour(3, 6, TipSheetPage::FieldColour::Hit);
        showDraw(w, QDate(2017, 10, 24));

        QCOMPARE(sheet->rowTexts(1), (TipRowTexts{"3", "8", "12", "40", "75", "", ""}));
        QCOMPARE(sheet->sumLabel(1)->text(), QStringLiteral("138"));
        // The sheet holds a main number once: the second 7 is gone, the row is incomplete.
        QCOMPARE(sheet->rowTexts(2), (TipRowTexts{"7", "", "1", "2", "3", "", ""}));
        QVERIFY(sheet->hitLabel(2)->text().isEmpty());
        QVERIFY(sheet->hitLabel(3)->text().isEmpty());
        QCOMPARE(sheet->sumLabel(3)->text(), QStringLiteral("old"));
        QCOMPARE(sheet->fieldColour(3, 0), TipSheetPage::FieldColour::Window);
        QCOMPARE(sheet->fieldColour(3, 6), TipSheetPage::FieldColour::Window);
        QCOMPARE(w.shownDraw().tally().at(1, false) + w.shownDraw().tally().at(2, false), 1);
    }

    void showAndEvaluatePicksTheDrawOfADate_data()
    {
        QTest::addColumn<QDate>("requested");
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("label");
        QTest::newRow("before all") << QDate(2015, 1, 1) << QDate(2015, 3, 3) << 0
                                    << "Di 03.03.15     1  2  3  4  5 MB:6 MP:2";
        QTest::newRow("between two") << QDate(2015, 3, 4) << QDate(2015, 3, 6) << 1
                                     << "Fr 06.03.15    7  8  9  10  11 MB:12 MP:3";
        QTest::newRow("after the newest")
            << QDate(2016, 1, 1) << QDate(2015, 3, 10) << 2 << "Di 10.03.15    1  2  3  4  6   MB: 6 MP: 2";
    }

    void showAndEvaluatePicksTheDrawOfADate()
    {
        QFETCH(QDate, requested);
        QFETCH(QDate, shown);
        QFETCH(int, index);
        QFETCH(QString, label);
        TipCheckParts f;
        f.useHistory(
            TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 7 8 9 10 11 12 3", "2015-03-10 1 2 3 4 6 6 2"}));
        TipCheckParts &w = f;
        showDraw(w, requested);
        QCOMPARE(w.shownDraw().draw().date, shown);
        QCOMPARE(w.shownDraw().index(), index);
        QCOMPARE(w.shownDraw().selectedDate(), requested);
        QCOMPARE(w.database()->DateTimePicker1->date(), shown);
        QCOMPARE(w.database()->Label29->text(), label);
        QCOMPARE(w.tipSheet()->drawLabel()->text(), label);
        QCOMPARE(w.charts()->DateTimePicker2->minimumDate(), QDate(2000, 5, 17));
    }

    void historySearchAsksAtTheStopLevel()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws(
            {"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 1 2 3 10 11 12 3", "2015-03-10 1 2 30 40 50 7 2"}));
        TipCheckParts &w = f;
        w.charts()->DateTimePicker2->setDate(QDate(2015, 3, 1));
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        w.tipSheet()->setRowTexts(1, {"1", "2", "3", "20", "21", "12", ""});
        w.tipSheet()->setRowTexts(2, {"1", "2", "3", "10", "22", "6", ""});
        f.dialogs.inputs = {QStringLiteral("3")};
        f.dialogs.answers = {true, true, false};
        w.tipCheck()->historySearch();

        QCOMPARE(f.dialogs.inputPrompts.first(),
            QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?|Tipp-Test|7"));
        QCOMPARE(f.dialogs.questions,
            (QStringList{
                "Ziehung gefunden|Ein Treffer gefunden am:  03.03.2015 . Weiter?",
                "Ziehung gefunden|Ein Treffer am  03.03.2015 gefunden. Weiter?",
                "Ziehung gefunden|Ein Treffer gefunden am:  06.03.2015 . Weiter?",
            }));
        // The search stopped at the second draw: it is shown, with that draw's counts.
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 6));
        QCOMPARE(w.database()->Label29->text(), QStringLiteral("Fr 06.03.15    1  2  3  10  11  MB: 12     MP: 3"));
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("3 + MB"));
        QCOMPARE(w.database()->DateTimePicker1->date(), QDate(2015, 3, 10));
        // The colours belong to the same draw as the labels: 1 2 3 10 11, Megaball 12.
        using Colour = TipSheetPage::FieldColour;
        const auto colours = [&](int row) {
            QList<Colour> result;
            for (int slot = 0; slot < 6; ++slot)
                result << w.tipSheet()->fieldColour(row, slot);
            return result;
        };
        QCOMPARE(colours(1),
            (QList<Colour>{
                Colour::Hit, Colour::Hit, Colour::Hit, Colour::Window, Colour::Window, Colour::MegaballHit}));
        QCOMPARE(colours(2),
            (QList<Colour>{Colour::Hit, Colour::Hit, Colour::Hit, Colour::Hit, Colour::Window, Colour::Window}));
    }

    void historySearchCountsTheMegaballForRowOneOnly()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        TipCheckParts &w = f;
        w.charts()->DateTimePicker2->setDate(QDate(2015, 3, 1));
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        w.tipSheet()->setRowTexts(1, {"1", "2", "3", "4", "70", "6", ""});
        w.tipSheet()->setRowTexts(2, {"1", "2", "3", "4", "70", "6", ""});
        QSignalSpy finished(w.tipCheck(), &TipCheckController::searchFinished);
        f.dialogs.inputs = {QStringLiteral("5")};
        f.dialogs.answers = {true};
        w.tipCheck()->historySearch();
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.dialogs.questions.first().contains(QStringLiteral("Ein Treffer gefunden am:")));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(w.tipCheck()->searchTotals()[0], 4);
        QCOMPARE(w.tipCheck()->searchTotals()[1], 4);

        w.generation()->checkBox(31)->setChecked(false);
        f.dialogs.inputs = {QStringLiteral("5")};
        f.dialogs.questions.clear();
        w.tipCheck()->historySearch();
        QVERIFY(f.dialogs.questions.isEmpty());
        QVERIFY(f.dialogs.inputPrompts.last().endsWith(QStringLiteral("|5")));
    }

    void historySearchHighlightsThreeHitsOrAMegaball()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        TipCheckParts &w = f;
        w.charts()->DateTimePicker2->setDate(QDate(2015, 3, 1));
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"1", "2", "10", "11", "12", "9", ""}); // 2 hits
        sheet->setRowTexts(2, {"1", "2", "3", "20", "21", "9", ""}); // 3 hits
        sheet->setRowTexts(3, {"1", "2", "20", "21", "22", "6", ""}); // 2 hits and the Megaball
        sheet->setRowTexts(4, {"20", "21", "22", "23", "24", "6", ""}); // the Megaball alone
        f.dialogs.inputs = {QStringLiteral("6")};
        w.tipCheck()->historySearch();
        const auto red
            = [&](int row) { return sheet->hitLabel(row)->palette().color(QPalette::WindowText) == QColor(255, 0, 0); };
        QCOMPARE(sheet->hitLabel(1)->text(), QStringLiteral("2"));
        QVERIFY(!red(1));
        QCOMPARE(sheet->hitLabel(2)->text(), QStringLiteral("3"));
        QVERIFY(red(2));
        QCOMPARE(sheet->hitLabel(3)->text(), QStringLiteral("2 + MB"));
        QVERIFY(red(3));
        QCOMPARE(sheet->hitLabel(4)->text(), QStringLiteral("0 + MB"));
        QVERIFY(red(4));
    }

    void historySearchInputProblems()
    {
        TipCheckParts f;
        f.useHistory(TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        TipCheckParts &w = f;
        w.charts()->DateTimePicker2->setDate(QDate(2016, 1, 1)); // a range without draws
        w.database()->DateTimePicker1->setDate(QDate(2016, 2, 1));
        w.tipSheet()->setRowTexts(1, {"1", "2", "3", "4", "5", "6", ""});
        f.dialogs.inputs = {QStringLiteral("drei")};
        w.tipCheck()->historySearch();
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("'drei' ist kein gültiger Integer-Wert")});
        f.dialogs.inputs = {QStringLiteral("1")};
        w.tipCheck()->historySearch();
        QVERIFY(f.dialogs.questions.isEmpty());
        QVERIFY(w.tipSheet()->hitLabel(1)->text().isEmpty());
    }
};

QTEST_MAIN(TipCheckControllerTest)
#include "tip_check_controller_gui_test.moc"
