// The settings store files: what is written, what hand-edited files read as, where the
// keys live, and that a failed save leaves the earlier file alone.
#include "app/memory_settings_store.h"
#include "app/reg_file_format.h"
#include "app/settings_store.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

using Scope = SettingsLocation::Scope;
using Values = QList<std::pair<QString, RegistryValue>>;
enum class Reader { Integer, Bool, String, Date };
enum class Failure { TargetIsFolder, FolderIsFile, UnstorableName };
Q_DECLARE_METATYPE(RegistryValue)
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Failure)

char *toString(const RegistryValue &value)
{
    switch (value.type) {
    case RegistryValue::Type::Integer:
        return QTest::toString(QStringLiteral("integer %1").arg(value.integer));
    case RegistryValue::Type::String:
        return QTest::toString(QStringLiteral("string \"%1\"").arg(value.text));
    case RegistryValue::Type::Binary:
        return QTest::toString(QStringLiteral("binary %1").arg(QString::fromLatin1(value.binary.toHex(' '))));
    }
    return nullptr;
}

char *toString(const Values &values)
{
    QStringList parts;
    for (const auto &[name, value] : values) {
        char *described = toString(value);
        parts.append(name + u' ' + QString::fromUtf8(described));
        delete[] described;
    }
    return QTest::toString(parts.join(QStringLiteral(", ")));
}

namespace {
const QString Header = QStringLiteral("Windows Registry Editor Version 5.00\n\n");
const QString ProgramSection = QStringLiteral("[HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero]\n");

RegistryValue integer(qint32 value)
{
    return RegistryValue::fromInteger(value);
}
RegistryValue text(const QString &value)
{
    return RegistryValue::fromString(value);
}
RegistryValue binary(const char *hex)
{
    return RegistryValue::fromBinary(QByteArray::fromHex(hex));
}

QByteArray withCrLf(const QString &text)
{
    return text.toUtf8().replace("\n", "\r\n");
}

QByteArray utf16LeWithBom(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool readSucceeds(const SettingsStore &store, Reader reader, const QString &name)
{
    switch (reader) {
    case Reader::Integer:
        return store.readInteger(name).ok();
    case Reader::Bool:
        return store.readBool(name).ok();
    case Reader::String:
        return store.readString(name).ok();
    case Reader::Date:
        return store.readDate(name).ok();
    }
    return false;
}

Values valuesOf(const SettingsStore &store)
{
    Values values;
    for (const QString &name : store.valueNames())
        values.append({name, *store.value(name)});
    return values;
}
} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void roundTrip_data();
    void roundTrip();
    void writtenLine_data();
    void writtenLine();
    void wholeFileLayout();
    void dates_data();
    void dates();
    void handWrittenFiles_data();
    void handWrittenFiles();
    void wrongTypeReadsFail_data();
    void wrongTypeReadsFail();
    void namesIgnoreCase();
    void rewriteKeepsOrder();
    void removingKeepsTheOthersFound();
    void openingUserKeys();
    void machineKeys();
    void keyPathMapping_data();
    void keyPathMapping();
    void failedSaveKeepsEarlierFile_data();
    void failedSaveKeepsEarlierFile();

private:
    QString userRoot() const { return m_dir->filePath(QStringLiteral("user")); }
    QString machineRoot(int number) const { return m_dir->filePath(QStringLiteral("machine%1").arg(number)); }
    QString programFile() const { return SettingsLocation::filePathFor(Scope::CurrentUser, SettingsKeys::Program); }
    std::unique_ptr<SettingsStore> openProgram(bool create = false) const
    {
        return SettingsLocation::open(Scope::CurrentUser, SettingsKeys::Program, create);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void SettingsStoreTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SettingsLocation::setRootOverride(Scope::CurrentUser, userRoot());
    SettingsLocation::setMachineRootsOverride({machineRoot(1), machineRoot(2)});
}

void SettingsStoreTest::cleanup()
{
    SettingsLocation::setRootOverride(Scope::CurrentUser, {});
    SettingsLocation::setMachineRootsOverride({});
}

void SettingsStoreTest::roundTrip_data()
{
    QTest::addColumn<RegistryValue>("value");
    QTest::newRow("zero") << integer(0);
    QTest::newRow("ten") << integer(10);
    QTest::newRow("minus one") << integer(-1);
    QTest::newRow("INT_MIN") << integer(INT_MIN);
    QTest::newRow("INT_MAX") << integer(INT_MAX);
    QTest::newRow("empty text") << text({});
    QTest::newRow("quotes") << text(QStringLiteral("Er sagte \"Hallo\" \"\""));
    QTest::newRow("backslashes") << text(QStringLiteral("C:\\Programme\\Morvak\\ \\\" \\"));
    QTest::newRow("umlauts") << text(QStringLiteral("Übereinstimmung"));
    QTest::newRow("chinese") << text(QStringLiteral("中国的"));
    QTest::newRow("CR LF") << text(QStringLiteral("Zeile 1\r\nZeile 2 \"mit\" \\"));
    QTest::newRow("tab and bell") << text(QStringLiteral("a\tb\x07"));
    QTest::newRow("lone surrogate") << text(QString(QChar(0xD800)) + u'x');
    QTest::newRow("blanks at the ends") << text(QStringLiteral("  innen  "));
    QTest::newRow("empty binary") << binary("");
    QTest::newRow("binary") << binary("deadbeef00ff");
    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.append(char(i));
    QTest::newRow("every byte") << RegistryValue::fromBinary(everyByte);
}

void SettingsStoreTest::roundTrip()
{
    QFETCH(RegistryValue, value);
    auto store = openProgram(true);
    QVERIFY(store);
    store->writeInteger(QStringLiteral("Davor"), 1);
    store->setValue(QStringLiteral("Wert"), value);
    store->writeInteger(QStringLiteral("Danach"), 2);
    QVERIFY(store->save().ok());

    const auto reread = openProgram();
    QVERIFY(reread);
    QCOMPARE(reread->valueNames(), QStringList({"Davor", "Wert", "Danach"}));
    QCOMPARE(*reread->value(QStringLiteral("Wert")), value);
    QCOMPARE(**reread->readInteger(QStringLiteral("Danach")), 2);
}

void SettingsStoreTest::writtenLine_data()
{
    QTest::addColumn<RegistryValue>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("dword") << integer(10) << R"("W"=dword:0000000a)";
    QTest::newRow("negative") << integer(-2) << R"("W"=dword:fffffffe)";
    QTest::newRow("INT_MIN") << integer(INT_MIN) << R"("W"=dword:80000000)";
    QTest::newRow("escapes") << text(QStringLiteral("a\\b\"c")) << R"("W"="a\\b\"c")";
    QTest::newRow("umlauts stay text") << text(QStringLiteral("Über")) << QStringLiteral(R"("W"="Über")");
    QTest::newRow("empty") << text({}) << R"("W"="")";
    QTest::newRow("line break as hex(1)")
        << text(QStringLiteral("a\r\nb")) << R"("W"=hex(1):61,00,0d,00,0a,00,62,00,00,00)";
    QTest::newRow("binary") << binary("deadbeef") << R"("W"=hex:de,ad,be,ef)";
    QTest::newRow("empty binary") << binary("") << R"("W"=hex:)";
}

