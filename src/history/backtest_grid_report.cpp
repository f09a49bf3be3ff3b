// The report of a grid of settings: the settings ranked in sample by share of winning
// rows and by return, each beside chance, the picked setting out of sample, and one
// closing sentence on what remains after the Holm adjustment and out of sample.
#include "history/backtest_grid.h"

#include <algorithm>
#include <numeric>

namespace {
constexpr double Level = 0.05;
const QString Tab = QStringLiteral("\t");
const QString None = QStringLiteral("–");

double shareOf(const Yardstick &y)
{
    return Yardstick::share(y.settingsWinning, y.rows);
}

double winningsPerRow(const Yardstick &y)
{
    return y.rows > 0 ? double(y.settingsWinnings) / double(y.rows) : 0;
}

class Lines {
public:
    explicit Lines(const ReportFormat &format)
        : f(format)
    { }

    QString p(double value) const
    {
        return value < 0.001 ? QStringLiteral("< ") + f.number(0.001, 3) : f.number(value, 3);
    }
    QString share(const Yardstick &y) const { return f.percent(100.0 * shareOf(y)); }
    QString chanceShare(const Yardstick &y) const
    {
        return f.percent(100.0 * (y.rows > 0 ? y.expectedWinning / double(y.rows) : 0));
    }
    // Chance's expectation give or take 1.96 standard errors of the pass-counted test.
    QString chanceRange(const GridFigures &g) const
    {
        const Yardstick &y = g.yardstick;
        if (y.rows <= 0)
            return None;
        const double reach = 1.96 * g.standardError;
        return f.percent(100.0 * std::max(0.0, y.expectedWinning - reach) / double(y.rows)) + QStringLiteral(" – ")
            + f.percent(100.0 * (y.expectedWinning + reach) / double(y.rows));
    }
    QString optionalPercent(const std::optional<double> &v) const { return v ? f.percent(*v) : None; }
    QString settingsReturn(const Yardstick &y) const
    {
        return optionalPercent(y.returnPercent(double(y.settingsWinnings)));
    }
    QString chanceReturn(const Yardstick &y) const { return optionalPercent(y.returnPercent(y.expectedWinnings)); }
    QString figures(const GridFigures &g) const
    {
        const Yardstick &y = g.yardstick;
        return QStringList{f.integer(y.rows), f.integer(y.settingsWinning), share(y), chanceRange(g), settingsReturn(y)}
            .join(Tab);
    }
    // "above chance" or "below chance", by the winning rows beside their expectation.
    static QString side(const Yardstick &y)
    {
        return double(y.settingsWinning) > y.expectedWinning ? QStringLiteral("above") : QStringLiteral("below");
    }

    const ReportFormat &f;
};

// The last sentence: how many settings remain significant after the Holm adjustment, and
// whether the picked one held out of sample.
QString closingSentence(const GridResult &result, const Lines &l)
{
    const int m = int(result.finished.size());
    const int k = result.significantAfterAdjustment();
    QString sentence = m == 1 ? QStringLiteral("A single setting has no rivals to flatter it: ")
                              : QStringLiteral("The best of %1 settings looks better than it is: ").arg(m);
    if (m == 1) {
        sentence += QStringLiteral("in sample it %1 from chance (%2)")
                        .arg(k == 0 ? QStringLiteral("does not differ") : QStringLiteral("differs"),
                            l.f.pValue(result.finished.front().inSample.pValue));
    } else if (k == 0) {
        double smallest = 1;
        for (const GridCombination &c : result.finished)
            smallest = std::min(smallest, c.adjustedPValue);
        sentence += QStringLiteral("after the Holm adjustment none of them differs from chance in sample (smallest "
                                   "adjusted %1)")
                        .arg(l.f.pValue(smallest));
    } else {
        sentence += QStringLiteral("after the Holm adjustment %1 of them %2 from chance in sample")
                        .arg(k)
                        .arg(k == 1 ? QStringLiteral("differs") : QStringLiteral("differ"));
    }
    if (!result.outOfSample) {
        sentence += result.stopped ? QStringLiteral(", and the grid was stopped before the picked setting was "
                                                    "tested out of sample, so nothing has held out of sample.")
                                   : QStringLiteral(", and no pass lies out of sample to test the picked setting.");
        return sentence;
    }
    const Yardstick &out = result.outOfSample->yardstick;
    const QString outP = l.f.pValue(result.outOfSample->pValue);
    const bool held = result.outOfSample->pValue < Level;
    const QString picked = result.finished[*result.best].setting.label();
    if (!held)
        sentence += QStringLiteral("; out of sample the picked setting (%1) does not differ from chance (%2), so "
                                   "nothing remains once that is done.")
                        .arg(picked, outP);
    else if (k == 0)
        sentence += QStringLiteral("; out of sample, where the picked setting (%1) was the only one tested, its share "
                                   "of winning rows lies %2 chance (%3): that one test held, the lead in sample "
                                   "did not.")
                        .arg(picked, Lines::side(out), outP);
    else
        sentence += QStringLiteral("; out of sample, where the picked setting (%1) was the only one tested, its share "
                                   "of winning rows lies %2 chance (%3): that much held out of sample.")
                        .arg(picked, Lines::side(out), outP);
    return sentence;
}
} // namespace

