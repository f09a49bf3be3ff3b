#include "wheels/wheel.h"

#include "app/text_formats.h"
#include "wheels/known_wheels.h"

#include <algorithm>
#include <set>

using namespace Wheels;

namespace {
QString listed(const std::vector<int> &values)
{
    QStringList texts;
    for (const int value : values)
        texts << QString::number(value);
    return texts.join(QLatin1Char(','));
}

// Duplicates and values outside 1..largest, as a message; empty when there are none.
QString badValues(const std::vector<int> &values, int largest, const QString &what)
{
    std::set<int> seen;
    for (const int value : values) {
        if (value < 1 || value > largest)
            return QStringLiteral("%1 must lie in 1..%2, not %3").arg(what).arg(largest).arg(value);
        if (!seen.insert(value).second)
            return QStringLiteral("%1 stands twice among %2").arg(value).arg(what);
    }
    return {};
}

Mask maskOf(const std::vector<int> &sortedNumbers, const std::vector<int> &values)
{
    Mask mask = 0;
    for (const int value : values) {
        const auto at = std::lower_bound(sortedNumbers.begin(), sortedNumbers.end(), value);
        if (at != sortedNumbers.end() && *at == value)
            mask |= Mask(1) << (at - sortedNumbers.begin());
    }
    return mask;
}

bool buildable(int v, Mask keys, Guarantee g)
{
    return isFeasible(v, keys, g) && verificationWork(v, g, lowerBound(v, g)) <= WorkBound
        && greedyWork(v, popcount(keys), g) <= GreedyBound;
}

// The strongest guarantee that asks less than `g` (no more hits, no fewer drawn numbers)
// and can be built.
std::optional<Guarantee> weakerBuildable(int v, Mask keys, Guarantee g)
{
    for (int hits = g.hits; hits >= 1; --hits)
        for (int drawn = std::max(g.drawn, hits); drawn <= RowSize; ++drawn)
            if (Guarantee{hits, drawn} != g && buildable(v, keys, {hits, drawn}))
                return Guarantee{hits, drawn};
    return std::nullopt;
}
} // namespace

std::optional<WheelRefusal> Wheels::refusalFor(const WheelRequest &request, const WheelFormat &format)
{
    const auto refuse = [](QString message) { return WheelRefusal{std::move(message), std::nullopt}; };
    const int v = int(request.numbers.size());
    if (v < MinNumbers || v > MaxNumbers)
        return refuse(QStringLiteral("a wheel takes %1 to %2 numbers, not %3").arg(MinNumbers).arg(MaxNumbers).arg(v));
    if (const QString bad = badValues(request.numbers, format.largestMain, QStringLiteral("the numbers"));
        !bad.isEmpty())
        return refuse(bad);
    const Guarantee g = request.guarantee;
    if (!g.isValid())
        return refuse(QStringLiteral("the guarantee \"%1 if %2\" needs 1 <= %1 <= %2 <= %3")
                          .arg(g.hits)
                          .arg(g.drawn)
                          .arg(RowSize));
    if (const QString bad = badValues(request.keys, format.largestMain, QStringLiteral("the key numbers"));
        !bad.isEmpty())
        return refuse(bad);
    for (const int key : request.keys)
        if (std::find(request.numbers.begin(), request.numbers.end(), key) == request.numbers.end())
            return refuse(QStringLiteral("the key number %1 is not one of the numbers").arg(key));
    if (int(request.keys.size()) >= RowSize)
        return refuse(QStringLiteral("a wheel takes at most %1 key numbers").arg(RowSize - 1));
    if (const QString bad = badValues(request.megaballs, format.largestMegaball, QStringLiteral("the Megaballs"));
        !bad.isEmpty())
        return refuse(bad);

    std::vector<int> sortedNumbers = request.numbers;
    std::sort(sortedNumbers.begin(), sortedNumbers.end());
    const Mask keys = maskOf(sortedNumbers, request.keys);
    if (!isFeasible(v, keys, g))
        return WheelRefusal{
            QStringLiteral("no rows that hold the key numbers %1 can keep \"%2\"").arg(listed(request.keys), g.text()),
            weakerBuildable(v, keys, g)};
    const std::int64_t work = verificationWork(v, g, lowerBound(v, g));
    if (work > WorkBound)
        return WheelRefusal{QStringLiteral("checking \"%1\" on %2 numbers takes more than %3 checks (%4 sets "
                                           "of %5 times at least %6 rows)")
                                .arg(g.text())
                                .arg(v)
                                .arg(TextFormats::integer(WorkBound))
                                .arg(TextFormats::integer(binomial(v, g.drawn)))
                                .arg(g.drawn)
                                .arg(TextFormats::integer(lowerBound(v, g))),
            weakerBuildable(v, keys, g)};
    if (greedyWork(v, popcount(keys), g) > GreedyBound)
        return WheelRefusal{QStringLiteral("building \"%1\" on %2 numbers weighs more than %3 sets (%4 rows of "
                                           "five times the %5 sets of %6 each meets)")
                                .arg(g.text())
                                .arg(v)
                                .arg(TextFormats::integer(GreedyBound))
                                .arg(TextFormats::integer(binomial(v - popcount(keys), RowSize - popcount(keys))))
                                .arg(TextFormats::integer(setsPerRow(v, g)))
                                .arg(g.drawn),
            weakerBuildable(v, keys, g)};
    return std::nullopt;
}

