#include "analysis/ui/tip_check_controller.h"

#include "analysis/ui/chart_page.h"
#include "analysis/hit_rule.h"
#include "analysis/sheet_evaluation.h"
#include "app/ui/main_window.h"
#include "ui/platform.h"
#include "app/text_formats.h"
#include "draws/ui/database_page.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "generator/ui/generation_page.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TipCheckController::TipCheckController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    TipSheetPage *sheet = window.tipSheet();
    connect(sheet, &TipSheetPage::fieldLeft, this, [this] {
        if (m_window.state().editChecksEnabled)
            komplettcheck();
    });
    connect(sheet->searchButton(), &QAbstractButton::clicked, this, &TipCheckController::historySearch);
    connect(window.database()->SpeedButton5, &QAbstractButton::clicked, this, &TipCheckController::showAndEvaluate);
}

void TipCheckController::komplettcheck()
{
    SessionState &state = m_window.state();
    state.tally.clear();
    if (!state.editChecksEnabled)
        return;
    TipSheetPage *sheet = m_window.tipSheet();
    const SheetEvaluation result = SheetEvaluation::of(sheet->sheetTexts(), state.shownDraw);
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        const HitRule::RowEvaluation &evaluation = result.rows[size_t(row - 1)];
        if (!evaluation.evaluated) {
            sheet->hitLabel(row)->clear();
            for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
                sheet->setFieldColour(row, slot, TipSheetPage::FieldColour::Window);
            continue;
        }
        sheet->sumLabel(row)->setText(QString::number(evaluation.sum));
        for (int slot = 0; slot < TipRows::MainFields; ++slot) {
            sheet->field(row, slot)->setText(evaluation.sortedTexts[size_t(slot)]);
            sheet->setFieldColour(row, slot,
                evaluation.hit.fieldHits[size_t(slot)] ? TipSheetPage::FieldColour::Hit
                                                       : TipSheetPage::FieldColour::Window);
        }
        sheet->setHitLabel(row, evaluation.hitText, evaluation.highlighted);
        sheet->setFieldColour(row, TipRows::MegaballSlot,
            evaluation.hit.megaballHit ? TipSheetPage::FieldColour::MegaballHit : TipSheetPage::FieldColour::Window);
    }
    state.tally = result.tally;
    if (result.lastHit)
        state.lastHit = *result.lastHit;
    // Each notable row restarts the sound; starting it once at the end sounds the same.
    if (result.playSound && m_window.services().sound)
        m_window.services().sound->play(m_window.hitSoundPath());
}

void TipCheckController::showDraw(const Draw &draw, const QString &text)
{
    DatabasePage *database = m_window.database();
    database->Label29->setText(text);
    database->Label13->setText(DrawDisplay::crossSum(m_window.messages(), draw));
}

void TipCheckController::showAndEvaluate()
{
    SessionState &state = m_window.state();
    DatabasePage *database = m_window.database();
    const DrawStore store(m_window.drawStorePath());
    if (!store.exists()) {
        m_window.services().dialogs->showMessage(QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
        if (auto created = store.createIfMissing(); !created)
            m_window.services().dialogs->showError(created.error());
        return;
    }
    const auto draws = store.readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
        return;
    }
    m_window.charts()->DateTimePicker2->setMinimumDate(database->DateTimePicker1->minimumDate());
    state.selectedDate = database->DateTimePicker1->date();

    const DrawPick::Pick pick = DrawPick::forDate(*draws, state.selectedDate);
    state.shownDrawIndex = draws->empty() ? -1 : (pick.index >= 0 ? pick.index : int(draws->size()) - 1);
    if (pick.index >= 0) {
        state.shownDraw = (*draws)[size_t(pick.index)];
        showDraw(state.shownDraw, DrawDisplay::text(state.shownDraw, pick.style));
    }
    if (state.shownDraw.date < database->DateTimePicker1->minimumDate()) {
        database->DateTimePicker1->setDate(database->DateTimePicker1->minimumDate());
        state.shownDraw.date = database->DateTimePicker1->minimumDate();
    } else {
        database->DateTimePicker1->setDate(state.shownDraw.date);
    }
    m_window.tipSheet()->drawLabel()->setText(database->Label29->text());
    komplettcheck();
}

void TipCheckController::historySearch()
{
    SessionState &state = m_window.state();
    UserDialogs *dialogs = m_window.services().dialogs;
    const MessageTable &messages = m_window.messages();
    const bool megaballCounts = m_window.generation()->checkBox(31)->isChecked();
    const auto answer = dialogs->inputText(
        messages.text(Msg::SearchStopLevelCaption), messages.text(Msg::SearchStopLevelPrompt), megaballCounts ? QStringLiteral("7") : QStringLiteral("5"));
    if (!answer)
        return;
    const auto stopLevel = TipRows::toInteger(*answer);
    if (!stopLevel) {
        dialogs->showError(QStringLiteral("'%1' ist kein gültiger Integer-Wert").arg(*answer));
        return;
    }
    const auto draws = DrawStore(m_window.drawStorePath()).readAll();
    if (!draws) {
        dialogs->showError(draws.error());
        return;
    }
    state.selectedDate = m_window.charts()->DateTimePicker2->date();
    const QDate rangeEnd = m_window.database()->DateTimePicker1->date();
    TipSheetPage *sheet = m_window.tipSheet();
    std::array<int, 12> totals{};
    for (const Draw &draw : *draws) {
        if (draw.date < state.selectedDate || draw.date > rangeEnd)
            continue;
        state.shownDraw = draw;
        showDraw(draw, DrawDisplay::text(draw, DrawDisplay::Style::Search));
        sheet->drawLabel()->setText(m_window.database()->Label29->text());
        for (int row = 1; row <= TipRows::RowCount; ++row) {
            const HitResult hit = HitRule::zettelcheck(sheet->rowTexts(row), draw);
            state.lastHit = hit;
            totals[size_t(row - 1)] += hit.hitCount;
            QString text = QString::number(hit.hitCount);
            if (hit.megaballHit)
                text += QStringLiteral(" + MB");
            sheet->setHitLabel(row, text, hit.hitCount > 2 || hit.megaballHit);
            const int stopValue = hit.hitCount + (row == 1 && megaballCounts && hit.megaballHit ? 1 : 0);
            if (stopValue < *stopLevel)
                continue;
            const QString date = TextFormats::shortDate(draw.date);
            const bool goOn = row == 1
                ? dialogs->askYesNo(
                    messages.text(Msg::SearchHitFound) + QStringLiteral("  ") + date + QStringLiteral(" . ") + messages.text(Msg::SearchGoOn),
                    messages.text(Msg::SearchHitCaption))
                : dialogs->askYesNo(QStringLiteral("Ein Treffer am  ") + date + QStringLiteral(" gefunden. Weiter?"),
                    QStringLiteral("Ziehung gefunden"));
            if (!goOn)
                return;
        }
    }
    m_searchTotals = totals;
    emit searchFinished(totals);
}
