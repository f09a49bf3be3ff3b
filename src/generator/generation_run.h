// The generation run: from the history, the options and the tip sheet's locks to twelve
// rows. Reference draws, candidate pool, the optional preferred-number list, then per
// unlocked row random candidates from the pool until one passes the acceptance tests,
// all rows sharing one attempt budget. The window and the command-line tool both run
// this code; the window takes part through the hooks. Same seed, history, options and
// locks give the same rows, so the order of the random calls is fixed.
#pragma once

#include "analysis/draw_statistics.h"
#include "app/message_table.h"
#include "generator/candidate_pool.h"
#include "generator/generation_options.h"
#include "generator/reference_draws.h"
#include "generator/row_filters.h"
#include "generator/run_basis.h"
#include "tipsheet/tip_rows.h"

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class RandomSource;

// One tip row as the sheet holds it before the run.
struct SheetRow {
    TipRowTexts texts{};
    bool locked = false;
};

// One tip row after the run; 0 stands for an empty field.
struct GeneratedRow {
    std::array<int, Game::MainCount> numbers{}; // ascending for computed rows
    int megaball = 0;
    int extra = 0;
    bool locked = false; // kept as it was; its sum label is left alone

    int sum() const;
    // The field texts; a 0 becomes an empty field.
    TipRowTexts texts() const;
    friend bool operator==(const GeneratedRow &, const GeneratedRow &) = default;
};

// An option the run changes on its own, as the option pages address it: the pair rule
// off at half the budget, and the loosened limits against the last draw, the draw
// before it and the whole history.
struct OptionChange {
    enum class Kind { CheckBox, UpDown };
    Kind kind;
    int number;
    int value; // 0/1 for a check box
    int attempt; // the attempt counter when it was made
    friend bool operator==(const OptionChange &, const OptionChange &) = default;
};

struct GenerationHooks {
    // Pool building and "Beginn der Tippberechnung", for status panel 1.
    StatusSink status;
    // A statistic was computed (pool bands, and the two Megaball statistics once).
    ChartSink chartComputed;
    // Shown with showPreferredList; may rebuild the pool. False aborts the run.
    std::function<bool(CandidatePool &pool)> preferredList;
    std::function<void(const OptionChange &)> optionChanged;
    // Row 1..12 is final (also locked rows, which come back unchanged).
    std::function<void(int row, const GeneratedRow &)> rowWritten;
    // Keeping a window alive: called with the row being computed at its first attempt and
    // then at most every `yieldInterval`, never once per attempt. Before it,
    // `attemptStatus` gets the text of the latest attempt (only built then); after it,
    // `refresh` may replace the options and the budget with what the controls hold now.
    std::function<void(int row)> processEvents;
    StatusSink attemptStatus;
    std::function<void(GenerationSettings &settings, int &attemptLimit)> refresh;
    std::chrono::milliseconds yieldInterval{10};
    // Read before every attempt and before the Megaball is chosen.
    std::function<bool()> stopRequested;
};

struct GenerationRequest {
    std::span<const Draw> draws; // the history of `format`, oldest first
    QDate start; // S of the statistics window
    QDate end; // the requested end date; the run moves it to reference 1
    GenerationSettings settings;
    int attemptLimit = 50000;
    std::array<SheetRow, TipRows::RowCount> sheet{};
    // Worked out beforehand; the run uses it when it was made for this request.
    const RunBasis *basis = nullptr;
    // The game format whose numbers the rows hold; the settings are taken as given
    // (GenerationOptions::clampedTo fits stored ones to it first).
    const Games::GameFormat *format = &Games::classic();
};

struct GenerationOutcome {
    // The preferred-number list was aborted: nothing was computed.
    bool aborted = false;
    std::array<GeneratedRow, TipRows::RowCount> rows{};
    // The status text at the end: BudgetUsedUp (also for a pool too small to draw a row
    // from) or TipsComputed; entry 0 after an abort.
    Msg status = Msg(0);
    int rowsAsked = 0; // rowsToCompute as the run ended
    int attempts = 0;
    ReferenceDraws references;

    // The status as the status bar shows it: a used-up budget counts the rows asked for.
    QString statusText(const MessageTable &messages) const;
};

class GenerationRun {
public:
    GenerationRun(const GenerationRequest &request, RandomSource &random, const MessageTable &messages,
        GenerationHooks hooks = {});

    GenerationOutcome run();

    // The status text of one attempt: "3.Tipp:  4 9  23  51  70    CS: 157".
    static QString attemptStatusText(int row, const CandidateRow &candidate, const MessageTable &messages);
    // A locked row as the run reads its fields: an empty or unreadable field is 0.
    static GeneratedRow lockedRow(const TipRowTexts &texts);

private:
    bool computesRow(int row) const;
    CandidateRow attemptLoop(int row);
    void yieldPoint(int row, bool firstAttempt);
    void loosenOptions(int row);
    void planLoosening();
    void relaxLimits(int row);
    void setOption(CheckBoxField field, bool on);
    void setOption(SpinField field, int value);
    void optionsChanged();
    std::uint64_t drawNumbers(CandidateRow &candidate);
    int megaballPick();
    void computeMegaballStatistics();
    bool stopRequested() const { return m_hooks.stopRequested && m_hooks.stopRequested(); }
    void say(const QString &text) const;

    const GenerationRequest &m_request;
    RandomSource &m_random;
    const MessageTable &m_messages;
    GenerationHooks m_hooks;
    const RunBasis *m_basis = nullptr; // the request's, when it serves for it
    const quint32 m_megaballMax; // the format's, at hand for every attempt

    GenerationSettings m_settings;
    int m_attemptLimit = 0;
    int m_nextLoosening = 0; // the attempt count of the next loosening point
    int m_attempts = 0;
    ReferenceDraws m_references;
    CandidatePool m_pool;
    std::optional<RowFilters> m_filters;
    PlacedRows m_placedRows;
    OtherRowsRule m_otherRows; // from m_settings

    // MO and MF over the statistics window, computed at the first Megaball choice, and
    // the choice they give under m_settings: the Megaballs a random draw may keep, or the
    // one Megaball the other two options pick without drawing.
    bool m_megaballStatisticsReady = false;
    NumberStatistic m_megaballOverdue;
    NumberStatistic m_megaballFrequency;
    std::uint64_t m_megaballsKept = 0; // one bit per Megaball
    int m_megaballPicked = 0;

    QElapsedTimer m_sinceYield;
    std::optional<std::pair<int, CandidateRow>> m_lastAttempt; // row and candidate
};
