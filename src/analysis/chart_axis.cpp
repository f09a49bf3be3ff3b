#include "analysis/chart_axis.h"

#include <algorithm>

int ChartAxis::niceInterval(int span)
{
    span = std::max(span, 1);
    for (int magnitude = 1;; magnitude *= 10)
        for (int factor : {1, 2, 5}) {
            const int interval = factor * magnitude;
            // Rounding both ends out to the interval may add up to one interval each.
            if ((span + interval - 1) / interval + 2 <= MaxTicks)
                return interval;
        }
}

ChartAxisScale ChartAxis::choose(
    const DrawStatistics::LeftAxis &axis, const std::vector<DrawStatistics::ChartPoint> &points)
{
    int smallest = 0;
    int largest = 0;
    if (axis.mode == DrawStatistics::LeftAxis::Mode::SmallestToLargest) {
        smallest = axis.minimum;
        largest = axis.maximum;
    } else {
        // The automatic axis starts at zero, where counts start.
        for (const auto &point : points)
            largest = std::max(largest, point.y);
        smallest = std::min(0, largest);
    }
    largest = std::max(largest, smallest + 1);
    const int interval = niceInterval(largest - smallest);
    ChartAxisScale scale;
    scale.tickInterval = interval;
    // One tick below the smallest bar, so that a bar of the smallest count is seen; a
    // count of zero is drawn from zero, as it is.
    const auto floorTo = [interval](int value) {
        return value >= 0 ? value / interval * interval : -((-value + interval - 1) / interval) * interval;
    };
    scale.minimum = smallest > 0 ? std::max(0, floorTo(smallest - 1)) : floorTo(smallest);
    scale.maximum = floorTo(largest + interval - 1);
    if (scale.maximum <= scale.minimum)
        scale.maximum = scale.minimum + interval;
    return scale;
}
