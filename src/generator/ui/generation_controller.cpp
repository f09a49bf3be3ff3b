#include "generator/ui/generation_controller.h"

#include "analysis/sheet_checks.h"
#include "analysis/shown_draw_model.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "draws/draw_history.h"
#include "generator/lucky_number.h"
#include "generator/option_conflicts.h"
#include "generator/random_source.h"
#include "generator/ui/generation_options_form.h"
#include "generator/ui/preferred_list_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/long_work.h"
#include "ui/page_switcher.h"
#include "ui/platform.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int StatusPanel = 1;
} // namespace

GenerationController::GenerationController(const GenerationWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    TipSheetPage &sheet = wiring.sheet;
    connect(sheet.generateButton(), &QPushButton::clicked, this, &GenerationController::startOrStop);
    connect(sheet.luckyNumberButton(), &QToolButton::clicked, this, &GenerationController::luckyNumber);
}

void GenerationController::startOrStop()
{
    if (m_running)
        requestStop();
    else
        run();
}

void GenerationController::requestStop()
{
    if (!m_running)
        return;
    m_wiring.work.requestStop();
    m_wiring.sheet.generateButton()->setText(m_startCaption);
}

void GenerationController::languageApplied()
{
    if (!m_running)
        return;
    QPushButton *button = m_wiring.sheet.generateButton();
    if (button->text() != m_stopCaption)
        m_startCaption = button->text();
    m_stopCaption = m_wiring.messages.text(Msg::Stoppen);
    button->setText(m_stopCaption);
}

void GenerationController::stopForClose()
{
    if (!m_running)
        return;
    requestStop();
    restoreOptions();
}

void GenerationController::run()
{
    TipSheetPage &sheet = m_wiring.sheet;
    // Options that exclude each other would use up the budget and empty the rows.
    std::array<SheetRow, TipRows::RowCount> locks{};
    for (int row = 1; row <= TipRows::RowCount; ++row)
        locks[size_t(row - 1)].locked = sheet.isLocked(row);
    const QStringList conflicts
        = OptionConflicts::find(m_wiring.options.generationSettings(), locks, m_wiring.messages);
    if (!conflicts.isEmpty()) {
        m_wiring.status.setText(StatusPanel, conflicts.join(QLatin1Char(' ')));
        m_wiring.dialogs.showMessage(OptionConflicts::message(conflicts, m_wiring.messages));
        return;
    }
    // Saved at every start rather than once, so that a caption changed by a language
    // switch between runs comes back as it is now.
    m_startCaption = sheet.generateButton()->text();
    m_stopCaption = m_wiring.messages.text(Msg::Stoppen);
    sheet.generateButton()->setText(m_stopCaption);
    m_wiring.shown.setEvaluationEnabled(false);
    const GenerationSettings settings = m_wiring.options.generationSettings();
    m_attemptLimit = settings.attemptLimit();
    m_remembered = {settings.checkBox(8), settings.upDown(4), settings.upDown(5), settings.upDown(6)};
    m_running = true;
    m_wiring.work.begin();

    // After this the draw date and the shown draw are reference 1.
    m_wiring.checks.showAndEvaluate();
    const auto history = m_wiring.history.draws();
    if (!history) {
        m_wiring.dialogs.showError(history.error());
        finish(nullptr);
        return;
    }
    const DrawHistory::Draws draws = *history;
    sheet.clearUnlocked();

    GenerationRequest request;
    request.draws = *draws;
    request.start = m_wiring.dates.statisticsStart();
    request.end = m_wiring.dates.drawDate();
    request.settings = m_wiring.options.generationSettings();
    request.attemptLimit = m_attemptLimit;
    for (int row = 1; row <= TipRows::RowCount; ++row)
        request.sheet[size_t(row - 1)] = {sheet.rowTexts(row), sheet.isLocked(row)};
    // Only the Megaball-overdue chart looks at the flag, and the run draws it after the
    // pool, so raising it here is the same as raising it before the first row.
    m_wiring.gate.begin(CommandGate::Activity::Generation);
    m_lastOutcome = GenerationRun(request, m_wiring.random, m_wiring.messages, hooks(*draws)).run();
    finish(&m_lastOutcome);
}

