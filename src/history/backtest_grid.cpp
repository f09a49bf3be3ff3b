#include "history/backtest_grid.h"

#include "generator/option_conflicts.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numeric>
#include <thread>

namespace {
constexpr double Level = 0.05;

// What the seeds of one setting add up to over one period, pass by pass.
struct PeriodSums {
    HitClassTally settings;
    HitClassTally baseline;
    std::vector<std::int64_t> winning; // per pass of the period, every seed's rows
    std::vector<std::int64_t> rows;

    explicit PeriodSums(size_t passes = 0)
        : winning(passes, 0)
        , rows(passes, 0)
    { }
    void add(size_t pass, const BacktestPass &done)
    {
        addTally(settings, done.tally);
        addTally(baseline, done.baseline);
        PrizeClasses::ClassCounts counts;
        counts.add(done.tally);
        winning[pass] += counts.winningRows();
        rows[pass] += counts.rows();
    }
    void add(const PeriodSums &other)
    {
        addTally(settings, other.settings);
        addTally(baseline, other.baseline);
        for (size_t t = 0; t < winning.size(); ++t) {
            winning[t] += other.winning[t];
            rows[t] += other.rows[t];
        }
    }
    GridFigures figures(const QString &ticketPrice, const Games::GameFormat &format) const
    {
        GridFigures f;
        f.passes = int(winning.size());
        f.yardstick = Yardstick::of(settings, baseline, ticketPrice, format);
        const Yardstick &y = f.yardstick;
        const BacktestGrid::PassTest test
            = BacktestGrid::passTest(winning, rows, y.rows > 0 ? y.expectedWinning / double(y.rows) : 0);
        f.pValue = test.pValue;
        f.standardError = test.standardError;
        return f;
    }
    static void addTally(HitClassTally &sum, const HitClassTally &tally)
    {
        for (size_t k = 0; k < sum.cells.size(); ++k)
            for (size_t mb = 0; mb < 2; ++mb)
                sum.cells[k][mb] += tally.cells[k][mb];
    }
};

// The seeds of one setting on `threads` threads, passes 0 .. passes-1 each; the passes
// before `splitAt` go to `before`, the others to `after`. False when stopped.
bool runSeeds(const std::shared_ptr<const BacktestPlan> &plan, const GridRequest &request, size_t passes,
    size_t splitAt, PeriodSums &before, PeriodSums &after, const MessageTable &messages, int threads,
    const std::function<void(int seedsDone)> &seedDone, const std::atomic<bool> *stop)
{
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex merge;
    int done = 0;
    const auto stopAsked = [&] { return stop && stop->load(std::memory_order_relaxed); };
    const auto work = [&] {
        PeriodSums ownBefore(before.winning.size());
        PeriodSums ownAfter(after.winning.size());
        for (int k = next++; k < request.seeds && !stopped; k = next++) {
            SettingsBacktest backtest(plan, request.input.seed + k, messages);
            for (size_t pass = 0; pass < passes; ++pass) {
                if (stopAsked()) {
                    stopped = true;
                    break;
                }
                if (!backtest.nextPass())
                    break;
                if (pass < splitAt)
                    ownBefore.add(pass, backtest.lastPass());
                else
                    ownAfter.add(pass - splitAt, backtest.lastPass());
            }
            if (stopped)
                break;
            const std::lock_guard lock(merge);
            ++done;
            if (seedDone)
                seedDone(done);
        }
        const std::lock_guard lock(merge);
        before.add(ownBefore);
        after.add(ownAfter);
    };
    std::vector<std::thread> workers;
    for (int t = 1; t < std::min(std::max(threads, 1), request.seeds); ++t)
        workers.emplace_back(work);
    work();
    for (std::thread &worker : workers)
        worker.join();
    return !stopped;
}

const SpinOption *spinNamed(const QString &name)
{
    for (const SpinOption &spin : GenerationOptions::spins())
        if (GenerationOptions::spinValueName(spin.number) == name)
            return &spin;
    return nullptr;
}

const CheckBoxOption *checkBoxNamed(const QString &name)
{
    for (const CheckBoxOption &box : GenerationOptions::checkBoxes())
        if (GenerationOptions::checkBoxValueName(box.number) == name)
            return &box;
    return nullptr;
}
} // namespace

std::vector<int> GridAxis::values() const
{
    std::vector<int> list;
    for (qint64 v = from; v <= to; v += std::max(step, 1))
        list.push_back(int(v));
    return list;
}

QString GridAxis::text() const
{
    QString text = QStringLiteral("%1=%2..%3").arg(name).arg(from).arg(to);
    return step == 1 ? text : text + QStringLiteral(":%1").arg(step);
}

QString GridSetting::label() const
{
    QStringList parts;
    for (const auto &[name, value] : values)
        parts << QStringLiteral("%1=%2").arg(name).arg(value);
    return parts.join(QLatin1Char(' '));
}

