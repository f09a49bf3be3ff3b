#include "generator/ui/generation_controller.h"

#include "analysis/ui/chart_controller.h"
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/ui/main_window.h"
#include "ui/platform.h"
#include "draws/ui/database_page.h"
#include "draws/draw_store.h"
#include "generator/ui/generation_page.h"
#include "generator/lucky_number.h"
#include "generator/ui/preferred_list_controller.h"
#include "generator/random_source.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace {
constexpr int StatusPanel = 1;
} // namespace

GenerationController::GenerationController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    m_preferredList = std::make_unique<PreferredListController>(window, *window.numberDialog());
    TipSheetPage *sheet = window.tipSheet();
    connect(sheet->generateButton(), &QPushButton::clicked, this, &GenerationController::startOrStop);
    connect(
        window.menuAction(QStringLiteral("Berechnen1")), &QAction::triggered, this, &GenerationController::startOrStop);
    connect(sheet->luckyNumberButton(), &QToolButton::clicked, this, &GenerationController::luckyNumber);
}

GenerationController::~GenerationController() = default;

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
    m_stopRequested = true;
    m_window.tipSheet()->generateButton()->setText(m_startCaption);
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
    SessionState &state = m_window.state();
    GenerationPage *options = m_window.generation();
    TipSheetPage *sheet = m_window.tipSheet();
    // Saved at every start rather than once, so that a caption changed by a language
    // switch between runs comes back as it is now.
    m_startCaption = sheet->generateButton()->text();
    sheet->generateButton()->setText(m_window.messages().text(Msg::Stoppen));
    state.editChecksEnabled = false;
    state.attemptLimit = options->upDown(7)->value() * 1000;
    m_remembered = {options->checkBox(8)->isChecked(), options->upDown(4)->value(), options->upDown(5)->value(),
        options->upDown(6)->value()};
    m_running = true;
    m_stopRequested = false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);

    // After this the end date picker and the shown draw are reference 1.
    m_window.tipCheck()->showAndEvaluate();
    const auto draws = DrawStore(m_window.drawStorePath()).readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
        finish(nullptr);
        return;
    }
    sheet->clearUnlocked();

    GenerationRequest request;
    request.draws = *draws;
    request.start = m_window.charts()->DateTimePicker2->date();
    request.end = m_window.database()->DateTimePicker1->date();
    request.settings = m_window.generationSettings();
    request.attemptLimit = state.attemptLimit;
    for (int row = 1; row <= TipRows::RowCount; ++row)
        request.sheet[size_t(row - 1)] = {sheet->rowTexts(row), sheet->isLocked(row)};
    // Only the Megaball-overdue chart looks at the flag, and the run draws it after the
    // pool, so raising it here is the same as raising it before the first row.
    state.generationRunning = true;
    m_lastOutcome = GenerationRun(request, *m_window.services().random, m_window.messages(), hooks(*draws)).run();
    finish(&m_lastOutcome);
}

GenerationHooks GenerationController::hooks(std::span<const Draw> draws)
{
    GenerationHooks hooks;
    TipSheetPage *sheet = m_window.tipSheet();
    const auto showStatus = [this](const QString &text) { m_window.setStatusText(StatusPanel, text); };
    hooks.status = showStatus;
    hooks.attemptStatus = showStatus;
    hooks.chartComputed
        = [this, draws](DrawStatistics::ChartKind kind) { m_window.chartControl()->showChart(kind, draws); };
    hooks.preferredList = [this](CandidatePool &pool) { return m_preferredList->edit(pool); };
    hooks.optionChanged = [this](const OptionChange &change) { applyOptionChange(change); };
    hooks.rowWritten = [sheet](int row, const GeneratedRow &generated) {
        sheet->setRowTexts(row, generated.texts());
        if (!generated.locked)
            sheet->sumLabel(row)->setText(QString::number(generated.sum()));
    };
    hooks.processEvents = [this, sheet](int row) {
        if (row == 1)
            m_window.showPage(sheet);
        QCoreApplication::processEvents();
    };
    // The options are read live: what the user changes during a run counts from the
    // next pass through the events on.
    hooks.refresh = [this](GenerationSettings &settings, int &attemptLimit) {
        settings = m_window.generationSettings();
        attemptLimit = m_window.state().attemptLimit;
    };
    hooks.stopRequested = [this] { return m_stopRequested; };
    return hooks;
}

void GenerationController::applyOptionChange(const OptionChange &change)
{
    GenerationPage *options = m_window.generation();
    if (change.kind == OptionChange::Kind::CheckBox)
        options->checkBox(change.number)->setChecked(change.value != 0);
    else
        options->upDown(change.number)->setValue(change.value);
}

void GenerationController::restoreOptions()
{
    GenerationPage *options = m_window.generation();
    options->checkBox(8)->setChecked(m_remembered.checkBox8);
    options->upDown(4)->setValue(m_remembered.upDown4);
    options->upDown(5)->setValue(m_remembered.upDown5);
    options->upDown(6)->setValue(m_remembered.upDown6);
}

void GenerationController::finish(const GenerationOutcome *outcome)
{
    SessionState &state = m_window.state();
    state.editChecksEnabled = true;
    // An aborted list (or an unreadable history) returns to idle without an evaluation.
    if (outcome && !outcome->aborted) {
        m_window.tipCheck()->komplettcheck();
        m_window.setStatusText(StatusPanel, m_window.messages().text(outcome->status));
    }
    QGuiApplication::restoreOverrideCursor();
    restoreOptions();
    state.generationRunning = false;
    m_running = false;
    m_window.tipSheet()->generateButton()->setText(m_startCaption);
}

void GenerationController::luckyNumber()
{
    RandomSource &random = *m_window.services().random;
    const MessageTable &messages = m_window.messages();
    const QString proposal = LuckyNumber::proposal(random);
    // A cancelled input box answers with its proposal.
    const std::optional<QString> answer = m_window.services().dialogs->inputText(
        messages.text(Msg::LuckyNumberCaption), messages.text(Msg::LuckyNumberPrompt), proposal);
    if (const std::optional<qint32> seed = LuckyNumber::apply(random, answer.value_or(proposal)))
        m_window.setStatusText(StatusPanel, LuckyNumber::statusText(messages, *seed));
}
