#include "generator/row_filters.h"

#include "analysis/draw_statistics.h"

#include <algorithm>

namespace {
constexpr int DaysPerWeek = 7;

constexpr std::array<FilterTest, 3> ReferenceTests{
    FilterTest::LastDraw, FilterTest::DrawBeforeLast, FilterTest::ThirdLastDraw};

constexpr std::array<bool, 256> PrimeTable = [] {
    std::array<bool, 256> table{};
    for (int n = 0; n < 256; ++n)
        table[size_t(n)] = DrawStatistics::isPrime(n);
    return table;
}();

bool megaballCounted(const GenerationSettings &settings, const CandidateRow &candidate)
{
    return settings.megaballCounts && candidate.megaball >= 1 && candidate.megaball <= Game::MaxMegaball;
}

// Bitwise "count >= threshold" for a 3-bit count held in s2 s1 s0, one count per bit
// position.
std::uint64_t atLeast(std::uint64_t s2, std::uint64_t s1, std::uint64_t s0, int threshold)
{
    if (threshold <= 0)
        return ~std::uint64_t(0);
    if (threshold > 7)
        return 0;
    const std::uint64_t bits[3] = {s0, s1, s2};
    std::uint64_t greater = 0;
    std::uint64_t equal = ~std::uint64_t(0);
    for (int k = 2; k >= 0; --k) {
        if ((threshold >> k) & 1) {
            equal &= bits[k];
        } else {
            greater |= equal & bits[k];
            equal &= ~bits[k];
        }
    }
    return greater | equal;
}
} // namespace

int CandidateRow::sum() const
{
    int total = 0;
    for (int n : numbers)
        total += n;
    return total;
}

void MainNumberSet::add(int number)
{
    if (number >= 1 && number <= Game::MaxMain)
        m_words[size_t(number >> 6)] |= std::uint64_t(1) << (number & 63);
}

MainNumberSet MainNumberSet::of(std::span<const int> numbers)
{
    MainNumberSet set;
    for (int n : numbers)
        set.add(n);
    return set;
}

MainNumberSet MainNumberSet::of(const Draw &draw)
{
    MainNumberSet set;
    for (int n : draw.numbers)
        set.add(n);
    return set;
}

int MainNumberSet::overlap(const CandidateRow &candidate) const
{
    int shared = 0;
    for (int n : candidate.numbers)
        shared += contains(n) ? 1 : 0;
    return shared;
}

QString filterTestName(FilterTest test)
{
    switch (test) {
    case FilterTest::Accepted:
        return QStringLiteral("accepted");
    case FilterTest::OtherRows:
        return QStringLiteral("other rows");
    case FilterTest::ForcedPair:
        return QStringLiteral("forced pair");
    case FilterTest::NoGroups:
        return QStringLiteral("no groups");
    case FilterTest::SumRange:
        return QStringLiteral("sum range");
    case FilterTest::LastDraw:
        return QStringLiteral("last draw");
    case FilterTest::DrawBeforeLast:
        return QStringLiteral("draw before last");
    case FilterTest::ThirdLastDraw:
        return QStringLiteral("third-last draw");
    case FilterTest::MinimumEven:
        return QStringLiteral("minimum even");
    case FilterTest::MinimumOdd:
        return QStringLiteral("minimum odd");
    case FilterTest::WholeHistory:
        return QStringLiteral("whole history");
    case FilterTest::RecentDraws:
        return QStringLiteral("recent draws");
    case FilterTest::Primes:
        return QStringLiteral("primes");
    }
    return {};
}

