#include "generator/row_filters.h"

#include "analysis/draw_statistics.h"

#include <algorithm>
#include <bit>
#include <limits>

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
    return settings.megaballCounts && candidate.megaball >= 1 && candidate.megaball <= Games::MegaballCapacity;
}

// Bitwise "count >= threshold" for a 3-bit count held in s2 s1 s0, one count per bit
// position; `threshold` is 1..7.
std::uint64_t atLeast(std::uint64_t s2, std::uint64_t s1, std::uint64_t s0, int threshold)
{
    switch (threshold) {
    case 1:
        return s2 | s1 | s0;
    case 2:
        return s2 | s1;
    case 3:
        return s2 | (s1 & s0);
    case 4:
        return s2;
    case 5:
        return s2 & (s1 | s0);
    case 6:
        return s2 & s1;
    default:
        return s2 & s1 & s0;
    }
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
    if (number >= 1 && number <= Games::MainCapacity)
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

DrawBits::DrawBits(std::span<const Draw> draws)
{
    std::vector<const Draw *> dated;
    for (const Draw &draw : draws)
        if (draw.date.isValid())
            dated.push_back(&draw);
    m_words = std::max(1, int((dated.size() + 63) / 64));
    const auto words = size_t(m_words);
    m_numberBits.assign((Games::MainCapacity + 1) * words, 0);
    m_megaballBits.assign((Games::MegaballCapacity + 1) * words, 0);
    m_days.reserve(dated.size());
    for (size_t bit = 0; bit < dated.size(); ++bit) {
        const Draw &draw = *dated[bit];
        const std::uint64_t mask = std::uint64_t(1) << (bit & 63);
        const size_t word = bit >> 6;
        for (int n : draw.numbers)
            if (n >= 1 && n <= Games::MainCapacity)
                m_numberBits[size_t(n) * words + word] |= mask;
        if (draw.megaball >= 1 && draw.megaball <= Games::MegaballCapacity)
            m_megaballBits[draw.megaball * words + word] |= mask;
        m_days.push_back(draw.date.toJulianDay());
    }
    m_inDayOrder = std::is_sorted(m_days.begin(), m_days.end());
}

void DrawBits::selectDays(qint64 afterDay, qint64 endDay, std::vector<std::uint64_t> &mask) const
{
    mask.assign(size_t(m_words), 0);
    const auto set = [&](size_t bit) { mask[bit >> 6] |= std::uint64_t(1) << (bit & 63); };
    if (!m_inDayOrder) {
        for (size_t bit = 0; bit < m_days.size(); ++bit)
            if (m_days[bit] > afterDay && m_days[bit] <= endDay)
                set(bit);
        return;
    }
    // In day order the window is one run of bits.
    auto bit = size_t(std::upper_bound(m_days.begin(), m_days.end(), afterDay) - m_days.begin());
    const auto last = size_t(std::upper_bound(m_days.begin(), m_days.end(), endDay) - m_days.begin());
    for (; bit < last && (bit & 63) != 0; ++bit)
        set(bit);
    for (; bit + 64 <= last; bit += 64)
        mask[bit >> 6] = ~std::uint64_t(0);
    for (; bit < last; ++bit)
        set(bit);
}

OtherRowsRule OtherRowsRule::of(const GenerationSettings &settings)
{
    OtherRowsRule rule{settings.maxOtherRowMatches, settings.minOtherRowMatches, settings.boundsForEachOtherRow,
        settings.maxOtherRowMatchesOn, settings.minOtherRowMatchesOn};
    // c + 7 - maximum reaches 8 just when c > maximum, c + 8 - minimum just when
    // c >= minimum; neither passes 15, so no four carries into the next.
    constexpr std::uint64_t Ones = 0x1111111111111111u;
    rule.aboveMaximum = std::uint64_t(std::clamp(7 - rule.maximum, 2, 8)) * Ones;
    rule.atLeastMinimum = std::uint64_t(std::clamp(8 - rule.minimum, 2, 8)) * Ones;
    return rule;
}

bool OtherRowsRule::passes(std::span<const int> shared) const
{
    if (shared.empty())
        return true;
    int smallest = Game::MainCount;
    int largest = 0;
    for (const int count : shared) {
        if (eachRow && (count > maximum || count < minimum))
            return false;
        smallest = std::min(smallest, count);
        largest = std::max(largest, count);
    }
    if (maximumOfAll && smallest > maximum)
        return false;
    return !(minimumOfAny && largest < minimum);
}

void PlacedRows::add(const MainNumberSet &row)
{
    if (m_count >= Capacity)
        return;
    const std::uint64_t one = std::uint64_t(1) << (4 * m_count);
    m_tops |= one << 3;
    ++m_count;
    for (size_t w = 0; w < row.words().size(); ++w)
        for (std::uint64_t bits = row.words()[w]; bits != 0; bits &= bits - 1)
            m_words[64 * w + size_t(std::countr_zero(bits))] += one;
}

RowFilters::RowFilters(std::span<const Draw> draws, QDate start, const ReferenceDraws &references)
    : m_ownBits(std::make_shared<const DrawBits>(draws))
    , m_bits(m_ownBits.get())
{
    prepare(start, references);
}

RowFilters::RowFilters(const DrawBits &bits, QDate start, const ReferenceDraws &references)
    : m_bits(&bits)
{
    prepare(start, references);
}

void RowFilters::prepare(QDate start, const ReferenceDraws &references)
{
    for (int k = 0; k < 3; ++k) {
        m_referenceSets[size_t(k)] = MainNumberSet::of(references.draws[size_t(k)]);
        m_referenceMegaballs[size_t(k)] = references.draws[size_t(k)].megaball;
    }
    const QDate end = references.endDate;
    m_hasEnd = end.isValid();
    m_endDay = end.toJulianDay();
    // Every valid date lies after an unreadable start, as the dates compare.
    const qint64 startDay = start.isValid() ? start.toJulianDay() : std::numeric_limits<qint64>::min();
    if (m_hasEnd)
        m_bits->selectDays(startDay, m_endDay, m_historyMask);
    else
        m_historyMask.assign(size_t(m_bits->words()), 0);
    m_recentMask.assign(size_t(m_bits->words()), 0);
}

void RowFilters::selectRecentWeeks(int weeks)
{
    if (weeks == m_recentWeeks)
        return;
    m_recentWeeks = weeks;
    // An unreadable end date has no window; its Julian day is the smallest qint64, which
    // the subtraction would carry past the end.
    if (m_hasEnd)
        m_bits->selectDays(m_endDay - qint64(DaysPerWeek) * weeks, m_endDay, m_recentMask);
}

bool RowFilters::anyDrawReaches(
    const CandidateRow &candidate, bool megaballCounts, int threshold, const std::vector<std::uint64_t> &window) const
{
    const auto words = size_t(m_bits->words());
    std::array<const std::uint64_t *, 6> rows{};
    for (size_t i = 0; i < 5; ++i)
        rows[i] = m_bits->numberRow(candidate.numbers[i]);
    rows[5] = m_bits->megaballRow(megaballCounts ? candidate.megaball : 0);
    // Every draw reaches a threshold of 0 or below, none one above the six values.
    if (threshold > 7)
        return false;
    if (threshold <= 0)
        return std::any_of(window.begin(), window.end(), [](std::uint64_t w) { return w != 0; });
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
    std::vector<int> shared;
    shared.reserve(placedRows.size());
    for (const MainNumberSet &row : placedRows)
        shared.push_back(row.overlap(candidate));
    return OtherRowsRule::of(settings).passes(shared);
}

int RowFilters::referenceMatches(int k, const CandidateRow &candidate, bool megaballCounts) const
{
    const int megaball = megaballCounts && candidate.megaball == m_referenceMegaballs[size_t(k)] ? 1 : 0;
    return m_referenceSets[size_t(k)].overlap(candidate) + megaball;
}

FilterTest RowFilters::check(
    const CandidateRow &candidate, std::span<const MainNumberSet> placedRows, const GenerationSettings &settings)
{
    if (!otherRowsPass(candidate, placedRows, settings))
        return FilterTest::OtherRows;
    return checkAfterOtherRows(candidate, settings);
}

FilterTest RowFilters::checkAfterOtherRows(const CandidateRow &candidate, const GenerationSettings &settings)
{
    const auto &n = candidate.numbers;
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
