// backtest-grid: the settings back-test over a grid of one or two varied options, on
// the same seeds and passes, ranked in sample and the best one tested out of sample.
#include "cli/cli.h"
#include "cli/run_input.h"

#include "app/message_table.h"
#include "history/backtest_grid.h"

#include <climits>
#include <thread>

int CliCommands::backtestGrid(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    BacktestInput input;
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--start"), QDate(), input.chosenDate))
        return Cli::report(context, *problem);
    if (!input.chosenDate.isValid() && !arguments.hasError())
        return Cli::usage(context, QStringLiteral("--start DATE is required"));
    std::optional<int> seed;
    std::optional<int> seeds;
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seed"), INT_MIN, INT_MAX, seed))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seeds"), 1, 1000000, seeds))
        return Cli::report(context, *problem);
    if (!seed && !arguments.hasError())
        return Cli::usage(context, QStringLiteral("--seed N is required"));
    const int seedCount = seeds.value_or(1);
    if (seed && qint64(*seed) + seedCount - 1 > INT_MAX)
        return Cli::usage(context, QStringLiteral("--seed N --seeds K goes past %1").arg(INT_MAX));
    QDate split;
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--split"), QDate(), split))
        return Cli::report(context, *problem);
    std::vector<GridAxis> axes;
    for (const QString &text : arguments.takeAll(QStringLiteral("--vary"))) {
        auto axis = BacktestGrid::parseAxis(text);
        if (!axis)
            return Cli::usage(context, axis.error());
        axes.push_back(*axis);
    }
    if (axes.empty() && !arguments.hasError())
        return Cli::usage(context, QStringLiteral("--vary NAME=FROM..TO[:STEP] is required"));
    // The size is refused before the history is read.
    if (auto size = BacktestGrid::checkSize(axes, seedCount); !size)
        return Cli::usage(context, size.error());
    if (auto problem = Cli::prepareBacktest(context, arguments, input, seed.value_or(0)))
        return Cli::report(context, *problem);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());

    const MessageTable messages;
    auto grid = BacktestGrid::combinations(input.settings, axes, input.sheet, messages);
    if (!grid)
        return context.failWith(grid.error());

    GridRequest request{input, axes, seedCount, split.isValid() ? split : BacktestGrid::defaultSplit(input)};
    // Where the passes fall does not depend on the options: the periods are checked on a
    // plan that prepares nothing.
    const BacktestPlan dates(input, messages, BacktestPlan::Runs::Separate);
    const int before = BacktestGrid::passesBefore(dates, request.split);
    const QString splitText = request.split.toString(Qt::ISODate);
    if (before == 0)
        return context.failWith(
            QStringLiteral("the split %1 leaves no pass in sample to rank the settings on").arg(splitText));
    if (before == int(dates.passes().size()))
        return context.failWith(
            QStringLiteral("the split %1 leaves no pass out of sample to test the best setting on").arg(splitText));

    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    const GridResult result = BacktestGrid::run(request, *grid, messages, threads);
    Cli::printFormatLine(context, *input.format);
    for (const QString &line : BacktestGrid::reportLines(result))
        context.out << line << '\n';
    return Cli::Success;
}
