#include "history/backtest.h"

#include "generator/lucky_number.h"
#include "tipsheet/tip_rows.h"

#include <algorithm>
#include <set>

namespace {
constexpr int DaysPerStep = 7;

TipSheetTexts textsOf(const std::array<SheetRow, TipRows::RowCount> &sheet)
{
    TipSheetTexts texts;
    for (size_t row = 0; row < texts.size(); ++row)
        texts[row] = sheet[row].texts;
    return texts;
}

int tallyRows(const HitClassTally &tally)
{
    int rows = 0;
    for (const auto &cells : tally.cells)
        rows += cells[0] + cells[1];
    return rows;
}

void addTally(HitClassTally &sum, const HitClassTally &tally)
{
    for (size_t k = 0; k < sum.cells.size(); ++k)
        for (size_t mb = 0; mb < 2; ++mb)
            sum.cells[k][mb] += tally.cells[k][mb];
}

// A row the run wrote is complete when its five main-number fields are filled; only
// then does Komplettcheck sort, compare and tally it.
bool isComplete(const GeneratedRow &row)
{
    return std::all_of(row.numbers.begin(), row.numbers.end(), [](int n) { return n > 0; });
}

// The field texts after the evaluation: the run's texts, a complete row sorted.
TipRowTexts evaluatedTexts(const GeneratedRow &row)
{
    if (!isComplete(row))
        return row.texts();
    GeneratedRow sorted = row;
    std::sort(sorted.numbers.begin(), sorted.numbers.end());
    return sorted.texts();
}

// Komplettcheck's tally over the run's rows: the hit rule on the numbers the field texts
// hold (an empty Megaball field never matches).
HitClassTally tallyOf(const std::array<GeneratedRow, TipRows::RowCount> &rows, const Draw &shown)
{
    HitClassTally tally;
    for (const GeneratedRow &row : rows) {
        if (!isComplete(row))
            continue;
        int hits = 0;
        for (int drawn : shown.numbers)
            hits += int(std::count(row.numbers.begin(), row.numbers.end(), drawn));
        if (hits <= 5)
            tally.add(hits, row.megaball > 0 && row.megaball == shown.megaball);
    }
    return tally;
}
} // namespace

std::vector<LockedRow> lockedRowsOf(const std::array<SheetRow, TipRows::RowCount> &sheet)
{
    std::vector<LockedRow> rows;
    for (size_t row = 0; row < sheet.size(); ++row)
        if (sheet[row].locked)
            rows.push_back({int(row) + 1, sheet[row].texts});
    return rows;
}

TipSheetTexts BacktestPass::sheetTexts() const
{
    TipSheetTexts texts;
    for (size_t row = 0; row < texts.size(); ++row)
        texts[row] = evaluatedTexts(generation.rows[row]);
    return texts;
}

SheetEvaluation BacktestPass::sheetEvaluation() const
{
    TipSheetTexts texts;
    for (size_t row = 0; row < texts.size(); ++row)
        texts[row] = generation.rows[row].texts();
    return SheetEvaluation::of(texts, evaluated.shownDraw);
}

Yardstick BacktestResult::yardstick() const
{
    return Yardstick::of(sums, baselineSums, ticketPrice, *format);
}

BacktestPlan::BacktestPlan(BacktestInput input, const MessageTable &messages, Runs runs)
    : m_input(std::move(input))
    , m_settings(m_input.settings)
{
    // The preferred-number list would stop every pass for the user.
    m_settings.showPreferredList = false;
    const std::vector<Draw> &draws = m_input.draws;
    std::optional<RunBasisMaker> bases;
    if (runs == Runs::Prepared)
        bases.emplace(draws, m_input.statisticsStart, messages, *m_input.format);

    // Step 3: current := the chosen date, then ShowAndEvaluate, whose evaluation leaves
    // every row it could evaluate sorted on the sheet (the locked rows are what stays).
    QDate current = m_input.chosenDate;
    ShownDrawState state = ShownDraw::showAndEvaluate(draws, current, m_input.shown, m_input.pickerMinimum);
    m_initial = state;
    std::array<SheetRow, TipRows::RowCount> sheet = m_input.sheet;
    const TipSheetTexts texts = textsOf(sheet);
    const TipSheetTexts sorted = SheetEvaluation::of(texts, state.shownDraw).sortedSheet(texts);
    for (size_t row = 0; row < sheet.size(); ++row)
        sheet[row].texts = sorted[row];
    m_lockedRows = lockedRowsOf(sheet);

    // Step 6: previous := today. The loop ends on a pass that does not move the date.
    QDate previous = m_input.today;
    std::set<QDate> startDates;
    while (previous != current) {
        // Deviation: a date a pass has already started from would repeat the same passes
        // for ever; the documented loop only ends on a pass that does not move the date.
        if (startDates.count(current) > 0) {
            m_endedOnRepeatedDate = true;
            break;
        }
        Pass pass;
        pass.startDate = current;
        previous = current;
        startDates.insert(current);
        // The run's ShowAndEvaluate for the picker's date: reference 1, whose date
        // becomes the end date.
        pass.reference = ShownDraw::showAndEvaluate(draws, state.pickerDate, state, m_input.pickerMinimum);
        pass.sheet = sheet;
        if (bases)
            pass.basis = bases->make(pass.reference.pickerDate, m_settings);
        // DateTimePicker1 seven days on, ShowAndEvaluate: the first draw on or after that
        // date, or the newest draw when there is none.
        pass.evaluated = ShownDraw::showAndEvaluate(
            draws, pass.reference.pickerDate.addDays(DaysPerStep), pass.reference, m_input.pickerMinimum);
        // What stays on the sheet for the next run: the locked rows as the run reads them
        // back, sorted by the evaluation.
        for (SheetRow &row : sheet)
            if (row.locked)
                row.texts = evaluatedTexts(GenerationRun::lockedRow(row.texts));
        state = pass.evaluated;
        current = state.pickerDate;
        m_passes.push_back(std::move(pass));
    }
}

