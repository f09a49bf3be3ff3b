#include "history/ui/analysis_controller.h"

#include "analysis/sheet_checks.h"
#include "analysis/shown_draw_model.h"
#include "analysis/ui/chart_page.h"
#include "app/clock.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "app/text_formats.h"
#include "draws/draw_history.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_view.h"
#include "generator/lucky_number.h"
#include "generator/option_conflicts.h"
#include "generator/random_source.h"
#include "generator/settings_source.h"
#include "history/analysis_report.h"
#include "history/backtest.h"
#include "history/backtest_report.h"
#include "history/repeat_analysis.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/long_work.h"
#include "ui/page_switcher.h"
#include "ui/platform.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"
#include "ui/written_file.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

std::array<SheetRow, TipRows::RowCount> sheetRows(const TipSheetPage &sheet)
{
    std::array<SheetRow, TipRows::RowCount> rows{};
    for (int row = 1; row <= TipRows::RowCount; ++row)
        rows[size_t(row - 1)] = {sheet.rowTexts(row), sheet.isLocked(row)};
    return rows;
}

void writeSheet(TipSheetPage &sheet, const TipSheetTexts &texts)
{
    for (int row = 1; row <= TipRows::RowCount; ++row)
        sheet.setRowTexts(row, texts[size_t(row - 1)]);
}
} // namespace

// An analysis in progress, until it returns by whatever way: the gate holds back the
// commands that would change the sheet or the history under it.
class AnalysisController::Running {
public:
    explicit Running(AnalysisController &controller)
        : m_controller(controller)
    {
        m_controller.m_running = true;
        m_controller.m_stopRequested = false;
        m_controller.m_wiring.gate.begin(CommandGate::Activity::Analysis);
        emit m_controller.runningChanged(true);
    }
    ~Running()
    {
        m_controller.m_wiring.work.end();
        m_controller.m_running = false;
        m_controller.m_wiring.gate.end(CommandGate::Activity::Analysis);
        emit m_controller.runningChanged(false);
    }
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;

private:
    AnalysisController &m_controller;
};

// CheckBox20 off for the back-test and back as it was, on every way out (a bad seed, a
// failure, a closing window).
class AnalysisController::PreferredListOff {
public:
    explicit PreferredListOff(AnalysisController &controller)
        : m_controller(controller)
        , m_wasChecked(controller.m_wiring.settings.generationSettings().showPreferredList)
    {
        m_controller.m_wiring.options.setShowPreferredList(false);
        m_controller.m_preferredListOff = this;
    }
    ~PreferredListOff()
    {
        restore();
        m_controller.m_preferredListOff = nullptr;
    }
    PreferredListOff(const PreferredListOff &) = delete;
    PreferredListOff &operator=(const PreferredListOff &) = delete;

    void restore()
    {
        if (m_restored)
            return;
        m_controller.m_wiring.options.setShowPreferredList(m_wasChecked);
        m_restored = true;
    }

private:
    AnalysisController &m_controller;
    const bool m_wasChecked;
    bool m_restored = false;
};

AnalysisController::AnalysisController(const AnalysisWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    DatabasePage &page = wiring.database;
    connect(page.BitBtn9, &QPushButton::clicked, this, &AnalysisController::settingsBacktest);
    connect(page.BitBtn19, &QPushButton::clicked, this, &AnalysisController::repeatAnalysis);
}

AnalysisController::~AnalysisController() = default;

bool AnalysisController::mayStart() const
{
    // The analyses process events on their way; a second start from there, or a start
    // while the generation or the history search holds the long-work helper, would
    // interleave two commands on one sheet.
    return !m_running && !m_wiring.work.isRunning();
}

void AnalysisController::stopForClose()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    if (m_preferredListOff)
        m_preferredListOff->restore();
}

