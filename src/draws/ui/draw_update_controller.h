// The Internet draw update in the main window (`ZiehwerkClick`): starts the update from
// its button, the tip page's speed button and the menu, shows its progress on the
// Datenbank page and in the status bar, and evaluates the sheet when it ends. Also
// rebuilds the store from the service ("Datenbank neu anlegen").
#pragma once

#include "app/result.h"
#include "draws/draw_updater.h"

#include <QObject>

#include <memory>

class MainWindow;

class DrawUpdateController : public QObject {
    Q_OBJECT
public:
    // The old store waits here while a rebuild runs.
    static constexpr auto BackupFileName = "Devudirurero.bak";

    explicit DrawUpdateController(MainWindow &window);
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
    // The update is over and the window is idle again.
    void finished();

private:
    void start(const DrawUpdateSettings &settings);
    Result<DrawUpdateSettings> settingsFromPage() const;
    void setRunning(bool running);
    void onDateChanged(QDate date);
    void onRequestStarted();
    void onRequestFinished(QDate date, int statusCode, const QString &statusLine);
    void onDrawStored(const Draw &draw);
    void onFinished(const DrawUpdateSummary &summary);
    void reportFailure(const DrawUpdateSummary &summary);
    Result<void> moveStoreAside();
    void putBackStoreIfNothingCame(const DrawUpdateSummary &summary);
    QString backupPath() const;

    MainWindow &m_window;
    std::unique_ptr<HttpClient> m_http;
    DrawUpdater *m_updater = nullptr;
    int m_connectTimeoutMs = DrawUpdateSettings().connectTimeoutMs;
    int m_readTimeoutMs = DrawUpdateSettings().readTimeoutMs;
    bool m_atFirstDate = false;
    bool m_backupMade = false; // a rebuild moved the old store aside
    DrawUpdateSummary m_summary;
};
