// The Internet draw update in the main window (`ZiehwerkClick`): starts the update from
// its button, the tip page's speed button and the menu, shows its progress on the
// Datenbank page and in the status bar, and evaluates the sheet when it ends. Also
// rebuilds the store from the service ("Datenbank neu anlegen").
#pragma once

#include "app/result.h"
#include "draws/draw_updater.h"

#include <QObject>

class CommandGate;
class DatabasePage;
class DrawHistory;
class DrawView;
class HttpClient;
class InternetPage;
class MessageTable;
class ProgramDirectory;
class SheetChecks;
class ShownDrawModel;
class StatusPanels;
class UserDialogs;
class WindowDates;

// What the update controller works with, handed in by the main window.
struct DrawUpdateWiring {
    DatabasePage &page;
    InternetPage &internet;
    DrawView &view;
    WindowDates &dates;
    DrawHistory &history;
    ShownDrawModel &shown;
    CommandGate &gate;
    const ProgramDirectory &directory;
    StatusPanels &status;
    UserDialogs &dialogs;
    const MessageTable &messages;
    HttpClient &http;
    SheetChecks &checks;
};

class DrawUpdateController : public QObject {
    Q_OBJECT
public:
    // The old store waits here while a rebuild runs.
    static constexpr auto BackupFileName = "Devudirurero.bak";

    explicit DrawUpdateController(const DrawUpdateWiring &wiring, QObject *parent = nullptr);
    ~DrawUpdateController() override;

    void ziehwerkClick();
    // The stop button: hides itself; the update ends before its next request.
    void stop();
    // Asks, then deletes the store and loads every draw anew.
    void rebuildStore();

    bool isRunning() const { return m_updater->isRunning(); }
    // How the last update ended (valid once `finished` was emitted).
    const DrawUpdateSummary &lastSummary() const { return m_summary; }
    DrawUpdater *updater() const { return m_updater; }
    // Tests shorten the waits for the service (5 s each by default).
    void setTimeouts(int connectMs, int readMs);

signals:
    // An update started (true) or ended (false).
    void runningChanged(bool running);
    // The update is over and the window is idle again.
    void finished();

private:
    void start(const DrawUpdateSettings &settings);
    Result<DrawUpdateSettings> settingsFromPage() const;
    void setRunning(bool running);
    void onDateChanged(QDate date);
    void onRequestStarted();
    void onRequestFinished(QDate date, int statusCode, const QString &statusLine);
    void onDrawStored(const Draw &draw, int index);
    void onFinished(const DrawUpdateSummary &summary);
    void reportSummary(const DrawUpdateSummary &summary);
    void reportFailure(const DrawUpdateSummary &summary);
    Result<void> moveStoreAside();
    void putBackStoreIfNothingCame(const DrawUpdateSummary &summary);
    QString backupPath() const;

    DrawUpdateWiring m_wiring;
    DrawUpdater *m_updater = nullptr;
    int m_connectTimeoutMs = DrawUpdateSettings().connectTimeoutMs;
    int m_readTimeoutMs = DrawUpdateSettings().readTimeoutMs;
    bool m_atFirstDate = false;
    // The requests of the running update, for the summary at its end.
    struct Requests {
        int made = 0;
        int failed = 0; // no answer, or an HTTP error status
        QString lastFailure;
    } m_requests;
    QString m_serviceUrl;
    bool m_backupMade = false; // a rebuild moved the old store aside
    DrawUpdateSummary m_summary;
};
