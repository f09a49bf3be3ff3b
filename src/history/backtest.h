// The settings back-test (`SettingsBacktest`, BitBtn9 on the Datenbank page) as a
// computation over plain data: from the chosen date on, a week at a time, the
// generation run computes the rows from the draws known then and the sheet is evaluated
// against the first draw at least a week later; the tallies add up. The window drives it
// pass by pass (`nextPass`) and shows each pass; the command-line tool runs it to the end.
// What does not depend on the seed (where the passes start, the draws they end on and are
// evaluated against, and what each run prepares from the history) is a BacktestPlan,
// worked out once and then only read, so the back-tests of many seeds share one on
// several threads.
#pragma once

#include "analysis/sheet_evaluation.h"
#include "analysis/shown_draw.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"
#include "history/backtest_yardstick.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class MessageTable;

struct BacktestInput {
    std::vector<Draw> draws; // the history of `format`, oldest first
    // The generation options as the window holds them; the preferred-number list is off for the passes.
    GenerationSettings settings = GenerationSettings::defaults();
    QDate statisticsStart; // DateTimePicker2
    // DateTimePicker1 as the user left it, read before the first ShowAndEvaluate.
    QDate chosenDate;
    QDate today; // Clock::today(): the loop's "previous" date before the first pass
    qint32 seed = 0; // the entered seed; every pass starts from it
    std::array<SheetRow, TipRows::RowCount> sheet{}; // the tip sheet with its locks
    // The window's shown draw before the analysis; only an empty history keeps it.
    ShownDrawState shown;
    QDate pickerMinimum = ShownDraw::PickerMinimum;
    QString ticketPrice = QStringLiteral("1,00"); // the stored "EINPREIS"
    // The format the rows are generated for and counted in: its numbers, odds and prizes.
    const Games::GameFormat *format = &Games::classic();
};

// One pass as the window shows it: the generation run (its rows and status text), the
// draw `ShowAndEvaluate` then picked, and the sheet evaluated against it.
struct BacktestPass {
    int number = 0; // 1, 2, ...
    QDate startDate; // DateTimePicker1 at the start of the pass ("previous")
    // The run as it was made: after its ShowAndEvaluate the picker shows reference 1,
    // which is the request's end date. `request.draws` and `request.basis` point into the
    // back-test's plan.
    ShownDrawState reference;
    GenerationRequest request;
    GenerationOutcome generation;
    // DateTimePicker1 moved 7 days on and ShowAndEvaluate: the draw the pass is
    // evaluated against, and the picker on its date.
    ShownDrawState evaluated;
    HitClassTally tally; // the HitClassTally of that evaluation
    HitClassTally baseline; // as many random rows against the same draw

    // The sheet after that evaluation: the rows the run wrote, every complete row sorted.
    TipSheetTexts sheetTexts() const;
    // `Komplettcheck` of that sheet against the evaluated draw, for the window's fields and
    // labels. The back-test itself tallies the run's numbers directly (the same counts:
    // a row's field texts are its numbers), which keeps a pass cheap beside its run.
    SheetEvaluation sheetEvaluation() const;
};

// A row the back-test keeps in every pass, and counts with the computed ones.
struct LockedRow {
    int row = 0; // 1..12
    TipRowTexts texts;
    friend bool operator==(const LockedRow &, const LockedRow &) = default;
};
std::vector<LockedRow> lockedRowsOf(const std::array<SheetRow, TipRows::RowCount> &sheet);

// The side of a back-test that no seed changes, worked out before its first pass: the
// first ShowAndEvaluate, then for every pass the date it starts from, the draw its run
// ends on, the draw it is evaluated against and the sheet it starts with (the locked rows
// as the evaluation before left them), and with `Runs::Prepared` the basis of its run:
// the statistics of a pass go on from the previous pass's.
class BacktestPlan {
public:
    // Separate: every run works out its own basis and tells the window as it goes.
    enum class Runs { Prepared, Separate };
    BacktestPlan(BacktestInput input, const MessageTable &messages, Runs runs = Runs::Prepared);
    BacktestPlan(const BacktestPlan &) = delete;
    BacktestPlan &operator=(const BacktestPlan &) = delete;

