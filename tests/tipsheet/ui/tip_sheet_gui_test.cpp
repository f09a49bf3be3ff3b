// The tip sheet: validation of typed numbers, locks, clearing, and the per-row picker
// with its random button.
#include "app/clock.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_picker_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <set>

class TipSheetTest : public QObject {
    Q_OBJECT

    // Runs `action` once the modal dialog is open, then closes it with `button`.
    static void whenDialogOpens(
        FakeDialogs &dialogs, NumberChoiceDialog *dialog, std::function<void()> action, QPushButton *button)
    {
        dialogs.dialogAnswers.push_back([dialog, action = std::move(action), button](QDialog &shown) {
            if (&shown != dialog || !dialog->isVisible())
                qFatal("the number dialog did not open");
            action();
            button->click();
        });
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void validation_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("0") << 0 << "0"
                           << "";
        QTest::newRow("76") << 0 << "76"
                            << "";
        QTest::newRow("-3") << 0 << "-3"
                            << "";
        QTest::newRow("x") << 0 << "x"
                           << "";
        QTest::newRow("75") << 0 << "75"
                            << "75";
        QTest::newRow("007") << 0 << "007"
                             << "7";
        QTest::newRow("huge") << 2 << "99999999999"
                              << "";
        QTest::newRow("Megaball 16") << 5 << "16"
                                     << "";
        QTest::newRow("Megaball 15") << 5 << "15"
                                     << "15";
        QTest::newRow("extra 16") << 6 << "16"
                                  << "";
        QTest::newRow("extra 3") << 6 << "3"
                                 << "3";
    }
    void validation()
    {
        QFETCH(int, slot);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        WindowFixture f;
        MainWindow &w = f.create();
        QLineEdit *field = w.tipSheet()->field(4, slot);
        field->setText(typed); // pasted or written by code
        QCOMPARE(field->text(), kept);
    }

