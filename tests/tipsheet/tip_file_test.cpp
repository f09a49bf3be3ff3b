// The tip file: lines written for filled rows only, fields taken from the left on
// load, every row replaced by loading, what is no tip file refused, a main number once
// per row, the proposed names and the shared dialog's filter.
#include "app/message_table.h"
#include "app/text_file.h"
#include "tipsheet/tip_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
TipRowTexts row(std::initializer_list<const char *> fields)
{
    TipRowTexts texts;
    size_t slot = 0;
    for (const char *field : fields)
        texts[slot++] = QString::fromUtf8(field);
    return texts;
}

TipSheetTexts sheetWith(std::initializer_list<std::pair<int, TipRowTexts>> rows)
{
    TipSheetTexts sheet;
    for (const auto &[number, texts] : rows)
        sheet[size_t(number - 1)] = texts;
    return sheet;
}
} // namespace

class TipFileTest : public QObject {
    Q_OBJECT

private slots:
    void defaultNames_data()
    {
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<QString>("name");
        QTest::newRow("Tuesday plus 3") << QDate(2015, 3, 10) << "20150313.hlt";
        QTest::newRow("Friday plus 4") << QDate(2015, 3, 13) << "20150317.hlt";
        QTest::newRow("Wednesday plus 4, not a drawing day") << QDate(2015, 3, 11) << "20150315.hlt";
        QTest::newRow("over the year's end") << QDate(2015, 12, 29) << "20160101.hlt";
    }
    void defaultNames()
    {
        QFETCH(QDate, endDate);
        QFETCH(QString, name);
        QCOMPARE(TipFile::defaultFileName(endDate), name);
    }

    void savedLines()
    {
        const TipSheetTexts sheet = sheetWith({
            {1, row({"5", "12", "23", "34", "45", "10", ""})},
            {2, row({"", "7", "8", "9", "10", "11", ""})}, // first field empty: no line
            {3, row({"45", "34", "23", "12", "5", "", ""})}, // not sorted, Megaball empty
            {12, row({"1", "", "3", "", "5", "6", "7"})},
        });
        QCOMPARE(TipFile::encode(sheet), QByteArray("5,12,23,34,45,10,\r\n45,34,23,12,5,,\r\n1,,3,,5,6,7\r\n"));
        QCOMPARE(TipFile::encode(TipSheetTexts{}), QByteArray());
    }

