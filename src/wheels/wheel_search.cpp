#include "wheels/wheel_search.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

using namespace Wheels;

namespace {
std::uint64_t splitMix(std::uint64_t &x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

Mask allOf(int v)
{
    return (Mask(1) << v) - 1;
}

Mask bit(int i)
{
    return Mask(1) << i;
}

// The position of a random set bit of m (m not empty).
int randomBit(Mask m, SearchRandom &random)
{
    for (std::uint32_t skip = random.below(std::uint32_t(popcount(m))); skip > 0; --skip)
        m &= m - 1;
    return __builtin_ctz(m);
}

using Clock = std::chrono::steady_clock;

// The search's work is counted in units of about one rank look-up (some 25 ns on the
// build machine): a step costs a fixed part, a unit per eight rows it looks at and one
// per p-set it weighs. The allowance is about six seconds there; the clock is looked at
// every million units. Counting work, not time, makes the result the same everywhere.
constexpr double WorkUnits = 2.4e8;
constexpr std::int64_t StepUnits = 16;
constexpr std::int64_t RowsPerUnit = 8;
constexpr std::int64_t ClockUnits = 1 << 20;
// The attempts at one size before the search gives up, and the temperatures of the
// annealing, which cools from hot to cold and starts hot again.
constexpr int Attempts = 8;
constexpr double HotTemperature = 0.5;
constexpr double ColdTemperature = 0.02;
constexpr double Cooling = 0.98;
// How many steps a number taken out of a row stays out of it in the tabu search.
constexpr std::int64_t TabuTenure = 3;

// The p-sets and how many rows meet each in t numbers, with the list of those no row
// meets for picking one at random. Moving one number of one row changes only the p-sets
// that hold exactly one of the two numbers and t-1 of the row's other four.
class Coverage {
public:
    Coverage(int v, Mask keys, Guarantee g)
        : m_v(v)
        , m_keys(keys)
        , m_g(g)
        , m_ranks(v, g.drawn)
        , m_count(size_t(m_ranks.count()), 0)
        , m_where(size_t(m_ranks.count()), -1)
    { }

    void load(const std::vector<Mask> &rows)
    {
        m_rows = rows;
        m_tabu.clear();
        std::fill(m_count.begin(), m_count.end(), 0);
        for (const Mask row : m_rows)
            forEachCovered(m_v, row, m_g, [&](Mask s) { ++m_count[size_t(m_ranks.rank(s))]; });
        m_uncovered.clear();
        std::fill(m_where.begin(), m_where.end(), -1);
        for (size_t r = 0; r < m_count.size(); ++r)
            if (m_count[r] == 0)
                addUncovered(std::int32_t(r));
    }

    const std::vector<Mask> &rows() const { return m_rows; }
    size_t cost() const { return m_uncovered.size(); }

    // The p-sets only this row meets: what taking it away would leave open.
    int alone(size_t row) const
    {
        int n = 0;
        forEachCovered(m_v, m_rows[row], m_g, [&](Mask s) { n += m_count[size_t(m_ranks.rank(s))] == 1; });
        return n;
    }

    void remove(size_t row)
    {
        forEachCovered(m_v, m_rows[row], m_g, [&](Mask s) {
            const auto r = std::int32_t(m_ranks.rank(s));
            if (--m_count[size_t(r)] == 0)
                addUncovered(r);
        });
        m_rows.erase(m_rows.begin() + std::ptrdiff_t(row));
        m_tabu.clear();
    }

    // One step of the weighted tabu search: of all moves that make a row meet a random
    // open p-set, the one that leaves the least weight open, except moves that bring back
    // a number just taken out of that row. Then every p-set still open weighs more, so
    // that sets which stay open pull the search towards them.
    std::int64_t tabuStep(SearchRandom &random, std::int64_t now)
    {
        if (m_weight.size() != m_count.size())
            m_weight.assign(m_count.size(), 1);
        if (m_tabu.size() != m_rows.size() * MaxNumbers)
            m_tabu.assign(m_rows.size() * MaxNumbers, -1);
        const Mask open = m_ranks.unrank(m_uncovered[random.below(std::uint32_t(m_uncovered.size()))]);
        std::int64_t units = StepUnits + std::int64_t(m_rows.size()) / RowsPerUnit;
        std::int64_t best = 0;
        int ties = 0;
        size_t bestRow = 0;
        int bestOut = 0;
        int bestIn = 0;
        for (size_t row = 0; row < m_rows.size(); ++row) {
            if (popcount(m_rows[row] & open) != m_g.hits - 1)
                continue;
            for (Mask outs = m_rows[row] & ~open & ~m_keys; outs != 0; outs &= outs - 1) {
                for (Mask ins = open & ~m_rows[row]; ins != 0; ins &= ins - 1) {
                    const int out = __builtin_ctz(outs);
                    const int in = __builtin_ctz(ins);
                    if (m_tabu[row * MaxNumbers + size_t(in)] > now)
                        continue;
                    const std::int64_t delta = weightedDelta(row, out, in, units);
                    // Among equally good moves each is taken with the same chance.
                    if (ties == 0 || delta < best) {
                        best = delta;
                        ties = 1;
                    } else if (delta > best || random.below(std::uint32_t(++ties)) != 0) {
                        continue;
                    }
                    bestRow = row;
                    bestOut = out;
                    bestIn = in;
                }
            }
        }
        if (ties > 0) {
            evaluate(bestRow, bestOut, bestIn);
            units += std::int64_t(m_scratch.size());
            apply(bestRow, bestOut, bestIn);
            m_tabu[bestRow * MaxNumbers + size_t(bestOut)] = now + TabuTenure;
        }
        for (const std::int32_t r : m_uncovered)
            ++m_weight[size_t(r)];
        return units + std::int64_t(m_uncovered.size()) / RowsPerUnit;
    }

    // One annealing step towards meeting a random open p-set; the temperature decides how
    // often a move that leaves more sets open is taken.
    std::int64_t step(SearchRandom &random, double temperature)
    {
        const Mask open = m_ranks.unrank(m_uncovered[random.below(std::uint32_t(m_uncovered.size()))]);
        std::int64_t units = StepUnits;
        const size_t row = pickRow(open, random, units);
        const Mask movable = m_rows[row] & ~open & ~m_keys;
        const Mask wanted = open & ~m_rows[row];
        if (movable == 0 || wanted == 0)
            return units;
        const int out = randomBit(movable, random);
        const int in = randomBit(wanted, random);
        const int delta = evaluate(row, out, in);
        units += std::int64_t(m_scratch.size());
        if (delta > 0 && random.unit() >= std::exp(-double(delta) / temperature))
            return units;
        apply(row, out, in);
        return units;
    }

private:
    void addUncovered(std::int32_t r)
    {
        m_where[size_t(r)] = std::int32_t(m_uncovered.size());
        m_uncovered.push_back(r);
    }

    void dropUncovered(std::int32_t r)
    {
        const std::int32_t at = m_where[size_t(r)];
        const std::int32_t last = m_uncovered.back();
        m_uncovered[size_t(at)] = last;
        m_where[size_t(last)] = at;
        m_uncovered.pop_back();
        m_where[size_t(r)] = -1;
    }

    // A row that meets the open set in t-1 numbers, so that one move makes it meet it;
    // the closest row when there is none.
    size_t pickRow(Mask open, SearchRandom &random, std::int64_t &units) const
    {
        const int want = m_g.hits - 1;
        for (int attempt = 0; attempt < 48; ++attempt) {
            const size_t row = random.below(std::uint32_t(m_rows.size()));
            if (popcount(m_rows[row] & open) == want)
                return row;
        }
        units += std::int64_t(m_rows.size()) / RowsPerUnit;
        size_t best = random.below(std::uint32_t(m_rows.size()));
        int bestMeet = -1;
        for (size_t row = 0; row < m_rows.size(); ++row) {
            const int meet = popcount(m_rows[row] & open);
            if (meet == want)
                return row;
            if (meet < want && meet > bestMeet) {
                best = row;
                bestMeet = meet;
            }
        }
        return best;
    }

    // The p-sets that change: t-1 of the row's other four numbers, one of the two moved
    // numbers and p-t numbers outside the row and the incoming number.
    template <typename F> void forEachChange(size_t row, int out, int in, F &&f) const
    {
        const Mask rest = m_rows[row] & ~bit(out);
        const Mask outside = allOf(m_v) & ~m_rows[row] & ~bit(in);
        forEachSubset(rest, m_g.hits - 1, 0, [&](Mask part) {
            forEachSubset(outside, m_g.drawn - m_g.hits, part, [&](Mask s) { f(s | bit(out), s | bit(in)); });
        });
    }

    int evaluate(size_t row, int out, int in)
    {
        m_scratch.clear();
        int delta = 0;
        forEachChange(row, out, in, [&](Mask lost, Mask gained) {
            const auto l = std::int32_t(m_ranks.rank(lost));
            const auto g = std::int32_t(m_ranks.rank(gained));
            delta += (m_count[size_t(l)] == 1) - (m_count[size_t(g)] == 0);
            m_scratch.push_back(l);
            m_scratch.push_back(g);
        });
        return delta;
    }

    // What the move costs in weight: the p-sets it leaves open minus those it meets.
    std::int64_t weightedDelta(size_t row, int out, int in, std::int64_t &units) const
    {
        std::int64_t delta = 0;
        forEachChange(row, out, in, [&](Mask lost, Mask gained) {
            units += 2;
            const auto l = size_t(m_ranks.rank(lost));
            const auto g = size_t(m_ranks.rank(gained));
            if (m_count[l] == 1)
                delta += m_weight[l];
            if (m_count[g] == 0)
                delta -= m_weight[g];
        });
        return delta;
    }

    // Applies the move whose changed p-sets `evaluate` just listed.
    void apply(size_t row, int out, int in)
    {
        for (size_t i = 0; i < m_scratch.size(); i += 2) {
            const std::int32_t l = m_scratch[i];
            const std::int32_t g = m_scratch[i + 1];
            if (--m_count[size_t(l)] == 0)
                addUncovered(l);
            if (m_count[size_t(g)]++ == 0)
                dropUncovered(g);
        }
        m_rows[row] = (m_rows[row] & ~bit(out)) | bit(in);
    }

    int m_v;
    Mask m_keys;
    Guarantee m_g;
    SubsetRanks m_ranks;
    std::vector<Mask> m_rows;
    std::vector<std::uint32_t> m_count;
    std::vector<std::int32_t> m_where; // position in m_uncovered, -1 when met
    std::vector<std::int32_t> m_uncovered;
    std::vector<std::int32_t> m_scratch;
    std::vector<std::int64_t> m_weight; // of each p-set, for the tabu search
    std::vector<std::int64_t> m_tabu; // per row and number: the step until which it stays out
};

// How far the search is and whether it may go on.
class Watch {
public:
    Watch(const SearchOptions &options, SearchProgress &progress)
        : m_options(options)
        , m_progress(progress)
        , m_start(Clock::now())
        , m_lastReport(m_start)
    { }

    // False once the budget is spent or the caller asked to stop; looks at the clock only
    // every so many steps.
    bool goOn(std::int64_t steps, std::int64_t units)
    {
        m_progress.steps = steps;
        if (m_end)
            return false;
        if (units - m_lastUnits < ClockUnits)
            return true;
        m_lastUnits = units;
        return poll();
    }

    // Looks at the clock and asks the caller now.
    bool poll()
    {
        if (m_end)
            return false;
        const auto now = Clock::now();
        m_progress.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - m_start);
        if (m_progress.elapsed >= m_options.budget)
            m_end = SearchEnd::Budget;
        else if (m_options.progress && now - m_lastReport >= std::chrono::milliseconds(20)) {
            m_lastReport = now;
            if (!m_options.progress(m_progress))
                m_end = SearchEnd::Stopped;
        }
        return !m_end;
    }

    std::optional<SearchEnd> end() const { return m_end; }
    std::chrono::milliseconds elapsed() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - m_start);
    }