SettingsBacktest::SettingsBacktest(BacktestInput input, const MessageTable &messages)
    : SettingsBacktest(
        std::make_shared<const BacktestPlan>(input, messages, BacktestPlan::Runs::Separate), input.seed, messages)
{ }

SettingsBacktest::SettingsBacktest(std::shared_ptr<const BacktestPlan> plan, qint32 seed, const MessageTable &messages)
    : m_plan(std::move(plan))
    , m_seed(seed)
    , m_messages(messages)
    , m_baseline(seed, *m_plan->input().format)
{
    m_random.setSeed(seed);
    m_result.rowsPerPass = m_plan->settings().rowsToCompute;
    m_result.ticketPrice = m_plan->input().ticketPrice;
    m_result.format = m_plan->input().format;
    m_result.randomState = m_random.state();
    m_result.lockedRows = m_plan->lockedRows();
}

void SettingsBacktest::setGenerationHooks(std::function<GenerationHooks(int pass)> hooksForPass)
{
    m_hooksForPass = std::move(hooksForPass);
}

bool SettingsBacktest::finished() const
{
    return m_finished || m_nextPass >= m_plan->passes().size();
}

bool SettingsBacktest::nextPass()
{
    if (finished()) {
        if (!m_finished)
            m_result.endedOnRepeatedDate = m_plan->endedOnRepeatedDate();
        m_finished = true;
        return false;
    }
    const BacktestPlan::Pass &planned = m_plan->passes()[m_nextPass++];
    const BacktestInput &input = m_plan->input();
    // Filled in place: a pass holds a whole sheet of texts, and the many-seeds back-test
    // makes hundreds of thousands of passes.
    BacktestPass &pass = m_pass;
    pass.number = m_result.passes + 1;
    pass.startDate = planned.startDate;

    // Every pass starts from the entered seed.
    m_random.setSeed(m_seed);

    // The generation run as the window makes it: ShowAndEvaluate for the picker's date
    // (reference 1, which becomes the end date), the unlocked rows cleared, the run.
    pass.reference = planned.reference;
    pass.request.draws = input.draws;
    pass.request.start = input.statisticsStart;
    pass.request.end = pass.reference.pickerDate;
    pass.request.settings = m_plan->settings();
    pass.request.attemptLimit = pass.request.settings.attemptLimit();
    pass.request.sheet = planned.sheet;
    pass.request.basis = planned.basis ? &*planned.basis : nullptr;
    pass.request.format = input.format;
    GenerationHooks hooks = m_hooksForPass ? m_hooksForPass(pass.number) : GenerationHooks{};
    pass.generation = GenerationRun(pass.request, m_random, m_messages, std::move(hooks)).run();
    // The run closes with Komplettcheck against reference 1, and ShowAndEvaluate seven
    // days on evaluates again; both sort the same complete rows, so only the second is
    // made.
    pass.evaluated = planned.evaluated;
    pass.tally = tallyOf(pass.generation.rows, pass.evaluated.shownDraw);
    pass.baseline = m_baseline.evaluate(tallyRows(pass.tally), pass.evaluated.shownDraw);

    ++m_result.passes;
    addTally(m_result.sums, pass.tally);
    addTally(m_result.baselineSums, pass.baseline);
    m_result.randomState = m_random.state();
    return true;
}

const BacktestResult &SettingsBacktest::runToEnd(const std::function<void(const BacktestPass &)> &observer)
{
    while (nextPass())
        if (observer)
            observer(m_pass);
    return m_result;
}

QString SettingsBacktest::seedProposal(const RandomSource &random)
{
    return QString::number(LuckyNumber::inRange(random.state()));
}

std::optional<qint32> SettingsBacktest::parseSeed(const QString &text)
{
    return LuckyNumber::parse(text);
}
