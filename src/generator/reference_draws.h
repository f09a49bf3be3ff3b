// The three reference draws of a generation run, picked as showing the draw for the end
// date and then stepping back twice would pick them: reference 1 is the first stored
// draw dated on or after the end date (the last stored draw when there is none),
// references 2 and 3 are one and two records earlier, never before the first record.
#pragma once

#include "draws/draw.h"

#include <array>
#include <span>

struct ReferenceDraws {
    std::array<Draw, 3> draws{}; // draws[0] is reference 1
    int index = -1; // record number of reference 1; -1 for an empty history
    // The end date every statistic and test of the run uses from here on: the date of
    // reference 1, or the requested end date for an empty history.
    QDate endDate;

    const Draw &reference(int k) const { return draws.at(size_t(k - 1)); } // k = 1..3
    bool isEmpty() const { return index < 0; }
};

// An empty history gives three draws with all numbers 0 (which match nothing), index
// -1 and the requested end date.
ReferenceDraws findReferenceDraws(std::span<const Draw> draws, QDate end);
