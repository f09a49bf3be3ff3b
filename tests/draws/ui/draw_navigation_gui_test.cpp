// The Datenbank page: stepping through the draws, deleting the shown draw and entering
// a draw by hand.
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "app/message_table.h"
#include "draws/draw_store.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_controller.h"
#include "draws/ui/draw_entry_dialog.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class DrawNavigationTest : public QObject {
    Q_OBJECT

    static std::vector<Draw> threeDraws()
    {
        return TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 7 8 9 10 11 12 3", "2015-03-10 1 2 3 4 6 6 2"});
    }
    static std::vector<Draw> stored(WindowFixture &f) { return DrawStore(f.storePath()).readAll().value(); }

    // Fills the entry dialog once it is open and confirms or aborts it.
    static void answerEntryDialog(WindowFixture &f, const Draw &draw, bool confirm, Draw *proposed = nullptr)
    {
        f.dialogs.dialogAnswers.push_back([=](QDialog &shown) {
            auto *dialog = qobject_cast<DrawEntryDialog *>(&shown);
            QVERIFY(dialog);
            if (proposed)
                *proposed = dialog->draw();
            dialog->DateTimePicker1->setDate(draw.date);
            for (size_t i = 0; i < 5; ++i)
                dialog->mainNumbers[i]->setValue(draw.numbers[i]);
            dialog->UpDown7->setValue(draw.megaball);
            dialog->UpDown8->setValue(draw.megaplier);
            (confirm ? dialog->BitBtn2 : dialog->BitBtn1)->click();
        });
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void previousAndNextStopAtTheEnds()
    {
        WindowFixture f;
        f.useHistory(threeDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        DatabasePage *page = w.database();
        QCOMPARE(w.shownDraw().index(), 2);
        click(page->SpeedButton7);
        QCOMPARE(w.shownDraw().index(), 2);
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 10));
        click(page->SpeedButton6);
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 6));
        QCOMPARE(page->DateTimePicker1->date(), QDate(2015, 3, 6));
        QCOMPARE(page->Label29->text(), QStringLiteral("Fr 06.03.15    7  8  9  10  11   MB: 12 MP: 3"));
        QCOMPARE(page->Label13->text(), QStringLiteral("Quersumme: 45"));
        QCOMPARE(w.tipSheet()->drawLabel()->text(), page->Label29->text());
        click(page->SpeedButton6);
        click(page->SpeedButton6);
        QCOMPARE(w.shownDraw().index(), 0);
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 3));
        QCOMPARE(w.shownDraw().selectedDate(), w.charts() ? QDate(2013, 10, 22) : QDate());
    }

    void navigationEvaluatesTheSheet()
    {
        WindowFixture f;
        f.useHistory(threeDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        w.tipSheet()->setRowTexts(1, {"7", "8", "9", "10", "11", "12", ""});
        click(w.database()->SpeedButton6);
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("5 + MB"));
        click(w.database()->SpeedButton7);
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("0"));
    }

    void deleteRemovesTheShownDrawAndShowsTheNext()
    {
        WindowFixture f;
        auto draws = threeDraws();
        draws.insert(draws.begin() + 2, TestData::draw("2015-03-06 7 8 9 10 13 12 3"));
        f.useHistory(draws);
        MainWindow &w = f.create();
        w.afterCreation();
        click(w.database()->SpeedButton6);
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 6));

        // No keeps the draw; the question names it.
        f.dialogs.answers = {false};
        click(w.database()->BitBtn6);
        QCOMPARE(f.dialogs.questions,
            QStringList{QStringLiteral(
                "Ziehung löschen|Soll die Ziehung vom 06.03.2015 (7 8 9 10 13, MB 12) wirklich gelöscht werden?")});
        QCOMPARE(stored(f), draws);
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 6));

        f.dialogs.answers = {true};
        click(w.database()->BitBtn6);
        const auto left = stored(f);
        QCOMPARE(left.size(), size_t(2));
        QCOMPARE(left[0].date, QDate(2015, 3, 3));
        QCOMPARE(left[1].date, QDate(2015, 3, 10));
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 10));
    }

    void manualEntry_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("between two") << "2015-03-05 40 3 75 12 8 7 5"
                                     << QStringList{"2015-03-03", "2015-03-05", "2015-03-06", "2015-03-10"};
        QTest::newRow("same date replaces")
            << "2015-03-06 40 3 75 12 8 7 5" << QStringList{"2015-03-03", "2015-03-06", "2015-03-10"};
        QTest::newRow("after all appends")
            << "2015-03-13 40 3 75 12 8 7 5" << QStringList{"2015-03-03", "2015-03-06", "2015-03-10", "2015-03-13"};
    }
    void manualEntry()
    {
        QFETCH(QString, entered);
        QFETCH(QStringList, expected);
        WindowFixture f;
        f.useHistory(threeDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        click(w.database()->SpeedButton6); // 06.03.2015 shown
        Draw proposed;
        const Draw draw = TestData::draw(qPrintable(entered));
        answerEntryDialog(f, draw, true, &proposed);
        click(w.database()->BitBtn8);

        QCOMPARE(proposed, threeDraws()[1]); // the dialog opened with the draw of the picker's date
        QStringList dates;
        Draw saved;
        for (const Draw &d : stored(f)) {
            dates.append(d.date.toString(Qt::ISODate));
            if (d.date == draw.date)
                saved = d;
        }
        QCOMPARE(dates, expected);
        QCOMPARE(saved.numbers, (std::array<std::uint8_t, 5>{3, 8, 12, 40, 75}));
        QCOMPARE(saved.megaplier, std::uint8_t(5));
        // The window then shows the draw of the date the dialog started from.
        QCOMPARE(w.database()->DateTimePicker1->date(), QDate(2015, 3, 6));
    }

    void manualEntryAbortWritesNothing()
    {
        WindowFixture f;
        f.useHistory(threeDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        answerEntryDialog(f, TestData::draw("2015-03-13 1 2 3 4 5 6 1"), false);
        click(w.database()->BitBtn8);
        QCOMPARE(stored(f), threeDraws());
    }

    void entryDialogRefusesRepeatedNumbers()
    {
        const MessageTable messages;
        DrawEntryDialog dialog(messages);
        dialog.setDraw(TestData::draw("2015-03-13 1 2 3 4 5 6 5"));
        QVERIFY(dialog.BitBtn2->isEnabled());
        QCOMPARE(dialog.UpDown8->maximum(), 5);
        dialog.mainNumbers[4]->setValue(1);
        QVERIFY(!dialog.BitBtn2->isEnabled());
    }

    void missingStoreIsAnError()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        click(w.database()->SpeedButton7);
        click(w.database()->BitBtn8);
        QCOMPARE(f.dialogs.errors.size(), 2);
        QVERIFY(f.dialogs.errors.first().contains(QStringLiteral("Devudirurero.dat")));
    }

    void exportAsText()
    {
        WindowFixture f;
        f.useHistory(threeDraws());
        MainWindow &w = f.create();
        const QString target = f.directory.filePath(QStringLiteral("out.txt"));
        f.dialogs.fileNames = {target};
        click(w.database()->BitBtn3);
        QCOMPARE(f.dialogs.fileDialogs.front().fileName, QStringLiteral("Zahlen.txt"));
        QCOMPARE(f.dialogs.fileDialogs.front().filter, QStringLiteral("Textdatei|*.txt"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().left(25), QByteArray("20150303;1;2;3;4;5;6;2;\r\n"));
    }
};

QTEST_MAIN(DrawNavigationTest)
#include "draw_navigation_gui_test.moc"