void SettingsStoreTest::writtenLine()
{
    QFETCH(RegistryValue, value);
    QFETCH(QString, line);
    MemorySettingsStore values;
    values.setValue(QStringLiteral("W"), value);
    const auto bytes = RegFile::format(QStringLiteral("S"), values);
    QVERIFY(bytes.ok());
    QVERIFY2(bytes->contains(QByteArray("\r\n" + line.toUtf8() + "\r\n")), bytes->constData());
}

void SettingsStoreTest::wholeFileLayout()
{
    auto store = openProgram(true);
    QVERIFY(store);
    QCOMPARE(readAll(programFile()), withCrLf(Header + ProgramSection + u'\n'));

    store->writeInteger(QStringLiteral("Sprache"), 2);
    store->writeString(QStringLiteral("Pfad \"x\""), QStringLiteral("C:\\"));
    QVERIFY(store->save().ok());
    QCOMPARE(readAll(programFile()),
        withCrLf(
            Header + ProgramSection + QStringLiteral("\"Sprache\"=dword:00000002\n\"Pfad \\\"x\\\"\"=\"C:\\\\\"\n\n")));
}

void SettingsStoreTest::dates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("day zero") << QDate(1899, 12, 30);
    QTest::newRow("before day zero") << QDate(1800, 1, 1);
    QTest::newRow("minimum of the picker") << QDate(2013, 10, 22);
    QTest::newRow("leap day") << QDate(2024, 2, 29);
}

void SettingsStoreTest::dates()
{
    QFETCH(QDate, date);
    auto store = openProgram(true);
    store->writeDate(QStringLiteral("DateTimePicker2"), date);
    QVERIFY(store->save().ok());
    const auto read = openProgram()->readDate(QStringLiteral("DateTimePicker2"));
    QVERIFY(read.ok());
    QCOMPARE(read->value(), date);
}