void AnalysisController::settingsBacktest()
{
    if (!mayStart())
        return;
    const AnalysisWiring &w = m_wiring;
    const MessageTable &messages = w.messages;
    const QDate chosenDate = w.dates.drawDate();
    // Every pass would use up its budget on options that exclude each other.
    const std::array<SheetRow, TipRows::RowCount> sheet = sheetRows(w.sheet);
    const QStringList conflicts = OptionConflicts::find(w.settings.generationSettings(), sheet, messages);
    if (!conflicts.isEmpty()) {
        w.dialogs.showMessage(OptionConflicts::message(conflicts, messages));
        return;
    }
    // The locked rows stay in every pass and count with the computed ones: the question
    // says so, as the report will.
    QString question = messages.text(Msg::BacktestQuestionStart) + TextFormats::shortDate(chosenDate)
        + messages.text(Msg::BacktestQuestionEnd);
    if (const QStringList locked = BacktestReport::lockedRowsText(lockedRowsOf(sheet), messages); !locked.isEmpty())
        question += QStringLiteral("\n\n") + locked.join(QLatin1Char('\n'));
    if (!w.dialogs.askYesNo(question, messages.text(Msg::BacktestQuestionCaption)))
        return;
    Running running(*this);
    PreferredListOff listOff(*this);

    w.checks.showAndEvaluate();
    const ShownDrawState shown = w.shown.state(w.dates.drawDate());
    const std::optional<QString> answer = w.dialogs.inputText(messages.text(Msg::LuckyNumberCaption),
        messages.text(Msg::LuckyNumberPrompt), SettingsBacktest::seedProposal(w.random));
    if (!answer)
        return;
    const std::optional<qint32> seed = SettingsBacktest::parseSeed(*answer);
    if (!seed) {
        w.dialogs.showMessage(messages.text(Msg::SeedError));
        return;
    }
    w.random.setSeed(*seed);
    w.status.setComposedText(1, [&messages, seed = *seed] { return LuckyNumber::statusText(messages, seed); });

    const auto draws = w.history.draws();
    if (!draws) {
        w.dialogs.showError(draws.error());
        return;
    }
    BacktestInput input;
    input.draws = **draws;
    input.settings = w.settings.generationSettings();
    input.statisticsStart = w.dates.statisticsStart();
    input.chosenDate = chosenDate;
    input.today = Clock::today();
    input.seed = *seed;
    input.sheet = sheetRows(w.sheet);
    input.shown = shown;
    input.pickerMinimum = w.dates.drawDateMinimum();
    input.ticketPrice = w.ticketPrice();

    SettingsBacktest backtest(std::move(input), messages);
    backtest.setGenerationHooks([this](int) {
        GenerationHooks hooks;
        const auto say = [this](const QString &text) { m_wiring.status.setText(1, text); };
        hooks.status = say;
        hooks.attemptStatus = say;
        hooks.processEvents = [this](int) { m_wiring.work.yield(); };
        hooks.stopRequested = [this] { return m_stopRequested; };
        return hooks;
    });

    w.work.begin();
    w.pages.show(&w.sheet);
    while (!m_stopRequested && backtest.nextPass()) {
        const BacktestPass &pass = backtest.lastPass();
        // As the generation run leaves it: the unlocked rows emptied, then its rows.
        w.sheet.clearUnlocked();
        writeSheet(w.sheet, pass.sheetTexts());
        showState(pass.evaluated);
        w.checks.komplettcheck();
        w.status.setComposedText(1, [&messages, outcome = pass.generation] { return outcome.statusText(messages); });
        repaintNow();
        w.work.yield();
    }
    w.work.end();
    // The program's generator goes on from where the last run left it.
    w.random.setState(backtest.result().randomState);
    if (m_stopRequested)
        return;
    const BacktestResult &result = backtest.result();
    w.chart.showComparison(PrizeClassChart::of(result.yardstick(), messages));
    writeReport(BacktestReport::lines(result, messages, reportFormat()));
}

