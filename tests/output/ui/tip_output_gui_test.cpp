// Tip files and the printable list from the window: the shared save and open dialogs
// with their borrowed filter, the proposed name, loading over locked rows followed by
// the evaluation, and "Tipp.txt" handed to the desktop.
#include "app/clock.h"
#include "app/message_table.h"
#include "draws/ui/database_page.h"
#include "output/ui/tip_output_controller.h"
#include "test_data.h"
#include "tipsheet/tip_file.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTest>
#include <QToolButton>

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const DialogFilter textDialog{QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt")};
} // namespace

class TipOutputTest : public QObject {
    Q_OBJECT

    static std::vector<Draw> twoDraws()
    {
        return TestData::draws({"2015-03-10 1 2 3 4 5 6 2", "2017-10-27 17 27 41 51 52 13 5"});
    }
    static void fillRowsOneAndThree(TipSheetPage *sheet)
    {
        sheet->setRowTexts(1, {"5", "12", "23", "34", "45", "10", ""});
        sheet->setRowTexts(3, {"1", "2", "7", "33", "75", "15", ""});
    }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void saveProposesTheDatedNameAndWritesTheRows_data()
    {
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("Tuesday: plus 3") << QDate(2015, 3, 10) << "20150313.hlt";
        QTest::newRow("Friday: plus 4") << QDate(2015, 3, 13) << "20150317.hlt";
        QTest::newRow("Wednesday: plus 4") << QDate(2015, 3, 11) << "20150315.hlt";
    }
    void saveProposesTheDatedNameAndWritesTheRows()
    {
        QFETCH(QDate, endDate);
        QFETCH(QString, proposed);
        WindowFixture f;
        MainWindow &w = f.create();
        w.database()->DateTimePicker1->setDate(endDate);
        fillRowsOneAndThree(w.tipSheet());
        const QString target = f.directory.filePath(QStringLiteral("mine.hlt"));
        f.dialogs.fileNames.push_back(target);
        click(w.tipSheet()->saveButton());

        QCOMPARE(f.dialogs.fileDialogs.size(), size_t(1));
        const FileDialogOptions &shown = f.dialogs.fileDialogs.front();
        QCOMPARE(shown.folder, w.programDirectory().path());
        QCOMPARE(shown.fileName, proposed);
        QCOMPARE(shown.filter, QStringLiteral("Tippdatei|*.hlt"));
        QCOMPARE(shown.defaultSuffix, QStringLiteral("hlt"));
        QCOMPARE(readAll(target), QByteArray("5,12,23,34,45,10,\r\n1,2,7,33,75,15,\r\n"));
        QVERIFY(f.dialogs.errors.isEmpty());
        QCOMPARE(w.fileDialogs().save.filter, textDialog);
        QCOMPARE(w.fileDialogs().save.fileName, target);
    }