    void fieldsTakenFromTheLeft_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("upToComma");
        QTest::addColumn<QStringList>("fields");
        const bool Rest = false;
        const bool UpToComma = true;
        QTest::newRow("full line") << "5,12,23,34,45,10," << Rest << QStringList{"5", "12", "23", "34", "45", "10", ""};
        QTest::newRow("1,2,3: the rest waits for the seventh field")
            << "1,2,3" << Rest << QStringList{"1", "2", "", "", "", "", "3"};
        QTest::newRow("seventh takes further commas on load")
            << "1,2,3,4,5,6,7,8,9" << Rest << QStringList{"1", "2", "3", "4", "5", "6", "7,8,9"};
        QTest::newRow("seventh up to the comma for scripts")
            << "1,2,3,4,5,6,7,8,9" << UpToComma << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("empty line") << "" << Rest << QStringList{"", "", "", "", "", "", ""};
    }
    void fieldsTakenFromTheLeft()
    {
        QFETCH(QString, line);
        QFETCH(bool, upToComma);
        QFETCH(QStringList, fields);
        const TipRowTexts texts
            = TipFile::splitLine(line, upToComma ? TipFile::SeventhField::UpToComma : TipFile::SeventhField::Rest);
        QCOMPARE(QStringList(texts.begin(), texts.end()), fields);
    }

    void loadValidatesEveryField()
    {
        const TipSheetTexts sheet = TipFile::decode("1,2,3\r\n007,76,x,75,0,16,15\r\n").sheet;
        QCOMPARE(sheet[0], row({"1", "2", "", "", "", "", "3"}));
        QCOMPARE(sheet[1], row({"7", "", "", "75", "", "", "15"}));
        for (size_t r = 2; r < sheet.size(); ++r)
            QCOMPARE(sheet[r], TipRowTexts{});
    }

    void roundTripCompactsRows()
    {
        // Rows 1 and 3 give two lines; the former row 3 comes back as row 2.
        const TipSheetTexts sheet = sheetWith({
            {1, row({"5", "12", "23", "34", "45", "10", ""})},
            {3, row({"1", "2", "3", "4", "5", "", ""})},
        });
        const QByteArray bytes = TipFile::encode(sheet);
        QCOMPARE(bytes.count('\n'), 2);
        const TipSheetTexts loaded = TipFile::decode(bytes).sheet;
        QCOMPARE(loaded[0], sheet[0]);
        QCOMPARE(loaded[1], sheet[2]); // the Megaball stays empty, the two commas load back
        QCOMPARE(loaded[2], TipRowTexts{});
    }

    void loadReplacesEveryRow()
    {
        // Whatever the sheet held (locked rows included) the file's line, or the empty
        // text where it has none, is what each row holds afterwards.
        const TipSheetTexts loaded = TipFile::decode("9,8,7,6,5,4,\r\n").sheet;
        QCOMPARE(loaded[0], row({"9", "8", "7", "6", "5", "4", ""}));
        for (size_t r = 1; r < loaded.size(); ++r)
            QCOMPARE(loaded[r], TipRowTexts{});
        QCOMPARE(TipFile::decode(QByteArray()).sheet, TipSheetTexts{});
    }

    void linesPastTheTwelfthAreIgnored()
    {
        QByteArray bytes;
        for (int line = 1; line <= 14; ++line)
            bytes += QByteArray::number(line) + ",1,2,3,4,5,\r\n";
        const TipSheetTexts loaded = TipFile::decode(bytes).sheet;
        QCOMPARE(loaded[11][0], QStringLiteral("12"));
    }

    void readerAcceptsMarksAndOtherLineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                                  "3,4,5,6,7,8,\r\n2,3,4,5,6,7,");
        const QString text = QStringLiteral("3,4,5,6,7,8,\r\n2,3,4,5,6,7,");
        QTest::newRow("UTF-16LE mark") << QByteArray("\xFF\xFE")
                + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QTest::newRow("LF only") << QByteArray("3,4,5,6,7,8,\n2,3,4,5,6,7,\n");
    }
    void readerAcceptsMarksAndOtherLineEnds()
    {
        QFETCH(QByteArray, bytes);
        const TipSheetTexts loaded = TipFile::decode(bytes).sheet;
        QCOMPARE(loaded[0], row({"3", "4", "5", "6", "7", "8", ""}));
        QCOMPARE(loaded[1], row({"2", "3", "4", "5", "6", "7", ""}));
    }

    void decodedLineCount_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("final line end adds nothing") << QByteArray("a\r\nb\r\n") << 2;
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << 2;
        QTest::newRow("an empty last line counts") << QByteArray("a\r\n\r\n") << 2;
    }
    void decodedLineCount()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        QCOMPARE(TextFile::decodeLines(bytes).size(), count);
    }

    void saveAndLoadFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("20150313.hlt"));
        QVERIFY(TipFile::save(path, TipSheetTexts{}).ok());
        QCOMPARE(QFileInfo(path).size(), 0);
        const TipSheetTexts sheet = sheetWith({{2, row({"5", "12", "23", "34", "45", "10", ""})}});
        QVERIFY(TipFile::save(path, sheet).ok()); // replaces without asking
        QCOMPARE(TipFile::load(path, MessageTable())->sheet.at(0), sheet[1]);

        const auto missing = TipFile::load(dir.filePath(QStringLiteral("fehlt.hlt")), MessageTable());
        QVERIFY(!missing.ok());
        QVERIFY(missing.error().contains(QStringLiteral("fehlt.hlt")));
        // A save that cannot be written leaves the previous file as it was.
        QVERIFY(!TipFile::save(dir.filePath(QStringLiteral("no/such/folder/x.hlt")), sheet).ok());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("refusal"); // -1: a tip file
        const int none = -1;
        const int binary = int(TipFile::Refusal::Binary);
        const int noNumber = int(TipFile::Refusal::NoNumber);
        const QString utf16 = QStringLiteral("1,2,3,4,5,6,\r\n"); // its NUL bytes are text
        QTest::newRow("empty: the empty sheet") << QByteArray() << none;
        QTest::newRow("bad fields beside one number") << QByteArray("x,y\r\n,,,,,,15\r\n") << none;
        QTest::newRow("UTF-16 with its mark")
            << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
            << none;
        QTest::newRow("a PNG renamed") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << binary;
        QTest::newRow("words") << QByteArray("Hallo Welt\r\n") << noNumber;
        QTest::newRow("numbers out of range") << QByteArray("0,76,99,100,200,16,16\r\n") << noNumber;
    }
    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, refusal);
        const auto why = TipFile::refusal(bytes);
        QCOMPARE(why ? int(*why) : -1, refusal);
    }

    void aRepeatKeepsItsFirstOccurrence()
    {
        const TipFile::Loaded loaded = TipFile::decode("3,5,12,12,12,1,\r\n1,2,3,4,5,6,\r\n7,07,8,9,7,7,\r\n");
        QCOMPARE(loaded.sheet[0], row({"3", "5", "12", "", "", "1", ""}));
        QCOMPARE(loaded.sheet[1], row({"1", "2", "3", "4", "5", "6", ""}));
        // A Megaball equal to a main number is a play of its own drum.
        QCOMPARE(loaded.sheet[2], row({"7", "", "8", "9", "", "7", ""}));
        QCOMPARE(loaded.repeats.size(), size_t(2));
        QCOMPARE(loaded.repeats[0].line, 1);
        QCOMPARE(TipFile::repeatMessage(QStringLiteral("t.hlt"), loaded.repeats[1], MessageTable()),
            QStringLiteral("t.hlt, Zeile 3: die Zahl 7 steht mehrfach in der Reihe."));
    }

    void oversizedAndEndlessFilesAreRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gross.hlt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(TipFile::MaxBytes + 1));
        file.close();
        QCOMPARE(TipFile::load(path, MessageTable()).error(),
            QStringLiteral("%1 ist größer als 1048576 Bytes und wird nicht gelesen.").arg(path));
        if (QFileInfo::exists(QStringLiteral("/dev/zero")))
            QVERIFY(
                TipFile::load(QStringLiteral("/dev/zero"), MessageTable()).error().contains(QStringLiteral("1048576")));
    }

    void sharedDialogGetsItsFilterBack()
    {
        DialogFilter shared = TipFile::TextDialog;
        {
            BorrowedDialogFilter borrowed(shared, TipFile::Dialog);
            QCOMPARE(shared.filter, QStringLiteral("Tippdatei|*.hlt"));
            QCOMPARE(shared.defaultSuffix, QStringLiteral("hlt"));
        }
        QCOMPARE(shared, (DialogFilter{QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt")}));
    }
};

QTEST_GUILESS_MAIN(TipFileTest)
#include "tip_file_test.moc"
