// Reading language files in each encoding a translator's editor may write, finding
// components through the master list's search window, and what the translation tool
// writes for each kind of component.
#include "app/language_files.h"
#include "app/text_file.h"

#include <QTest>

using namespace LanguageFiles;

namespace {
QByteArray utf16le(const QString &text, bool mark = true)
{
    QByteArray bytes = mark ? QByteArray("\xFF\xFE", 2) : QByteArray();
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

std::vector<MasterEntry> entries(const QStringList &names)
{
    std::vector<MasterEntry> list;
    for (const QString &name : names)
        list.push_back({QStringLiteral("Form1"), name, name, QString(), QStringLiteral("1")});
    return list;
}
} // namespace

class LanguageFilesTest : public QObject {
    Q_OBJECT

private slots:
    void decodesEachEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QString russian = QStringLiteral("Сохранить\r\nЗакрыть\r\n");
        const QStringList russianLines{QStringLiteral("Сохранить"), QStringLiteral("Закрыть")};
        QTest::newRow("UTF-16 LE with its mark") << utf16le(russian) << russianLines;
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF") + russian.toUtf8() << russianLines;
        QTest::newRow("UTF-8 without a mark") << russian.toUtf8() << russianLines;
        // Bytes that are not UTF-8 are read in the Western code page.
        QTest::newRow("Latin-1") << QByteArray("Schlie\xDF"
                                               "en\nfran\xE7"
                                               "ais")
                                 << QStringList{QStringLiteral("Schließen"), QStringLiteral("français")};
        QTest::newRow("mixed line ends") << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty lines inside are kept")
            << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("blanks are kept") << QByteArray(" durchgeführt werden??\r\n")
                                         << QStringList{" durchgeführt werden??"};
        QTest::newRow("an empty file") << QByteArray() << QStringList{};
        // Only a mark selects UTF-16, not NUL bytes that look like it.
        QTest::newRow("a NUL first is no mark")
            << QByteArray("\0a\0b\r\n", 6) << QStringList{QString::fromLatin1("\0a\0b", 4)};
        QTest::newRow("only a mark") << QByteArray("\xFF\xFE", 2) << QStringList{};
    }
    void decodesEachEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::decodeLines(bytes), lines);
    }

    void aCutUtf16FileKeepsWhatCameBefore()
    {
        const QStringList lines = TextFile::decodeLines(utf16le(QStringLiteral("ab\r\ncd")).chopped(1));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("ab"));
        QVERIFY(lines[1].startsWith(QLatin1Char('c')));
    }

    void masterListIsReadInGroupsOfFive()
    {
        const std::vector<MasterEntry> list
            = parseMasterList({"Form1", " BitBtn4 ", "Tipps berechnen", "Start", "1", "Form3", "Label1", "Datum"});
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(list[0].caption, QStringLiteral("Tipps berechnen"));
        QCOMPARE(list[1].name, QStringLiteral("Label1"));
        QCOMPARE(list[1].hint, QString()); // the short last group is filled up
        MasterListSearch search(list);
        QCOMPARE(search.find("Form1", "BitBtn4"), std::optional<int>(0)); // names are trimmed
    }

    void searchLooksAtElevenGroupsFromTheLastMatch()
    {
        QStringList names;
        for (int i = 0; i < 30; ++i)
            names << QStringLiteral("C%1").arg(i);
        const std::vector<MasterEntry> list = entries(names);

        MasterListSearch search(list);
        QCOMPARE(search.find("Form1", "C10"), std::optional<int>(10)); // the eleventh group from 0
        QCOMPARE(search.find("Form1", "C21"), std::nullopt); // eleven groups past the match
        QCOMPARE(search.find("Form1", "C20"), std::optional<int>(20));
        QCOMPARE(search.find("Form1", "C20"), std::optional<int>(20)); // the last match itself is looked at
        QCOMPARE(search.find("Form1", "C5"), std::nullopt); // never backwards
        QCOMPARE(search.find("Form3", "C25"), std::nullopt); // the owner counts
        QCOMPARE(search.find("Form1", "C31"), std::nullopt); // 20 + 11
        QCOMPARE(search.find("Form1", "C25"), std::optional<int>(25));
        QCOMPARE(search.find("Form1", "C29"), std::optional<int>(29)); // up to the end of the list

        MasterListSearch fresh(list);
        QCOMPARE(fresh.find("Form1", "C11"), std::nullopt);
        const std::vector<MasterEntry> none;
        MasterListSearch empty(none);
        QCOMPARE(empty.find("Form1", "C0"), std::nullopt);
    }

    void translationPastTheFileEndIsEmpty()
    {
        const QStringList lines{"Datei", "Hinweis", "Nur Titel"};
        QCOMPARE(translationAt(lines, 0).hint, QStringLiteral("Hinweis"));
        QCOMPARE(translationAt(lines, 1).caption, QStringLiteral("Nur Titel"));
        QCOMPARE(translationAt(lines, 1).hint, QString());
        QCOMPARE(translationAt(lines, 2).caption, QString());
    }

    void toolWritesWhatTheLoadReadsBack()
    {
        const std::vector<ToolComponent> components{
            {"Form1", "Label1", ComponentKind::Label, "Gewinn für 3 + MB", "Hinweis"},
            {"Form1", "Edit1", ComponentKind::Edit, "12", QString()}, // data, no hint: nothing
            {"Form1", "Edit2", ComponentKind::Edit, "12", "Preis je Reihe"}, // the hint stands in
            {"Form1", "UpDown1", ComponentKind::SpinControl, "3", "ignored"},
            {"Form1", "DateTimePicker1", ComponentKind::DatePicker, "1.1.2015", QString()},
            {"Form3", "Form3", ComponentKind::Window, "Zahlen eingeben", QString()},
            {"Form1", "Memo2", ComponentKind::Other, "Stoppen", QString()},
            {"Form1", "N1", ComponentKind::MenuItem, "-", QString()},
        };
        const ToolOutput output = translationTool(components);
        QCOMPARE(output.groups, 4);
        QVERIFY(output.masterList.endsWith("\r\n"));
        QCOMPARE(TextFile::decodeLines(output.masterList),
            (QStringList{"Form1", "Label1", "Gewinn für 3 + MB", "Hinweis", "1", //
                "Form1", "Edit2", "Preis je Reihe", "Preis je Reihe", "1", //
                "Form3", "Form3", "Zahlen eingeben", "", "1", //
                "Form1", "N1", "-", "", "1"}));
        QVERIFY(output.languageTemplate.startsWith("\xFF\xFE"));
        QVERIFY(output.languageTemplate.endsWith(QByteArray("\r\0\n\0", 4)));
        const QStringList language = TextFile::decodeLines(output.languageTemplate);
        QCOMPARE(language.size(), 2 * output.groups);
        const std::vector<MasterEntry> master = parseMasterList(TextFile::decodeLines(output.masterList));
        for (int g = 0; g < output.groups; ++g) {
            QCOMPARE(translationAt(language, g).caption, master[size_t(g)].caption);
            QCOMPARE(translationAt(language, g).hint, master[size_t(g)].hint);
        }
    }

    void toolKeepsTextsOutsideLatin1()
    {
        const QString chinese = QStringLiteral("中国的 🀄");
        const ToolOutput output = translationTool({{"Form1", "N2", ComponentKind::MenuItem, chinese, QString()}});
        QCOMPARE(TextFile::decodeLines(output.masterList).value(2), chinese);
        QCOMPARE(TextFile::decodeLines(output.languageTemplate).value(0), chinese);
        QCOMPARE(translationTool({}).groups, 0);
        QCOMPARE(TextFile::decodeLines(translationTool({}).languageTemplate), QStringList{});
    }
};

QTEST_APPLESS_MAIN(LanguageFilesTest)
#include "language_files_test.moc"
