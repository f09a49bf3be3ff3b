// Locating the automation program: the machine-wide key first, then the folder rule,
// on a case-sensitive file system and with the real spelling of the path kept.
#include "app/reg_file_format.h"
#include "app/reg_file_settings_store.h"
#include "app/settings_store.h"
#include "output/automation_locator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using SettingsLocation::Scope;

class AutomationLocatorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    void makeFile(const QString &relative) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString machineRoot() const { return path(QStringLiteral("machine")); }
    void writeMachinePath(const QString &folder) const
    {
        const QString file = machineRoot() + QStringLiteral("/Morvak/Skriptor/Settings.reg");
        auto store = RegFileSettingsStore::load(file,
            RegFile::sectionName(Scope::LocalMachine, SettingsKeys::ScriptHostLocation),
            RegFileSettingsStore::Access::ReadWrite);
        store->writeString(AutomationLocator::PathValue, folder);
        QVERIFY(store->save().ok());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsLocation::setMachineRootsOverride({machineRoot()});
    }
    void cleanup() { SettingsLocation::setMachineRootsOverride({}); }

    void ruleFolder_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("folder");
        QTest::newRow("cut after the word") << "/opt/Programme/Morvak/Lotto/"
                                            << "/opt/Programme/Morvak/Skriptomat";
        QTest::newRow("any case, spelling kept") << "/opt/mOrVaK/Lotto/neu"
                                                 << "/opt/mOrVaK/Skriptomat";
        QTest::newRow("first occurrence") << "/a/morvak/b/Morvak/c/"
                                          << "/a/morvak/Skriptomat";
        QTest::newRow("without the word") << "/opt/Lotto/"
                                          << "/opt/Lotto/Skriptomat";
        // Only a whole folder name counts.
        QTest::newRow("word inside a name") << "/opt/Morvaks Lotto/"
                                            << "/opt/Morvaks Lotto/Skriptomat";
        QTest::newRow("word inside a folder") << "/opt/xMorvakY/Lotto/"
                                              << "/opt/xMorvakY/Lotto/Skriptomat";
        QTest::newRow("no umlaut upper-cased") << "/opt/\u00e4Morvak/x/"
                                               << "/opt/\u00e4Morvak/x/Skriptomat";
    }
    void ruleFolder()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, folder);
        QCOMPARE(AutomationLocator::ruleFolder(programFolder), folder);
    }

    void folderRule_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("executable"); // empty: nothing installed
        QTest::addColumn<bool>("found");
        QTest::newRow("with the word") << "Programme/Morvak/Lotto"
                                       << "Programme/Morvak/Skriptomat/skriptomat" << true;
        QTest::newRow("case variants") << "programme/MORVAK/lotto"
                                       << "programme/MORVAK/skriptomat/SKRIPTOMAT.EXE" << true;
        QTest::newRow("with .exe") << "x/morvak/DevuDirurero"
                                   << "x/morvak/Skriptomat/Skriptomat.exe" << true;
        QTest::newRow("without the word") << "Lotto"
                                          << "Lotto/SKRIPTOMAT/skriptomat" << true;
        QTest::newRow("without the word, elsewhere") << "Lotto"
                                                     << "Skriptomat/skriptomat" << false;
        QTest::newRow("nothing installed") << "Morvak/Lotto"
                                           << "" << false;
        QTest::newRow("another program in the folder") << "Morvak/Lotto"
                                                       << "Morvak/Skriptomat/skriptor" << false;
    }
    void folderRule()
    {
        QFETCH(QString, program);
        QFETCH(QString, executable);
        QFETCH(bool, found);
        QVERIFY(QDir().mkpath(path(program)));
        if (!executable.isEmpty())
            makeFile(executable);
        const auto location = AutomationLocator::locate(path(program) + QLatin1Char('/'));
        QCOMPARE(location.found, found);
        QVERIFY(!location.fromMachineKey);
        if (found)
            QCOMPARE(location.executable, path(executable));
    }

    void aFolderOfTheNameIsNoProgram()
    {
        QVERIFY(QDir().mkpath(path(QStringLiteral("Morvak/Skriptomat/skriptomat"))));
        QVERIFY(!AutomationLocator::locate(path(QStringLiteral("Morvak/Lotto/"))).found);
    }

    void machineKeyComesFirst()
    {
        QCOMPARE(AutomationLocator::machinePath(), std::nullopt);
        // Both places hold a program; the key's wins.
        makeFile(QStringLiteral("Morvak/Skriptomat/skriptomat"));
        makeFile(QStringLiteral("Installiert/Skriptomat.exe"));
        writeMachinePath(path(QStringLiteral("Installiert")));
        QCOMPARE(AutomationLocator::machinePath(), path(QStringLiteral("Installiert")));
        const auto location = AutomationLocator::locate(path(QStringLiteral("Morvak/Lotto/")));
        QVERIFY(location.found);
        QVERIFY(location.fromMachineKey);
        QCOMPARE(location.executable, path(QStringLiteral("Installiert/Skriptomat.exe")));
    }

    void machineKeyWithoutTheProgramEndsTheSearch()
    {
        makeFile(QStringLiteral("Morvak/Skriptomat/skriptomat"));
        writeMachinePath(path(QStringLiteral("Leer")));
        const auto location = AutomationLocator::locate(path(QStringLiteral("Morvak/Lotto/")));
        QVERIFY(!location.found);
        QVERIFY(location.fromMachineKey);
    }

    void machineKeyWithoutSettings()
    {
        // The key exists (a folder of its name), its "Settings" subkey does not.
        makeFile(QStringLiteral("Morvak/Skriptomat/skriptomat"));
        QVERIFY(QDir().mkpath(machineRoot() + QStringLiteral("/Morvak/Skriptor")));
        QCOMPARE(AutomationLocator::machinePath(), QString());
        QVERIFY(!AutomationLocator::locate(path(QStringLiteral("Morvak/Lotto/"))).found);
    }

    void downloadAddress()
    {
        const QUrl url = AutomationLocator::downloadUrl();
        QVERIFY(url.isValid());
        QVERIFY(url.path().endsWith(QStringLiteral("/dateien/skriptomatp.exe")));
    }
};

QTEST_GUILESS_MAIN(AutomationLocatorTest)
#include "automation_locator_test.moc"