std::vector<WheelRow> Wheels::playedRows(
    const std::vector<int> &numbers, std::vector<Mask> mainRows, const WheelRequest &request)
{
    std::vector<WheelRow> rows;
    for (const Mask mask : mainRows) {
        WheelRow row;
        size_t slot = 0;
        for (Mask m = mask; m != 0 && slot < row.numbers.size(); m &= m - 1)
            row.numbers[slot++] = numbers[size_t(__builtin_ctz(m))];
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(), [](const WheelRow &a, const WheelRow &b) { return a.numbers < b.numbers; });
    if (request.megaballs.empty())
        return rows;
    std::vector<WheelRow> played;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (request.megaballPlay == MegaballPlay::Cycle) {
            played.push_back(rows[i]);
            played.back().megaball = request.megaballs[i % request.megaballs.size()];
            continue;
        }
        for (const int megaball : request.megaballs) {
            played.push_back(rows[i]);
            played.back().megaball = megaball;
        }
    }
    return played;
}

Wheel Wheels::build(const WheelRequest &request, const WheelFormat &format, SearchOptions options)
{
    Wheel wheel;
    if (refusalFor(request, format))
        return wheel;
    wheel.numbers = request.numbers;
    std::sort(wheel.numbers.begin(), wheel.numbers.end());
    wheel.guarantee = request.guarantee;
    const int v = int(wheel.numbers.size());
    const Mask keys = maskOf(wheel.numbers, request.keys);

    // A shipped design knows nothing of key numbers; with keys the search starts afresh.
    const std::vector<Mask> known = keys == 0 ? KnownWheels::find(v, wheel.guarantee) : std::vector<Mask>{};
    options.seed = request.seed;
    options.start = known;
    const SearchResult found = searchRows(v, keys, wheel.guarantee, options);
    wheel.greedyRows = found.greedyRows;
    wheel.end = found.end;
    wheel.fromKnownDesign = !known.empty() && found.rows.size() == known.size()
        && std::is_permutation(found.rows.begin(), found.rows.end(), known.begin());

    // Offered only once every p-set is known to be met and every row holds the keys.
    const bool keysEverywhere
        = std::all_of(found.rows.begin(), found.rows.end(), [&](Mask row) { return (row & keys) == keys; });
    wheel.verified = !found.rows.empty() && keysEverywhere && !firstUncovered(v, found.rows, wheel.guarantee);
    if (!wheel.verified)
        return wheel;
    wheel.mainRows = found.rows;
    wheel.rows = playedRows(wheel.numbers, wheel.mainRows, request);
    return wheel;
}
