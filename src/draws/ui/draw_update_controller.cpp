#include "draws/ui/draw_update_controller.h"

#include "analysis/sheet_checks.h"
#include "analysis/shown_draw_model.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "draws/draw_download.h"
#include "draws/draw_history.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_view.h"
#include "draws/ui/internet_page.h"
#include "ui/platform.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <utility>

DrawUpdateController::DrawUpdateController(const DrawUpdateWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
    , m_updater(new DrawUpdater(wiring.http, this))
{
    DatabasePage &page = wiring.page;
    connect(page.BitBtn1, &QAbstractButton::clicked, this, &DrawUpdateController::ziehwerkClick);
    connect(page.SpeedButton8, &QAbstractButton::clicked, this, &DrawUpdateController::stop);
    connect(page.BitBtn2, &QAbstractButton::clicked, this, &DrawUpdateController::rebuildStore);

    connect(m_updater, &DrawUpdater::dateChanged, this, &DrawUpdateController::onDateChanged);
    connect(m_updater, &DrawUpdater::requestStarted, this, &DrawUpdateController::onRequestStarted);
    connect(m_updater, &DrawUpdater::requestFinished, this, &DrawUpdateController::onRequestFinished);
    connect(m_updater, &DrawUpdater::drawStored, this, &DrawUpdateController::onDrawStored);
    connect(m_updater, &DrawUpdater::finished, this, &DrawUpdateController::onFinished);
}

DrawUpdateController::~DrawUpdateController() = default;

void DrawUpdateController::setTimeouts(int connectMs, int readMs)
{
    m_connectTimeoutMs = connectMs;
    m_readTimeoutMs = readMs;
}

void DrawUpdateController::ziehwerkClick()
{
    if (isRunning())
        return;
    const auto settings = settingsFromPage();
    if (!settings) {
        m_wiring.dialogs.showError(settings.error());
        return;
    }
    start(*settings);
}

void DrawUpdateController::rebuildStore()
{
    if (isRunning())
        return;
    UserDialogs *dialogs = &m_wiring.dialogs;
    if (!dialogs->askYesNo(m_wiring.messages.text(Msg::RebuildQuestion), m_wiring.messages.text(Msg::RebuildCaption)))
        return;
    // Checked before the store is touched: a typing error must not cost the history.
    const auto settings = settingsFromPage();
    if (!settings) {
        dialogs->showError(settings.error());
        return;
    }
    if (auto moved = moveStoreAside(); !moved) {
        dialogs->showError(moved.error());
        return;
    }
    start(*settings);
}

void DrawUpdateController::start(const DrawUpdateSettings &settings)
{
    m_atFirstDate = true;
    m_requests = {};
    m_serviceUrl = settings.serviceUrl.toString();
    setRunning(true);
    m_updater->start(m_wiring.history.storePath(), settings);
}

void DrawUpdateController::stop()
{
    m_wiring.page.SpeedButton8->setVisible(false);
    m_updater->stop();
}

Result<DrawUpdateSettings> DrawUpdateController::settingsFromPage() const
{
    const InternetPage *page = &m_wiring.internet;
    const auto url = DrawDownload::parseServiceUrl(page->DrawServiceUrlEdit->text());
    if (!url)
        return fail(url.error());
    DrawUpdateSettings settings;
    settings.serviceUrl = *url;
    settings.proxyHost = page->ProxyHostEdit->text();
    settings.proxyPort = page->ProxyPortEdit->text();
    settings.connectTimeoutMs = m_connectTimeoutMs;
    settings.readTimeoutMs = m_readTimeoutMs;
    return settings;
}

void DrawUpdateController::setRunning(bool running)
{
    if (running)
        m_wiring.gate.begin(CommandGate::Activity::Update);
    else
        m_wiring.gate.end(CommandGate::Activity::Update);
    m_wiring.page.SpeedButton8->setVisible(running);
    emit runningChanged(running);
}

void DrawUpdateController::onDateChanged(QDate date)
{
    m_wiring.dates.setDrawDate(date);
    if (m_atFirstDate)
        m_wiring.shown.setSelectedDate(date);
    m_atFirstDate = false;
}

void DrawUpdateController::onRequestStarted()
{
    m_wiring.status.setText(0, DrawUpdater::loadingText());
}

void DrawUpdateController::onRequestFinished(QDate, int statusCode, const QString &statusLine)
{
    ++m_requests.made;
    if (statusCode == 0 || statusCode >= 400) {
        ++m_requests.failed;
        m_requests.lastFailure = statusLine;
    }
    m_wiring.status.setText(0, statusLine);
    m_wiring.status.setComposedText(1, [&messages = m_wiring.messages] { return messages.text(Msg::Disclaimer); });
}

void DrawUpdateController::onDrawStored(const Draw &draw, int index)
{
    m_wiring.history.reload();
    // The whole draw: a date of one draw beside the numbers or cross sum of another would
    // be a draw that never was.
    ShownDrawState shown;
    shown.shownDraw = draw;
    shown.shownDrawIndex = index;
    shown.selectedDate = draw.date;
    m_wiring.shown.setState(shown);
    m_wiring.view.show(draw, DrawDisplay::Style::Navigation);
}

void DrawUpdateController::onFinished(const DrawUpdateSummary &summary)
{
    using Outcome = DrawUpdateSummary::Outcome;
    m_summary = summary;
    m_wiring.history.reload();
    setRunning(false);
    reportSummary(summary);
    reportFailure(summary);
    putBackStoreIfNothingCame(summary);
    // Bad settings left the store untouched; a file error may have left it unreadable.
    const bool storeRead = summary.outcome != Outcome::InvalidSettings
        && (summary.outcome != Outcome::FileError || summary.storedCount > 0);
    if (storeRead)
        m_wiring.checks.showAndEvaluate();
    if (summary.outcome == Outcome::Completed || summary.outcome == Outcome::Stopped)
        m_wiring.checks.komplettcheck();
    emit finished();
}

// The end in one place: how many draws came, whether it was stopped, and, when dates got
// no answer, one message saying why rather than a silent walk through every date.
void DrawUpdateController::reportSummary(const DrawUpdateSummary &summary)
{
    using Outcome = DrawUpdateSummary::Outcome;
    if (summary.outcome == Outcome::InvalidSettings)
        return;
    const MessageTable &messages = m_wiring.messages;
    m_wiring.status.setComposedText(
        0, [&messages, stored = summary.storedCount, stopped = summary.outcome == Outcome::Stopped]() -> QString {
            return messages.text(Msg::UpdateLoaded) + QString::number(stored)
                + (stopped ? messages.text(Msg::UpdateStopped) : QString());
        });
    if (m_requests.failed > 0)
        m_wiring.dialogs.showMessage(messages.text(Msg::UpdateNoAnswer)
                                         .arg(m_requests.failed)
                                         .arg(m_requests.made)
                                         .arg(m_serviceUrl, m_requests.lastFailure));
}

void DrawUpdateController::reportFailure(const DrawUpdateSummary &summary)
{
    UserDialogs *dialogs = &m_wiring.dialogs;
    switch (summary.outcome) {
    case DrawUpdateSummary::Outcome::Unparsable:
        if (!summary.message.isEmpty())
            dialogs->showMessage(summary.message);
        break;
    case DrawUpdateSummary::Outcome::FileError:
    case DrawUpdateSummary::Outcome::InvalidSettings:
        dialogs->showError(summary.message);
        break;
    case DrawUpdateSummary::Outcome::Completed:
    case DrawUpdateSummary::Outcome::Stopped:
        break;
    }
}

QString DrawUpdateController::backupPath() const
{
    return m_wiring.directory.filePath(QString::fromLatin1(BackupFileName));
}

Result<void> DrawUpdateController::moveStoreAside()
{
    QFile store(m_wiring.history.storePath());
    m_backupMade = false;
    if (!store.exists())
        return {};
    QFile::remove(backupPath());
    if (!store.rename(backupPath()))
        return fail(QStringLiteral("%1: %2").arg(store.fileName(), store.errorString()));
    m_backupMade = true;
    m_wiring.history.reload();
    return {};
}

void DrawUpdateController::putBackStoreIfNothingCame(const DrawUpdateSummary &summary)
{
    const bool backupMade = std::exchange(m_backupMade, false);
    // With at least one draw loaded the rebuilt store stands; the old one stays as the
    // backup file until the next rebuild.
    if (!backupMade || summary.storedCount > 0)
        return;
    UserDialogs *dialogs = &m_wiring.dialogs;
    const QString storePath = m_wiring.history.storePath();
    QFile::remove(storePath);
    QFile backup(backupPath());
    const bool putBack = backup.rename(storePath);
    m_wiring.history.reload();
    if (!putBack) {
        dialogs->showError(QStringLiteral("%1: %2").arg(backup.fileName(), backup.errorString()));
        return;
    }
    dialogs->showMessage(m_wiring.messages.text(Msg::NothingLoadedKept));
}
