// The acceptance tests every candidate row of a generation run must pass, in their
// fixed order; the first failing test rejects the row. The two history tests run on the
// draws in memory: each main number and Megaball has a bit set over the draws, so one
// candidate is checked against a whole window with a few word operations per 64 draws
// and no allocation.
#pragma once

#include "draws/game_format.h"
#include "generator/generation_options.h"
#include "generator/reference_draws.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

struct CandidateRow {
    std::array<int, Game::MainCount> numbers{}; // ascending
    int megaball = 0; // 0 when none was chosen

    int sum() const;
};

// A set of main numbers (of any format) as a 128-bit mask.
class MainNumberSet {
public:
    static MainNumberSet of(std::span<const int> numbers);
    static MainNumberSet of(const Draw &draw);

    bool contains(int number) const
    {
        return number >= 0 && number < 128 && (m_words[size_t(number >> 6)] >> (number & 63)) & 1u;
    }
    // How many of the candidate's numbers are in the set.
    int overlap(const CandidateRow &candidate) const;
    const std::array<std::uint64_t, 2> &words() const { return m_words; }

private:
    void add(int number);

    std::array<std::uint64_t, 2> m_words{};
};

// The draws of a history one bit each, in store order, a row of words per main number
// and per Megaball up to the largest of any format (rows 0 stay empty), with the Julian
// day of each bit. It depends on nothing but the history, so the runs of a back-test
// share one.
class DrawBits {
public:
    explicit DrawBits(std::span<const Draw> draws); // draws without a valid date are left out

    int words() const { return m_words; }
    const std::uint64_t *numberRow(int number) const
    {
        return &m_numberBits[size_t(number >= 1 && number <= Games::MainCapacity ? number : 0) * size_t(m_words)];
    }
    const std::uint64_t *megaballRow(int megaball) const
    {
        return &m_megaballBits[size_t(megaball >= 1 && megaball <= Games::MegaballCapacity ? megaball : 0)
            * size_t(m_words)];
    }
    // The draws dated after `afterDay` and up to `endDay`, one bit each.
    void selectDays(qint64 afterDay, qint64 endDay, std::vector<std::uint64_t> &mask) const;

private:
    int m_words = 1;
    std::vector<std::uint64_t> m_numberBits;
    std::vector<std::uint64_t> m_megaballBits;
    std::vector<qint64> m_days;
    bool m_inDayOrder = true;
};

// The other-rows test's options (UpDown3, UpDown9, CheckBox27, CheckBox3, CheckBox24),
// and the word constants that test every placed row at once (see PlacedRows).
struct OtherRowsRule {
    int maximum = 0;
    int minimum = 0;
    bool eachRow = false; // any single row outside minimum..maximum rejects
    bool maximumOfAll = false; // every row sharing more than the maximum rejects
    bool minimumOfAny = false; // every row sharing fewer than the minimum rejects
    // Added to four-bit counts 0..5, these set a count's top bit just when it is above
    // the maximum, and just when it is at least the minimum (limits outside 0..5 are held
    // where they decide the same).
    std::uint64_t aboveMaximum = 0;
    std::uint64_t atLeastMinimum = 0;

    static OtherRowsRule of(const GenerationSettings &settings);
    // Whether a candidate sharing shared[t] numbers with placed row t passes.
    bool passes(std::span<const int> shared) const;
};

// The rows placed above the current one as one word per number: four bits per placed row,
// 1 where the row holds the number. The sum of a candidate's five words holds, row by
// row, how many numbers it shares with that row, and the other-rows test reads every row
// from that sum at once.
class PlacedRows {
public:
    static constexpr int Capacity = 16;

    void add(const MainNumberSet &row);
    int size() const { return m_count; }
    std::uint64_t word(int number) const { return m_words[size_t(number) & 255]; }
    // `shared`: the sum of the candidate's five words.
    bool passes(std::uint64_t shared, const OtherRowsRule &rule) const
    {
        if (m_count == 0)
            return true;
        const std::uint64_t over = (shared + rule.aboveMaximum) & m_tops;
        const std::uint64_t under = ~(shared + rule.atLeastMinimum) & m_tops;
        if (rule.eachRow && (over | under) != 0)
            return false;
        if (rule.maximumOfAll && over == m_tops)
            return false;
        return !(rule.minimumOfAny && under == m_tops);
    }

private:
    std::array<std::uint64_t, 256> m_words{}; // by number; a pool entry is a byte
    int m_count = 0;
    std::uint64_t m_tops = 0; // the top bit of every placed row's four
};

enum class FilterTest {
    Accepted,
    OtherRows,
    ForcedPair,
    NoGroups,
    SumRange,
    LastDraw,
    DrawBeforeLast,
    ThirdLastDraw,
    MinimumEven,
    MinimumOdd,
    WholeHistory,
    RecentDraws,
    Primes,
};

// "other rows", "forced pair", ... "primes"; "accepted" for Accepted.
QString filterTestName(FilterTest test);

class RowFilters {
public:
    // The whole-history test looks at the draws with start < date <= the end date (the
    // date of reference 1), the recent test at those within the last weeks before it.
    RowFilters(std::span<const Draw> draws, QDate start, const ReferenceDraws &references);
    // The same on bits of the history made once; `bits` must outlive the filters.
    RowFilters(const DrawBits &bits, QDate start, const ReferenceDraws &references);

    // Runs the tests in order on a sorted candidate; `placedRows` are the rows above it.
    FilterTest check(
        const CandidateRow &candidate, std::span<const MainNumberSet> placedRows, const GenerationSettings &settings);
    // The tests after the other-rows test, for a sorted candidate that has passed it.
    FilterTest checkAfterOtherRows(const CandidateRow &candidate, const GenerationSettings &settings);

    // The history test over the whole window (threshold wholeHistoryLimit); true is accept.
    bool secheroderfuenfer(const CandidateRow &candidate, const GenerationSettings &settings) const;
    // The history test over the last recentWeeks weeks (threshold recentDrawsLimit); true is
    // accept.
    bool dreierodervierer(const CandidateRow &candidate, const GenerationSettings &settings);
    // Primes among the five numbers and the Megaball.
    static int primzahlen(const CandidateRow &candidate);

private:
    bool otherRowsPass(const CandidateRow &candidate, std::span<const MainNumberSet> placedRows,
        const GenerationSettings &settings) const;
    void prepare(QDate start, const ReferenceDraws &references);
    int referenceMatches(int k, const CandidateRow &candidate, bool megaballCounts) const;
    bool anyDrawReaches(const CandidateRow &candidate, bool megaballCounts, int threshold,
        const std::vector<std::uint64_t> &window) const;
    void selectRecentWeeks(int weeks);

    std::array<MainNumberSet, 3> m_referenceSets;
    std::array<int, 3> m_referenceMegaballs{};

    std::shared_ptr<const DrawBits> m_ownBits; // when made from the draws
    const DrawBits *m_bits = nullptr;
    // The windows of the two history tests over the bits.
    std::vector<std::uint64_t> m_historyMask;
    std::vector<std::uint64_t> m_recentMask;
    bool m_hasEnd = false; // an unreadable end date has no window
    qint64 m_endDay = 0;
    int m_recentWeeks = -1;
};