RowFilters::RowFilters(std::span<const Draw> draws, QDate start, const ReferenceDraws &references)
{
    for (int k = 0; k < 3; ++k) {
        m_referenceSets[size_t(k)] = MainNumberSet::of(references.draws[size_t(k)]);
        m_referenceMegaballs[size_t(k)] = references.draws[size_t(k)].megaball;
    }
    const QDate end = references.endDate;
    m_endDay = end.toJulianDay();
    std::vector<const Draw *> upToEnd;
    for (const Draw &draw : draws)
        if (draw.date.isValid() && draw.date <= end)
            upToEnd.push_back(&draw);

    m_words = std::max(1, int((upToEnd.size() + 63) / 64));
    const auto words = size_t(m_words);
    m_numberBits.assign((Game::MaxMain + 1) * words, 0);
    m_megaballBits.assign((Game::MaxMegaball + 1) * words, 0);
    m_historyMask.assign(words, 0);
    m_recentMask.assign(words, 0);
    m_days.reserve(upToEnd.size());
    for (size_t bit = 0; bit < upToEnd.size(); ++bit) {
        const Draw &draw = *upToEnd[bit];
        const std::uint64_t mask = std::uint64_t(1) << (bit & 63);
        const size_t word = bit >> 6;
        for (int n : draw.numbers)
            if (n >= 1 && n <= Game::MaxMain)
                m_numberBits[size_t(n) * words + word] |= mask;
        if (draw.megaball >= 1 && draw.megaball <= Game::MaxMegaball)
            m_megaballBits[draw.megaball * words + word] |= mask;
        if (draw.date > start)
            m_historyMask[word] |= mask;
        m_days.push_back(draw.date.toJulianDay());
    }
}

void RowFilters::selectRecentWeeks(int weeks)
{
    if (weeks == m_recentWeeks)
        return;
    m_recentWeeks = weeks;
    std::fill(m_recentMask.begin(), m_recentMask.end(), 0);
    // An unreadable end date has no window (no draw is dated up to it); its Julian day
    // is the smallest qint64, which the subtraction would carry past the end.
    if (m_days.empty())
        return;
    const qint64 after = m_endDay - qint64(DaysPerWeek) * weeks;
    for (size_t bit = 0; bit < m_days.size(); ++bit)
        if (m_days[bit] > after)
            m_recentMask[bit >> 6] |= std::uint64_t(1) << (bit & 63);
}

bool RowFilters::anyDrawReaches(
    const CandidateRow &candidate, bool megaballCounts, int threshold, const std::vector<std::uint64_t> &window) const
{
    const auto words = size_t(m_words);
    std::array<const std::uint64_t *, 6> rows{};
    for (size_t i = 0; i < 5; ++i) {
        const int n = candidate.numbers[i];
        rows[i] = &m_numberBits[size_t(n >= 1 && n <= Game::MaxMain ? n : 0) * words];
    }
    rows[5] = &m_megaballBits[size_t(megaballCounts ? candidate.megaball : 0) * words];
    for (size_t w = 0; w < words; ++w) {
        if (!window[w])
            continue;
        // Two full adders and a 2-bit addition give each draw's match count as 3 bits.
        const std::uint64_t x1 = rows[0][w], x2 = rows[1][w], x3 = rows[2][w];
        const std::uint64_t x4 = rows[3][w], x5 = rows[4][w], x6 = rows[5][w];
        const std::uint64_t a0 = x1 ^ x2 ^ x3;
        const std::uint64_t a1 = (x1 & x2) | (x3 & (x1 ^ x2));
        const std::uint64_t b0 = x4 ^ x5 ^ x6;
        const std::uint64_t b1 = (x4 & x5) | (x6 & (x4 ^ x5));
        const std::uint64_t s0 = a0 ^ b0;
        const std::uint64_t c0 = a0 & b0;
        const std::uint64_t s1 = a1 ^ b1 ^ c0;
        const std::uint64_t s2 = (a1 & b1) | (c0 & (a1 ^ b1));
        if (atLeast(s2, s1, s0, threshold) & window[w])
            return true;
    }
    return false;
}

bool RowFilters::secheroderfuenfer(const CandidateRow &candidate, const GenerationSettings &settings) const
{
    return !anyDrawReaches(candidate, megaballCounted(settings, candidate), settings.wholeHistoryLimit, m_historyMask);
}

