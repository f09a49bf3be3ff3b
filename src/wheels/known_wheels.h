// Wheels shipped as data where they are smaller than what the search finds in its
// allowance: a few designs with a structure that a local search rarely stumbles on, and
// sets that long runs of the search found. Each is checked the first time it is asked for
// and left out when it does not keep its guarantee.
#pragma once

#include "wheels/wheel_design.h"

#include <vector>

namespace Wheels::KnownWheels {
// The rows of the shipped wheel for v numbers, verified; empty when none is shipped.
std::vector<Mask> find(int v, Guarantee g);

struct Entry {
    int v;
    Guarantee guarantee;
    int rows;
    bool verified;
};
// Every shipped wheel with the result of its check, for the benchmark and the tests.
std::vector<Entry> all();
} // namespace Wheels::KnownWheels