GenerationHooks GenerationController::hooks(const std::vector<Draw> &draws)
{
    GenerationHooks hooks;
    TipSheetPage *sheet = &m_wiring.sheet;
    const auto showStatus = [this](const QString &text) { m_wiring.status.setText(StatusPanel, text); };
    hooks.status = showStatus;
    hooks.attemptStatus = showStatus;
    hooks.chartComputed = [this, &draws](DrawStatistics::ChartKind kind) { emit chartComputed(kind, draws); };
    hooks.preferredList = [this](CandidatePool &pool) { return m_wiring.preferredList.edit(pool); };
    hooks.optionChanged = [this](const OptionChange &change) { m_wiring.options.apply(change); };
    hooks.rowWritten = [sheet](int row, const GeneratedRow &generated) {
        sheet->setRowTexts(row, generated.texts());
        if (!generated.locked)
            sheet->sumLabel(row)->setText(QString::number(generated.sum()));
    };
    hooks.processEvents = [this, sheet](int row) {
        if (row == 1)
            m_wiring.pages.show(sheet);
        m_wiring.work.yield(true);
    };
    // The options are read live: what the user changes during a run counts from the
    // next pass through the events on.
    hooks.refresh = [this](GenerationSettings &settings, int &attemptLimit) {
        settings = m_wiring.options.generationSettings();
        attemptLimit = m_attemptLimit;
    };
    hooks.stopRequested = [this] { return m_wiring.work.stopRequested(); };
    return hooks;
}

void GenerationController::restoreOptions()
{
    for (const OptionChange &change : {OptionChange{OptionChange::Kind::CheckBox, 8, m_remembered.checkBox8 ? 1 : 0, 0},
             OptionChange{OptionChange::Kind::UpDown, 4, m_remembered.upDown4, 0},
             OptionChange{OptionChange::Kind::UpDown, 5, m_remembered.upDown5, 0},
             OptionChange{OptionChange::Kind::UpDown, 6, m_remembered.upDown6, 0}})
        m_wiring.options.apply(change);
}

void GenerationController::finish(const GenerationOutcome *outcome)
{
    m_wiring.shown.setEvaluationEnabled(true);
    // An aborted list (or an unreadable history) returns to idle without an evaluation.
    if (outcome && !outcome->aborted) {
        m_wiring.checks.komplettcheck();
        // A stopped run leaves the rows it did not reach empty; the status says so.
        if (m_wiring.work.stopRequested())
            m_wiring.status.setComposedText(
                StatusPanel, [&messages = m_wiring.messages] { return messages.text(Msg::RunStopped); });
        else
            m_wiring.status.setComposedText(StatusPanel,
                [&messages = m_wiring.messages, finished = *outcome] { return finished.statusText(messages); });
    }
    m_wiring.work.end();
    restoreOptions();
    m_wiring.gate.end(CommandGate::Activity::Generation);
    m_running = false;
    m_wiring.sheet.generateButton()->setText(m_startCaption);
    emit runFinished();
}

void GenerationController::luckyNumber()
{
    RandomSource &random = m_wiring.random;
    const MessageTable &messages = m_wiring.messages;
    const QString proposal = LuckyNumber::proposal(random);
    // A cancelled input box answers with its proposal.
    const std::optional<QString> answer = m_wiring.dialogs.inputText(
        messages.text(Msg::LuckyNumberCaption), messages.text(Msg::LuckyNumberPrompt), proposal);
    if (const std::optional<qint32> seed = LuckyNumber::apply(random, answer.value_or(proposal)))
        m_wiring.status.setComposedText(
            StatusPanel, [&messages, seed = *seed] { return LuckyNumber::statusText(messages, seed); });
    else
        m_wiring.dialogs.showMessage(messages.text(Msg::SeedError));
}