void SettingsStoreTest::handWrittenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Values>("expected");
    // Lines of the program's section, in a file with CR LF line ends.
    const auto program = [](const char *lines) { return withCrLf(Header + ProgramSection + QString::fromUtf8(lines)); };

    QTest::newRow("LF only") << QString(Header + ProgramSection + "\"A\"=dword:00000005\n").toUtf8()
                             << Values{{"A", integer(5)}};
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" + program("\"Ü\"=\"Übereinstimmung\"\n"))
                                    << Values{{"Ü", text(QStringLiteral("Übereinstimmung"))}};
    const QString chinese = QString::fromUtf8(program("\"C\"=\"中国的\"\n"));
    QTest::newRow("UTF-16LE with BOM") << utf16LeWithBom(chinese) << Values{{"C", text(QStringLiteral("中国的"))}};
    QTest::newRow("no section header") << QByteArray("\"A\"=dword:00000007") << Values{{"A", integer(7)}};
    QTest::newRow("continuation lines") << program("\"B\"=hex:01,02,\\\n  03,04,\\\n  05\n"
                                                   "\"S\"=hex(1):48,00,\\\n  69,00,00,00\n")
                                        << Values{{"B", binary("0102030405")}, {"S", text(QStringLiteral("Hi"))}};
    QTest::newRow("other types") << program("\"Q\"=hex(b):01,00,00,00,00,00,00,00\n"
                                            "\"E\"=hex(2):25,00,00,00\n"
                                            "\"D\"=hex(4):fe,ff,ff,ff\n"
                                            "\"N\"=hex(3):00\n"
                                            "@=\"default\"\n"
                                            "\"Z\"=dword:0000000A\n")
                                 << Values{{"E", text(QStringLiteral("%"))}, {"D", integer(-2)}, {"N", binary("00")},
                                        {"Z", integer(10)}};
    QTest::newRow("damaged lines") << program("\"A\"=dword:00000001\n"
                                              "\"B\"=dword:zz\n"
                                              "\"C\"=\"x\"\n"
                                              "\"D\"=\"open\n"
                                              "\"E\"=dword:123456789\n"
                                              "\"F\"=hex:1,2g\n"
                                              "\"G\"=\"x\" y\n"
                                              "\"H\"=hex(1):41\n"
                                              "; \"I\"=dword:1\n"
                                              "\"M\"=hex:01,,02\n"
                                              "\"J\"=hex:01,\\\n"
                                              "\"K\"=dword:00000002\n"
                                              "müll\n"
                                              "\"L\"=\"C:\\Temp\"\n")
                                   << Values{{"A", integer(1)}, {"C", text(QStringLiteral("x"))}, {"K", integer(2)},
                                          {"L", text(QStringLiteral("C:\\Temp"))}};
    // A string ends at a NUL as a registry string does, quoted or hex(1) alike.
    QTest::newRow("NUL in a string") << program("\"T\"=\"ab")
            + QByteArray("\0cd\"\r\n\"U\"=hex(1):61,00,00,00,62,00,00,00\r\n", 42)
                                     << Values{{"T", text(QStringLiteral("ab"))}, {"U", text(QStringLiteral("a"))}};
    QTest::newRow("other sections") << withCrLf(Header
        + "\"V\"=dword:00000009\n"
          "[HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\Other]\n\"X\"=dword:00000001\n\n"
          "[hkcu\\software\\morvak\\devudirurero\\]\n\"A\"=dword:00000002\n\n"
          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvak\\DevuDirurero]\n\"Y\"=dword:00000003\n\n"
        + ProgramSection
        + "\"B\"=dword:00000004\n\"A\"=dword:00000005\n"
          "[HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero\\Sub\n\"Z\"=dword:00000006\n")
                                    << Values{{"A", integer(5)}, {"B", integer(4)}};
}

void SettingsStoreTest::handWrittenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(Values, expected);
    writeAll(programFile(), content);
    const auto store = openProgram();
    QVERIFY(store);
    QCOMPARE(valuesOf(*store), expected);
}

void SettingsStoreTest::wrongTypeReadsFail_data()
{
    QTest::addColumn<RegistryValue>("stored");
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<bool>("ok");
    QTest::newRow("integer as integer") << integer(3) << Reader::Integer << true;
    QTest::newRow("integer as bool") << integer(3) << Reader::Bool << true;
    QTest::newRow("integer as text") << integer(3) << Reader::String << false;
    QTest::newRow("integer as date") << integer(3) << Reader::Date << false;
    QTest::newRow("text as integer") << text(QStringLiteral("3")) << Reader::Integer << false;
    QTest::newRow("text as bool") << text(QStringLiteral("1")) << Reader::Bool << false;
    QTest::newRow("binary as integer") << binary("03000000") << Reader::Integer << false;
    QTest::newRow("4-byte binary as date") << binary("00000000") << Reader::Date << false;
    QTest::newRow("binary as text") << binary("4100") << Reader::String << false;
}

