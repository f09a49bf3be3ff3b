// How a chart's left axis is drawn: the shown range and the ticks. The statistic range
// (what the candidate pool takes from the chart: the smallest and largest count) stays
// as the chart operation set it; the display starts one tick below the smallest bar so
// that the least frequent value still shows a bar, and the ticks fall on whole counts
// with distinct labels. Every chart chooses its own ticks from its own points.
#pragma once

#include "analysis/draw_statistics.h"

#include <vector>

struct ChartAxisScale {
    int minimum = 0; // the lowest value shown
    int maximum = 1; // the highest value shown
    int tickInterval = 1; // a whole count; ticks at minimum, minimum + interval, ...

    int tickCount() const { return (maximum - minimum) / tickInterval + 1; }
    friend bool operator==(const ChartAxisScale &, const ChartAxisScale &) = default;
};

namespace ChartAxis {
// At most this many ticks, so that the labels of a short chart stay readable.
constexpr int MaxTicks = 8;

// The smallest "nice" whole interval (1, 2, 5, 10, 20, 50, ...) that spans `span` with
// at most MaxTicks ticks.
int niceInterval(int span);
ChartAxisScale choose(const DrawStatistics::LeftAxis &axis, const std::vector<DrawStatistics::ChartPoint> &points);
} // namespace ChartAxis