bool RowFilters::dreierodervierer(const CandidateRow &candidate, const GenerationSettings &settings)
{
    selectRecentWeeks(settings.recentWeeks);
    return !anyDrawReaches(candidate, megaballCounted(settings, candidate), settings.recentDrawsLimit, m_recentMask);
}

int RowFilters::primzahlen(const CandidateRow &candidate)
{
    int primes = 0;
    for (int n : candidate.numbers)
        primes += n >= 0 && n < 256 && PrimeTable[size_t(n)] ? 1 : 0;
    const int b = candidate.megaball;
    return primes + (b >= 0 && b < 256 && PrimeTable[size_t(b)] ? 1 : 0);
}

bool RowFilters::otherRowsPass(
    const CandidateRow &candidate, std::span<const MainNumberSet> placedRows, const GenerationSettings &settings) const
{
    if (placedRows.empty())
        return true;
    const int maximum = settings.maxOtherRowMatches;
    const int minimum = settings.minOtherRowMatches;
    const bool eachRow = settings.boundsForEachOtherRow;
    int smallest = Game::MainCount;
    int largest = 0;
    for (const MainNumberSet &row : placedRows) {
        const int shared = row.overlap(candidate);
        if (eachRow && (shared > maximum || shared < minimum))
            return false;
        smallest = std::min(smallest, shared);
        largest = std::max(largest, shared);
    }
    if (settings.maxOtherRowMatchesOn && smallest > maximum)
        return false;
    return !(settings.minOtherRowMatchesOn && largest < minimum);
}

int RowFilters::referenceMatches(int k, const CandidateRow &candidate, bool megaballCounts) const
{
    const int megaball = megaballCounts && candidate.megaball == m_referenceMegaballs[size_t(k)] ? 1 : 0;
    return m_referenceSets[size_t(k)].overlap(candidate) + megaball;
}

FilterTest RowFilters::check(
    const CandidateRow &candidate, std::span<const MainNumberSet> placedRows, const GenerationSettings &settings)
{
    const auto &n = candidate.numbers;
    if (!otherRowsPass(candidate, placedRows, settings))
        return FilterTest::OtherRows;
    if (settings.pairRule) {
        bool pair = false;
        for (size_t k = 0; k + 1 < n.size(); ++k)
            pair = pair || n[k + 1] == n[k] + 1;
        if (!pair)
            return FilterTest::ForcedPair;
    }
    if (settings.noGroups) {
        for (size_t k = 0; k + 2 < n.size(); ++k)
            if (n[k + 1] == n[k] + 1 && n[k + 2] == n[k + 1] + 1)
                return FilterTest::NoGroups;
    }
    const int sum = candidate.sum();
    if (sum < settings.sumFrom || sum > settings.sumTo)
        return FilterTest::SumRange;
    const bool megaballCounts = megaballCounted(settings, candidate);
    for (int k = 0; k < 3; ++k) {
        const auto [on, limit] = settings.referenceDrawLimit(k + 1);
        if (on && limit > 0 && referenceMatches(k, candidate, megaballCounts) > limit)
            return ReferenceTests[size_t(k)];
    }
    const int even = int(std::count_if(n.begin(), n.end(), [](int v) { return v % 2 == 0; }));
    if (settings.minEvenOn && even < settings.minEven)
        return FilterTest::MinimumEven;
    if (settings.minOddOn && Game::MainCount - even < settings.minOdd)
        return FilterTest::MinimumOdd;
    if (settings.wholeHistoryLimitOn && !secheroderfuenfer(candidate, settings))
        return FilterTest::WholeHistory;
    if (settings.recentDrawsLimitOn && !dreierodervierer(candidate, settings))
        return FilterTest::RecentDraws;
    if (settings.minPrimesOn && primzahlen(candidate) < settings.minPrimes)
        return FilterTest::Primes;
    return FilterTest::Accepted;
}
