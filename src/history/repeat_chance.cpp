#include "history/repeat_chance.h"

#include <numeric>

// One draw compared with many earlier ones gives counts that are not independent, but
// any two comparisons are: a random draw shares k numbers with a fixed row with the same
// chance whatever that row holds. So each count has the binomial mean and variance, and
// the binomial range and test are what the counts are measured against.
RepeatChance RepeatChance::of(std::span<const qint64> histogram, int population, int picked)
{
    RepeatChance chance;
    chance.comparisons = std::accumulate(histogram.begin(), histogram.end(), qint64(0));
    for (int k = 0; k <= picked; ++k) {
        Line line;
        line.common = k;
        line.observed = size_t(k) < histogram.size() ? histogram[size_t(k)] : 0;
        line.ways = Hypergeometric::commonNumbers(population, picked, k);
        line.expected = double(chance.comparisons) * line.ways.probability();
        line.range = Binomial::central95(chance.comparisons, line.ways.probability());
        chance.lines.push_back(line);
    }
    const Hypergeometric::Ways none = Hypergeometric::commonNumbers(population, picked, 0);
    chance.sharing = chance.comparisons - chance.lines.front().observed;
    chance.sharingProbability = double(none.total - none.favourable) / double(none.total);
    chance.pValue = Binomial::twoSidedPValue(chance.comparisons, chance.sharingProbability, chance.sharing);
    return chance;
}
