// Applying a language at run time: the eight language entries of the menu, loading the
// master list and a language file onto every registered component of every window, the
// ".meld" file onto the message table, Qt's own texts (standard buttons and dialogs) in
// the same language, and the hidden translation tool that writes the files a translator
// starts from.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <memory>

class MessageTable;
class QAction;
class QTranslator;
class UserDialogs;
class WindowRegistry;
class ProgramDirectory;

class Localizer : public QObject {
    Q_OBJECT
public:
    struct Language {
        const char *entry; // the menu entry's name
        const char16_t *caption; // its caption, in its own language
        const char *file; // in the folder "land"
        const char *qtName; // Qt's translations
    };
    static const std::array<Language, 8> &languages();

    Localizer(const WindowRegistry &windows, MessageTable &messages, const ProgramDirectory &directory,
        UserDialogs &dialogs, QObject *parent = nullptr);
    ~Localizer() override;

    // The menu entries 1..8, in the order of `languages()`.
    void setEntries(const std::array<QAction *, 8> &entries) { m_entries = entries; }

    // A language entry: check it, remember it as the language, load it.
    void choose(int index);
    // `DateiLaden1`: loads the current language file; false when a file was missing.
    bool load();
    // `Dateispeichern1`: asks for a file and writes the master list and its template.
    void saveTool();
    // Qt's own texts in the language of the design texts, before any language is chosen.
    void applyDesignLanguage();

    QString currentFile() const { return m_currentFile; }
    // The language entry chosen last (1..8), or the stored one before any was applied; 0
    // while there is none.
    int languageIndex() const { return m_languageIndex; }
    void setStoredLanguage(int index) { m_languageIndex = index; }
    // The applied language's locale ("en", "pt_BR"); empty before, and while its files
    // are missing.
    QString localeName() const { return m_localeName; }

signals:
    // A language was applied: texts set at run time follow at their next use.
    void applied();

private:
    void installQtTranslations(const QString &qtName);

    const WindowRegistry &m_windows;
    MessageTable &m_messages;
    const ProgramDirectory &m_directory;
    UserDialogs &m_dialogs;
    std::array<QAction *, 8> m_entries{};
    QString m_currentFile;
    int m_languageIndex = 0;
    QString m_localeName;
    std::unique_ptr<QTranslator> m_qtTranslator;
};