void SettingsStoreTest::wrongTypeReadsFail()
{
    QFETCH(RegistryValue, stored);
    QFETCH(Reader, reader);
    QFETCH(bool, ok);
    auto store = openProgram(true);
    store->setValue(QStringLiteral("V"), stored);
    QVERIFY(store->save().ok());
    QCOMPARE(readSucceeds(*openProgram(), reader, QStringLiteral("V")), ok);
    QVERIFY(readSucceeds(*openProgram(), reader, QStringLiteral("absent")));
}

void SettingsStoreTest::namesIgnoreCase()
{
    writeAll(programFile(), withCrLf(Header + ProgramSection + "\"UpDown7\"=dword:00000032\n"));
    auto store = openProgram();
    QCOMPARE(**store->readInteger(QStringLiteral("UPDOWN7")), 50);
    store->writeInteger(QStringLiteral("updown7"), 60);
    QVERIFY(store->save().ok());
    QCOMPARE(valuesOf(*openProgram()), (Values{{"UpDown7", integer(60)}}));
}

void SettingsStoreTest::rewriteKeepsOrder()
{
    writeAll(programFile(),
        withCrLf(Header + ProgramSection + "\"C\"=dword:00000001\n\"A\"=\"a\"\n\"B\"=hex:01\n\"X\"=dword:00000000\n"));
    auto store = openProgram();
    store->writeString(QStringLiteral("A"), QStringLiteral("neu"));
    store->writeInteger(QStringLiteral("D"), 4);
    store->removeValue(QStringLiteral("X"));
    QVERIFY(store->save().ok());
    QCOMPARE(readAll(programFile()),
        withCrLf(
            Header + ProgramSection + "\"C\"=dword:00000001\n\"A\"=\"neu\"\n\"B\"=hex:01\n\"D\"=dword:00000004\n\n"));
}

void SettingsStoreTest::removingKeepsTheOthersFound()
{
    MemorySettingsStore store;
    for (const char *name : {"Eins", "Zwei", "Drei", "Vier"})
        store.writeString(QString::fromLatin1(name), QString::fromLatin1(name).toLower());
    store.removeValue(QStringLiteral("ZWEI"));
    store.writeString(QStringLiteral("drei"), QStringLiteral("3"));
    store.writeString(QStringLiteral("Fünf"), QStringLiteral("5"));
    store.removeValue(QStringLiteral("Eins"));
    QCOMPARE(store.valueNames(), (QStringList{"Drei", "Vier", "Fünf"}));
    QCOMPARE(**store.readString(QStringLiteral("DREI")), QStringLiteral("3"));
    QCOMPARE(**store.readString(QStringLiteral("vier")), QStringLiteral("vier"));
    QCOMPARE(**store.readString(QStringLiteral("FÜNF")), QStringLiteral("5"));
    QVERIFY(!store.value(QStringLiteral("Zwei")));
}

void SettingsStoreTest::openingUserKeys()
{
    QVERIFY(!SettingsLocation::exists(Scope::CurrentUser, SettingsKeys::Program));
    QVERIFY(!openProgram(false));
    QVERIFY(!QFile::exists(programFile()));

    QVERIFY(openProgram(true));
    QVERIFY(QFile::exists(programFile()));
    QVERIFY(SettingsLocation::exists(Scope::CurrentUser, SettingsKeys::Program));
    QVERIFY(openProgram(false));
}

