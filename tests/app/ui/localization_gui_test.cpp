// Languages applied to the running program: captions, hints and messages from the
// shipped files, Qt's own texts, the master list's search window, short files, the
// translation tool's round trip, and the choice kept across a restart.
#include "ui/window_fixture.h"

#include "app/language_files.h"
#include "app/message_table.h"
#include "app/ui/localizer.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/component_text.h"
#include "ui/form_builder.h"
#include "ui/status_panels.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <map>

namespace {
const QString Shipped = QStringLiteral(DEVU_SOURCE_DIR "/resources/runtime");

// Every registered component's caption and hint, keyed "window/name".
using Texts = std::map<QString, std::pair<QString, QString>>;
Texts textsOf(const MainWindow &w)
{
    Texts texts;
    for (const WindowRegistry::Window &window : w.windows().windows())
        for (const Component &component : window.components->components())
            if (component.object)
                texts[window.name + QLatin1Char('/') + component.name]
                    = {ComponentText::caption(component), ComponentText::hint(component)};
    return texts;
}

const Component &componentOf(const MainWindow &w, const QString &windowName, const QString &name)
{
    for (const WindowRegistry::Window &window : w.windows().windows())
        if (window.name == windowName)
            for (const Component &component : window.components->components())
                if (component.name == name)
                    return component;
    qFatal("no component %s/%s", qPrintable(windowName), qPrintable(name));
}

QStringList lines(const QString &path)
{
    const auto read = LanguageFiles::readLines(path, MessageTable());
    if (!read)
        qFatal("%s", qPrintable(read.error()));
    return *read;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray utf8Lines(const QStringList &list)
{
    return (list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

void copyShippedLanguages(const QString &programFolder)
{
    for (const char *folder : {"Land", "land"}) {
        QDirIterator it(Shipped + QLatin1Char('/') + QLatin1String(folder), QDir::Files);
        while (it.hasNext()) {
            const QString from = it.next();
            const QString to
                = programFolder + QLatin1Char('/') + QLatin1String(folder) + QLatin1Char('/') + it.fileName();
            QDir().mkpath(QFileInfo(to).path());
            if (!QFile::copy(from, to))
                qFatal("cannot copy %s", qPrintable(from));
        }
    }
}

// Group g of the shipped master list that belongs to window/name.
int groupOf(const QString &windowName, const QString &name)
{
    const auto master = LanguageFiles::parseMasterList(lines(Shipped + QStringLiteral("/Land/DevuDirurero.txt")));
    for (size_t g = 0; g < master.size(); ++g)
        if (master[g].owner == windowName && master[g].name == name)
            return int(g);
    qFatal("%s/%s is not in the master list", qPrintable(windowName), qPrintable(name));
}

QString shippedLanguage(const char *file)
{
    return Shipped + QStringLiteral("/land/") + QLatin1String(file);
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

qsizetype accelerators(const QString &text)
{
    return QString(text).remove(QStringLiteral("&&")).count(QLatin1Char('&'));
}

void choose(MainWindow &w, const char *entry)
{
    w.menuAction(QLatin1String(entry))->trigger();
}

// The translation tool's two files, written from the program's own components.
std::pair<QStringList, QStringList> toolOutput(WindowFixture &f)
{
    const QString path = f.directory.filePath(QStringLiteral("tool/liste.txt"));
    QDir().mkpath(QFileInfo(path).path());
    f.dialogs.fileNames.push_back(path);
    f.window().localizer().saveTool();
    return {lines(path), lines(path + QStringLiteral(".trans"))};
}
} // namespace

class LocalizationTest : public QObject {
    Q_OBJECT

private slots:
    void englishChangesCaptionsHintsAndMessages()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        auto *generate = f.get<QPushButton>(QStringLiteral("BitBtn4"));
        QCOMPARE(generate->text(), QStringLiteral("Tipps berechnen"));
        QCOMPARE(w.messages().text(Msg::Stoppen), QStringLiteral("Stoppen"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

        choose(w, "Englich1");
        const QStringList english = lines(shippedLanguage("Mega_en.txt"));
        const int group = groupOf(QStringLiteral("Form1"), QStringLiteral("BitBtn4"));
        QCOMPARE(generate->text(), english[2 * group]);
        QCOMPARE(generate->toolTip(), english[2 * group + 1]);
        QVERIFY(generate->text() != QStringLiteral("Tipps berechnen"));
        const QStringList messages = lines(shippedLanguage("Mega_en.txt.meld"));
        QCOMPARE(w.messages().text(Msg::Stoppen), messages[int(Msg::Stoppen)]);
        QVERIFY(w.messages().text(Msg::Stoppen) != QStringLiteral("Stoppen"));
        QVERIFY(w.menuAction(QStringLiteral("Englich1"))->isChecked());
        QVERIFY(!w.menuAction(QStringLiteral("Deutsch1"))->isChecked());
        QCOMPARE(w.localizer().languageIndex(), 2);
        // Qt's own buttons follow: English is Qt's own language.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

        choose(w, "Franz1");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        choose(w, "Deutsch1");
        QCOMPARE(generate->text(), QStringLiteral("Tipps berechnen"));
        QCOMPARE(w.messages().text(Msg::Stoppen), QStringLiteral("Stoppen"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void textsSetAtRunTimeFollow()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        w.afterCreation();
        auto *crossSum = f.get<QLabel>(QStringLiteral("Label13"));
        const QString shownDraw = f.get<QLabel>(QStringLiteral("Label29"))->text();
        QVERIFY(crossSum->text().startsWith(QStringLiteral("Quersumme: ")));
        choose(w, "Italenisch1");
        const QString italian = lines(shippedLanguage("Mega_it.txt.meld"))[int(Msg::Quersumme)];
        QVERIFY(crossSum->text().startsWith(italian + QStringLiteral(": ")));
        // The draw itself is data: it stays as shown; only the day's name follows.
        const QString italianLine = f.get<QLabel>(QStringLiteral("Label29"))->text();
        QVERIFY(italianLine.startsWith(lines(shippedLanguage("Mega_it.txt.meld"))[int(Msg::Friday)] + u' '));
        QCOMPARE(italianLine.section(u' ', 1), shownDraw.section(u' ', 1));
    }

    void withoutTheMessageFileMessagesStay()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        QVERIFY(QFile::remove(f.programFolder() + QStringLiteral("/land/Mega_en.txt.meld")));
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        choose(w, "Englich1");
        QVERIFY(f.get<QPushButton>(QStringLiteral("BitBtn4"))->text() != QStringLiteral("Tipps berechnen"));
        QCOMPARE(w.messages().text(Msg::Stoppen), QStringLiteral("Stoppen"));
        QCOMPARE(w.messages().text(Msg::RunStopped), MessageTable().text(Msg::RunStopped));
    }

    void withoutTheLanguageFileOnlyTheChoiceChanges()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        QVERIFY(QFile::remove(f.programFolder() + QStringLiteral("/land/Mega_it.txt")));
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        const Texts before = textsOf(w);
        choose(w, "Italenisch1");
        QVERIFY(w.menuAction(QStringLiteral("Italenisch1"))->isChecked());
        QCOMPARE(w.localizer().languageIndex(), 5);
        QVERIFY(textsOf(w) == before);
        QCOMPARE(w.messages().text(Msg::Stoppen), QStringLiteral("Stoppen")); // ".meld" alone is not read
    }

    // A language file that never ends (a link to /dev/zero) is refused at its limit and
    // named; the texts stay.
    void anEndlessFileIsRefusedAndNamed()
    {
        if (!QFileInfo::exists(QStringLiteral("/dev/zero")))
            QSKIP("no /dev/zero here");
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        const QString path = f.programFolder() + QStringLiteral("/land/Mega_en.txt");
        QVERIFY(QFile::remove(path) && QFile::link(QStringLiteral("/dev/zero"), path));
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        const Texts before = textsOf(w);
        choose(w, "Englich1");
        QCOMPARE(f.dialogs.errors, QStringList{MessageTable().text(Msg::InputTooLarge).arg(path).arg(4194304)});
        QVERIFY(textsOf(w) == before);
    }

    void taggedComponentsKeepTheirTexts()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        MainWindow &w = f.create();
        auto *web = f.get<QLabel>(QStringLiteral("Label43"));
        const QString webText = web->text();
        const QString webHint = web->toolTip();
        const QString german = w.menuAction(QStringLiteral("Deutsch1"))->text();
        // A master list naming the tagged components beside an untagged one.
        writeFile(f.programFolder() + QStringLiteral("/Land/DevuDirurero.txt"),
            utf8Lines({"Form1", "Deutsch1", "Deutsch", "", "1", //
                "Form1", "Label43", "web", "", "1", //
                "Form1", "BitBtn4", "Tipps berechnen", "", "1"}));
        writeFile(f.programFolder() + QStringLiteral("/land/Mega_en.txt"),
            utf8Lines({"German", "hint", "Visit us", "Our pages", "Compute tips", "Start here"}));
        choose(w, "Englich1");
        QCOMPARE(web->text(), webText);
        QCOMPARE(web->toolTip(), webHint);
        QCOMPARE(w.menuAction(QStringLiteral("Deutsch1"))->text(), german);
        QCOMPARE(f.get<QPushButton>(QStringLiteral("BitBtn4"))->text(), QStringLiteral("Compute tips"));
        QCOMPARE(f.get<QPushButton>(QStringLiteral("BitBtn4"))->toolTip(), QStringLiteral("Start here"));
    }

    void aReorderedMasterListTranslatesOnlyInsideTheWindow()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        MainWindow &w = f.create();
        const auto [masterLines, templateLines] = toolOutput(f);
        std::vector<LanguageFiles::MasterEntry> master = LanguageFiles::parseMasterList(masterLines);
        QVERIFY(master.size() > 40);
        // Every text marked, so that what was translated shows.
        QStringList language;
        for (const auto &entry : master)
            language << QStringLiteral("T:") + entry.caption << QStringLiteral("H:") + entry.hint;
        // The thirtieth group moved to the front: the search has passed it when its
        // component comes, so it stays; every other one is found.
        const size_t moved = 30;
        std::rotate(master.begin(), master.begin() + moved, master.begin() + moved + 1);
        const QString movedCaption = language[2 * moved];
        const QString movedHint = language[2 * moved + 1];
        language.remove(2 * moved, 2);
        language.insert(0, movedHint);
        language.insert(0, movedCaption);
        QStringList reordered;
        for (const auto &entry : master)
            reordered << entry.owner << entry.name << entry.caption << entry.hint << entry.charset;
        writeFile(f.programFolder() + QStringLiteral("/Land/DevuDirurero.txt"), utf8Lines(reordered));
        writeFile(f.programFolder() + QStringLiteral("/land/Mega_en.txt"), utf8Lines(language));

        const Texts before = textsOf(w);
        choose(w, "Englich1");
        const Texts after = textsOf(w);
        const QString movedKey = master[0].owner + QLatin1Char('/') + master[0].name;
        QVERIFY(after.at(movedKey) == before.at(movedKey));
        int translated = 0;
        for (size_t g = 1; g < master.size(); ++g) {
            const Component &component = componentOf(w, master[g].owner, master[g].name);
            if (component.tag != 0)
                continue;
            QCOMPARE(ComponentText::hint(component), QStringLiteral("H:") + master[g].hint);
            ++translated;
        }
        QVERIFY(translated > 40);
    }

    void aShortLanguageFileEmptiesTheTextsPastItsEnd()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        MainWindow &w = f.create();
        const auto [masterLines, templateLines] = toolOutput(f);
        writeFile(f.programFolder() + QStringLiteral("/Land/DevuDirurero.txt"), utf8Lines(masterLines));
        // Half the groups and one caption line without its hint.
        const int groups = int(masterLines.size() / 5);
        const int kept = groups / 2;
        writeFile(
            f.programFolder() + QStringLiteral("/land/Mega_en.txt"), utf8Lines(templateLines.mid(0, 2 * kept + 1)));
        choose(w, "Englich1");
        const auto master = LanguageFiles::parseMasterList(masterLines);
        const Component &half = componentOf(w, master[size_t(kept)].owner, master[size_t(kept)].name);
        if (half.kind != ComponentKind::Edit)
            QCOMPARE(ComponentText::caption(half), templateLines[2 * kept]);
        QCOMPARE(ComponentText::hint(half), QString());
        const Component &last = componentOf(w, master.back().owner, master.back().name);
        QCOMPARE(ComponentText::caption(last), QString());
        QCOMPARE(ComponentText::hint(last), QString());
        const Component &first = componentOf(w, master.front().owner, master.front().name);
        QCOMPARE(ComponentText::hint(first), master.front().hint);
    }

    void theToolsFilesLoadBackUnchanged()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        MainWindow &w = f.create();
        const Texts before = textsOf(w);
        const auto [masterLines, templateLines] = toolOutput(f);
        QCOMPARE(templateLines.size(), 2 * (masterLines.size() / 5));
        // The master list as the tool wrote it, the template (UTF-16) as the language.
        QDir().mkpath(f.programFolder() + QStringLiteral("/Land"));
        QDir().mkpath(f.programFolder() + QStringLiteral("/land"));
        QVERIFY(QFile::copy(f.directory.filePath(QStringLiteral("tool/liste.txt")),
            f.programFolder() + QStringLiteral("/Land/DevuDirurero.txt")));
        QVERIFY(QFile::copy(f.directory.filePath(QStringLiteral("tool/liste.txt.trans")),
            f.programFolder() + QStringLiteral("/land/Mega_de.txt")));
        choose(w, "Deutsch1");
        const Texts after = textsOf(w);
        for (const auto &[key, text] : before) {
            QVERIFY2(after.at(key) == text,
                qPrintable(key + QStringLiteral(": \"") + after.at(key).first + QStringLiteral("\" instead of \"")
                    + text.first + QLatin1Char('"')));
        }
    }

    // The shipped files are made from this program's own enumeration: the master list is
    // what the tool writes for the German design, and every language has a line for each
    // of its groups and each message. DEVU_WRITE_LANGUAGE_FILES=1 writes the master list
    // and the German files anew after a change to the windows or the message table.
    void shippedFilesLineUpWithTheProgram()
    {
        WindowFixture f;
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        f.create();
        const auto [masterLines, templateLines] = toolOutput(f);
        const QString masterPath = Shipped + QStringLiteral("/Land/DevuDirurero.txt");
        if (qEnvironmentVariableIntValue("DEVU_WRITE_LANGUAGE_FILES") == 1) {
            QFile::remove(masterPath);
            QVERIFY(QFile::copy(f.directory.filePath(QStringLiteral("tool/liste.txt")), masterPath));
            // Shipped as UTF-8 with a mark rather than the tool's UTF-16, so that changes
            // show as text in the history.
            writeFile(shippedLanguage("Mega_de.txt"), QByteArray("\xEF\xBB\xBF") + utf8Lines(templateLines));
            const MessageTable german;
            QStringList messages;
            for (int i = 0; i < MessageTable::DefaultCount; ++i)
                messages << german.text(Msg(i));
            writeFile(shippedLanguage("Mega_de.txt.meld"), QByteArray("\xEF\xBB\xBF") + utf8Lines(messages));
        }
        QCOMPARE(lines(masterPath), masterLines);
        QCOMPARE(lines(shippedLanguage("Mega_de.txt")), templateLines);
        const QStringList german = templateLines;
        const QStringList germanMessages = lines(shippedLanguage("Mega_de.txt.meld"));
        QCOMPARE(germanMessages.size(), MessageTable::DefaultCount);
        const MessageTable defaults;
        for (int i = 0; i < MessageTable::DefaultCount; ++i)
            QCOMPARE(germanMessages[i], defaults.text(Msg(i)));

        // A line that reads as German (an umlaut or several words) must not stand
        // unchanged in another language.
        static const QRegularExpression germanLooking(QStringLiteral("[äöüÄÖÜß]|\\w\\w+ \\w\\w+ \\w\\w+"));
        for (const char *file :
            {"Mega_en.txt", "Mega_fr.txt", "Mega_es.txt", "Mega_it.txt", "Mega_ru.txt", "Mega_pt.txt", "Mega_cn.txt"}) {
            const QStringList language = lines(shippedLanguage(file));
            QVERIFY2(language.size() == masterLines.size() / 5 * 2,
                qPrintable(QStringLiteral("%1: %2 lines for %3 groups")
                               .arg(QLatin1String(file))
                               .arg(language.size())
                               .arg(masterLines.size() / 5)));
            const QStringList messages = lines(shippedLanguage(file) + QStringLiteral(".meld"));
            QCOMPARE(messages.size(), MessageTable::DefaultCount);
            for (const auto &[translated, original] : {std::pair{&language, &german}, {&messages, &germanMessages}})
                for (qsizetype i = 0; i < translated->size(); ++i) {
                    const QString &text = (*translated)[i];
                    const QString &source = (*original)[i];
                    const QString where
                        = QStringLiteral("%1%2 line %3 (%4): ")
                              .arg(QLatin1String(file), QLatin1String(translated == &messages ? ".meld" : ""))
                              .arg(i + 1)
                              .arg(source);
                    QVERIFY2(!(source.contains(germanLooking) && text == source),
                        qPrintable(where + QStringLiteral("still German")));
                    // What the program fills in or joins must survive the translation.
                    QVERIFY2(placeholders(text) == placeholders(source),
                        qPrintable(where + QStringLiteral("other placeholders: ") + text));
                    QVERIFY2(text.startsWith(QLatin1Char(' ')) == source.startsWith(QLatin1Char(' '))
                            && text.endsWith(QLatin1Char(' ')) == source.endsWith(QLatin1Char(' ')),
                        qPrintable(where + QStringLiteral("other blanks at the ends: \"") + text + QLatin1Char('"')));
                    // A check box's runs of three or more blanks are where its number fields stand.
                    QVERIFY2(CaptionCheckBox::split(text).size() == CaptionCheckBox::split(source).size(),
                        qPrintable(where + QStringLiteral("other number of gaps for number fields: \"") + text
                            + QLatin1Char('"')));
                    QVERIFY2(accelerators(text) == accelerators(source),
                        qPrintable(where + QStringLiteral("other number of & shortcuts: ") + text));
                    QVERIFY2(source.isEmpty() == text.isEmpty(), qPrintable(where + QStringLiteral("empty or filled")));
                }
        }
    }

    void theChoiceSurvivesARestart()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        choose(f.create(), "Russisch1");
        f.close();
        QCOMPARE(f.settings->readInteger(QStringLiteral("Sprache")).value(), std::optional<qint32>(6));

        MainWindow &w = f.create();
        w.afterCreation();
        QCOMPARE(w.localizer().languageIndex(), 6);
        QVERIFY(w.menuAction(QStringLiteral("Russisch1"))->isChecked());
        const QStringList russian = lines(shippedLanguage("Mega_ru.txt"));
        QCOMPARE(f.get<QPushButton>(QStringLiteral("BitBtn4"))->text(),
            russian[2 * groupOf(QStringLiteral("Form1"), QStringLiteral("BitBtn4"))]);
        QCOMPARE(w.messages().text(Msg::Stoppen), lines(shippedLanguage("Mega_ru.txt.meld"))[int(Msg::Stoppen)]);
    }

