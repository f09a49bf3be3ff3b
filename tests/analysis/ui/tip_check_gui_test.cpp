// The tip check in the whole window: a field left evaluates the sheet, the draw shown at
// start and for a missing store, and the history search on the real history. The rest
// of the tip check is tested on the controller alone (tip_check_controller_gui_test).
#include "app/clock.h"
#include "draws/ui/database_page.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class TipCheckTest : public QObject {
    Q_OBJECT

    static void showDraw(MainWindow &w, QDate date)
    {
        w.database()->DateTimePicker1->setDate(date);
        click(w.database()->SpeedButton5);
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void leavingAFieldEvaluatesOnlyWhenEnabled()
    {
        WindowFixture f;
        f.useHistory(TestData::draws({"2017-10-24 7 12 45 50 60 10 3"}));
        MainWindow &w = f.create();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        showDraw(w, QDate(2017, 10, 24));
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"60", "50", "45", "12", "7", "", ""});
        w.shownDraw().setEvaluationEnabled(false);
        sheet->field(1, 0)->setFocus();
        sheet->field(2, 0)->setFocus();
        QVERIFY(sheet->hitLabel(1)->text().isEmpty());
        w.shownDraw().setEvaluationEnabled(true);
        sheet->field(1, 0)->setFocus();
        sheet->field(2, 0)->setFocus();
        QCOMPARE(sheet->hitLabel(1)->text(), QStringLiteral("5"));
        QCOMPARE(sheet->field(1, 0)->text(), QStringLiteral("7"));
    }

    void missingStoreIsReportedAndCreated()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.afterCreation();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")});
        QVERIFY(QFileInfo::exists(f.storePath()));
        QCOMPARE(QFileInfo(f.storePath()).size(), qint64(0));
        click(w.database()->SpeedButton5); // an empty store: nothing shown, the picker at its minimum
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(w.database()->DateTimePicker1->date(), QDate(2000, 5, 17));
    }

    void firstStartShowsTheNewestBundledDraw()
    {
        WindowFixture f;
        f.useBundledHistory();
        f.settings->writeString(QStringLiteral("Edit1"), QStringLiteral("17"));
        f.settings->writeString(QStringLiteral("Edit2"), QStringLiteral("27"));
        f.settings->writeString(QStringLiteral("Edit3"), QStringLiteral("41"));
        f.settings->writeString(QStringLiteral("Edit4"), QStringLiteral("1"));
        f.settings->writeString(QStringLiteral("Edit5"), QStringLiteral("2"));
        f.settings->writeString(QStringLiteral("Edit6"), QStringLiteral("13"));
        MainWindow &w = f.create();
        w.afterCreation();
        QCOMPARE(w.database()->Label29->text(), QStringLiteral("Fr 27.10.17    17  27  41  51  52   MB: 13 MP: 5"));
        QCOMPARE(w.tipSheet()->drawLabel()->text(), w.database()->Label29->text());
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("3 + MB"));
        QCOMPARE(w.tipSheet()->fieldColour(1, 3), TipSheetPage::FieldColour::Hit); // sorted: 1 2 17 27 41
    }

    void historySearchFindsAKnownDrawOfTheRealHistory()
    {
        WindowFixture f;
        f.useBundledHistory();
        MainWindow &w = f.create();
        w.afterCreation();
        w.tipSheet()->setRowTexts(1, {"68", "42", "33", "29", "12", "14", ""}); // the draw of 24.02.2017
        f.dialogs.inputs = {QStringLiteral("5")};
        f.dialogs.answers = {false};
        click(w.tipSheet()->searchButton());
        QCOMPARE(f.dialogs.questions,
            QStringList{QStringLiteral("Ziehung gefunden|Ein Treffer gefunden am:  24.02.2017 . Weiter?")});
    }
};

QTEST_MAIN(TipCheckTest)
#include "tip_check_gui_test.moc"