    void typingValidatesEveryKeystroke()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        QLineEdit *field = w.tipSheet()->field(1, 2);
        const std::pair<const char *, const char *> cases[]
            = {{"75", "75"}, {"76", ""}, {"0", ""}, {"x", ""}, {"7a", ""}};
        for (auto [typed, kept] : cases) {
            field->clear();
            QTest::keyClicks(field, QString::fromLatin1(typed));
            QCOMPARE(field->text(), QString::fromLatin1(kept));
        }
    }

    void aTypedRepeatIsRemoved()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"3", "12", "", "", "", "", ""});
        QTest::keyClicks(sheet->field(1, 2), QStringLiteral("12"));
        QCOMPARE(sheet->field(1, 2)->text(), QString()); // at once: no digit makes it another number
        QTest::keyClicks(sheet->field(1, 2), QStringLiteral("35"));
        QCOMPARE(sheet->field(1, 2)->text(), QStringLiteral("35")); // "3" on the way to 35 stays
        QTest::keyClicks(sheet->field(1, 3), QStringLiteral("3"));
        QCOMPARE(sheet->field(1, 3)->text(), QStringLiteral("3"));
        QFocusEvent left(QEvent::FocusOut);
        QApplication::sendEvent(sheet->field(1, 3), &left);
        QCOMPARE(sheet->rowTexts(1), (TipRowTexts{"3", "12", "35", "", "", "", ""}));
        // Written by code, a whole row keeps each number's first occurrence.
        QVERIFY(sheet->setRowTexts(2, {"5", "5", "7", "05", "9", "5", ""}));
        QCOMPARE(sheet->rowTexts(2), (TipRowTexts{"5", "", "7", "", "9", "5", ""}));
    }

    void lockLabelTogglesAndClearAllSparesLockedRows()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        TipSheetPage *sheet = w.tipSheet();
        for (int row = 1; row <= 12; ++row)
            sheet->setRowTexts(row, {"1", "2", "3", "4", QString::number(row + 4), "9", "2"});
        sheet->sumLabel(2)->setText(QStringLiteral("19"));
        sheet->setHitLabel(5, QStringLiteral("3"), true);
        sheet->setFieldColour(5, 0, TipSheetPage::FieldColour::Hit);

        QTest::mouseClick(sheet->lockLabel(2), Qt::LeftButton);
        QTest::mouseClick(sheet->lockLabel(5), Qt::LeftButton);
        QTest::mouseClick(sheet->lockLabel(7), Qt::LeftButton);
        QTest::mouseClick(sheet->lockLabel(7), Qt::LeftButton); // twice: unlocked again
        QVERIFY(sheet->isLocked(2));
        QVERIFY(sheet->isLocked(5));
        QVERIFY(!sheet->isLocked(7));
        QCOMPARE(sheet->lockLabel(2)->palette().color(QPalette::WindowText), QColor(255, 0, 0));

        click(sheet->clearButton());
        for (int row = 1; row <= 12; ++row) {
            const bool locked = row == 2 || row == 5;
            QCOMPARE(sheet->field(row, 0)->text().isEmpty(), !locked);
            QCOMPARE(sheet->field(row, 6)->text().isEmpty(), !locked);
        }
        QCOMPARE(sheet->sumLabel(2)->text(), QStringLiteral("19"));
        QCOMPARE(sheet->hitLabel(5)->text(), QStringLiteral("3"));
        QCOMPARE(sheet->fieldColour(5, 0), TipSheetPage::FieldColour::Hit);
    }

    void pickerWritesBackTheCheckedNumbers_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("before"); // the row's five main numbers, 0 for empty
        QTest::addColumn<QString>("megaball");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<QStringList>("after"); // the row's six visible fields afterwards
        QTest::newRow("same five, Megaball kept")
            << 1 << QList<int>{4, 9, 23, 51, 70} << "12" << QList<int>{4, 9, 23, 51, 70}
            << QStringList{"4", "9", "23", "51", "70", "12"};
        QTest::newRow("seven checked: five smallest")
            << 1 << QList<int>{0, 0, 0, 0, 0} << "3" << QList<int>{60, 2, 33, 71, 8, 15, 44}
            << QStringList{"2", "8", "15", "33", "44", "3"};
        QTest::newRow("row 7") << 7 << QList<int>{1, 2, 3, 4, 5} << "6" << QList<int>{10, 20, 30, 40, 50}
                               << QStringList{"10", "20", "30", "40", "50", "6"};
        QTest::newRow("three checked keep the rest") << 7 << QList<int>{1, 2, 3, 4, 5} << "6" << QList<int>{10, 20, 30}
                                                     << QStringList{"10", "20", "30", "4", "5", "6"};
        QTest::newRow("a kept number that repeats a pick goes")
            << 7 << QList<int>{1, 2, 3, 4, 5} << "6" << QList<int>{4, 5, 30}
            << QStringList{"4", "5", "30", "", "", "6"};
    }
    void pickerWritesBackTheCheckedNumbers()
    {
        QFETCH(int, row);
        QFETCH(QList<int>, before);
        QFETCH(QString, megaball);
        QFETCH(QList<int>, checked);
        QFETCH(QStringList, after);
        WindowFixture f;
        MainWindow &w = f.create();
        TipSheetPage *sheet = w.tipSheet();
        TipRowTexts texts;
        for (int i = 0; i < 5; ++i)
            texts[size_t(i)] = before[i] ? QString::number(before[i]) : QString();
        texts[5] = megaball;
        sheet->setRowTexts(row, texts);
        const TipRowTexts neighbour{"11", "12", "13", "14", "15", "5", ""};
        sheet->setRowTexts(row + 1, neighbour);

        NumberChoiceDialog *dialog = w.numberDialog();
        QStringList marked;
        whenDialogOpens(
            f.dialogs, dialog,
            [&] {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Zahlen für Tipp  %1").arg(row));
                QVERIFY(dialog->BitBtn4->isVisible());
                QVERIFY(!dialog->BitBtn3->isVisible());
                for (int n : dialog->checkedNumbers())
                    marked.append(QString::number(n));
                dialog->resetBoxes(75);
                for (int n : checked)
                    dialog->box(n)->setChecked(true);
            },
            dialog->BitBtn1);
        click(sheet->pickerButton(row));

        QStringList expectedMarks;
        for (int n : before)
            if (n)
                expectedMarks.append(QString::number(n));
        QCOMPARE(marked, expectedMarks);
        QStringList visible;
        for (int slot = 0; slot < 6; ++slot)
            visible.append(sheet->field(row, slot)->text());
        QCOMPARE(visible, after);
        QCOMPARE(sheet->rowTexts(row + 1), neighbour);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Zahlen für Berechnung wählen"));
        QVERIFY(dialog->BitBtn4->isHidden());
        QVERIFY(!dialog->BitBtn3->isHidden());
        QVERIFY(!dialog->isBoxHighlighted(checked.first()));
    }

    void pickerFillsAnEmptyMegaballFrom1To14()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        NumberChoiceDialog *dialog = w.numberDialog();
        QSet<int> seen;
        for (int attempt = 0; attempt < 60; ++attempt) {
            w.tipSheet()->setRowTexts(1, {"4", "9", "23", "51", "70", "", ""});
            whenDialogOpens(
                f.dialogs, dialog, [] {}, dialog->BitBtn1);
            click(w.tipSheet()->pickerButton(1));
            const int megaball = w.tipSheet()->field(1, 5)->text().toInt();
            QVERIFY(megaball >= 1 && megaball <= 14);
            seen.insert(megaball);
            QCOMPARE(w.tipSheet()->field(1, 0)->text(), QStringLiteral("4"));
        }
        QVERIFY(seen.size() > 5);
    }

    void abortWritesNothing()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.tipSheet()->setRowTexts(3, {"4", "9", "23", "51", "70", "", ""});
        NumberChoiceDialog *dialog = w.numberDialog();
        whenDialogOpens(
            f.dialogs, dialog, [dialog] { dialog->box(1)->setChecked(true); }, dialog->BitBtn2);
        click(w.tipSheet()->pickerButton(3));
        QCOMPARE(w.tipSheet()->rowTexts(3), (TipRowTexts{"4", "9", "23", "51", "70", "", ""}));
    }

    void pickerStopsAtFiveBoxes()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.tipSheet()->setRowTexts(2, {"", "", "", "", "", "9", ""});
        NumberChoiceDialog *dialog = w.numberDialog();
        bool sixthRefused = false;
        bool freedAgain = false;
        whenDialogOpens(
            f.dialogs, dialog,
            [&] {
                for (int number : {1, 2, 3, 4, 5})
                    dialog->box(number)->click();
                dialog->box(6)->click(); // the user's sixth tick
                sixthRefused = !dialog->box(6)->isChecked() && !dialog->box(6)->isEnabled();
                dialog->box(3)->click(); // one off: every box can be ticked again
                freedAgain = dialog->box(6)->isEnabled() && dialog->box(70)->isEnabled();
                dialog->box(6)->click();
            },
            dialog->BitBtn1);
        click(w.tipSheet()->pickerButton(2));
        QVERIFY(sixthRefused);
        QVERIFY(freedAgain);
        QCOMPARE(w.tipSheet()->rowTexts(2), (TipRowTexts{"1", "2", "4", "5", "6", "9", ""}));
        // The list of preferred numbers knows no such limit.
        for (int number = 1; number <= NumberChoiceDialog::BoxCount; ++number)
            QVERIFY(dialog->box(number)->isEnabled());
    }

    void randomButtonFreezesOnePositionPerClick()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        NumberChoiceDialog *dialog = w.numberDialog();
        dialog->beginPickMode(QStringLiteral("Zufall"), QStringLiteral("Stop"), 5, 75);
        dialog->resetBoxes(75);
        dialog->box(3)->setChecked(true);

        dialog->randomButtonClicked(); // starts: all boxes cleared
        QVERIFY(dialog->isRandomRunning());
        QVERIFY(dialog->checkedNumbers().empty());
        dialog->timerTick();
        QCOMPARE(dialog->BitBtn4->text(), QStringLiteral("1 Stop"));
        QCOMPARE(dialog->checkedNumbers().size(), size_t(5));

        std::vector<int> frozen;
        for (int click = 1; click <= 5; ++click) {
            const std::vector<int> shownBefore = dialog->checkedNumbers();
            dialog->randomButtonClicked();
            frozen = dialog->frozenNumbers();
            QCOMPARE(frozen.size(), size_t(click));
            // The frozen number is one of those the user saw.
            QVERIFY(std::find(shownBefore.begin(), shownBefore.end(), frozen.back()) != shownBefore.end());
            if (click < 5) {
                QVERIFY(dialog->isRandomRunning());
                dialog->timerTick();
                QCOMPARE(dialog->BitBtn4->text(), QStringLiteral("%1 Stop").arg(click + 1));
                for (int n : frozen) // frozen numbers stay checked on every tick
                    QVERIFY(dialog->box(n)->isChecked());
            }
        }
        QVERIFY(!dialog->isRandomRunning());
        QCOMPARE(dialog->BitBtn4->text(), QStringLiteral("Zufall"));
        std::vector<int> sorted = frozen;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(dialog->checkedNumbers(), sorted);
        QCOMPARE(std::set<int>(frozen.begin(), frozen.end()).size(), size_t(5));
        dialog->endPickMode(QStringLiteral("Zahlen für Berechnung wählen"));
    }

    void closingTheDialogStopsTheRandomDraw()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        NumberChoiceDialog *dialog = w.numberDialog();
        whenDialogOpens(
            f.dialogs, dialog,
            [dialog] {
                dialog->BitBtn4->click();
                dialog->timerTick();
                dialog->BitBtn4->click(); // freeze one
            },
            dialog->BitBtn2);
        click(w.tipSheet()->pickerButton(1));
        QVERIFY(!dialog->isRandomRunning());
        QVERIFY(!dialog->Timer1->isActive());
    }
};

QTEST_MAIN(TipSheetTest)
#include "tip_sheet_gui_test.moc"
