// What a set of rows over the chosen numbers gives, computed exactly over every draw:
// for each count of drawn numbers among the chosen, the least and the most rows with 3,
// 4 and 5 hits; the chance of each hit class (with or without the Megaball) for the
// whole set beside as many random rows; and the cost.
#pragma once

#include "wheels/wheel.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Wheels {
struct HitRange {
    int least = 0;
    int most = 0;
    friend bool operator==(const HitRange &, const HitRange &) = default;
};

// The rows with 3, 4 and 5 hits: table[m][h - 3] over all draws with m of the five drawn
// numbers among the chosen.
constexpr int FirstTableHits = 3;
using GuaranteeTable = std::array<std::array<HitRange, RowSize - FirstTableHits + 1>, RowSize + 1>;

// A class of a row against a draw: its main hits and whether its Megaball is the drawn
// one. Without Megaballs on the rows only the main hits count (`megaball` false).
struct ClassChance {
    int hits = 0;
    bool megaball = false;
    // The chance that at least one row of the set falls into the class, as the exact
    // fraction numerator / denominator, and the same for as many independent random rows.
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
    double random = 0;
    double wheel() const { return double(numerator) / double(denominator); }
};

struct WheelReport {
    int rows = 0; // played rows
    double cost = 0;
    bool withMegaball = false; // every row carries a Megaball
    GuaranteeTable table{};
    std::vector<ClassChance> chances; // hits 5 down to 0, with the Megaball before without
};

// `rows` are the played rows; every main number of them is one of `numbers`.
WheelReport reportOf(const std::vector<int> &numbers, const std::vector<WheelRow> &rows, const WheelFormat &format);
} // namespace Wheels
