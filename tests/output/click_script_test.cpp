// Filling a click script: which placeholder takes which field, what is left alone, the
// option placeholders, the generated file's name and encoding, the command line and the
// script list of the dialog.
#include "app/clock.h"
#include "app/message_table.h"
#include "output/click_script.h"
#include "test_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const ScriptOptions NoOptions{};
const MessageTable Messages;

QStringList tipLines(int count)
{
    QStringList lines;
    for (int r = 1; r <= count; ++r)
        lines << QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                     .arg(r)
                     .arg(r + 20)
                     .arg(r + 40)
                     .arg(r + 50)
                     .arg(r + 60)
                     .arg(r)
                     .arg(r == 1 ? QStringLiteral("x") : QString());
    return lines;
}

QString filled(const QString &text, const QStringList &lines, const ScriptOptions &options = NoOptions)
{
    return *ClickScript::substitute(text, ClickScript::placeholders(lines, options, QStringLiteral("/t/20150317.hlt")));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class ClickScriptTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Clock::setToday(std::nullopt); }

    void placeholders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("result");
        QTest::newRow("row 1 and row 10 are distinct") << "[Z1_1]|[Z1_10]|[Z5_10]|[S1_10]" << 12 << "1|10|70|10";
        QTest::newRow("every occurrence") << "[Z2_3][Z2_3] [Z2_3]" << 3 << "2323 23";
        QTest::newRow("lower case stays") << "[z1_1] [s1_1] [dauer] [Z1_1]" << 3 << "[z1_1] [s1_1] [dauer] 1";
        QTest::newRow("row 13 is never replaced") << "[Z1_13] [S1_13] [S2_13]" << 12 << "[Z1_13] [S1_13] [S2_13]";
        QTest::newRow("three lines: rows 4 to 12 emptied")
            << "[Z1_3]/[Z1_4]/[Z5_12]/[S1_4]/[S2_12]/[S1_3]" << 3 << "3/////3";
        QTest::newRow("twelve lines: nothing emptied") << "[Z1_12]/[Z5_12]/[S1_12]/[S2_12]" << 12 << "12/72/12/";
        QTest::newRow("extra field") << "<[S2_1]>" << 1 << "<x>";
        QTest::newRow("no lines at all") << "<[Z1_1][S1_1][S2_1]>" << 0 << "<>";
        QTest::newRow("a bracket before a placeholder") << "[[Z1_2]]" << 2 << "[2]";
        QTest::newRow("unclosed bracket") << "a [Z1_1 b [Z1_1" << 1 << "a [Z1_1 b [Z1_1";
        QTest::newRow("fixed texts") << "[MELDUNGFERTIG]: [TIPPDATEI]" << 0 << "Ready to Play: /t/20150317.hlt";
        const QString brackets(320000, QLatin1Char('['));
        QTest::newRow("320,000 brackets before a placeholder") << brackets + "[Z1_2]]" << 2 << brackets + "2]";
        QTest::newRow("320,000 brackets before a bracket") << brackets + "]" << 2 << brackets + "]";
    }
    void placeholders()
    {
        QFETCH(QString, text);
        QFETCH(int, lines);
        QFETCH(QString, result);
        QCOMPARE(filled(text, tipLines(lines)), result);
    }

    void insertedTextIsNotScannedAgain()
    {
        // A seventh field that looks like a placeholder stays as it is.
        const QStringList lines{QStringLiteral("1,2,3,4,5,6,[Z1_2]"), QStringLiteral("9,9,9,9,9,9,[TIPPDATEI]")};
        QCOMPARE(filled(QStringLiteral("[S2_1] [S2_2] [Z1_2]"), lines), QStringLiteral("[Z1_2] [TIPPDATEI] 9"));
    }

    void fieldsOfScriptLines()
    {
        // The seventh field ends at the next comma; a short line leaves fields empty.
        const QStringList lines{QStringLiteral("1,2,3,4,5,6,7,8"), QStringLiteral("1,2,3")};
        QCOMPARE(
            filled(QStringLiteral("[S2_1]|[Z1_2],[Z2_2],[Z3_2],[S1_2],[S2_2]"), lines), QStringLiteral("7|1,2,,,3"));
    }

    void optionPlaceholders_data()
    {
        QTest::addColumn<bool>("one");
        QTest::addColumn<bool>("two");
        QTest::addColumn<bool>("three");
        QTest::addColumn<QString>("result");
        QTest::newRow("none") << false << false << false << "NEIN NEIN NEIN NEIN";
        QTest::newRow("CheckBox2 alone") << false << true << false << "NEIN JA NEIN NEIN";
        QTest::newRow("CheckBox2 and 3") << false << true << true << "NEIN JA JA JA";
        QTest::newRow("CheckBox1 and 3") << true << false << true << "JA NEIN JA NEIN";
    }
    void optionPlaceholders()
    {
        QFETCH(bool, one);
        QFETCH(bool, two);
        QFETCH(bool, three);
        QFETCH(QString, result);
        QCOMPARE(filled(QStringLiteral("[DAUER] [DI] [FR] [DIFR]"), {}, ScriptOptions{one, two, three}), result);
    }

    void generatedScriptEncoding_data()
    {
        QTest::addColumn<QByteArray>("templateBytes");
        QTest::addColumn<QByteArray>("scriptBytes");
        QTest::newRow("no mark, LF lines") << QByteArray("Zahl [Z1_1]\nEnde") << QByteArray("Zahl 5\r\nEnde\r\n");
        QTest::newRow("UTF-8 mark kept") << QByteArray("\xEF\xBB\xBF"
                                                       "Gr\xC3\xBC\xC3\x9F"
                                                       "e [Z1_1]\r\n")
                                         << QByteArray("\xEF\xBB\xBF"
                                                       "Gr\xC3\xBC\xC3\x9F"
                                                       "e 5\r\n");
        QTest::newRow("UTF-16LE mark kept") << QByteArray("\xFF\xFE[\0Z\0"
                                                          "1\0_\0"
                                                          "1\0]\0\n\0",
            16)
                                            << QByteArray("\xFF\xFE"
                                                          "5\0\r\0\n\0",
                                                   8);
        QTest::newRow("empty template with a mark") << QByteArray("\xEF\xBB\xBF") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("Latin-1 without a mark kept") << QByteArray("Gr\xFC\xDF"
                                                                   "e \x80 [Z1_1]\n")
                                                     << QByteArray("Gr\xFC\xDF"
                                                                   "e \x80 5\r\n");
    }
    void generatedScriptEncoding()
    {
        QFETCH(QByteArray, templateBytes);
        QFETCH(QByteArray, scriptBytes);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("lotto.xrt")), templateBytes);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Tipps")));
        const QString tipFile = dir.filePath(QStringLiteral("Tipps/20150317.hlt"));
        writeFile(tipFile, "5,12,23,34,45,10,\r\n");
        Clock::setToday(QDate(2015, 3, 10));
        const auto generated = ClickScript::build(
            dir.filePath(QStringLiteral("lotto.xrt")), tipFile, NoOptions, Clock::today(), Messages);
        QVERIFY2(generated.ok(), qPrintable(generated.error()));
        QCOMPARE(generated->path, dir.filePath(QStringLiteral("Tipps/20150310.xrt")));
        QCOMPARE(readAll(generated->path), scriptBytes);
    }

    void sameDayReplacesAndFailuresWriteNothing()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("s.xrt"));
        const QString tipFile = dir.filePath(QStringLiteral("t.hlt"));
        writeFile(script, "[TIPPDATEI] [Z1_1]");
        writeFile(tipFile, "7,1,2,3,4,5,\r\n");
        QVERIFY(ClickScript::build(script, tipFile, NoOptions, QDate(2015, 3, 10), Messages).ok());
        writeFile(tipFile, "8,1,2,3,4,5,\r\n");
        const auto again = ClickScript::build(script, tipFile, NoOptions, QDate(2015, 3, 10), Messages);
        QVERIFY(again.ok());
        QCOMPARE(readAll(again->path), QDir::toNativeSeparators(tipFile).toUtf8() + " 8\r\n");

        const QDate day(2015, 3, 11);
        QVERIFY(!ClickScript::build(dir.filePath(QStringLiteral("none.xrt")), tipFile, NoOptions, day, Messages));
        QVERIFY(!ClickScript::build(script, dir.filePath(QStringLiteral("none.hlt")), NoOptions, day, Messages));
        // Too large to be a click script, and a script that placeholders would blow up.
        const QString large = dir.filePath(QStringLiteral("large.xrt"));
        writeFile(large, QByteArray(ClickScript::MaxTemplateBytes + 1, 'a'));
        const auto refused = ClickScript::build(large, tipFile, NoOptions, day, Messages);
        QCOMPARE(refused.error(), Messages.text(Msg::TemplateTooLarge).arg(large).arg(4));
        writeFile(script, QByteArray("[S2_1]").repeated(10000));
        writeFile(tipFile, "1,2,3,4,5,6," + QByteArray(2000, 'x'));
        const auto blownUp = ClickScript::build(script, tipFile, NoOptions, day, Messages);
        QCOMPARE(blownUp.error(), Messages.text(Msg::ScriptTooLong).arg(script).arg(ClickScript::MaxScriptLength));
        writeFile(script, "[Z1_1]");
        writeFile(tipFile, "8,1,2,3,4,5,\r\n7,07,1,2,3,4,\r\n");
        QCOMPARE(ClickScript::build(script, tipFile, NoOptions, day, Messages).error(),
            tipFile + QStringLiteral(", Zeile 2: die Zahl 7 steht mehrfach in der Reihe."));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("20150311.xrt"))));
    }

    void commandLine()
    {
        const ScriptParameters parameters
            = ScriptParameters{{}, {}, QStringLiteral("zwei Worte"), QStringLiteral("7"), {}}.withNumberDefaults();
        const auto launch = AutomationCommand::launch(
            QStringLiteral("/opt/Skriptomat/skriptomat"), QStringLiteral("/t/x.xrt"), parameters);
        QVERIFY(launch.ok());
        QCOMPARE(launch->parameterText, QStringLiteral("START /t/x.xrt 0 zwei Worte 7 "));
        QCOMPARE(launch->arguments, (QStringList{"START", "/t/x.xrt", "0", "zwei", "Worte", "7"}));
        // A blank in the script's folder is no word break.
        const QString spaced = QStringLiteral("/home/a b/Tipps/20150310.xrt");
        QCOMPARE(AutomationCommand::launch(QStringLiteral("/p"), spaced, parameters)->arguments,
            (QStringList{"START", QDir::toNativeSeparators(spaced), "0", "zwei", "Worte", "7"}));

        const QString longText(AutomationCommand::MaxLength, QLatin1Char('a'));
        QVERIFY(
            !AutomationCommand::launch(QStringLiteral("/p"), QStringLiteral("/t/x.xrt"), {{}, "0", longText, "0", {}}));
        QVERIFY(!AutomationCommand::launch(longText + QLatin1Char('a'), QStringLiteral("/x"), parameters));
    }

    void samplesUseEveryPlaceholder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Script_Lotto") << "Script_Lotto.xrt";
        QTest::newRow("Script_Lotto_Tabelle") << "Script_Lotto_Tabelle.xrt";
    }
    void samplesUseEveryPlaceholder()
    {
        QFETCH(QString, name);
        const auto sample = ClickScript::readTemplate(
            TestData::sourceDir() + QStringLiteral("/resources/runtime/Script/") + name, Messages);
        QVERIFY2(sample.ok(), qPrintable(sample.error()));
        const ClickScript::Placeholders all = ClickScript::placeholders({}, NoOptions, QString());
        QCOMPARE(all.size(), size_t(12 * 7 + 6));
        for (const auto &[placeholder, value] : all)
            QVERIFY2(sample->text.contains(placeholder), qPrintable(placeholder));
    }

    void scriptList()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("script/sub.xrt")));
        writeFile(dir.filePath(QStringLiteral("script/Lotto.xrt")), "a");
        writeFile(dir.filePath(QStringLiteral("script/TABELLE.XRT")), "b");
        writeFile(dir.filePath(QStringLiteral("script/notiz.txt")), "c");
        QStringList entries = ScriptList::entries(ProgramDirectory(dir.path()));
        entries.sort();
        QCOMPARE(entries,
            (QStringList{
                dir.filePath(QStringLiteral("script/Lotto.xrt")), dir.filePath(QStringLiteral("script/TABELLE.XRT"))}));

        QCOMPARE(ScriptList::boxText(QString(), {"/a.xrt", "/b.xrt"}), QStringLiteral("/b.xrt"));
        QCOMPARE(ScriptList::boxText(QStringLiteral("/mine.xrt"), {"/a.xrt"}), QStringLiteral("/mine.xrt"));
        QCOMPARE(ScriptList::boxText(QString(), {}), QString());
    }
};

QTEST_GUILESS_MAIN(ClickScriptTest)
#include "click_script_test.moc"
