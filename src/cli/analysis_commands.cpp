// backtest and repeats: the two historical analyses of the Datenbank page without a
// window, on the same core code; the report goes to stdout instead of "Test.rtf".
#include "cli/cli.h"
#include "cli/run_input.h"

#include "app/message_table.h"
#include "app/text_formats.h"
#include "draws/draw_store.h"
#include "history/backtest_report.h"
#include "history/backtest_seeds.h"
#include "history/repeat_analysis.h"

#include <climits>
#include <thread>

namespace {
using Cli::Problem;

std::optional<Problem> takeStart(Cli::Arguments &arguments, QDate &start)
{
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--start"), QDate(), start))
        return problem;
    if (!start.isValid() && !arguments.hasError())
        return Problem{Cli::UsageError, QStringLiteral("--start DATE is required")};
    return std::nullopt;
}

void print(Cli::Context &context, const QStringList &lines)
{
    for (const QString &line : lines)
        context.out << line << '\n';
}

// Above the report of another format than the classic one: which format, and how its
// price and multiplier enter the yardstick.
void printFormatHeader(Cli::Context &context, const Games::GameFormat &format)
{
    if (&format == &Games::classic())
        return;
    Cli::printFormatLine(context, format);
    context.out << "stake: " << TextFormats::number(format.priceCents / 100.0, 2) << " $ per row";
    if (format.multiplier == Games::MultiplierRule::OptionalMegaplier)
        context.out << ", without the Megaplier";
    context.out << '\n';
    if (format.multiplier == Games::MultiplierRule::BuiltIn)
        context.out << "prizes: every prize but the jackpot times the built-in multiplier's expected factor "
                    << TextFormats::number(format.expectedBuiltInFactor(), 2) << '\n';
}
} // namespace

int CliCommands::backtest(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    BacktestInput input;
    if (auto problem = takeStart(arguments, input.chosenDate))
        return Cli::report(context, *problem);
    std::optional<int> seed;
    std::optional<int> seeds;
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seed"), INT_MIN, INT_MAX, seed))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seeds"), 1, 1000000, seeds))
        return Cli::report(context, *problem);
    if (!seed && !arguments.hasError())
        return Cli::usage(context, QStringLiteral("--seed N is required"));
    if (seed && seeds && qint64(*seed) + *seeds - 1 > INT_MAX)
        return Cli::usage(context, QStringLiteral("--seed N --seeds K goes past %1").arg(INT_MAX));
    if (auto problem = Cli::prepareBacktest(context, arguments, input, seed.value_or(0)))
        return Cli::report(context, *problem);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());

    const MessageTable messages;
    if (auto problem = Cli::contradictions(input.settings, input.sheet, messages))
        return Cli::report(context, *problem);
    printFormatHeader(context, *input.format);
    if (!seeds) {
        print(context, BacktestReport::linesFor(input, messages));
        return Cli::Success;
    }
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    const SeedsRun runs = BacktestSeeds::run(input, *seeds, messages, threads);
    print(context, BacktestReport::lines(runs.first, messages));
    print(context, BacktestSeeds::spreadLines(runs, input.ticketPrice, messages));
    return Cli::Success;
}

int CliCommands::repeats(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    RepeatAnalysisInput input;
    if (auto problem = takeStart(arguments, input.chosenDate))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--from"), QDate(), input.statisticsStart))
        return Cli::report(context, *problem);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());
    if (auto problem = Cli::readHistory(context, input.draws, input.format))
        return Cli::report(context, *problem);
    if (!input.statisticsStart.isValid())
        input.statisticsStart = input.format->first;
    Cli::printFormatLine(context, *input.format);
    // No questions: every hit goes on, as with a stop level of 6.
    input.stopLevel = 6;
    print(context, RepeatReport::linesFor(input, MessageTable()));
    return Cli::Success;
}