private:
    const SearchOptions &m_options;
    SearchProgress &m_progress;
    Clock::time_point m_start;
    Clock::time_point m_lastReport;
    std::optional<SearchEnd> m_end;
    std::int64_t m_lastUnits = 0;
};

// Takes away rows every p-set of which another row meets as well.
void dropRedundant(Coverage &coverage)
{
    for (size_t row = coverage.rows().size(); row-- > 0;)
        if (coverage.alone(row) == 0)
            coverage.remove(row);
}

std::vector<Mask> sorted(std::vector<Mask> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}
} // namespace

SearchRandom::SearchRandom(std::uint64_t seed)
{
    for (std::uint64_t &s : m_s)
        s = splitMix(seed);
}

std::uint64_t SearchRandom::next()
{
    const std::uint64_t result = rotl(m_s[1] * 5, 7) * 9;
    const std::uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = rotl(m_s[3], 45);
    return result;
}

bool Wheels::isFeasible(int v, Mask keys, Guarantee g)
{
    const int k = popcount(keys);
    if (!g.isValid() || v < RowSize || g.drawn > v || k > RowSize)
        return false;
    // The hardest p-set holds as few key numbers as it can; all rows together meet it in
    // those and at most the free places of one row.
    const int fewestKeys = std::max(0, g.drawn - (v - k));
    return fewestKeys + std::min(g.drawn - fewestKeys, RowSize - k) >= g.hits;
}

