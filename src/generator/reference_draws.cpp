#include "generator/reference_draws.h"

#include <algorithm>

ReferenceDraws findReferenceDraws(std::span<const Draw> draws, QDate end)
{
    ReferenceDraws result;
    result.endDate = end;
    if (draws.empty()) {
        for (Draw &draw : result.draws)
            draw.date = end;
        return result;
    }
    // A forward scan as the file is read: the first record on or after the date.
    const auto found = std::find_if(draws.begin(), draws.end(), [&](const Draw &draw) { return draw.date >= end; });
    const int index = found == draws.end() ? int(draws.size()) - 1 : int(found - draws.begin());
    result.index = index;
    for (int k = 0; k < 3; ++k)
        result.draws[size_t(k)] = draws[size_t(std::max(index - k, 0))];
    result.endDate = result.draws[0].date;
    return result;
}
