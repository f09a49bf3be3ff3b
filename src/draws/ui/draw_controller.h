// The draw store on the Datenbank page: stepping to the previous and next draw,
// deleting the shown draw, entering a draw by hand and exporting the history as text.
#pragma once

#include <QObject>
#include <QString>

class CommandGate;
class DatabasePage;
class DrawHistory;
class DrawEntryDialog;
class MessageTable;
class DrawView;
class SharedFileDialog;
class ShownDrawModel;
class UserDialogs;
class WindowDates;

class DrawController : public QObject {
    Q_OBJECT
public:
    // `saveDialog` is the main window's shared save dialog, which the export shows in
    // the program directory.
    DrawController(DatabasePage &page, DrawEntryDialog &entryDialog, DrawView &view, WindowDates &dates,
        DrawHistory &history, ShownDrawModel &shown, CommandGate &gate, UserDialogs &dialogs,
        SharedFileDialog &saveDialog, const MessageTable &messages, QString programDirectory,
        QObject *parent = nullptr);

    void previousDraw();
    void nextDraw();
    void deleteShownDraw();
    void enterDraw();
    void exportAsText();

signals:
    // Navigation made another draw the shown one: the sheet is to be evaluated against it.
    void shownDrawChanged();
    // The store changed under the shown draw (deleted or entered): show and evaluate anew.
    void storeChanged();

private:
    void step(int delta);

    DatabasePage &m_page;
    DrawEntryDialog &m_entryDialog;
    DrawView &m_view;
    WindowDates &m_dates;
    const MessageTable &m_messages;
    DrawHistory &m_history;
    ShownDrawModel &m_shown;
    CommandGate &m_gate;
    UserDialogs &m_dialogs;
    SharedFileDialog &m_saveDialog;
    const QString m_programDirectory;
};