std::vector<Mask> Wheels::greedyRows(int v, Mask keys, Guarantee g, const std::function<bool()> &goOn)
{
    if (!isFeasible(v, keys, g))
        return {};
    // Candidates are the keys plus `free` of the other numbers, indexed by the rank of that
    // part among the other numbers; their positions there are `slot`.
    const Mask others = allOf(v) & ~keys;
    const int free = RowSize - popcount(keys);
    std::array<int, MaxNumbers> slot{};
    std::vector<Mask> positions; // slot -> bit
    for (Mask m = others; m != 0; m &= m - 1) {
        slot[size_t(__builtin_ctz(m))] = int(positions.size());
        positions.push_back(m & -m);
    }
    const SubsetRanks candidateRanks(int(positions.size()), free);
    const SubsetRanks rowRanks(v, RowSize);
    const auto candidateIndex = [&](Mask row) {
        if (keys == 0)
            return size_t(rowRanks.rank(row)); // the numbers are their own slots
        Mask packed = 0;
        for (Mask m = row & others; m != 0; m &= m - 1)
            packed |= Mask(1) << slot[size_t(__builtin_ctz(m))];
        return size_t(candidateRanks.rank(packed));
    };
    const auto candidate = [&](size_t index) {
        Mask row = keys;
        for (Mask m = candidateRanks.unrank(std::int64_t(index)); m != 0; m &= m - 1)
            row |= positions[size_t(__builtin_ctz(m))];
        return row;
    };

    // Every candidate's gain, the p-sets it would meet that no chosen row meets, kept
    // exact: once a p-set is met, each candidate meeting it loses one.
    const SubsetRanks ranks(v, g.drawn);
    std::vector<bool> met(size_t(ranks.count()), false);
    std::int64_t open = ranks.count();
    int full = 0;
    forEachCovered(v, candidate(0), g, [&](Mask) { ++full; });
    std::vector<int> gain(size_t(candidateRanks.count()), full);
    const auto meet = [&](Mask s) {
        const auto r = size_t(ranks.rank(s));
        if (met[r])
            return;
        met[r] = true;
        --open;
        // The candidates that meet s in `hits` numbers: the keys in s count already.
        const Mask freeInSet = s & others;
        const int need = std::max(0, g.hits - popcount(s & keys));
        for (int inSet = need; inSet <= std::min(free, popcount(freeInSet)); ++inSet)
            forEachSubset(freeInSet, inSet, keys, [&](Mask part) {
                forEachSubset(others & ~s, free - inSet, part, [&](Mask row) { --gain[candidateIndex(row)]; });
            });
    };
    std::vector<Mask> rows;
    while (open > 0) {
        // The first candidate in colex order among those that meet the most.
        const auto best = std::max_element(gain.begin(), gain.end());
        if (*best <= 0)
            break;
        const Mask row = candidate(size_t(best - gain.begin()));
        rows.push_back(row);
        forEachCovered(v, row, g, meet);
        if (goOn && !goOn())
            return {};
    }
    return open == 0 ? sorted(rows) : std::vector<Mask>{};
}