QStringList BacktestGrid::reportLines(const GridResult &result, const ReportFormat &format)
{
    const Lines l(format);
    QStringList axes;
    for (const GridAxis &axis : result.axes)
        axes << axis.text();
    QStringList lines;
    lines << QStringLiteral("Grid of settings: %1 settings (%2), each with the seeds %3 – %4: %5 back-tests")
                 .arg(result.combinations)
                 .arg(axes.join(QStringLiteral(", ")))
                 .arg(result.firstSeed)
                 .arg(qint64(result.firstSeed) + result.seeds - 1)
                 .arg(qint64(result.combinations) * result.seeds);
    lines << QStringLiteral("Split %1: %2 passes evaluated before it rank the settings (in sample), %3 from it on "
                            "test the best of them alone (out of sample)")
                 .arg(result.split.toString(Qt::ISODate))
                 .arg(result.inSamplePasses)
                 .arg(result.outOfSamplePasses);

    std::vector<size_t> order(result.finished.size());
    std::iota(order.begin(), order.end(), size_t(0));
    const auto in = [&](size_t c) -> const Yardstick & { return result.finished[c].inSample.yardstick; };

    lines << QString() << QStringLiteral("In sample, by share of winning rows");
    lines << QStringList{QStringLiteral("Rank"), QStringLiteral("Setting"), QStringLiteral("Rows"),
        QStringLiteral("Winning rows"), QStringLiteral("Share"), QStringLiteral("Chance's 95% range"),
        QStringLiteral("Return"), QStringLiteral("p"), QStringLiteral("p (Holm)")}
                 .join(Tab);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return shareOf(in(a)) > shareOf(in(b)); });
    for (size_t rank = 0; rank < order.size(); ++rank) {
        const GridCombination &c = result.finished[order[rank]];
        lines << QStringList{QString::number(rank + 1), c.setting.label(), l.figures(c.inSample),
            l.p(c.inSample.pValue), l.p(c.adjustedPValue)}
                     .join(Tab);
    }
    if (!result.finished.empty()) {
        const Yardstick &y = in(0);
        lines << QStringList{QStringLiteral("Chance"), QString(), QString(), QString(), l.chanceShare(y), QString(),
            l.chanceReturn(y)}
                     .join(Tab);
    }

    lines << QString() << QStringLiteral("In sample, by return (winnings without the jackpot per stake)");
    lines << QStringList{QStringLiteral("Rank"), QStringLiteral("Setting"), QStringLiteral("Return"),
        QStringLiteral("Share")}
                 .join(Tab);
    std::stable_sort(
        order.begin(), order.end(), [&](size_t a, size_t b) { return winningsPerRow(in(a)) > winningsPerRow(in(b)); });
    for (size_t rank = 0; rank < order.size(); ++rank) {
        const Yardstick &y = in(order[rank]);
        lines << QStringList{QString::number(rank + 1), result.finished[order[rank]].setting.label(),
            l.settingsReturn(y), l.share(y)}
                     .join(Tab);
    }
    if (!result.finished.empty())
        lines << QStringList{QStringLiteral("Chance"), QString(), l.chanceReturn(in(0)), l.chanceShare(in(0))}.join(
            Tab);

    if (result.best && result.outOfSample) {
        const GridCombination &best = result.finished[*result.best];
        const Yardstick &out = result.outOfSample->yardstick;
        lines << QString()
              << QStringLiteral("Out of sample: only %1, the highest share of winning rows in sample")
                     .arg(best.setting.label());
        lines << QStringList{QString(), QStringLiteral("Rows"), QStringLiteral("Winning rows"), QStringLiteral("Share"),
            QStringLiteral("Chance's 95% range"), QStringLiteral("Return"), QStringLiteral("p")}
                     .join(Tab);
        lines << QStringLiteral("Setting") + Tab + l.figures(*result.outOfSample) + Tab
                + l.p(result.outOfSample->pValue);
        lines << QStringList{QStringLiteral("Chance"), format.integer(out.rows), format.number(out.expectedWinning, 2),
            l.chanceShare(out), QString(), l.chanceReturn(out)}
                     .join(Tab);
        if (result.bothPeriods)
            lines << QStringLiteral("Both periods") + Tab + l.figures(*result.bothPeriods);
    }
    lines << QString();
    if (result.stopped)
        lines << QStringLiteral("Stopped: %1 of %2 settings finished; only those are ranked.")
                     .arg(result.finished.size())
                     .arg(result.combinations);
    lines << (result.finished.empty() ? QStringLiteral("Stopped before any setting was finished: nothing is "
                                                       "ranked, nothing is tested.")
                                      : closingSentence(result, l));
    return lines;
}
