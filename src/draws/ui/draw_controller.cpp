#include "draws/ui/draw_controller.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/text_formats.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_entry_dialog.h"
#include "draws/ui/draw_view.h"
#include "ui/platform.h"
#include "ui/session_state.h"
#include "ui/shared_file_dialog.h"
#include "ui/wait_cursor.h"
#include "ui/window_dates.h"

#include <QPushButton>
#include <QToolButton>

#include <algorithm>

DrawController::DrawController(DatabasePage &page, DrawEntryDialog &entryDialog, DrawView &view, WindowDates &dates,
    SessionState &state, UserDialogs &dialogs, SharedFileDialog &saveDialog, const MessageTable &messages,
    QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_entryDialog(entryDialog)
    , m_view(view)
    , m_dates(dates)
    , m_messages(messages)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_saveDialog(saveDialog)
{
    connect(page.SpeedButton6, &QAbstractButton::clicked, this, &DrawController::previousDraw);
    connect(page.SpeedButton7, &QAbstractButton::clicked, this, &DrawController::nextDraw);
    connect(page.BitBtn6, &QAbstractButton::clicked, this, &DrawController::deleteShownDraw);
    connect(page.BitBtn8, &QAbstractButton::clicked, this, &DrawController::enterDraw);
    connect(page.BitBtn3, &QAbstractButton::clicked, this, &DrawController::exportAsText);
}

void DrawController::previousDraw()
{
    step(-1);
}
void DrawController::nextDraw()
{
    step(+1);
}

void DrawController::step(int delta)
{
    SessionState &state = m_state;
    state.selectedDate = m_dates.statisticsStart();
    const auto draws = DrawStore(state.drawStorePath()).readAll();
    if (!draws) {
        m_dialogs.showError(draws.error());
        return;
    }
    if (draws->empty())
        return;
    const int wanted = std::max(state.shownDrawIndex + delta, 0);
    // Reading stops at the wanted record or at the end of the file, whichever comes first.
    const int reached = std::min(wanted, int(draws->size()) - 1);
    if (delta > 0)
        state.shownDrawIndex = reached;
    else
        state.shownDrawIndex = wanted;
    state.shownDraw = (*draws)[size_t(reached)];
    m_view.show(state.shownDraw, DrawDisplay::Style::Navigation);
    m_dates.setDrawDate(state.shownDraw.date);
    emit shownDrawChanged();
}

void DrawController::deleteShownDraw()
{
    // A draw deleted by a stray click is gone for good: ask first, naming it.
    const Draw &shown = m_state.shownDraw;
    QStringList numbers;
    for (int number : shown.numbers)
        numbers << QString::number(number);
    const QString question = m_messages.text(Msg::DeleteQuestionStart) + TextFormats::shortDate(shown.date)
        + QStringLiteral(" (") + numbers.join(QLatin1Char(' ')) + QStringLiteral(", MB ")
        + QString::number(shown.megaball) + QLatin1Char(')') + m_messages.text(Msg::DeleteQuestionEnd);
    if (!m_dialogs.askYesNo(question, m_messages.text(Msg::DeleteQuestionCaption)))
        return;
    {
        WaitCursor wait;
        const DrawStore store(m_state.drawStorePath());
        if (!store.exists()) {
            m_dialogs.showError(m_messages.text(Msg::FileNotFound).arg(store.path()));
            return;
        }
        const auto removed = store.removeDate(m_state.shownDraw.date);
        if (!removed) {
            m_dialogs.showError(removed.error());
            return;
        }
    }
    emit storeChanged();
}

void DrawController::enterDraw()
{
    SessionState &state = m_state;
    const DrawStore store(state.drawStorePath());
    const auto draws = store.readAll();
    if (!draws) {
        m_dialogs.showError(draws.error());
        return;
    }
    Draw proposal;
    proposal.date = m_dates.drawDateMinimum();
    const QDate wanted = m_dates.drawDate();
    const auto match = std::find_if(draws->begin(), draws->end(), [&](const Draw &d) { return d.date == wanted; });
    if (match != draws->end())
        proposal = *match;
    else if (!draws->empty())
        proposal = draws->back();
    state.selectedDate = proposal.date;

    m_entryDialog.setDraw(proposal);
    if (m_dialogs.exec(m_entryDialog) != QDialog::Accepted)
        return;
    if (const auto stored = store.store(m_entryDialog.draw()); !stored) {
        m_dialogs.showError(stored.error());
        return;
    }
    m_dates.setDrawDate(state.selectedDate);
    emit storeChanged();
}

void DrawController::exportAsText()
{
    const auto draws = DrawStore(m_state.drawStorePath()).readAll();
    if (!draws) {
        m_dialogs.showError(draws.error());
        return;
    }
    // The shared dialog's own filter, plain text files: the tip-file commands put it
    // back after borrowing it.
    m_saveDialog.folder = m_state.programDirectory;
    m_saveDialog.fileName = QStringLiteral("Zahlen.txt");
    const QString fileName = m_saveDialog.exec(m_dialogs);
    if (fileName.isEmpty())
        return;
    if (const auto written = AtomicFile::write(fileName, DrawText::exportText(*draws)); !written)
        m_dialogs.showError(written.error());
}
