// The repeat analysis beside chance: for every number of common numbers, how many of the
// comparisons chance gives (a random row shares exactly k numbers with another with the
// probability C(5,k) * C(70,5-k) / C(75,5) in the five-of-75 format), the 95% range of
// that count, and the exact binomial test of the share of comparisons that share any
// number at all.
#pragma once

#include "analysis/binomial.h"

#include <QtGlobal>

#include <span>
#include <vector>

struct RepeatChance {
    struct Line {
        int common = 0; // numbers in common
        qint64 observed = 0;
        Hypergeometric::Ways ways;
        double expected = 0;
        Binomial::Range range;
    };
    std::vector<Line> lines; // 0 .. picked numbers in common
    qint64 comparisons = 0;
    qint64 sharing = 0; // comparisons with at least one number in common
    double sharingProbability = 0;
    double pValue = 1; // two-sided exact binomial test of `sharing`
    bool differsFromChance() const { return pValue < 0.05; }

    // histogram[k]: the comparisons with k numbers in common, for rows of `picked`
    // numbers out of 1..`population`.
    static RepeatChance of(std::span<const qint64> histogram, int population, int picked);
};