    struct Pass {
        QDate startDate; // DateTimePicker1 at its start ("previous")
        ShownDrawState reference; // after the run's ShowAndEvaluate: reference 1
        ShownDrawState evaluated; // seven days on
        std::array<SheetRow, TipRows::RowCount> sheet;
        std::optional<RunBasis> basis;
    };

    const BacktestInput &input() const { return m_input; }
    // The options of every run: the input's with CheckBox20 off.
    const GenerationSettings &settings() const { return m_settings; }
    const ShownDrawState &initialShow() const { return m_initial; }
    // The locked rows as the first ShowAndEvaluate left them sorted.
    const std::vector<LockedRow> &lockedRows() const { return m_lockedRows; }
    const std::vector<Pass> &passes() const { return m_passes; }
    // Deviation from the documented loop, which would repeat for ever here: a pass ended
    // on the date an earlier pass had started from.
    bool endedOnRepeatedDate() const { return m_endedOnRepeatedDate; }

private:
    const BacktestInput m_input;
    GenerationSettings m_settings;
    ShownDrawState m_initial;
    std::vector<LockedRow> m_lockedRows;
    std::vector<Pass> m_passes;
    bool m_endedOnRepeatedDate = false;
};

struct BacktestResult {
    int passes = 0;
    int rowsPerPass = 0; // rowsToCompute
    HitClassTally sums; // the HitClassTally of every pass added up
    HitClassTally baselineSums;
    std::vector<LockedRow> lockedRows; // as every pass kept them, sorted by the evaluation
    QString ticketPrice;
    const Games::GameFormat *format = &Games::classic();
    // The random generator as the last generation run left it (the seed when no pass ran).
    quint32 randomState = 0;
    // Deviation from the documented loop, which would repeat for ever here: a pass ended
    // on the date an earlier pass had started from.
    bool endedOnRepeatedDate = false;

    Yardstick yardstick() const;
};

class SettingsBacktest {
public:
    // Makes the first ShowAndEvaluate (step 3); the window makes its own as well. Every
    // pass's run works out its own statistics and pool, as the window shows them.
    SettingsBacktest(BacktestInput input, const MessageTable &messages);
    // The back-test of `seed` on a plan that others may share; the plan's input seed is
    // not used.
    SettingsBacktest(std::shared_ptr<const BacktestPlan> plan, qint32 seed, const MessageTable &messages);
    SettingsBacktest(const SettingsBacktest &) = delete;
    SettingsBacktest &operator=(const SettingsBacktest &) = delete;

    // The window's generation hooks for the run of a pass (status texts, rows written,
    // events); none by default. showPreferredList is off, so the list never shows.
    void setGenerationHooks(std::function<GenerationHooks(int pass)> hooksForPass);

    // Runs the next pass; false, without running one, once the loop has ended.
    bool nextPass();
    bool finished() const;
    // The latest pass; valid after nextPass() returned true.
    const BacktestPass &lastPass() const { return m_pass; }
    // The state after the first ShowAndEvaluate, before any pass.
    const ShownDrawState &initialShow() const { return m_plan->initialShow(); }
    const BacktestResult &result() const { return m_result; }

    // Runs every remaining pass; `observer` sees each one.
    const BacktestResult &runToEnd(const std::function<void(const BacktestPass &)> &observer = {});

    // Step 4's proposal: the random generator's current seed as a decimal number, brought
    // into the lucky number's range 1 to 99999999 that the input box asks for.
    static QString seedProposal(const RandomSource &random);
    // Step 5: the answer as a number of that range, or nullopt (the window then shows
    // entry 16).
    static std::optional<qint32> parseSeed(const QString &text);

private:
    const std::shared_ptr<const BacktestPlan> m_plan;
    const qint32 m_seed;
    const MessageTable &m_messages;
    std::function<GenerationHooks(int)> m_hooksForPass;
    RandomSource m_random;
    BaselineRows m_baseline;

    size_t m_nextPass = 0;
    bool m_finished = false;
    BacktestPass m_pass;
    BacktestResult m_result;
};
