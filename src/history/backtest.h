// The settings back-test (`SettingsBacktest`, BitBtn9 on the Datenbank page) as a
// computation over plain data: from the chosen date on, a week at a time, the
// generation run computes the rows from the draws known then and the sheet is evaluated
// against the first draw at least a week later; the tallies add up. The window drives it
// pass by pass (`nextPass`) and shows each pass; the command-line tool runs it to the end.
// Nothing here is shared between two back-tests, so several can run on several threads.
#pragma once

#include "analysis/sheet_evaluation.h"
#include "analysis/shown_draw.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"
#include "history/backtest_yardstick.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <set>
#include <vector>

class MessageTable;

struct BacktestInput {
    std::vector<Draw> draws; // the history, oldest first
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
};

// One pass as the window shows it: the generation run (its rows and status text), the
// draw `ShowAndEvaluate` then picked, and the sheet evaluated against it.
struct BacktestPass {
    int number = 0; // 1, 2, ...
    QDate startDate; // DateTimePicker1 at the start of the pass ("previous")
    // The run as it was made: after its ShowAndEvaluate the picker shows reference 1,
    // which is the request's end date. `request.draws` points into the back-test.
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

struct BacktestResult {
    int passes = 0;
    int rowsPerPass = 0; // rowsToCompute
    HitClassTally sums; // the HitClassTally of every pass added up
    HitClassTally baselineSums;
    std::vector<LockedRow> lockedRows; // as every pass kept them, sorted by the evaluation
    QString ticketPrice;
    // The random generator as the last generation run left it (the seed when no pass ran).
    quint32 randomState = 0;
    // Deviation from the documented loop, which would repeat for ever here: a pass ended
    // on the date an earlier pass had started from.
    bool endedOnRepeatedDate = false;

    Yardstick yardstick() const;
};

class SettingsBacktest {
public:
    // Makes the first ShowAndEvaluate (step 3); the window makes its own as well.
    SettingsBacktest(BacktestInput input, const MessageTable &messages);
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
    const ShownDrawState &initialShow() const { return m_initial; }
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
    const BacktestInput m_input;
    const MessageTable &m_messages;
    std::function<GenerationHooks(int)> m_hooksForPass;
    GenerationSettings m_settings;
    RandomSource m_random;
    BaselineRows m_baseline;

    ShownDrawState m_initial;
    ShownDrawState m_state;
    std::array<SheetRow, TipRows::RowCount> m_sheet;
    QDate m_current;
    QDate m_previous;
    std::set<QDate> m_startDates;
    bool m_finished = false;
    BacktestPass m_pass;
    BacktestResult m_result;
};