void AnalysisController::repeatAnalysis()
{
    if (!mayStart())
        return;
    const AnalysisWiring &w = m_wiring;
    const MessageTable &messages = w.messages;
    const QDate chosenDate = w.dates.drawDate();
    if (!w.dialogs.askYesNo(messages.text(Msg::RepeatQuestionStart) + TextFormats::shortDate(chosenDate)
                + messages.text(Msg::RepeatQuestionEnd),
            messages.text(Msg::RepeatQuestionCaption)))
        return;
    Running running(*this);

    w.checks.showAndEvaluate();
    w.pages.show(&w.sheet);
    const ShownDrawState shown = w.shown.state(w.dates.drawDate());
    const std::optional<QString> answer = w.dialogs.inputText(
        messages.text(Msg::RepeatStopLevelCaption), messages.text(Msg::RepeatStopLevelPrompt), QStringLiteral("5"));
    if (!answer)
        return;
    const std::optional<int> stopLevel = RepeatAnalysis::parseStopLevel(*answer);
    if (!stopLevel) {
        w.dialogs.showError(w.messages.text(Msg::NotAnInteger).arg(*answer));
        return;
    }
    const auto draws = w.history.draws();
    if (!draws) {
        w.dialogs.showError(draws.error());
        return;
    }

    RepeatAnalysis analysis(RepeatAnalysisInput{**draws, chosenDate, w.dates.statisticsStart(), *stopLevel,
        sheetRows(w.sheet), shown, w.dates.drawDateMinimum()});
    analysis.setPassStarted([this](const RepeatPassStart &start) {
        m_wiring.sheet.clearUnlocked();
        writeSheet(m_wiring.sheet, start.sheet);
        m_wiring.status.setText(0, TextFormats::shortDate(start.endMarker));
        m_wiring.status.setText(1, TextFormats::shortDate(start.rowDraw.date));
        repaintNow();
    });
    analysis.setQuestion([this](const Draw &record, int) {
        // The scan makes each record ShownDraw (without showing it); a No leaves it so.
        m_wiring.shown.setDraw(record);
        m_wiring.shown.setLastHit(HitRule::zettelcheck(m_wiring.sheet.rowTexts(1), record));
        return m_wiring.work.ask(RepeatAnalysis::questionText(m_wiring.messages, record.date),
            RepeatAnalysis::questionCaption(m_wiring.messages));
    });

    w.work.begin();
    while (!m_stopRequested && analysis.nextPass()) {
        const RepeatPass &pass = analysis.lastPass();
        writeSheet(w.sheet, pass.sheet);
        showState(pass.navigated);
        w.checks.komplettcheck();
        w.work.yield();
    }
    w.work.end();
    if (m_stopRequested || analysis.result().stopped)
        return;
    writeReport(RepeatReport::lines(analysis.result(), messages, reportFormat()));
}

void AnalysisController::showState(const ShownDrawState &shown)
{
    m_wiring.shown.setState(shown);
    m_wiring.dates.setDrawDate(shown.pickerDate);
    if (shown.displayed)
        m_wiring.view.show(shown.shownDraw, shown.style);
}

void AnalysisController::repaintNow()
{
    // Only what a pass changes and what is on screen: a hidden page does not paint.
    StatusPanels &status = m_wiring.status;
    for (QWidget *widget :
        std::initializer_list<QWidget *>{&m_wiring.sheet, &m_wiring.database, status.panel(0), status.panel(1)})
        if (widget->isVisible())
            widget->repaint();
}

ReportFormat AnalysisController::reportFormat() const
{
    return ReportFormat::forLanguage(m_wiring.localeName());
}

void AnalysisController::writeReport(const QStringList &lines)
{
    const QString path = m_wiring.directory.filePath(QString::fromLatin1(AnalysisReport::FileName));
    if (const Result<void> written = AnalysisReport::write(path, lines); !written) {
        m_wiring.dialogs.showError(written.error());
        return;
    }
    openWrittenFile({m_wiring.shell, m_wiring.dialogs, m_wiring.status, m_wiring.messages}, path, this);
}
