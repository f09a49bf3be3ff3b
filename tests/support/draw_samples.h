// Small hand-made draw histories for the statistics, pool and filter tests.
#pragma once

#include "draws/draw.h"

#include <initializer_list>
#include <vector>

namespace DrawSamples {
// A draw with the given date, main numbers (in this order) and Megaball.
Draw draw(QDate date, std::initializer_list<int> numbers, int megaball = 1);
// The bundled history as the program installs it; fails the calling test when missing.
std::vector<Draw> bundledHistory();
} // namespace DrawSamples