int GridResult::significantAfterAdjustment() const
{
    return int(std::count_if(
        finished.begin(), finished.end(), [](const GridCombination &c) { return c.adjustedPValue < Level; }));
}

Result<GridAxis> BacktestGrid::parseAxis(const QString &text)
{
    static const QRegularExpression shape(
        QStringLiteral("^([A-Za-z]+[0-9]+)=(-?[0-9]+)\\.\\.(-?[0-9]+)(?::([0-9]+))?$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return fail(QStringLiteral("--vary takes NAME=FROM..TO[:STEP], not %1").arg(text));
    GridAxis axis;
    axis.name = match.captured(1);
    bool fromOk = false, toOk = false, stepOk = true;
    axis.from = match.captured(2).toInt(&fromOk);
    axis.to = match.captured(3).toInt(&toOk);
    if (match.hasCaptured(4))
        axis.step = match.captured(4).toInt(&stepOk);
    if (!fromOk || !toOk || !stepOk || axis.step < 1)
        return fail(QStringLiteral("--vary %1: the step is a whole number from 1 up").arg(text));
    if (axis.from > axis.to)
        return fail(QStringLiteral("--vary %1: FROM %2 lies above TO %3").arg(text).arg(axis.from).arg(axis.to));
    int minimum = 0;
    int maximum = 1;
    if (const SpinOption *spin = spinNamed(axis.name)) {
        minimum = spin->minimum;
        maximum = spin->maximum;
    } else if (!checkBoxNamed(axis.name)) {
        return fail(QStringLiteral("--vary %1: %2 is no check box (Chekcbox<n>) or spin value (UpDown<n>) of the "
                                   "generation options")
                        .arg(text, axis.name));
    }
    if (axis.from < minimum || axis.to > maximum)
        return fail(QStringLiteral("--vary %1: %2 takes %3 to %4").arg(text, axis.name).arg(minimum).arg(maximum));
    return axis;
}

Result<void> BacktestGrid::checkSize(const std::vector<GridAxis> &axes, int seeds)
{
    if (axes.size() > size_t(MaxAxes))
        return fail(QStringLiteral("at most %1 options can be varied, not %2").arg(MaxAxes).arg(axes.size()));
    std::int64_t combinations = 1;
    for (const GridAxis &axis : axes)
        combinations *= std::int64_t(axis.values().size());
    const std::int64_t backtests = combinations * std::max(seeds, 0);
    if (backtests > MaxBacktests)
        return fail(QStringLiteral("the grid would be %1 back-tests (%2 settings × %3 seeds), more than %4")
                        .arg(backtests)
                        .arg(combinations)
                        .arg(seeds)
                        .arg(MaxBacktests));
    return {};
}

Result<std::vector<GridSetting>> BacktestGrid::combinations(const GenerationSettings &base,
    const std::vector<GridAxis> &axes, const std::array<SheetRow, TipRows::RowCount> &sheet,
    const MessageTable &messages)
{
    for (size_t a = 0; a < axes.size(); ++a)
        for (size_t b = a + 1; b < axes.size(); ++b)
            if (axes[a].name == axes[b].name)
                return fail(QStringLiteral("%1 is varied twice").arg(axes[a].name));
    std::vector<GridSetting> grid{GridSetting{{}, base}};
    for (const GridAxis &axis : axes) {
        std::vector<GridSetting> wider;
        for (const GridSetting &setting : grid)
            for (int value : axis.values()) {
                GridSetting next = setting;
                next.values.emplace_back(axis.name, value);
                wider.push_back(std::move(next));
            }
        grid = std::move(wider);
    }
    for (GridSetting &setting : grid) {
        // A value may be in range only beside the other one (UpDown6 follows Chekcbox31):
        // the values are set once in any case, then again, and then each must be taken.
        for (const auto &[name, value] : setting.values)
            (void)setting.settings.setByValueName(name, value);
        for (const auto &[name, value] : setting.values)
            if (auto set = setting.settings.setByValueName(name, value); !set)
                return fail(setting.label() + QStringLiteral(": ") + set.error());
        const QStringList conflicts = OptionConflicts::find(setting.settings, sheet, messages);
        if (!conflicts.isEmpty())
            return fail(setting.label() + QStringLiteral(": ") + OptionConflicts::message(conflicts, messages));
    }
    return grid;
}

QDate BacktestGrid::defaultSplit(const BacktestInput &input)
{
    if (input.draws.empty())
        return input.chosenDate;
    const QDate first = std::max(input.chosenDate, input.draws.front().date);
    const QDate last = input.draws.back().date;
    return first >= last ? last : first.addDays(first.daysTo(last) / 2);
}

int BacktestGrid::passesBefore(const BacktestPlan &plan, QDate split)
{
    const auto &passes = plan.passes();
    return int(std::find_if(passes.begin(), passes.end(), [&](const BacktestPlan::Pass &pass) {
        return pass.evaluated.shownDraw.date >= split;
    }) - passes.begin());
}

std::vector<double> BacktestGrid::holmAdjusted(const std::vector<double> &pValues)
{
    const size_t m = pValues.size();
    std::vector<size_t> order(m);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pValues[a] < pValues[b]; });
    std::vector<double> adjusted(m, 1.0);
    double floor = 0;
    for (size_t i = 0; i < m; ++i) {
        floor = std::max(floor, std::min(1.0, double(m - i) * pValues[order[i]]));
        adjusted[order[i]] = floor;
    }
    return adjusted;
}

