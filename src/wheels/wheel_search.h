// Building a small row set for a guarantee: a plain greedy choice first, then a seeded
// local search (simulated annealing, or a weighted tabu search) that takes one row away at
// a time and moves numbers between rows until every p-set is met again. The same seed gives the same rows as long as
// the time budget does not cut the search short; the work it does is counted in steps, not time.
#pragma once

#include "wheels/wheel_design.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

namespace Wheels {
// A small seeded generator of its own (xoshiro256**): the wheel's rows must not depend on
// the program's shared random source, and its sequence is fixed on every platform.
class SearchRandom {
public:
    explicit SearchRandom(std::uint64_t seed);
    std::uint64_t next();
    // 0 .. n-1 for n below 2^32.
    std::uint32_t below(std::uint32_t n) { return std::uint32_t(((next() >> 32) * n) >> 32); }
    double unit() { return double(next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_s[4];
};

struct SearchProgress {
    int greedyRows = 0;
    int bestRows = 0; // the smallest set found so far that meets every p-set
    int tryingRows = 0; // the size the search is working on
    std::int64_t steps = 0;
    std::chrono::milliseconds elapsed{0};
};

// The weighted tabu search weighs every move that meets the chosen open set and takes the
// best; annealing takes one random move per step. With the same allowance the tabu search
// ends with fewer rows on most sizes measured, so it is the default.
enum class SearchMethod { Tabu, Annealing };

struct SearchOptions {
    std::uint64_t seed = 1;
    SearchMethod method = SearchMethod::Tabu;
    std::chrono::milliseconds budget{10000};
    // The search's allowance and its attempts at one size, in units of the default; more
    // finds smaller sets on hard cases and takes longer.
    double effort = 1.0;
    // Called every few milliseconds; returning false stops with the best set so far.
    std::function<bool(const SearchProgress &)> progress;
    // A set known to keep the guarantee (a shipped design), used instead of the greedy
    // start when it is smaller.
    std::vector<Mask> start;
};

enum class SearchEnd {
    LowerBound, // the set is as small as the lower bound allows
    Exhausted, // every attempt at the next smaller size failed
    Budget, // the time budget ran out
    Stopped, // the progress callback asked to stop
    Impossible, // no set of rows with the key numbers keeps the guarantee
};

struct SearchResult {
    std::vector<Mask> rows; // sorted ascending as numbers; empty when impossible
    int greedyRows = 0;
    SearchEnd end = SearchEnd::Exhausted;
    std::int64_t steps = 0;
    std::chrono::milliseconds elapsed{0};
};

// Whether rows of five from v numbers that all hold `keys` can keep the guarantee at all.
bool isFeasible(int v, Mask keys, Guarantee g);

// The plain greedy choice: again and again the row (holding `keys`) that meets the most
// p-sets not met yet, the first in colex order among equals. Empty when impossible, or
// when `goOn`, asked after each row, says to stop.
std::vector<Mask> greedyRows(int v, Mask keys, Guarantee g, const std::function<bool()> &goOn = {});

SearchResult searchRows(int v, Mask keys, Guarantee g, const SearchOptions &options);
} // namespace Wheels
