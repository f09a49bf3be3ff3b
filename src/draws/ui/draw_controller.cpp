#include "draws/ui/draw_controller.h"

#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/ui/main_window.h"
#include "ui/platform.h"
#include "ui/wait_cursor.h"
#include "draws/ui/database_page.h"
#include "draws/draw_display.h"
#include "draws/ui/draw_entry_dialog.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QToolButton>

#include <algorithm>

DrawController::DrawController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    m_entryDialog = new DrawEntryDialog(&window);
    DatabasePage *page = window.database();
    connect(page->SpeedButton6, &QAbstractButton::clicked, this, &DrawController::previousDraw);
    connect(page->SpeedButton7, &QAbstractButton::clicked, this, &DrawController::nextDraw);
    connect(page->BitBtn6, &QAbstractButton::clicked, this, &DrawController::deleteShownDraw);
    connect(page->BitBtn8, &QAbstractButton::clicked, this, &DrawController::enterDraw);
    connect(page->BitBtn3, &QAbstractButton::clicked, this, &DrawController::exportAsText);
}

DrawController::~DrawController() = default;

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
    SessionState &state = m_window.state();
    DatabasePage *page = m_window.database();
    state.selectedDate = m_window.charts()->DateTimePicker2->date();
    const auto draws = DrawStore(m_window.drawStorePath()).readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
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
    page->Label29->setText(DrawDisplay::text(state.shownDraw, DrawDisplay::Style::Navigation));
    m_window.tipSheet()->drawLabel()->setText(page->Label29->text());
    page->Label13->setText(DrawDisplay::crossSum(m_window.messages(), state.shownDraw));
    page->DateTimePicker1->setDate(state.shownDraw.date);
    m_window.tipCheck()->komplettcheck();
}

void DrawController::deleteShownDraw()
{
    {
        WaitCursor wait;
        const DrawStore store(m_window.drawStorePath());
        if (!store.exists()) {
            m_window.services().dialogs->showError(QStringLiteral("%1: Datei nicht gefunden").arg(store.path()));
            return;
        }
        const auto removed = store.removeDate(m_window.state().shownDraw.date);
        if (!removed) {
            m_window.services().dialogs->showError(removed.error());
            return;
        }
    }
    m_window.tipCheck()->showAndEvaluate();
}

void DrawController::enterDraw()
{
    SessionState &state = m_window.state();
    DatabasePage *page = m_window.database();
    const DrawStore store(m_window.drawStorePath());
    const auto draws = store.readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
        return;
    }
    Draw proposal;
    proposal.date = page->DateTimePicker1->minimumDate();
    const QDate wanted = page->DateTimePicker1->date();
    const auto match = std::find_if(draws->begin(), draws->end(), [&](const Draw &d) { return d.date == wanted; });
    if (match != draws->end())
        proposal = *match;
    else if (!draws->empty())
        proposal = draws->back();
    state.selectedDate = proposal.date;

    const std::optional<Draw> entered = m_entryDialog->edit(proposal);
    if (!entered)
        return;
    if (const auto stored = store.store(*entered); !stored) {
        m_window.services().dialogs->showError(stored.error());
        return;
    }
    page->DateTimePicker1->setDate(state.selectedDate);
    m_window.tipCheck()->showAndEvaluate();
}

void DrawController::exportAsText()
{
    const auto draws = DrawStore(m_window.drawStorePath()).readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
        return;
    }
    FileDialogOptions options;
    options.folder = m_window.state().programDirectory;
    options.fileName = QStringLiteral("Zahlen.txt");
    options.filter = QStringLiteral("Textdatei|*.txt");
    options.defaultSuffix = QStringLiteral("txt");
    const QString fileName = m_window.services().dialogs->saveFileName(options);
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(DrawText::exportText(*draws)) < 0 || !file.commit())
        m_window.services().dialogs->showError(QStringLiteral("%1: %2").arg(fileName, file.errorString()));
}
