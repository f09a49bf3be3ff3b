#include "history/backtest.h"

#include "generator/lucky_number.h"
#include "tipsheet/tip_rows.h"

#include <algorithm>

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
    return Yardstick::of(sums, baselineSums, ticketPrice);
}

SettingsBacktest::SettingsBacktest(BacktestInput input, const MessageTable &messages)
    : m_input(std::move(input))
    , m_messages(messages)
    , m_settings(m_input.settings)
    , m_baseline(m_input.seed)
    , m_sheet(m_input.sheet)
{
    // The preferred-number list would stop every pass for the user.
    m_settings.showPreferredList = false;
    m_random.setSeed(m_input.seed);
    m_result.rowsPerPass = m_settings.rowsToCompute;
    m_result.ticketPrice = m_input.ticketPrice;
    m_result.randomState = m_random.state();

    // Step 3: current := the chosen date, then ShowAndEvaluate, whose evaluation leaves
    // every row it could evaluate sorted on the sheet (the locked rows are what stays).
    m_current = m_input.chosenDate;
    m_state = ShownDraw::showAndEvaluate(m_input.draws, m_input.chosenDate, m_input.shown, m_input.pickerMinimum);
    m_initial = m_state;
    const TipSheetTexts texts = textsOf(m_sheet);
    const TipSheetTexts sorted = SheetEvaluation::of(texts, m_state.shownDraw).sortedSheet(texts);
    for (size_t row = 0; row < m_sheet.size(); ++row)
        m_sheet[row].texts = sorted[row];
    m_result.lockedRows = lockedRowsOf(m_sheet);
    // Step 6: previous := today.
    m_previous = m_input.today;
}

void SettingsBacktest::setGenerationHooks(std::function<GenerationHooks(int pass)> hooksForPass)
{
    m_hooksForPass = std::move(hooksForPass);
}

bool SettingsBacktest::finished() const
{
    if (m_finished || m_previous == m_current)
        return true;
    // Deviation: a date a pass has already started from would repeat the same passes for
    // ever; the documented loop only ends on a pass that does not move the date.
    return m_startDates.count(m_current) > 0;
}

bool SettingsBacktest::nextPass()
{
    if (finished()) {
        if (!m_finished && m_previous != m_current)
            m_result.endedOnRepeatedDate = true;
        m_finished = true;
        return false;
    }
    BacktestPass pass;
    pass.number = m_result.passes + 1;
    pass.startDate = m_current;
    m_previous = m_current;
    m_startDates.insert(m_current);

    // Every pass starts from the entered seed.
    m_random.setSeed(m_input.seed);

    // The generation run as the window makes it: ShowAndEvaluate for the picker's date
    // (reference 1, which becomes the end date), the unlocked rows cleared, the run.
    pass.reference = ShownDraw::showAndEvaluate(m_input.draws, m_state.pickerDate, m_state, m_input.pickerMinimum);
    pass.request.draws = m_input.draws;
    pass.request.start = m_input.statisticsStart;
    pass.request.end = pass.reference.pickerDate;
    pass.request.settings = m_settings;
    pass.request.attemptLimit = m_settings.attemptLimit();
    pass.request.sheet = m_sheet;
    GenerationHooks hooks = m_hooksForPass ? m_hooksForPass(pass.number) : GenerationHooks{};
    pass.generation = GenerationRun(pass.request, m_random, m_messages, std::move(hooks)).run();
    // The run closes with Komplettcheck against reference 1, and ShowAndEvaluate below
    // evaluates again; both sort the same complete rows, so only the second is made.

    // DateTimePicker1 seven days on, ShowAndEvaluate: the first draw on or after that
    // date, or the newest draw when there is none.
    pass.evaluated = ShownDraw::showAndEvaluate(
        m_input.draws, pass.reference.pickerDate.addDays(DaysPerStep), pass.reference, m_input.pickerMinimum);
    pass.tally = tallyOf(pass.generation.rows, pass.evaluated.shownDraw);
    pass.baseline = m_baseline.evaluate(tallyRows(pass.tally), pass.evaluated.shownDraw);

    // What stays on the sheet for the next run: the locked rows, as the evaluation left them.
    m_state = pass.evaluated;
    for (size_t row = 0; row < m_sheet.size(); ++row)
        if (m_sheet[row].locked)
            m_sheet[row].texts = evaluatedTexts(pass.generation.rows[row]);
    m_current = m_state.pickerDate;

    ++m_result.passes;
    addTally(m_result.sums, pass.tally);
    addTally(m_result.baselineSums, pass.baseline);
    m_result.randomState = m_random.state();
    m_pass = std::move(pass);
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
