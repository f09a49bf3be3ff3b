#include "analysis/ui/tip_check_controller.h"

#include "analysis/hit_rule.h"
#include "analysis/sheet_evaluation.h"
#include "analysis/shown_draw_model.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "draws/draw_history.h"
#include "draws/ui/draw_view.h"
#include "generator/settings_source.h"
#include "history/history_search.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/long_work.h"
#include "ui/platform.h"
#include "ui/window_dates.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {
const QString HitSoundFile = QStringLiteral("yippee.wav");
} // namespace

TipCheckController::TipCheckController(const TipCheckWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    connect(&wiring.sheet, &TipSheetPage::fieldLeft, this, [this] {
        if (m_wiring.shown.evaluationEnabled())
            komplettcheck();
    });
    connect(wiring.sheet.searchButton(), &QAbstractButton::clicked, this, &TipCheckController::historySearch);
}

void TipCheckController::komplettcheck()
{
    TipSheetPage &sheet = m_wiring.sheet;
    ShownDrawModel &shown = m_wiring.shown;
    const SheetEvaluation &result = shown.evaluate(sheet.sheetTexts());
    if (!shown.evaluationEnabled())
        return;
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        const HitRule::RowEvaluation &evaluation = result.rows[size_t(row - 1)];
        if (!evaluation.evaluated) {
            sheet.clearHitLabel(row);
            for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
                sheet.setFieldColour(row, slot, TipSheetPage::FieldColour::Window);
            continue;
        }
        sheet.sumLabel(row)->setText(QString::number(evaluation.sum));
        for (int slot = 0; slot < TipRows::MainFields; ++slot) {
            sheet.field(row, slot)->setText(evaluation.sortedTexts[size_t(slot)]);
            sheet.setFieldColour(row, slot,
                evaluation.hit.fieldHits[size_t(slot)] ? TipSheetPage::FieldColour::Hit
                                                       : TipSheetPage::FieldColour::Window);
        }
        sheet.setHitLabel(row, evaluation.hitText, evaluation.highlighted);
        sheet.setFieldColour(row, TipRows::MegaballSlot,
            evaluation.hit.megaballHit ? TipSheetPage::FieldColour::MegaballHit : TipSheetPage::FieldColour::Window);
    }
    // Each notable row restarts the sound; starting it once at the end sounds the same.
    if (result.playSound)
        m_wiring.sound.play(m_wiring.directory.filePath(HitSoundFile));
}

void TipCheckController::showAndEvaluate()
{
    WindowDates &dates = m_wiring.dates;
    const DrawStore store = m_wiring.history.store();
    if (!store.exists()) {
        m_wiring.dialogs.showMessage(m_wiring.messages.text(Msg::ReadDrawsFirst));
        if (auto created = store.createIfMissing(); !created)
            m_wiring.dialogs.showError(created.error());
        else
            m_wiring.history.reload();
        return;
    }
    const auto draws = m_wiring.history.draws();
    if (!draws) {
        m_wiring.dialogs.showError(draws.error());
        return;
    }
    dates.startPicker().setMinimumDate(dates.drawDateMinimum());
    const ShownDrawState shown = m_wiring.shown.showForDate(**draws, dates.drawDate(), dates.drawDateMinimum());
    if (shown.displayed)
        m_wiring.view.show(shown.shownDraw, shown.style);
    else
        m_wiring.view.copyToTipSheet();
    dates.setDrawDate(shown.pickerDate);
    komplettcheck();
}

void TipCheckController::historySearch()
{
    UserDialogs &dialogs = m_wiring.dialogs;
    const MessageTable &messages = m_wiring.messages;
    const bool megaballCounts = m_wiring.settings.generationSettings().megaballCounts;
    const auto answer = dialogs.inputText(messages.text(Msg::SearchStopLevelCaption),
        messages.text(Msg::SearchStopLevelPrompt), HistorySearch::proposedStopLevel(megaballCounts));
    if (!answer)
        return;
    const auto stopLevel = TipRows::toInteger(*answer);
    if (!stopLevel) {
        dialogs.showError(m_wiring.messages.text(Msg::NotAnInteger).arg(*answer));
        return;
    }
    const auto history = m_wiring.history.draws();
    if (!history) {
        dialogs.showError(history.error());
        return;
    }
    const std::vector<Draw> &draws = **history;
    ShownDrawModel &shown = m_wiring.shown;
    shown.setSelectedDate(m_wiring.dates.statisticsStart());
    const QDate rangeStart = shown.selectedDate();
    const QDate rangeEnd = m_wiring.dates.drawDate();
    TipSheetPage &sheet = m_wiring.sheet;
    LongWork &work = m_wiring.work;
    const CommandGate::Scope searching(m_wiring.gate, CommandGate::Activity::HistorySearch);
    work.begin(false);
    // The fields take the colours of the draw the hit labels belong to, when the search
    // stops at it or at the end of the range (the rows keep their order).
    const auto colourAgainst = [&sheet](const Draw &draw) {
        for (int row = 1; row <= TipRows::RowCount; ++row) {
            const HitResult hit = HitRule::zettelcheck(sheet.rowTexts(row), draw);
            for (int slot = 0; slot < TipRows::MainFields; ++slot)
                sheet.setFieldColour(row, slot,
                    hit.fieldHits[size_t(slot)] ? TipSheetPage::FieldColour::Hit : TipSheetPage::FieldColour::Window);
            sheet.setFieldColour(row, TipRows::MegaballSlot,
                hit.megaballHit ? TipSheetPage::FieldColour::MegaballHit : TipSheetPage::FieldColour::Window);
        }
    };
    bool visited = false;
    std::array<int, 12> totals{};
    for (const Draw &draw : draws) {
        if (!HistorySearch::visits(draw, rangeStart, rangeEnd))
            continue;
        shown.setDraw(draw);
        visited = true;
        m_wiring.view.show(draw, DrawDisplay::Style::Search);
        for (int row = 1; row <= TipRows::RowCount; ++row) {
            const HistorySearch::RowHit found
                = HistorySearch::rowHit(row, sheet.rowTexts(row), draw, *stopLevel, megaballCounts);
            shown.setLastHit(found.hit);
            totals[size_t(row - 1)] += found.hit.hitCount;
            sheet.setHitLabel(row, found.text, found.highlighted);
            if (!found.stops)
                continue;
            if (!work.ask(
                    HistorySearch::question(messages, row, draw.date), HistorySearch::questionCaption(messages, row))) {
                colourAgainst(draw);
                work.end();
                return;
            }
        }
        // The window repaints while the search walks the history.
        work.yield();
    }
    if (visited)
        colourAgainst(shown.draw());
    work.end();
    m_searchTotals = totals;
    emit searchFinished(totals);
}
