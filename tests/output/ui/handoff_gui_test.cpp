// "Tipp abgeben" from the window: the dated tip file in "Tipps", the install question
// when the automation program is missing, the dialog XRTForm answered as a user would,
// the script refresh on OK, the generated script beside the tip file and the program
// started with the split command line.
#include "app/clock.h"
#include "app/reg_file_format.h"
#include "app/reg_file_settings_store.h"
#include "draws/ui/database_page.h"
#include "fake_http_client.h"
#include "output/automation_locator.h"
#include "output/script_parameters.h"
#include "output/ui/handoff_controller.h"
#include "output/ui/script_dialog.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using SettingsLocation::Scope;

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const char *const ProgramFolder = "Programme/Morvak/DevuDirurero";
const char *const AutomationFolder = "Programme/Morvak/Skriptomat";

struct Typed {
    QString zahl1, text1, zahl2, text2;
};
} // namespace

class HandoffGuiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_f;
    FakeHttpClient *m_http = nullptr;
    QString m_sample;

    QString path(const QString &relative) const { return m_f->directory.filePath(relative); }
    QString program() const { return path(QString::fromLatin1(AutomationFolder) + QStringLiteral("/skriptomat")); }
    QString tipsFolder() const { return m_f->programFolder() + QStringLiteral("/Tipps"); }

    void installStandin()
    {
        QVERIFY(QDir().mkpath(path(QString::fromLatin1(AutomationFolder))));
        QVERIFY(QFile::copy(QStringLiteral(DEVU_STANDIN_PATH), program()));
    }

    MainWindow &create()
    {
        MainWindow &w = m_f->create();
        w.afterCreation();
        w.database()->DateTimePicker1->setDate(QDate(2015, 3, 10));
        w.tipSheet()->setRowTexts(1, {"5", "12", "23", "34", "45", "10", ""});
        w.tipSheet()->setRowTexts(3, {"1", "2", "7", "33", "75", "15", ""});
        return w;
    }

    // Answers XRTForm: checks what it proposes, types the parameters and presses OK or Cancel.
    void answerDialog(Typed typed, bool ok, QString *proposedScript = nullptr)
    {
        m_f->dialogs.dialogAnswers.push_back([=](QDialog &shown) {
            auto *dialog = qobject_cast<ScriptDialog *>(&shown);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Script für Zahlenübergabe auswählen!"));
            if (proposedScript)
                *proposedScript = dialog->scriptPath();
            dialog->LabeledEdit2->setText(typed.zahl1);
            dialog->LabeledEdit4->setText(typed.text1);
            dialog->LabeledEdit3->setText(typed.zahl2);
            dialog->LabeledEdit5->setText(typed.text2);
            (ok ? dialog->BitBtn2 : dialog->BitBtn3)->click();
        });
    }

    QString storedValue(const QString &name) const
    {
        const auto value = m_f->scriptSettings->readString(name);
        return value && value->has_value() ? **value : QStringLiteral("(absent)");
    }

    void writeMachinePath(const QString &folder) const
    {
        auto store = RegFileSettingsStore::load(path(QStringLiteral("machine/Morvak/Skriptor/Settings.reg")),
            RegFile::sectionName(Scope::LocalMachine, SettingsKeys::ScriptHostLocation),
            RegFileSettingsStore::Access::ReadWrite);
        store->writeString(AutomationLocator::PathValue, folder);
        QVERIFY(store->save().ok());
    }

