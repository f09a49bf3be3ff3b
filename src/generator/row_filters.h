// The acceptance tests every candidate row of a generation run must pass, in their
// fixed order; the first failing test rejects the row. The two history tests run on the
// draws in memory: each main number and Megaball has a bit set over the draws dated up
// to the end date, so one candidate is checked against a whole window with a few word
// operations per 64 draws and no allocation.
#pragma once

#include "generator/generation_options.h"
#include "generator/reference_draws.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

struct CandidateRow {
    std::array<int, Game::MainCount> numbers{}; // ascending
    int megaball = 0; // 0 when none was chosen

    int sum() const;
};

// A set of main numbers 1..75 as a 128-bit mask.
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

private:
    void add(int number);

    std::array<std::uint64_t, 2> m_words{};
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

    // Runs the tests in order on a sorted candidate; `placedRows` are the rows above it.
    FilterTest check(
        const CandidateRow &candidate, std::span<const MainNumberSet> placedRows, const GenerationSettings &settings);

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
    int referenceMatches(int k, const CandidateRow &candidate, bool megaballCounts) const;
    bool anyDrawReaches(const CandidateRow &candidate, bool megaballCounts, int threshold,
        const std::vector<std::uint64_t> &window) const;
    void selectRecentWeeks(int weeks);

    std::array<MainNumberSet, 3> m_referenceSets;
    std::array<int, 3> m_referenceMegaballs{};

    // The draws dated up to the end date, one bit each: a row of `m_words` words per
    // number 0..75 and per Megaball 0..15 (rows 0 stay empty) and the two window masks.
    int m_words = 0;
    std::vector<std::uint64_t> m_numberBits;
    std::vector<std::uint64_t> m_megaballBits;
    std::vector<std::uint64_t> m_historyMask;
    std::vector<std::uint64_t> m_recentMask;
    std::vector<qint64> m_days; // Julian day per draw bit
    qint64 m_endDay = 0;
    int m_recentWeeks = -1;
};
