// "Tipp abgeben" from end to end without the window: the dated tip file in "Tipps", the
// script parameters in their key, the script filled from a shipped sample, and the
// stand-in automation program started with the command line, recording what it got.
#include "app/clock.h"
#include "app/message_table.h"
#include "app/settings_store.h"
#include "output/automation_locator.h"
#include "output/click_script.h"
#include "output/online_tip.h"
#include "output/script_parameters.h"
#include "test_data.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using SettingsLocation::Scope;

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TipSheetTexts sampleSheet()
{
    TipSheetTexts sheet;
    sheet[0] = {"5", "12", "23", "34", "45", "10", ""};
    sheet[2] = {"1", "2", "3", "4", "5", "6", ""};
    return sheet;
}
} // namespace

class HandoffTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &relative) const { return m_dir->filePath(relative); }

    // The records the stand-in wrote for its runs, one object per start.
    QList<QJsonObject> standinRecords() const
    {
        QList<QJsonObject> records;
        for (const QByteArray &line : readAll(path(QStringLiteral("log/skriptomat-log.jsonl"))).split('\n')) {
            if (!line.isEmpty())
                records.append(QJsonDocument::fromJson(line).object());
        }
        return records;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        SettingsLocation::setRootOverride(Scope::CurrentUser, path(QStringLiteral("config")));
        SettingsLocation::setMachineRootsOverride({path(QStringLiteral("machine"))});
    }
    void cleanup()
    {
        SettingsLocation::setRootOverride(Scope::CurrentUser, {});
        SettingsLocation::setMachineRootsOverride({});
        Clock::setToday(std::nullopt);
    }

    void onlineTipFile_data()
    {
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<QString>("name");
        QTest::newRow("Tuesday") << QDate(2015, 3, 10) << "20150317.hlt";
        QTest::newRow("one day later, one day later") << QDate(2015, 3, 11) << "20150318.hlt";
        QTest::newRow("Friday") << QDate(2015, 3, 13) << "20150320.hlt";
    }
    void onlineTipFile()
    {
        QFETCH(QDate, endDate);
        QFETCH(QString, name);
        const ProgramDirectory program(path(QStringLiteral("Lotto")));
        QVERIFY(QDir().mkpath(program.path()));
        QVERIFY(!QFileInfo::exists(program.path() + QStringLiteral("Tipps")));
        const auto written = OnlineTip::write(program, endDate, sampleSheet());
        QVERIFY2(written.ok(), qPrintable(written.error()));
        QCOMPARE(*written, program.path() + QStringLiteral("Tipps/") + name);
        QCOMPARE(readAll(*written), QByteArray("5,12,23,34,45,10,\r\n1,2,3,4,5,6,\r\n"));
        // A second run replaces the file; an empty sheet still writes one.
        QCOMPARE(*OnlineTip::write(program, endDate, TipSheetTexts{}), *written);
        QCOMPARE(readAll(*written), QByteArray());
    }

    void onlineTipUsesAFolderOfAnyCase()
    {
        const ProgramDirectory program(path(QStringLiteral("Lotto")));
        QVERIFY(QDir().mkpath(program.path() + QStringLiteral("tipps")));
        QCOMPARE(*OnlineTip::write(program, QDate(2015, 3, 10), sampleSheet()),
            program.path() + QStringLiteral("tipps/20150317.hlt"));
        QFile blocker(path(QStringLiteral("Other/Tipps")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("Other"))) && blocker.open(QIODevice::WriteOnly));
        QVERIFY(!OnlineTip::write(ProgramDirectory(path(QStringLiteral("Other"))), QDate(2015, 3, 10), sampleSheet()));
    }

    void scriptParameters()
    {
        QCOMPARE(ScriptParameters::readStored(), ScriptParameters{});
        QVERIFY(QFileInfo::exists(path(QStringLiteral("config/Morvak/Skriptor.reg")))); // created when missing
        const ScriptParameters typed{QStringLiteral("/s/lotto.xrt"), {}, QStringLiteral("Hallo Welt"), {}, {}};
        const ScriptParameters closed = typed.withNumberDefaults();
        QCOMPARE(closed.zahl1, QStringLiteral("0"));
        QCOMPARE(closed.zahl2, QStringLiteral("0"));
        QCOMPARE(closed.text2, QString());
        QVERIFY(closed.store().ok());
        QCOMPARE(ScriptParameters::readStored(), closed);

        auto key = SettingsLocation::open(Scope::CurrentUser, SettingsKeys::ScriptParameters, false);
        QVERIFY(key);
        QCOMPARE(**key->readString(QStringLiteral("MegaLottoText1")), QStringLiteral("Hallo Welt"));
        // A value of another type reads as empty text, the others stay readable.
        key->writeInteger(ScriptParameterNames::Zahl2, 5);
        QCOMPARE(ScriptParameters::read(*key).zahl2, QString());
        QCOMPARE(ScriptParameters::read(*key).script, QStringLiteral("/s/lotto.xrt"));
    }

    void standinRecordsTheHandoff()
    {
        // An installation below a "Morvak" folder, the stand-in as its automation program; a
        // blank in the folder names stays inside the script path.
        const ProgramDirectory program(path(QStringLiteral("Eigene Programme/Morvak/DevuDirurero")));
        QVERIFY(QDir().mkpath(program.path() + QStringLiteral("Script")));
        QVERIFY(QDir().mkpath(path(QStringLiteral("Eigene Programme/Morvak/Skriptomat"))));
        QVERIFY(QFile::copy(
            QStringLiteral(DEVU_STANDIN_PATH), path(QStringLiteral("Eigene Programme/Morvak/Skriptomat/skriptomat"))));
        const QString sample = program.path() + QStringLiteral("Script/Script_Lotto.xrt");
        QVERIFY(
            QFile::copy(TestData::sourceDir() + QStringLiteral("/resources/runtime/Script/Script_Lotto.xrt"), sample));

        const auto location = AutomationLocator::locate(program.path());
        QVERIFY(location.found);
        QCOMPARE(ScriptList::boxText(QString(), ScriptList::entries(program)), sample);

        const auto tipFile = OnlineTip::write(program, QDate(2015, 3, 10), sampleSheet());
        QVERIFY(tipFile.ok());
        Clock::setToday(QDate(2015, 3, 9));
        const auto generated
            = ClickScript::build(sample, *tipFile, ScriptOptions{false, true, false}, Clock::today(), MessageTable());
        QVERIFY2(generated.ok(), qPrintable(generated.error()));
        QCOMPARE(QFileInfo(generated->path).fileName(), QStringLiteral("20150309.xrt"));
        QVERIFY(generated->text.contains(QStringLiteral("5 12 23 34 45")));
        QVERIFY(!generated->text.contains(QStringLiteral("[Z")));

        const ScriptParameters parameters{
            sample, QStringLiteral("3"), QStringLiteral("zwei Worte"), {}, QStringLiteral("Ende")};
        const auto launch
            = AutomationCommand::launch(location.executable, generated->path, parameters.withNumberDefaults());
        QVERIFY(launch.ok());

        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DEVU_STANDIN_LOG_DIR"), path(QStringLiteral("log")));
        process.setProcessEnvironment(environment);
        process.start(launch->program, launch->arguments);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 0);

        const QList<QJsonObject> records = standinRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].value(QStringLiteral("arguments")).toArray().toVariantList(),
            (QVariantList{"START", generated->path, "3", "zwei", "Worte", "0", "Ende"}));
        const QString copy = records[0].value(QStringLiteral("scriptCopy")).toString();
        QCOMPARE(readAll(path(QStringLiteral("log/")) + copy), readAll(generated->path));
    }
};

QTEST_GUILESS_MAIN(HandoffTest)
#include "handoff_test.moc"