private slots:
    void init()
    {
        Clock::setToday(QDate(2017, 10, 31));
        m_f = std::make_unique<WindowFixture>();
        // Nothing of this machine's own keys takes part.
        SettingsLocation::setRootOverride(Scope::CurrentUser, path(QStringLiteral("config")));
        SettingsLocation::setMachineRootsOverride({path(QStringLiteral("machine"))});
        auto http = std::make_unique<FakeHttpClient>();
        m_http = http.get();
        m_http->fallback = [](const HttpRequest &) { return FakeHttpClient::answer(404); };
        m_f->http = std::move(http);
        m_f->useProgramSubfolder(QString::fromLatin1(ProgramFolder));
        m_f->useHistory(TestData::draws({"2015-03-10 1 2 3 4 5 6 2", "2017-10-27 17 27 41 51 52 13 5"}));
        m_sample = m_f->programFolder() + QStringLiteral("/Script/Script_Lotto.xrt");
        writeFile(
            m_sample, readAll(TestData::sourceDir() + QStringLiteral("/resources/runtime/Script/Script_Lotto.xrt")));
    }
    void cleanup()
    {
        m_f.reset();
        SettingsLocation::setRootOverride(Scope::CurrentUser, {});
        SettingsLocation::setMachineRootsOverride({});
        Clock::setToday(std::nullopt);
    }

    void theTipsReachTheAutomationProgram()
    {
        installStandin();
        MainWindow &w = create();
        QVERIFY(!QFileInfo::exists(tipsFolder()));
        QString proposed;
        answerDialog(
            {QStringLiteral("3"), QStringLiteral("zwei Worte"), QString(), QStringLiteral("Ende")}, true, &proposed);
        click(w.tipSheet()->onlineTipButton());

        QCOMPARE(f().dialogs.dialogsShown.size(), 1);
        QCOMPARE(proposed, m_sample); // the only script of the folder
        const QString tipFile = tipsFolder() + QStringLiteral("/20150317.hlt");
        QCOMPARE(readAll(tipFile), QByteArray("5,12,23,34,45,10,\r\n1,2,7,33,75,15,\r\n"));
        QCOMPARE(w.fileDialogs().save.fileName, tipFile);

        // Beside the tip file, named after today; the third sheet row became line 2.
        const QString script = tipsFolder() + QStringLiteral("/20171031.xrt");
        const QString text = QString::fromUtf8(readAll(script));
        QVERIFY2(text.contains(QStringLiteral("TIPP  1   5 12 23 34 45   MB 10")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("TIPP  2   1 2 7 33 75   MB 15")));
        QVERIFY(!text.contains(QStringLiteral("[Z")));
        QVERIFY(text.contains(tipFile));

        QCOMPARE(f().shell.started,
            QStringList{program() + QStringLiteral(" START ") + script + QStringLiteral(" 3 zwei Worte 0 Ende")});
        QVERIFY(f().dialogs.errors.isEmpty());
        // The parameters as the dialog closed: the empty ZAHL2 became "0".
        QCOMPARE(storedValue(ScriptParameterNames::Script), m_sample);
        QCOMPARE(storedValue(ScriptParameterNames::Zahl1), QStringLiteral("3"));
        QCOMPARE(storedValue(ScriptParameterNames::Text1), QStringLiteral("zwei Worte"));
        QCOMPARE(storedValue(ScriptParameterNames::Zahl2), QStringLiteral("0"));
        QCOMPARE(storedValue(ScriptParameterNames::Text2), QStringLiteral("Ende"));

        // OK asked the script service for the chosen script, as the documented client.
        QCOMPARE(m_http->requests.size(), size_t(1));
        QVERIFY(m_http->requests[0].url.toString().endsWith(QStringLiteral("/scripts/Script_Lotto.xrt.txt")));
        QVERIFY(m_http->requests[0].proxyHost.isEmpty());
        QCOMPARE(w.handoff()->lastRefresh(), ScriptRefresh::Outcome::Failed);
    }

    void theOptionsOfTheGenerationReachTheScript()
    {
        installStandin();
        MainWindow &w = create();
        // With a byte-order mark, which the generated script keeps.
        writeFile(m_sample, "\xef\xbb\xbf[DAUER] [DI] [FR] [DIFR]\r\n");
        GenerationSettings settings = w.generationSettings();
        settings.setCheckBox(1, false);
        settings.setCheckBox(2, true);
        settings.setCheckBox(3, false);
        w.applyGenerationSettings(settings);
        answerDialog({}, true);
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(
            readAll(tipsFolder() + QStringLiteral("/20171031.xrt")), QByteArray("\xef\xbb\xbfNEIN JA NEIN NEIN\r\n"));
    }

    void theStoredParametersFillTheDialog()
    {
        installStandin();
        MainWindow &w = create();
        const ScriptParameters stored{
            m_sample, QStringLiteral("7"), QStringLiteral("a"), QStringLiteral("8"), QStringLiteral("b")};
        stored.write(*f().scriptSettings);
        ScriptParameters shown;
        f().dialogs.dialogAnswers.push_back([&](QDialog &dialog) {
            shown = static_cast<ScriptDialog &>(dialog).parameters();
            static_cast<ScriptDialog &>(dialog).BitBtn2->click();
        });
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(shown, stored);
        QCOMPARE(f().shell.started.size(), 1);
        QVERIFY(f().shell.started[0].endsWith(QStringLiteral(" 7 a 8 b")));
    }

    void cancelStartsNothingAndSavesNothing()
    {
        installStandin();
        MainWindow &w = create();
        f().scriptSettings->writeString(ScriptParameterNames::Zahl1, QStringLiteral("5"));
        answerDialog({QString(), QStringLiteral("neu"), QString(), QString()}, false);
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(f().dialogs.dialogsShown.size(), 1);
        QVERIFY(f().shell.started.isEmpty());
        QCOMPARE(storedValue(ScriptParameterNames::Zahl1), QStringLiteral("5"));
        QCOMPARE(storedValue(ScriptParameterNames::Text1), QStringLiteral("(absent)"));
        QVERIFY(!QFileInfo::exists(tipsFolder() + QStringLiteral("/20171031.xrt")));
        // The tip file stays; the dialog's ZAHL fields were defaulted on closing.
        QVERIFY(QFileInfo::exists(tipsFolder() + QStringLiteral("/20150317.hlt")));
        QCOMPARE(w.scriptDialog()->LabeledEdit2->text(), QStringLiteral("0"));
        QVERIFY(m_http->requests.empty());
    }

    void aMissingProgramOffersTheDownload_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes opens the download") << true;
        QTest::newRow("No does nothing") << false;
    }
    void aMissingProgramOffersTheDownload()
    {
        QFETCH(bool, yes);
        MainWindow &w = create();
        f().dialogs.answers.push_back(yes);
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(f().dialogs.questions,
            QStringList{QStringLiteral("Skriptomat jetzt installieren?|Morvaks Skriptomat installieren?")});
        QCOMPARE(f().shell.opened,
            yes ? QStringList{QStringLiteral("https://www.morvak.example/dateien/skriptomatp.exe")} : QStringList{});
        QVERIFY(f().dialogs.dialogsShown.isEmpty());
        QVERIFY(f().shell.started.isEmpty());
        QVERIFY(QFileInfo::exists(tipsFolder() + QStringLiteral("/20150317.hlt")));
    }

    // The machine-wide key names the program's folder; with it the folder rule is not tried.
    void theMachineKeyComesFirst()
    {
        installStandin();
        writeMachinePath(path(QStringLiteral("Installiert")));
        MainWindow &w = create();
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(f().dialogs.questions.size(), 1);
        QVERIFY(f().dialogs.dialogsShown.isEmpty());

        f().dialogs.questions.clear();
        QVERIFY(QDir().mkpath(path(QStringLiteral("Installiert"))));
        QVERIFY(QFile::copy(QStringLiteral(DEVU_STANDIN_PATH), path(QStringLiteral("Installiert/Skriptomat.exe"))));
        answerDialog({}, true);
        click(w.tipSheet()->onlineTipButton());
        QVERIFY(f().dialogs.questions.isEmpty());
        QCOMPARE(f().shell.started.size(), 1);
        QVERIFY(f().shell.started[0].startsWith(path(QStringLiteral("Installiert/Skriptomat.exe START "))));
    }

    void aMissingScriptIsRememberedButNotStarted()
    {
        installStandin();
        MainWindow &w = create();
        const QString missing = m_f->programFolder() + QStringLiteral("/Script/fehlt.xrt");
        f().dialogs.dialogAnswers.push_back([&](QDialog &dialog) {
            auto &script = static_cast<ScriptDialog &>(dialog);
            script.setScriptPath(missing);
            script.BitBtn2->click();
        });
        click(w.tipSheet()->onlineTipButton());
        QVERIFY(f().shell.started.isEmpty());
        QVERIFY(f().dialogs.errors.isEmpty());
        QCOMPARE(storedValue(ScriptParameterNames::Script), missing);
        QCOMPARE(storedValue(ScriptParameterNames::Zahl1), QStringLiteral("0"));
        QVERIFY(w.statusText(0).contains(missing));
    }

    // A newer copy from the service replaces the template before it is filled.
    void okRefreshesTheScriptFirst()
    {
        installStandin();
        MainWindow &w = create();
        m_http->answers.push_back(FakeHttpClient::answer(200, "NEU [Z1_1]\r\n",
            {{"Last-Modified", QDateTime::currentDateTimeUtc().addDays(1).toString(Qt::RFC2822Date).toLatin1()}}));
        answerDialog({}, true);
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(w.handoff()->lastRefresh(), ScriptRefresh::Outcome::Replaced);
        QCOMPARE(readAll(m_sample), QByteArray("NEU [Z1_1]\r\n"));
        QCOMPARE(readAll(tipsFolder() + QStringLiteral("/20171031.xrt")), QByteArray("NEU 5\r\n"));
        QCOMPARE(f().shell.started.size(), 1);
    }

    void aServiceThatDoesNotAnswerDelaysOkOnlyBriefly()
    {
        installStandin();
        MainWindow &w = create();
        m_http->hang = [](const HttpRequest &) { return true; };
        w.handoff()->setRefreshTimeout(50);
        answerDialog({}, true);
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(w.handoff()->lastRefresh(), ScriptRefresh::Outcome::Aborted);
        QCOMPARE(m_http->aborted, 1);
        QCOMPARE(f().shell.started.size(), 1);
        QVERIFY(w.scriptDialog()->BitBtn2->isEnabled());
    }

    // Cancel while OK waits for the service ends the request and the hand-off.
    void cancelDuringTheRefresh()
    {
        installStandin();
        MainWindow &w = create();
        m_http->hang = [](const HttpRequest &) { return true; };
        f().dialogs.dialogAnswers.push_back([](QDialog &dialog) {
            auto &script = static_cast<ScriptDialog &>(dialog);
            // Pressed once OK's wait processes events.
            QMetaObject::invokeMethod(script.BitBtn3, &QPushButton::click, Qt::QueuedConnection);
            script.BitBtn2->click();
        });
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(w.handoff()->lastRefresh(), ScriptRefresh::Outcome::Aborted);
        QCOMPARE(m_http->aborted, 1);
        QCOMPARE(w.scriptDialog()->result(), int(QDialog::Rejected));
        QVERIFY(f().shell.started.isEmpty());
        QCOMPARE(storedValue(ScriptParameterNames::Script), QStringLiteral("(absent)"));
    }

    void browsePicksAScript()
    {
        installStandin();
        MainWindow &w = create();
        const QString other = path(QStringLiteral("anderswo/mein.xrt"));
        writeFile(other, "[S1_1]\r\n");
        f().dialogs.dialogAnswers.push_back([&](QDialog &dialog) {
            auto &script = static_cast<ScriptDialog &>(dialog);
            f().dialogs.fileNames.push_back(other);
            click(script.BitBtn1);
            QCOMPARE(script.scriptPath(), other);
            script.BitBtn2->click();
        });
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(f().dialogs.fileDialogs.size(), size_t(1));
        const FileDialogOptions &browse = f().dialogs.fileDialogs[0];
        QCOMPARE(browse.filter, QStringLiteral("Morvaks Click Script|*.xrt"));
        QCOMPARE(browse.defaultSuffix, QStringLiteral("XRT"));
        QCOMPARE(QDir(browse.folder).canonicalPath(),
            QDir(m_f->programFolder() + QStringLiteral("/Script")).canonicalPath());
        QCOMPARE(readAll(tipsFolder() + QStringLiteral("/20171031.xrt")), QByteArray("10\r\n"));
    }

    // "&Abgeben" is not in the menu bar, yet Ctrl+G plays the tip.
    void theHiddenMenuEntryAndItsShortcut()
    {
        installStandin();
        MainWindow &w = create();
        QAction *entry = w.menuAction(QStringLiteral("Abgeben1"));
        QVERIFY(entry);
        QVERIFY(entry->isEnabled());
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));
        QVERIFY(!w.menuBar()->actions().contains(entry));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        answerDialog({}, false);
        QTest::keyClick(&w, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(f().dialogs.dialogsShown.size(), 1);
        QVERIFY(QFileInfo::exists(tipsFolder() + QStringLiteral("/20150317.hlt")));
    }

    void aTipFolderThatCannotBeMadeStopsTheCommand()
    {
        installStandin();
        MainWindow &w = create();
        writeFile(tipsFolder(), "kein Ordner");
        click(w.tipSheet()->onlineTipButton());
        QCOMPARE(f().dialogs.errors.size(), 1);
        QVERIFY(f().dialogs.dialogsShown.isEmpty());
        QVERIFY(f().dialogs.questions.isEmpty());
    }

private:
    WindowFixture &f() { return *m_f; }
};

QTEST_MAIN(HandoffGuiTest)
#include "handoff_gui_test.moc"
