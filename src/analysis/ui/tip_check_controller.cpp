#include "analysis/ui/tip_check_controller.h"

#include "analysis/hit_rule.h"
#include "analysis/sheet_evaluation.h"
#include "app/message_table.h"
#include "app/text_formats.h"
#include "draws/draw_store.h"
#include "draws/ui/draw_view.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/long_work.h"
#include "ui/platform.h"
#include "ui/session_state.h"
#include "ui/settings_source.h"
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
        if (m_wiring.state.editChecksEnabled)
            komplettcheck();
    });
    connect(wiring.sheet.searchButton(), &QAbstractButton::clicked, this, &TipCheckController::historySearch);
}

void TipCheckController::komplettcheck()
{
    SessionState &state = m_wiring.state;
    state.tally.clear();
    if (!state.editChecksEnabled)
        return;
    TipSheetPage &sheet = m_wiring.sheet;
    const SheetEvaluation result = SheetEvaluation::of(sheet.sheetTexts(), state.shownDraw);
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        const HitRule::RowEvaluation &evaluation = result.rows[size_t(row - 1)];
        if (!evaluation.evaluated) {
            sheet.hitLabel(row)->clear();
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
    state.tally = result.tally;
    if (result.lastHit)
        state.lastHit = *result.lastHit;
    // Each notable row restarts the sound; starting it once at the end sounds the same.
    if (result.playSound)
        m_wiring.sound.play(state.dataFile(HitSoundFile));
}

void TipCheckController::showAndEvaluate()
{
    SessionState &state = m_wiring.state;
    WindowDates &dates = m_wiring.dates;
    const DrawStore store(state.drawStorePath());
    if (!store.exists()) {
        m_wiring.dialogs.showMessage(m_wiring.messages.text(Msg::ReadDrawsFirst));
        if (auto created = store.createIfMissing(); !created)
            m_wiring.dialogs.showError(created.error());
        return;
    }
    const auto draws = store.readAll();
    if (!draws) {
        m_wiring.dialogs.showError(draws.error());
        return;
    }
    dates.startPicker().setMinimumDate(dates.drawDateMinimum());
    state.selectedDate = dates.drawDate();

    const DrawPick::Pick pick = DrawPick::forDate(*draws, state.selectedDate);
    state.shownDrawIndex = draws->empty() ? -1 : (pick.index >= 0 ? pick.index : int(draws->size()) - 1);
    if (pick.index >= 0) {
        state.shownDraw = (*draws)[size_t(pick.index)];
        m_wiring.view.show(state.shownDraw, pick.style);
    } else {
        m_wiring.view.copyToTipSheet();
    }
    if (state.shownDraw.date < dates.drawDateMinimum()) {
        dates.setDrawDate(dates.drawDateMinimum());
        state.shownDraw.date = dates.drawDateMinimum();
    } else {
        dates.setDrawDate(state.shownDraw.date);
    }
    komplettcheck();
}

void TipCheckController::historySearch()
{
    SessionState &state = m_wiring.state;
    UserDialogs &dialogs = m_wiring.dialogs;
    const MessageTable &messages = m_wiring.messages;
    const bool megaballCounts = m_wiring.settings.generationSettings().checkBox(31);
    const auto answer = dialogs.inputText(messages.text(Msg::SearchStopLevelCaption),
        messages.text(Msg::SearchStopLevelPrompt), megaballCounts ? QStringLiteral("7") : QStringLiteral("5"));
    if (!answer)
        return;
    const auto stopLevel = TipRows::toInteger(*answer);
    if (!stopLevel) {
        dialogs.showError(m_wiring.messages.text(Msg::NotAnInteger).arg(*answer));
        return;
    }
    const auto draws = DrawStore(state.drawStorePath()).readAll();
    if (!draws) {
        dialogs.showError(draws.error());
        return;
    }
    state.selectedDate = m_wiring.dates.statisticsStart();
    const QDate rangeEnd = m_wiring.dates.drawDate();
    TipSheetPage &sheet = m_wiring.sheet;
    LongWork &work = m_wiring.work;
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
    for (const Draw &draw : *draws) {
        if (draw.date < state.selectedDate || draw.date > rangeEnd)
            continue;
        state.shownDraw = draw;
        visited = true;
        m_wiring.view.show(draw, DrawDisplay::Style::Search);
        for (int row = 1; row <= TipRows::RowCount; ++row) {
            const HitResult hit = HitRule::zettelcheck(sheet.rowTexts(row), draw);
            state.lastHit = hit;
            totals[size_t(row - 1)] += hit.hitCount;
            QString text = QString::number(hit.hitCount);
            if (hit.megaballHit)
                text += QStringLiteral(" + MB");
            sheet.setHitLabel(row, text, hit.hitCount > 2 || hit.megaballHit);
            const int stopValue = hit.hitCount + (row == 1 && megaballCounts && hit.megaballHit ? 1 : 0);
            if (stopValue < *stopLevel)
                continue;
            const QString date = TextFormats::shortDate(draw.date);
            const bool goOn = row == 1
                ? work.ask(messages.text(Msg::SearchHitFound) + QStringLiteral("  ") + date + QStringLiteral(" . ")
                        + messages.text(Msg::SearchGoOn),
                    messages.text(Msg::SearchHitCaption))
                : work.ask(messages.text(Msg::RepeatHitStart) + date + messages.text(Msg::RepeatHitEnd),
                    messages.text(Msg::RepeatHitCaption));
            if (!goOn) {
                colourAgainst(draw);
                work.end();
                return;
            }
        }
        // The window repaints while the search walks the history.
        work.yield();
    }
    if (visited)
        colourAgainst(state.shownDraw);
    work.end();
    m_searchTotals = totals;
    emit searchFinished(totals);
}