void SettingsStoreTest::machineKeys()
{
    const QString key = SettingsKeys::ScriptHostLocation;
    QVERIFY(!SettingsLocation::exists(Scope::LocalMachine, key));
    QVERIFY(!SettingsLocation::open(Scope::LocalMachine, key, true));
    QVERIFY(!QDir(machineRoot(1)).exists() && !QDir(machineRoot(2)).exists());

    const QString section = QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvak\\Skriptor\\Settings]\n");
    const QString second = machineRoot(2) + QStringLiteral("/Morvak/Skriptor/Settings.reg");
    const QByteArray content = withCrLf(Header + section + "\"Path\"=\"/opt/zweite\"\n");
    writeAll(second, content);
    // The parent key exists through its subkey, as in the registry.
    QVERIFY(SettingsLocation::exists(Scope::LocalMachine, SettingsKeys::ScriptParameters));
    QVERIFY(SettingsLocation::exists(Scope::LocalMachine, key));
    QVERIFY(!SettingsLocation::exists(Scope::CurrentUser, key));
    QCOMPARE(SettingsLocation::filePathFor(Scope::LocalMachine, key), second);

    auto store = SettingsLocation::open(Scope::LocalMachine, key, false);
    QVERIFY(store);
    QCOMPARE(**store->readString(QStringLiteral("path")), QStringLiteral("/opt/zweite"));
    store->writeString(QStringLiteral("Path"), QStringLiteral("/anders"));
    QVERIFY(!store->save().ok());
    QCOMPARE(readAll(second), content);

    writeAll(machineRoot(1) + QStringLiteral("/Morvak/Skriptor/Settings.reg"),
        withCrLf(Header + section + "\"Path\"=\"/opt/erste\"\n"));
    QCOMPARE(**SettingsLocation::open(Scope::LocalMachine, key, false)->readString(QStringLiteral("Path")),
        QStringLiteral("/opt/erste"));
}

void SettingsStoreTest::keyPathMapping_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("relative");
    QTest::newRow("program") << SettingsKeys::Program << "Morvak/DevuDirurero.reg";
    QTest::newRow("script parameters") << SettingsKeys::ScriptParameters << "Morvak/Skriptor.reg";
    QTest::newRow("script host") << SettingsKeys::ScriptHostLocation << "Morvak/Skriptor/Settings.reg";
    QTest::newRow("lower-case software") << "\\software\\Morvak\\X"
                                         << "Morvak/X.reg";
    QTest::newRow("no leading backslash") << "SOFTWARE\\Morvak\\X\\"
                                          << "Morvak/X.reg";
    QTest::newRow("not below software") << "\\Other\\Key"
                                        << "Other/Key.reg";
    QTest::newRow("software only") << "\\SOFTWARE\\"
                                   << "";
    QTest::newRow("leaves the root") << "\\SOFTWARE\\..\\..\\etc"
                                     << "";
    QTest::newRow("slash inside") << "\\SOFTWARE\\a/b"
                                  << "";
}

void SettingsStoreTest::keyPathMapping()
{
    QFETCH(QString, key);
    QFETCH(QString, relative);
    const QString expected = relative.isEmpty() ? QString() : userRoot() + u'/' + relative;
    QCOMPARE(SettingsLocation::filePathFor(Scope::CurrentUser, key), expected);
    if (relative.isEmpty())
        QVERIFY(!SettingsLocation::open(Scope::CurrentUser, key, true));
}

void SettingsStoreTest::failedSaveKeepsEarlierFile_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::newRow("target is a folder") << Failure::TargetIsFolder;
    QTest::newRow("folder is a file") << Failure::FolderIsFile;
    QTest::newRow("name with line break") << Failure::UnstorableName;
}

void SettingsStoreTest::failedSaveKeepsEarlierFile()
{
    QFETCH(Failure, failure);
    const QByteArray earlier = withCrLf(Header + ProgramSection + "\"A\"=dword:00000001\n");
    writeAll(programFile(), earlier);
    auto store = openProgram();
    store->writeInteger(QStringLiteral("A"), 2);

    // The file standing in the way (or the earlier settings file) must survive as it was,
    // and no temporary file may be left beside it.
    QString blocker = programFile();
    QString folder = QFileInfo(programFile()).absolutePath();
    if (failure == Failure::TargetIsFolder) {
        QVERIFY(QFile::remove(programFile()));
        blocker = programFile() + QStringLiteral("/inner.txt");
        writeAll(blocker, earlier);
    } else if (failure == Failure::FolderIsFile) {
        QVERIFY(QDir(folder).removeRecursively());
        blocker = folder;
        folder = userRoot();
        writeAll(blocker, earlier);
    } else {
        store->writeInteger(QStringLiteral("Zeile\nUmbruch"), 3);
    }

    const auto saved = store->save();
    QVERIFY(!saved.ok());
    QVERIFY(!saved.error().isEmpty());
    QCOMPARE(readAll(blocker), earlier);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 1);

    // Nothing was lost in memory: once the way is clear, the save goes through.
    if (failure == Failure::TargetIsFolder) {
        QVERIFY(QDir(programFile()).removeRecursively());
        QVERIFY(store->save().ok());
        QCOMPARE(**openProgram()->readInteger(QStringLiteral("a")), 2);
    }
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
