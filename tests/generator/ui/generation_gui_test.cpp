// "Tipps berechnen" in the main window on the bundled history: repeatable rows (also
// against the command-line tool), the options the run loosens and puts back, the stop
// button, options changed during a run, the preferred-number list with its files and the
// lucky number.
#include "analysis/ui/chart_page.h"
#include "app/clock.h"
#include "cli_runner.h"
#include "draws/ui/database_page.h"
#include "generator/ui/generation_controller.h"
#include "generator/ui/generation_page.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/status_panels.h"
#include "ui/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
const QString StartCaption = QStringLiteral("Tipps berechnen");
const QString StopCaption = QStringLiteral("Stoppen");
const QString Done = QStringLiteral("Tipps wurden neu berechnet");
// The budget message counts the rows asked for; for all twelve it is the table's entry.
const QString BudgetUsedUp = QStringLiteral("Ändern Sie die Parameter, um 5 Tipps zu berechnen");
const QString BudgetUsedUpForTwelve = QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen");

// The twelve rows as the command-line tool prints them.
QStringList sheetLines(const TipSheetPage *sheet)
{
    QStringList lines;
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        QStringList fields;
        for (int slot = 0; slot <= TipRows::MegaballSlot; ++slot) {
            const QString text = sheet->field(row, slot)->text();
            fields << (text.isEmpty() ? QStringLiteral("-") : text);
        }
        lines << QString::number(row) + QStringLiteral(": ") + fields.join(QLatin1Char(' '));
    }
    return lines;
}

bool rowEmpty(const TipSheetPage *sheet, int row)
{
    return sheet->rowTexts(row) == TipRowTexts{};
}

// Five odd numbers add up to 25 at least, above a sum of 24: every candidate fails,
// though no two options exclude each other on their own.
void makeImpossible(GenerationPage *options, int thousands)
{
    options->checkBox(26)->setChecked(true);
    options->upDown(16)->setValue(5);
    options->upDown(1)->setValue(21);
    options->upDown(2)->setValue(24);
    options->upDown(7)->setValue(thousands);
}

void enterLuckyNumber(WindowFixture &f, const QString &number)
{
    f.dialogs.inputs.push_back(number);
    click(f.window().tipSheet()->luckyNumberButton());
}

// Runs `action` once the modal dialog is open, then closes it with `button`.
void whenDialogOpens(
    FakeDialogs &dialogs, NumberChoiceDialog *dialog, std::function<void()> action, QPushButton *button)
{
    dialogs.dialogAnswers.push_back([dialog, action = std::move(action), button](QDialog &shown) {
        if (&shown != dialog || !dialog->isVisible())
            qFatal("the number dialog did not open");
        action();
        button->click();
    });
}
} // namespace

class GenerationWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;

    MainWindow &window() { return m_fixture->window(); }
    TipSheetPage *sheet() { return window().tipSheet(); }
    GenerationPage *options() { return window().generation(); }
    void generate() { click(sheet()->generateButton()); }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void init()
    {
        m_fixture = std::make_unique<WindowFixture>();
        m_fixture->useBundledHistory();
        m_fixture->create();
    }
    void cleanup() { m_fixture.reset(); }

    void sameLuckyNumberSameRowsAsTheCli()
    {
        enterLuckyNumber(*m_fixture, QStringLiteral("77"));
        QCOMPARE(window().statusText(1), QStringLiteral("Glückszahl 77 gesetzt"));
        window().pageControl()->setCurrentIndex(3);
        generate();
        const QStringList first = sheetLines(sheet());

        QCOMPARE(window().statusText(1), Done);
        QCOMPARE(sheet()->generateButton()->text(), StartCaption);
        QVERIFY(window().shownDraw().evaluationEnabled());
        QVERIFY(!window().gate().isActive(CommandGate::Activity::Generation));
        QCOMPARE(window().database()->DateTimePicker1->date(), QDate(2017, 10, 27));
        QCOMPARE(window().shownDraw().draw().date, QDate(2017, 10, 27));
        QCOMPARE(window().pageControl()->currentIndex(), 0); // the tip page
        for (int row = 1; row <= 12; ++row) {
            QCOMPARE(rowEmpty(sheet(), row), row > 5);
            QCOMPARE(sheet()->hitLabel(row)->text().isEmpty(), row > 5); // evaluated
        }
        QCOMPARE(sheet()->sumLabel(6)->text(), QStringLiteral("0"));

        enterLuckyNumber(*m_fixture, QStringLiteral("77"));
        window().menuAction(QStringLiteral("Berechnen1"))->trigger();
        QCOMPARE(sheetLines(sheet()), first);
        enterLuckyNumber(*m_fixture, QStringLiteral("78"));
        generate();
        QVERIFY(sheetLines(sheet()) != first);

        const CliRun cli = runCli({QStringLiteral("--dir"), m_fixture->directory.path(), QStringLiteral("generate"),
            QStringLiteral("--seed"), QStringLiteral("77"), QStringLiteral("--defaults"), QStringLiteral("--end"),
            QStringLiteral("2017-10-31"), QStringLiteral("--from"), QStringLiteral("2013-10-22")});
        QCOMPARE(cli.exitCode, 0);
        QCOMPARE(cli.outLines().mid(0, 12), first);
        QCOMPARE(cli.outLines().value(12), QStringLiteral("status: ") + Done);
    }

    void loosenedOptionsShowDuringTheRunAndComeBack()
    {
        makeImpossible(options(), 30);
        sheet()->rowCountSpin()->setValue(12);
        options()->checkBox(8)->setChecked(true);
        sheet()->setRowTexts(1, {"3", "14", "25", "36", "47", "5", ""});
        sheet()->setRowTexts(2, {"40", "41", "60", "70", "75", "", ""});
        sheet()->setLocked(1, true);
        sheet()->setLocked(2, true);
        QStringList seen;
        const auto record = [&](const QString &name, int value) {
            seen << QStringLiteral("%1=%2 %3").arg(name).arg(value).arg(sheet()->generateButton()->text());
        };
        for (int n : {4, 5, 6})
            connect(options()->upDown(n), &QSpinBox::valueChanged, this,
                [=](int value) { record(QStringLiteral("UpDown%1").arg(n), value); });
        connect(options()->checkBox(8), &QCheckBox::toggled, this,
            [=](bool on) { record(QStringLiteral("CheckBox8"), on); });
        generate();

        QCOMPARE(seen,
            (QStringList{"UpDown6=6 Stoppen", "CheckBox8=0 Stoppen", "UpDown5=2 Stoppen", "UpDown4=1 Stoppen",
                "UpDown5=3 Stoppen", "UpDown4=2 Stoppen", "CheckBox8=1 Stoppen", "UpDown4=0 Stoppen",
                "UpDown5=0 Stoppen", "UpDown6=4 Stoppen"}));
        QVERIFY(options()->checkBox(8)->isChecked());
        QCOMPARE(options()->upDown(6)->value(), 4);
        QCOMPARE(window().statusText(1), BudgetUsedUpForTwelve);
        QCOMPARE(window().generationControl()->lastOutcome().attempts, 30000);
        QCOMPARE(sheet()->rowTexts(1), (TipRowTexts{"3", "14", "25", "36", "47", "5", ""}));
        QCOMPARE(sheet()->rowTexts(2), (TipRowTexts{"40", "41", "60", "70", "75", "", ""}));
        for (int row = 3; row <= 12; ++row)
            QVERIFY(rowEmpty(sheet(), row));
    }

    void stopButtonEndsTheRun()
    {
        makeImpossible(options(), 30000); // thirty million attempts
        QString captionWhileRunning;
        QString captionAfterStop;
        QTimer::singleShot(30, this, [&] {
            captionWhileRunning = sheet()->generateButton()->text();
            generate();
            captionAfterStop = sheet()->generateButton()->text();
        });
        window().menuAction(QStringLiteral("Berechnen1"))->trigger();
        QCOMPARE(captionWhileRunning, StopCaption);
        QCOMPARE(captionAfterStop, StartCaption);
        QVERIFY(window().generationControl()->lastOutcome().attempts < 30000000);
        // Not "Tipps wurden neu berechnet": the rows were left empty.
        QCOMPARE(window().statusText(1), QStringLiteral("Berechnung gestoppt: nicht berechnete Reihen bleiben leer"));
        QVERIFY(rowEmpty(sheet(), 1));
        QVERIFY(!window().generationControl()->isRunning());
        QVERIFY(window().shownDraw().evaluationEnabled());
    }

    void optionsChangedDuringTheRunCount()
    {
        makeImpossible(options(), 30000);
        QTimer::singleShot(30, this, [&] { options()->upDown(2)->setValue(200); });
        generate();
        QCOMPARE(window().statusText(1), Done);
        QVERIFY(window().generationControl()->lastOutcome().attempts < 30000000);
        for (int row = 1; row <= 5; ++row)
            QVERIFY(!rowEmpty(sheet(), row));
        QCOMPARE(options()->upDown(2)->value(), 200); // not one of the four put back
    }

    void preferredList_data()
    {
        QTest::addColumn<QString>("button"); // BitBtn1 OK, BitBtn3 "&Rechnen", BitBtn2 abort
        QTest::newRow("OK keeps the pool") << "BitBtn1";
        QTest::newRow("Rechnen rebuilds it") << "BitBtn3";
        QTest::newRow("abort") << "BitBtn2";
    }
    void preferredList()
    {
        QFETCH(QString, button);
        options()->checkBox(20)->setChecked(true);
        sheet()->setRowTexts(7, {"1", "2", "3", "4", "5", "6", ""});
        NumberChoiceDialog *dialog = window().numberDialog();
        QStringList shown;
        whenDialogOpens(
            m_fixture->dialogs, dialog,
            [&] {
                // With the defaults the numbers of the three reference draws are out of the
                // pool; 1 stands there twice.
                for (int n : {17, 27, 41, 20, 6, 1, 2})
                    shown << QStringLiteral("%1:%2%3").arg(n).arg(
                        dialog->box(n)->isChecked() ? "+" : "-", dialog->box(n)->toolTip());
                for (int n = 1; n <= 75; ++n) {
                    dialog->box(n)->setChecked(n >= 11 && n <= 30);
                    dialog->box(n)->setToolTip(QStringLiteral("1"));
                }
                dialog->box(12)->setToolTip(QStringLiteral("x"));
            },
            dialog->components().get<QPushButton>(button));
        generate();

        QCOMPARE(shown, (QStringList{"17:-0", "27:-0", "41:-0", "20:-0", "6:-0", "1:+2", "2:+1"}));
        QCOMPARE(sheet()->generateButton()->text(), StartCaption);
        QVERIFY(window().shownDraw().evaluationEnabled());
        QVERIFY(!window().gate().isActive(CommandGate::Activity::Generation));
        QVERIFY(rowEmpty(sheet(), 7)); // cleared before the list, in every case
        if (button == QLatin1String("BitBtn2")) {
            QVERIFY(window().statusText(1) != Done && window().statusText(1) != BudgetUsedUp);
            for (int row = 1; row <= 12; ++row)
                QVERIFY(rowEmpty(sheet(), row));
            return;
        }
        QCOMPARE(window().statusText(1), Done);
        bool outside = false;
        for (int row = 1; row <= 5; ++row)
            for (int slot = 0; slot < 5; ++slot) {
                const int n = sheet()->field(row, slot)->text().toInt();
                outside = outside || n < 11 || n > 30;
            }
        QCOMPARE(outside, button == QLatin1String("BitBtn1"));
        if (button == QLatin1String("BitBtn3"))
            QCOMPARE(window().statusText(0), QStringLiteral("Gewichtung keine ganze Zahl, als 0 gerechnet bei: 12"));
    }

    void valueListSaveAndLoad()
    {
        NumberChoiceDialog *dialog = window().numberDialog();
        for (int n = 1; n <= 75; ++n) {
            dialog->box(n)->setChecked(n <= 3);
            dialog->box(n)->setToolTip(QString::number(n * 2));
        }
        dialog->box(2)->setToolTip(QString());
        const QString path = m_fixture->directory.filePath(QStringLiteral("liste.hlw"));
        m_fixture->dialogs.fileNames.push_back(path);
        click(dialog->SpeedButton1);
        const FileDialogOptions &asked = m_fixture->dialogs.fileDialogs.back();
        QCOMPARE(asked.filter, QStringLiteral("Werteliste|*.hlw"));
        QCOMPARE(asked.defaultSuffix, QStringLiteral("hlw"));
        QCOMPARE(asked.fileName, QStringLiteral("20171031.hlw"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("2\r\n1\r\n6\r\n") + QByteArray("\r\n").repeated(72));
        QCOMPARE(dialog->box(2)->toolTip(), QStringLiteral("1"));
        file.close();

        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("5\r\n\r\n7\r\n");
        file.close();
        for (int n = 1; n <= 75; ++n)
            dialog->box(n)->setChecked(true);
        m_fixture->dialogs.fileNames.push_back(path);
        click(dialog->SpeedButton2);
        QCOMPARE(dialog->checkedNumbers(), (std::vector<int>{1, 3}));
        QCOMPARE(dialog->box(3)->toolTip(), QStringLiteral("7"));
        QCOMPARE(dialog->box(40)->toolTip(), QStringLiteral("1"));

        click(dialog->SpeedButton2); // cancelled: nothing changes
        QCOMPARE(dialog->checkedNumbers(), (std::vector<int>{1, 3}));
        QVERIFY(m_fixture->dialogs.errors.isEmpty());
    }

    void luckyNumber_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("status"); // empty: refused with a message
        QTest::newRow("77") << std::optional<QString>(QStringLiteral("77")) << "Glückszahl 77 gesetzt";
        QTest::newRow("-5, outside the range asked for") << std::optional<QString>(QStringLiteral("-5")) << "";
        QTest::newRow("abc") << std::optional<QString>(QStringLiteral("abc")) << "";
        QTest::newRow("cancelled: the proposal") << std::optional<QString>() << "proposal";
    }
    void luckyNumber()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, status);
        RandomSource &random = m_fixture->random;
        random.setState(1234);
        RandomSource copy(1234);
        const QString proposal = QString::number(copy.below(99999));
        window().status().setText(1, QStringLiteral("vorher"));
        m_fixture->dialogs.inputs.push_back(answer);
        const qsizetype messagesBefore = m_fixture->dialogs.messages.size();
        click(sheet()->luckyNumberButton());
        QCOMPARE(m_fixture->dialogs.inputPrompts.last(),
            QStringLiteral("Ihre Glückszahl (1-99999999)?|Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!|")
                + proposal);
        if (status.isEmpty()) {
            QCOMPARE(window().statusText(1), QStringLiteral("vorher"));
            QCOMPARE(m_fixture->dialogs.messages.size(), messagesBefore + 1);
            QCOMPARE(m_fixture->dialogs.messages.last(), QStringLiteral("Fehler bei Eingabe der ZufallsZahl"));
            QVERIFY(random.state() != copy.state());
        } else if (status == QLatin1String("proposal")) {
            QCOMPARE(window().statusText(1), QStringLiteral("Glückszahl %1 gesetzt").arg(proposal));
            QCOMPARE(random.state(), proposal.toUInt());
        } else {
            QCOMPARE(window().statusText(1), status);
            QCOMPARE(random.state(), quint32(77));
            QCOMPARE(m_fixture->dialogs.messages.size(), messagesBefore);
        }
    }
};

QTEST_MAIN(GenerationWindowTest)
#include "generation_gui_test.moc"