    void anEmptySheetSavesAnEmptyFile()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        const QString target = f.directory.filePath(QStringLiteral("leer.hlt"));
        f.dialogs.fileNames.push_back(target);
        click(w.tipSheet()->saveButton());
        QCOMPARE(readAll(target), QByteArray());
    }

    // After saving or loading, confirmed or not, "Export nach Text" is offered text files again.
    void theSharedDialogProposesTextFilesAgain_data()
    {
        QTest::addColumn<bool>("load");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("save confirmed") << false << true;
        QTest::newRow("save cancelled") << false << false;
        QTest::newRow("load confirmed") << true << true;
        QTest::newRow("load cancelled") << true << false;
    }
    void theSharedDialogProposesTextFilesAgain()
    {
        QFETCH(bool, load);
        QFETCH(bool, confirm);
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        const QString tips = f.directory.filePath(QStringLiteral("t.hlt"));
        writeFile(tips, "1,2,3,4,5,6,\r\n");
        if (confirm)
            f.dialogs.fileNames.push_back(tips);
        click(load ? w.tipSheet()->loadButton() : w.tipSheet()->saveButton());
        QCOMPARE(f.dialogs.fileDialogs.back().filter, QStringLiteral("Tippdatei|*.hlt"));
        QCOMPARE(w.fileDialogs().save.filter, textDialog);
        QCOMPARE(w.fileDialogs().open.filter, textDialog);

        const QString exported = f.directory.filePath(QStringLiteral("Zahlen.txt"));
        f.dialogs.fileNames.push_back(exported);
        click(w.database()->BitBtn3);
        const FileDialogOptions &export_ = f.dialogs.fileDialogs.back();
        QCOMPARE(export_.filter, QStringLiteral("Textdatei|*.txt"));
        QCOMPARE(export_.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(export_.fileName, QStringLiteral("Zahlen.txt"));
        QVERIFY(readAll(exported).startsWith("20150310;1;2;3;4;5;"));
    }

    void aFailedSaveIsReported()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        fillRowsOneAndThree(w.tipSheet());
        f.dialogs.fileNames.push_back(f.directory.filePath(QStringLiteral("kein/Ordner/t.hlt")));
        click(w.tipSheet()->saveButton());
        QCOMPARE(f.dialogs.errors.size(), 1);
        QCOMPARE(w.fileDialogs().save.filter, textDialog);
    }

    void loadReplacesEveryRowAndEvaluates()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        TipSheetPage *sheet = w.tipSheet();
        sheet->setRowTexts(1, {"10", "20", "30", "40", "50", "1", ""});
        sheet->setLocked(1, true);
        sheet->setRowTexts(2, {"11", "21", "31", "41", "51", "2", ""});
        sheet->setRowTexts(5, {"9", "19", "29", "39", "49", "9", ""});
        sheet->setLocked(5, true);
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));

        const QString tips = f.directory.filePath(QStringLiteral("t.hlt"));
        writeFile(tips, "5,4,3,2,1,6,\r\n1,2,3\r\n");
        f.dialogs.fileNames.push_back(tips);
        click(sheet->loadButton());

        const FileDialogOptions &shown = f.dialogs.fileDialogs.back();
        QCOMPARE(shown.folder, w.programDirectory().path());
        QCOMPARE(shown.filter, QStringLiteral("Tippdatei|*.hlt"));
        QCOMPARE(shown.defaultSuffix, QStringLiteral("hlt"));
        // The locked row 1 took line 1, sorted by the evaluation against the draw of 10.03.2015.
        QCOMPARE(sheet->rowTexts(1), (TipRowTexts{"1", "2", "3", "4", "5", "6", ""}));
        QVERIFY(sheet->isLocked(1));
        QCOMPARE(sheet->fieldColour(1, 0), TipSheetPage::FieldColour::Hit);
        // "1,2,3": two main numbers, the rest of the line in the hidden field.
        QCOMPARE(sheet->rowTexts(2), (TipRowTexts{"1", "2", "", "", "", "", "3"}));
        // The locked row 5 got the empty text of a line the file does not have.
        QCOMPARE(sheet->rowTexts(5), TipRowTexts{});
        QVERIFY(sheet->isLocked(5));
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 10));
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void aCancelledLoadStillEvaluates()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        QCOMPARE(w.shownDraw().draw().date, QDate(2017, 10, 27));
        w.tipSheet()->setRowTexts(1, {"5", "4", "3", "2", "1", "6", ""});
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        click(w.tipSheet()->loadButton());
        QCOMPARE(w.shownDraw().draw().date, QDate(2015, 3, 10));
        QCOMPARE(w.tipSheet()->rowTexts(1), (TipRowTexts{"1", "2", "3", "4", "5", "6", ""}));
    }

    void anUnreadableFileLeavesTheSheetAsItWas_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("a PNG renamed") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
        QTest::newRow("text without a number") << QByteArray("Liebe Grüße\r\n");
    }
    void anUnreadableFileLeavesTheSheetAsItWas()
    {
        QFETCH(QByteArray, bytes);
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        w.tipSheet()->setRowTexts(2, {"11", "21", "31", "41", "51", "2", ""});
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        const QString path = f.directory.filePath(QStringLiteral("kein.hlt"));
        if (!bytes.isEmpty())
            writeFile(path, bytes);
        f.dialogs.fileNames.push_back(path);
        click(w.tipSheet()->loadButton());
        QCOMPARE(f.dialogs.errors.size(), 1);
        QVERIFY(f.dialogs.errors.first().contains(path));
        QCOMPARE(w.tipSheet()->rowTexts(2), (TipRowTexts{"11", "21", "31", "41", "51", "2", ""}));
        // No evaluation after a failed load: the shown draw stays.
        QCOMPARE(w.shownDraw().draw().date, QDate(2017, 10, 27));
        QCOMPARE(w.fileDialogs().open.filter, textDialog);
    }

    void aLoadedRepeatIsClearedAndNamed()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        const QString tips = f.directory.filePath(QStringLiteral("t.hlt"));
        writeFile(tips, "1,2,3,4,5,6,\r\n3,5,12,12,12,1,\r\n");
        f.dialogs.fileNames.push_back(tips);
        click(w.tipSheet()->loadButton());
        QCOMPARE(w.tipSheet()->rowTexts(2), (TipRowTexts{"3", "5", "12", "", "", "1", ""}));
        QCOMPARE(w.statusText(0), QStringLiteral("Doppelte Zahlen entfernt in Tipp 2"));
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void printWritesTheListAndOpensIt()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        fillRowsOneAndThree(w.tipSheet());
        click(w.tipSheet()->printButton());
        const QString list = QDir(w.programDirectory().path()).filePath(QStringLiteral("Tipp.txt"));
        // The draw of Friday 27.10.2017 is shown: the list is for Tuesday 31.10.2017.
        const QString expected
            = QStringLiteral("Morvaks Lotto-Tipp für  31.10.2017\r\n"
                             "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
                             "\r\n"
                             " 1. Morvaks Lotto-Tipp für :  5   12   23   34   45   MegaBall: 10\r\n"
                             " 3. Morvaks Lotto-Tipp für :  1    2    7   33   75   MegaBall: 15\r\n");
        // In the system code page.
        QCOMPARE(readAll(list), QByteArray(QStringEncoder(QStringConverter::System).encode(expected)));
        QCOMPARE(f.shell.opened, QStringList{list});
        QVERIFY(f.dialogs.errors.isEmpty());
    }

    void anEmptySheetPrintsTheHeader()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        click(w.tipSheet()->printButton());
        const QString list = QDir(w.programDirectory().path()).filePath(QStringLiteral("Tipp.txt"));
        QCOMPARE(readAll(list).split('\n').size(), 4); // three lines and the end of the last
        QCOMPARE(f.shell.opened, QStringList{list});
    }

    // A desktop without a program for text files: the user learns where the list is.
    void noProgramTakesTheList()
    {
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        f.shell.takes = false;
        f.dialogs.answers.push_back(true);
        click(w.tipSheet()->printButton());
        const QFileInfo list(QDir(w.programDirectory().path()).filePath(QStringLiteral("Tipp.txt")));
        const MessageTable messages;
        QCOMPARE(w.statusText(0),
            messages.text(Msg::WrittenNotOpened).arg(QDir::toNativeSeparators(list.absoluteFilePath())));
        QCOMPARE(f.dialogs.questions,
            QStringList{messages.text(Msg::OpenFolderCaption) + QLatin1Char('|')
                + messages.text(Msg::OpenFolderQuestion)
                      .arg(QStringLiteral("Tipp.txt"), QDir::toNativeSeparators(list.absolutePath()))});
        // Yes opens the folder.
        QCOMPARE(f.shell.opened, (QStringList{list.filePath(), list.absolutePath()}));
    }

    void aFieldThatIsNoNumberStopsThePrint_data()
    {
        QTest::addColumn<int>("slot");
        QTest::newRow("empty Megaball") << 5;
        QTest::newRow("empty third number") << 2;
    }
    void aFieldThatIsNoNumberStopsThePrint()
    {
        QFETCH(int, slot);
        WindowFixture f;
        f.useHistory(twoDraws());
        MainWindow &w = f.create();
        w.afterCreation();
        const QString list = QDir(w.programDirectory().path()).filePath(QStringLiteral("Tipp.txt"));
        writeFile(list, "vorher");
        fillRowsOneAndThree(w.tipSheet());
        w.tipSheet()->field(3, slot)->clear();
        click(w.tipSheet()->printButton());
        QCOMPARE(f.dialogs.errors, QStringList{QStringLiteral("'''' ist kein gültiger Integer-Wert")});
        QCOMPARE(readAll(list), QByteArray("vorher"));
        QVERIFY(f.shell.opened.isEmpty());
    }
};

QTEST_MAIN(TipOutputTest)
#include "tip_output_gui_test.moc"