SearchResult Wheels::searchRows(int v, Mask keys, Guarantee g, const SearchOptions &options)
{
    SearchResult result;
    SearchProgress progress;
    Watch watch(options, progress);
    std::vector<Mask> best = greedyRows(v, keys, g, [&] { return watch.poll(); });
    result.greedyRows = int(best.size());
    if (best.empty()) {
        result.end = watch.end().value_or(SearchEnd::Impossible);
        return result;
    }
    if (!options.start.empty() && options.start.size() < best.size())
        best = options.start;

    Coverage coverage(v, keys, g);
    coverage.load(best);
    dropRedundant(coverage);
    best = coverage.rows();
    progress.greedyRows = result.greedyRows;
    progress.bestRows = int(best.size());

    const std::int64_t bound = lowerBound(v, g);
    // An attempt at one size gets more steps the more rows there are to rearrange and the
    // fewer p-sets one move touches.
    const double touched
        = std::max(1.0, double(binomial(RowSize - 1, g.hits - 1) * binomial(v - RowSize - 1, g.drawn - g.hits)));
    const auto totalUnits = std::int64_t(options.effort * WorkUnits);
    const auto attemptSteps = std::int64_t(20000.0 + 1000.0 * double(best.size()) / std::sqrt(touched));
    const int attempts = int(std::ceil(Attempts * options.effort));
    const std::int64_t level = std::max<std::int64_t>(200, attemptSteps / 200);

    SearchRandom random(options.seed);
    std::int64_t steps = 0;
    std::int64_t units = 0;
    std::int64_t stall = 0;
    double temperature = HotTemperature;
    // Takes a row away from a set that meets every p-set and starts the walk again hot:
    // after a success the row that leaves the fewest p-sets open, after a failed attempt
    // a random one of the best set, so that the next attempt starts elsewhere.
    const auto takeAway = [&](bool weakest) {
        size_t chosen = random.below(std::uint32_t(coverage.rows().size()));
        if (weakest) {
            int fewest = INT_MAX;
            for (size_t row = 0; row < coverage.rows().size(); ++row)
                if (const int open = coverage.alone(row); open < fewest) {
                    fewest = open;
                    chosen = row;
                }
        }
        coverage.remove(chosen);
        progress.tryingRows = int(coverage.rows().size());
        stall = 0;
        temperature = HotTemperature;
    };
    int failed = 0;
    std::int64_t sinceSuccess = 0;
    if (std::int64_t(best.size()) > bound)
        takeAway(true);
    while (units < totalUnits && watch.goOn(steps, units)) {
        if (coverage.cost() == 0) {
            dropRedundant(coverage);
            best = coverage.rows();
            progress.bestRows = int(best.size());
            if (std::int64_t(best.size()) <= bound)
                break;
            failed = 0;
            sinceSuccess = 0;
            takeAway(true);
        } else if (stall >= attemptSteps) {
            // A size gets its attempts and at least a quarter of the whole allowance.
            if (++failed >= attempts && sinceSuccess >= totalUnits / 4)
                break;
            coverage.load(best);
            takeAway(false);
        }
        const std::int64_t spent = options.method == SearchMethod::Tabu ? coverage.tabuStep(random, steps)
                                                                        : coverage.step(random, temperature);
        ++steps;
        units += spent;
        sinceSuccess += spent;
        if (++stall % level == 0) {
            temperature *= Cooling;
            if (temperature < ColdTemperature)
                temperature = HotTemperature;
        }
    }
    result.rows = sorted(best);
    result.steps = steps;
    result.elapsed = watch.elapsed();
    if (watch.end())
        result.end = *watch.end();
    else
        result.end = std::int64_t(best.size()) <= bound ? SearchEnd::LowerBound : SearchEnd::Exhausted;
    return result;
}