    // In each language: the status bar and the core's own texts follow the switch, and at
    // the default size every status text of the tip page fits its panel.
    void statusAndCoreTextsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        const auto &languages = Localizer::languages();
        for (size_t i = 0; i < languages.size(); ++i)
            QTest::newRow(languages[i].file) << int(i) + 1 << QString::fromLatin1(languages[i].entry);
    }
    void statusAndCoreTextsFollowTheLanguage()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        // The program's own face (main.cpp), which the default size is chosen for.
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 0);
        MainWindow &w = f.create();
        w.show();
        w.afterCreation(); // shows the newest draw, of Friday 27.10.2017
        // Something in the other language first, then the switch.
        choose(w, index == 3 ? "Spanisch1" : "Franz1");
        w.status().setComposedText(0, [&w] { return w.messages().text(Msg::TipsComputed); });
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(w.tipSheet()->clearButton(), &enter);
        choose(w, qPrintable(entry));
        const QStringList messages = lines(shippedLanguage(Localizer::languages()[size_t(index - 1)].file) + ".meld");
        QCOMPARE(w.statusText(0), messages[int(Msg::TipsComputed)]);
        QCOMPARE(w.statusText(1), w.tipSheet()->clearButton()->toolTip());
        QCOMPARE(CoreText::text(Msg::ServiceUrlInvalid), messages[int(Msg::ServiceUrlInvalid)]);
        QVERIFY(f.get<QLabel>(QStringLiteral("Label35"))->text().startsWith(messages[int(Msg::Friday)] + u' '));
        QCOMPARE(CoreText::filterDescription(QStringLiteral("Tippdatei")), messages[int(Msg::TipFileFilter)]);

        // Panel 0 carries the update's texts, panel 1 the hints and the run's texts.
        const MessageTable &m = w.messages();
        std::array<QStringList, 2> texts{
            QStringList{m.text(Msg::UpdateLoaded) + QStringLiteral("1000") + m.text(Msg::UpdateStopped)},
            QStringList{m.text(Msg::Disclaimer), m.text(Msg::BudgetUsedUp), m.text(Msg::TipsComputed),
                m.text(Msg::RunStopped), m.text(Msg::StatusNeighbours),
                m.text(Msg::LuckyNumberSetStart) + QStringLiteral("99999999") + m.text(Msg::LuckyNumberSetEnd)}};
        for (const Component &component : w.components().components())
            if (auto *widget = qobject_cast<QWidget *>(component.object.data()); widget
                && w.tipSheet()->isAncestorOf(widget) && widget->property(FormWidgets::StatusHintProperty).toBool())
                texts[1] << widget->toolTip();
        for (int panel = 0; panel < 2; ++panel) {
            const QLabel *label = w.status().panel(panel);
            for (const QString &text : texts[size_t(panel)])
                QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width(),
                    qPrintable(QStringLiteral("cut in panel %1 (%2 of %3 px): %4")
                                   .arg(panel)
                                   .arg(label->fontMetrics().horizontalAdvance(text))
                                   .arg(label->contentsRect().width())
                                   .arg(text)));
        }
    }

    void aRunKeepsTheNewLanguagesCaption()
    {
        WindowFixture f;
        copyShippedLanguages(f.programFolder());
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 1);
        MainWindow &w = f.create();
        auto *generate = f.get<QPushButton>(QStringLiteral("BitBtn4"));
        // Switched while the run shows its stop caption (the run asks nothing here, so
        // the switch comes from inside the run's first event processing).
        bool switchedDuringTheRun = false;
        QTimer::singleShot(0, &w, [&] {
            switchedDuringTheRun = generate->text() == QStringLiteral("Stoppen");
            choose(w, "Spanisch1");
        });
        click(generate);
        QTRY_VERIFY(generate->text() != w.messages().text(Msg::Stoppen));
        QVERIFY(switchedDuringTheRun);
        const QStringList spanish = lines(shippedLanguage("Mega_es.txt"));
        QCOMPARE(generate->text(), spanish[2 * groupOf(QStringLiteral("Form1"), QStringLiteral("BitBtn4"))]);
    }
};

QTEST_MAIN(LocalizationTest)
#include "localization_gui_test.moc"
