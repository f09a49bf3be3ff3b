// The real platform services: Qt's message boxes, input dialog and file dialogs,
// Qt Multimedia for the hit sound, the desktop services for "open".
#pragma once

#include "ui/platform.h"

#include <QObject>
#include <QPointer>

class QSoundEffect;
class QWidget;

class WidgetUserDialogs : public UserDialogs {
public:
    explicit WidgetUserDialogs(QWidget *parent = nullptr)
        : m_parent(parent)
    { }
    void setParent(QWidget *parent) { m_parent = parent; }

    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &text, const QString &caption) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &proposal) override;
    QString openFileName(const FileDialogOptions &options) override;
    QString saveFileName(const FileDialogOptions &options) override;
    int exec(QDialog &dialog) override;

private:
    QPointer<QWidget> m_parent;
};

// Installed on the application: a tool tip is shown as plain text. Hints come from
// language files, the status panels' tips from the draw service, the number boxes' tips
// from value-list files.
class PlainToolTips : public QObject {
public:
    explicit PlainToolTips(QObject *parent = nullptr);
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class MultimediaSoundPlayer : public SoundPlayer {
public:
    MultimediaSoundPlayer();
    ~MultimediaSoundPlayer() override;
    void play(const QString &filePath) override;

private:
    QSoundEffect *m_effect = nullptr;
};

class QtDesktopShell : public DesktopShell {
public:
    void open(const QString &pathOrUrl, const QObject *context = nullptr, Outcome outcome = {}) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};