BacktestGrid::PassTest BacktestGrid::passTest(
    const std::vector<std::int64_t> &winning, const std::vector<std::int64_t> &rows, double chance)
{
    double sum = 0;
    double squares = 0;
    for (size_t t = 0; t < winning.size() && t < rows.size(); ++t) {
        const double excess = double(winning[t]) - double(rows[t]) * chance;
        sum += excess;
        squares += excess * excess;
    }
    if (!(squares > 0))
        return {};
    return {std::min(1.0, std::erfc(std::abs(sum) / std::sqrt(2.0 * squares))), std::sqrt(squares)};
}

GridResult BacktestGrid::run(const GridRequest &request, const std::vector<GridSetting> &settings,
    const MessageTable &messages, int threads, const std::function<void(const GridProgress &)> &progress,
    const std::atomic<bool> *stop)
{
    GridResult result;
    result.axes = request.axes;
    result.combinations = int(settings.size());
    result.seeds = request.seeds;
    result.firstSeed = request.input.seed;
    result.split = request.split.isValid() ? request.split : defaultSplit(request.input);
    const QString &price = request.input.ticketPrice;

    const auto planFor = [&](const GridSetting &setting) {
        BacktestInput input = request.input;
        input.settings = setting.settings;
        return std::make_shared<const BacktestPlan>(std::move(input), messages);
    };
    const auto reporter = [&](int combination) {
        return [&, combination](int seedsDone) {
            if (progress)
                progress({combination, result.combinations, seedsDone, request.seeds});
        };
    };

    // In sample: every setting over the passes before the split, each on a plan of its own
    // (what a plan prepares depends on the options).
    for (size_t c = 0; c < settings.size(); ++c) {
        const auto plan = planFor(settings[c]);
        const auto splitAt = size_t(passesBefore(*plan, result.split));
        result.inSamplePasses = int(splitAt);
        result.outOfSamplePasses = int(plan->passes().size() - splitAt);
        PeriodSums before(splitAt);
        PeriodSums none;
        if (!runSeeds(plan, request, splitAt, splitAt, before, none, messages, threads, reporter(int(c) + 1), stop)) {
            result.stopped = true;
            break;
        }
        result.finished.push_back({settings[c], before.figures(price, *request.input.format), 1});
    }
    std::vector<double> pValues;
    for (const GridCombination &c : result.finished)
        pValues.push_back(c.inSample.pValue);
    const std::vector<double> adjusted = holmAdjusted(pValues);
    for (size_t c = 0; c < result.finished.size(); ++c)
        result.finished[c].adjustedPValue = adjusted[c];

    // The pick: the highest in-sample share of winning rows, the first on a tie.
    for (size_t c = 0; c < result.finished.size(); ++c) {
        const Yardstick &y = result.finished[c].inSample.yardstick;
        const auto share = [](const Yardstick &s) { return Yardstick::share(s.settingsWinning, s.rows); };
        if (!result.best || share(y) > share(result.finished[*result.best].inSample.yardstick))
            result.best = c;
    }
    if (!result.best || result.stopped)
        return result;

    // Out of sample: the picked setting alone, over every pass (the passes before the
    // split again, so that both periods together are its whole back-test).
    const auto plan = planFor(result.finished[*result.best].setting);
    const size_t passes = plan->passes().size();
    const auto splitAt = size_t(passesBefore(*plan, result.split));
    PeriodSums before(splitAt);
    PeriodSums after(passes - splitAt);
    if (!runSeeds(plan, request, passes, splitAt, before, after, messages, threads, reporter(result.combinations + 1),
            stop)) {
        result.stopped = true;
        return result;
    }
    result.outOfSample = after.figures(price, *request.input.format);
    PeriodSums both(passes);
    for (size_t t = 0; t < passes; ++t) {
        both.winning[t] = t < splitAt ? before.winning[t] : after.winning[t - splitAt];
        both.rows[t] = t < splitAt ? before.rows[t] : after.rows[t - splitAt];
    }
    PeriodSums::addTally(both.settings, before.settings);
    PeriodSums::addTally(both.settings, after.settings);
    PeriodSums::addTally(both.baseline, before.baseline);
    PeriodSums::addTally(both.baseline, after.baseline);
    result.bothPeriods = both.figures(price, *request.input.format);
    return result;
}
