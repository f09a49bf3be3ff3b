#include "app/ui/localizer.h"

#include "app/atomic_file.h"
#include "app/language_files.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "ui/component_text.h"
#include "ui/platform.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

const std::array<Localizer::Language, 8> &Localizer::languages()
{
    static const std::array<Language, 8> table{{
        {"Deutsch1", u"Deutsch", "Mega_de.txt", "de"},
        {"Englich1", u"English", "Mega_en.txt", "en"},
        {"Franz1", u"Français", "Mega_fr.txt", "fr"},
        {"Spanisch1", u"Español", "Mega_es.txt", "es"},
        {"Italenisch1", u"Italiano", "Mega_it.txt", "it"},
        {"Russisch1", u"Русский", "Mega_ru.txt", "ru"},
        {"Porugiesisch1", u"Português", "Mega_pt.txt", "pt_BR"},
        {"N2", u"中文", "Mega_cn.txt", "zh_CN"},
    }};
    return table;
}

Localizer::Localizer(const WindowRegistry &windows, MessageTable &messages, const ProgramDirectory &directory,
    UserDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_windows(windows)
    , m_messages(messages)
    , m_directory(directory)
    , m_dialogs(dialogs)
{ }

Localizer::~Localizer()
{
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
}

void Localizer::choose(int index)
{
    if (index < 1 || index > int(languages().size()))
        return;
    const Language &language = languages()[size_t(index - 1)];
    m_currentFile
        = m_directory.filePath(LanguageFiles::LanguageFolder + QLatin1Char('\\') + QLatin1String(language.file));
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i])
            m_entries[i]->setChecked(int(i) + 1 == index);
    const bool loaded = load();
    installQtTranslations(QString::fromLatin1(language.qtName));
    m_languageIndex = index;
    // Numbers the program writes follow its texts: without the files they stay German.
    m_localeName = loaded ? QString::fromLatin1(language.qtName) : QString();
    emit applied();
}

bool Localizer::load()
{
    const QString masterPath = m_directory.filePath(LanguageFiles::MasterListPath);
    if (!QFile::exists(masterPath) || m_currentFile.isEmpty() || !QFile::exists(m_currentFile))
        return false;
    // A file that is there but cannot be read (or never ends) is named; the texts stay.
    const auto masterLines = LanguageFiles::readLines(masterPath, m_messages);
    const auto languageLines = LanguageFiles::readLines(m_currentFile, m_messages);
    if (!masterLines || !languageLines) {
        m_dialogs.showError(!masterLines ? masterLines.error() : languageLines.error());
        return false;
    }
    // The message file is found like the others, regardless of case.
    const QString messagePath
        = m_directory.filePath(m_currentFile.mid(m_directory.path().size()) + LanguageFiles::MessageSuffix);
    if (QFile::exists(messagePath)) {
        if (const auto messages = LanguageFiles::readLines(messagePath, m_messages))
            m_messages.replaceAll(*messages);
        else
            m_dialogs.showError(messages.error());
    }

    const std::vector<LanguageFiles::MasterEntry> master = LanguageFiles::parseMasterList(*masterLines);
    LanguageFiles::MasterListSearch search(master);
    for (const WindowRegistry::Window &window : m_windows.windows()) {
        for (const Component &component : window.components->components()) {
            if (component.tag != 0 || !component.object || !LanguageFiles::takesPart(component.kind))
                continue;
            const std::optional<int> group = search.find(window.name, component.name);
            if (!group)
                continue;
            const LanguageFiles::Translation text = LanguageFiles::translationAt(*languageLines, *group);
            if (component.kind != ComponentKind::Edit)
                ComponentText::setCaption(component, text.caption);
            ComponentText::setHint(component, text.hint);
        }
    }
    return true;
}

void Localizer::saveTool()
{
    FileDialogOptions options;
    options.folder = m_directory.path();
    options.filter = QStringLiteral("Textdatei|*.txt");
    options.defaultSuffix = QStringLiteral("txt");
    const QString path = m_dialogs.saveFileName(options);
    if (path.isEmpty())
        return;
    // Components with a tag are left out: the load skips them, and the 75 number boxes of
    // the number choice in a row would end its search window before the buttons after them.
    std::vector<LanguageFiles::ToolComponent> components;
    for (const WindowRegistry::Window &window : m_windows.windows())
        for (const Component &component : window.components->components())
            if (component.object && component.tag == 0)
                components.push_back({window.name, component.name, component.kind, ComponentText::caption(component),
                    ComponentText::hint(component)});
    const LanguageFiles::ToolOutput output = LanguageFiles::translationTool(components);
    if (auto written = AtomicFile::write(path, output.masterList); !written)
        return m_dialogs.showError(written.error());
    if (auto written = AtomicFile::write(path + LanguageFiles::TemplateSuffix, output.languageTemplate); !written)
        m_dialogs.showError(written.error());
}

void Localizer::applyDesignLanguage()
{
    installQtTranslations(QStringLiteral("de"));
}

void Localizer::installQtTranslations(const QString &qtName)
{
    if (m_qtTranslator)
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    m_qtTranslator = std::make_unique<QTranslator>();
    // English needs none: Qt's texts are English.
    if (qtName == QLatin1String("en")
        || !m_qtTranslator->load(
            QStringLiteral("qtbase_") + qtName, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_qtTranslator.reset();
        return;
    }
    QCoreApplication::installTranslator(m_qtTranslator.get());
}
