// Platform services for tests: questions and inputs are answered from queues that the
// test fills beforehand, and everything shown or played is recorded.
#pragma once

#include "app/memory_settings_store.h"
#include "ui/platform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class FakeDialogs : public UserDialogs {
public:
    std::deque<bool> answers; // for askYesNo; empty answers "No"
    std::deque<std::optional<QString>> inputs; // for inputText; empty cancels
    std::deque<QString> fileNames; // for the file dialogs; empty cancels
    // For the program's own dialogs, in order: each gets the dialog as the program filled
    // it, shown, and acts on it as the user would (checks boxes, clicks a button). A
    // dialog still open afterwards is cancelled; with no answer left, it is cancelled
    // at once.
    std::deque<std::function<void(QDialog &)>> dialogAnswers;
    QStringList dialogsShown; // their window titles
    QStringList messages;
    QStringList errors;
    QStringList questions; // "caption|text"
    QStringList inputPrompts; // "caption|prompt|proposal"
    std::vector<FileDialogOptions> fileDialogs;

    void showMessage(const QString &text) override { messages.append(text); }
    void showError(const QString &text) override { errors.append(text); }
    bool askYesNo(const QString &text, const QString &caption) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &proposal) override;
    QString openFileName(const FileDialogOptions &options) override;
    QString saveFileName(const FileDialogOptions &options) override;
    int exec(QDialog &dialog) override;
};

class FakeSound : public SoundPlayer {
public:
    QStringList played;
    void play(const QString &filePath) override { played.append(filePath); }
};

class FakeShell : public DesktopShell {
public:
    QStringList opened;
    QStringList started;
    // What open() reports, at once: whether a program took the file.
    bool takes = true;
    void open(const QString &pathOrUrl, const QObject *context = nullptr, Outcome outcome = {}) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

// A settings store that forwards to a shared in-memory store, so that a test can look
// at what a window wrote after the window let go of its store.
class SharedSettingsStore : public SettingsStore {
public:
    explicit SharedSettingsStore(std::shared_ptr<MemorySettingsStore> target)
        : m_target(std::move(target))
    { }
    std::optional<RegistryValue> value(const QString &name) const override { return m_target->value(name); }
    QStringList valueNames() const override { return m_target->valueNames(); }
    void setValue(const QString &name, const RegistryValue &value) override { m_target->setValue(name, value); }
    void removeValue(const QString &name) override { m_target->removeValue(name); }
    Result<void> save() override { return {}; }

private:
    std::shared_ptr<MemorySettingsStore> m_target;
};
