#include "draws/ui/draw_controller.h"

#include "analysis/shown_draw_model.h"
#include "app/atomic_file.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "app/text_formats.h"
#include "draws/draw_history.h"
#include "draws/draw_text.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_entry_dialog.h"
#include "draws/ui/draw_view.h"
#include "ui/platform.h"
#include "ui/shared_file_dialog.h"
#include "ui/wait_cursor.h"
#include "ui/window_dates.h"

#include <QPushButton>
#include <QToolButton>

#include <algorithm>

DrawController::DrawController(DatabasePage &page, DrawEntryDialog &entryDialog, DrawView &view, WindowDates &dates,
    DrawHistory &history, ShownDrawModel &shown, CommandGate &gate, UserDialogs &dialogs, SharedFileDialog &saveDialog,
    const MessageTable &messages, QString programDirectory, QObject *parent)
    : QObject(parent)
    , m_page(page)
    , m_entryDialog(entryDialog)
    , m_view(view)
    , m_dates(dates)
    , m_messages(messages)
    , m_history(history)
    , m_shown(shown)
    , m_gate(gate)
    , m_dialogs(dialogs)
    , m_saveDialog(saveDialog)
    , m_programDirectory(std::move(programDirectory))
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
    m_shown.setSelectedDate(m_dates.statisticsStart());
    const auto history = m_history.draws();
    if (!history) {
        m_dialogs.showError(history.error());
        return;
    }
    const std::vector<Draw> &draws = **history;
    if (draws.empty())
        return;
    const int wanted = std::max(m_shown.index() + delta, 0);
    // Reading stops at the wanted record or at the end of the file, whichever comes first.
    const int reached = std::min(wanted, int(draws.size()) - 1);
    m_shown.setDraw(draws[size_t(reached)], delta > 0 ? reached : wanted);
    m_view.show(m_shown.draw(), DrawDisplay::Style::Navigation);
    m_dates.setDrawDate(m_shown.draw().date);
    emit shownDrawChanged();
}

void DrawController::deleteShownDraw()
{
    // A draw deleted by a stray click is gone for good: ask first, naming it.
    const Draw shown = m_shown.draw();
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
        const DrawStore store = m_history.store();
        if (!store.exists()) {
            m_dialogs.showError(m_messages.text(Msg::FileNotFound).arg(store.path()));
            return;
        }
        const auto removed = store.removeDate(shown.date);
        if (!removed) {
            m_dialogs.showError(removed.error());
            return;
        }
    }
    m_history.reload();
    emit storeChanged();
}

void DrawController::enterDraw()
{
    const DrawStore store = m_history.store();
    const auto history = m_history.draws();
    if (!history) {
        m_dialogs.showError(history.error());
        return;
    }
    const DrawHistory::Draws draws = *history;
    Draw proposal;
    proposal.date = m_dates.drawDateMinimum();
    const QDate wanted = m_dates.drawDate();
    const auto match = std::find_if(draws->begin(), draws->end(), [&](const Draw &d) { return d.date == wanted; });
    if (match != draws->end())
        proposal = *match;
    else if (!draws->empty())
        proposal = draws->back();
    m_shown.setSelectedDate(proposal.date);

    m_entryDialog.setDraw(proposal);
    const CommandGate::Scope entering(m_gate, CommandGate::Activity::DrawEntry);
    if (m_dialogs.exec(m_entryDialog) != QDialog::Accepted)
        return;
    if (const auto stored = store.store(m_entryDialog.draw()); !stored) {
        m_dialogs.showError(stored.error());
        return;
    }
    m_history.reload();
    m_dates.setDrawDate(m_shown.selectedDate());
    emit storeChanged();
}

void DrawController::exportAsText()
{
    const auto draws = m_history.draws();
    if (!draws) {
        m_dialogs.showError(draws.error());
        return;
    }
    // The shared dialog's own filter, plain text files: the tip-file commands put it
    // back after borrowing it.
    m_saveDialog.folder = m_programDirectory;
    m_saveDialog.fileName = QStringLiteral("Zahlen.txt");
    const QString fileName = m_saveDialog.exec(m_dialogs);
    if (fileName.isEmpty())
        return;
    if (const auto written = AtomicFile::write(fileName, DrawText::exportText(**draws)); !written)
        m_dialogs.showError(written.error());
}
