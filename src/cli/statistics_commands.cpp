// stats, pool and filter: the chart counts, the candidate pool and the acceptance tests
// of a generation run from the command line.
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/draw_statistics.h"
#include "app/clock.h"
#include "app/message_table.h"
#include "app/text_formats.h"
#include "draws/draw_store.h"
#include "generator/candidate_pool.h"
#include "generator/row_filters.h"

#include <algorithm>
#include <array>

namespace {
using DrawStatistics::ChartKind;

using Cli::Problem;
using Cli::RunInput;

struct ChartName {
    const char *name;
    ChartKind kind;
};
constexpr std::array ChartNames{
    ChartName{"numbers", ChartKind::NumberDistribution},
    ChartName{"pairs", ChartKind::Pairs},
    ChartName{"triples", ChartKind::Triples},
    ChartName{"quads", ChartKind::Quads},
    ChartName{"overdue", ChartKind::Overdue},
    ChartName{"sums", ChartKind::SumDistribution},
    ChartName{"megaball", ChartKind::MegaballFrequency},
    ChartName{"megaball-overdue", ChartKind::MegaballOverdue},
};

QString drawNumbers(const Draw &draw)
{
    QStringList parts;
    for (int n : draw.numbers)
        parts << QString::number(n);
    parts << QString::number(draw.megaball);
    return parts.join(QLatin1Char(' '));
}

// "n1,n2,n3,n4,n5": a placed row; 0 stands for an empty field.
std::optional<MainNumberSet> parseRow(const QString &text, const Games::GameFormat &format)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != Game::MainCount)
        return std::nullopt;
    std::vector<int> numbers;
    for (const QString &part : parts) {
        const std::optional<int> n = Cli::parseInteger(part);
        if (!n || *n < 0 || *n > format.mainMax)
            return std::nullopt;
        numbers.push_back(*n);
    }
    return MainNumberSet::of(numbers);
}

std::optional<Problem> parseCandidate(
    const QStringList &values, CandidateRow &candidate, const Games::GameFormat &format)
{
    std::vector<int> numbers;
    for (const QString &text : values) {
        const std::optional<int> n = Cli::parseInteger(text);
        if (!n)
            return Problem{Cli::UsageError, QStringLiteral("not a number: %1").arg(text)};
        numbers.push_back(*n);
    }
    candidate.megaball = numbers.back();
    numbers.pop_back();
    std::sort(numbers.begin(), numbers.end());
    const bool inRange = numbers.front() >= 1 && numbers.back() <= format.mainMax;
    if (!inRange || std::adjacent_find(numbers.begin(), numbers.end()) != numbers.end())
        return Problem{Cli::Failure,
            QStringLiteral("the main numbers must be five different numbers from 1 to %1").arg(format.mainMax)};
    if (candidate.megaball < 0 || candidate.megaball > format.megaballMax)
        return Problem{Cli::Failure, QStringLiteral("the Megaball must be 0 to %1").arg(format.megaballMax)};
    std::copy(numbers.begin(), numbers.end(), candidate.numbers.begin());
    return std::nullopt;
}
} // namespace

int CliCommands::stats(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    StatisticsWindow window;
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--from"), QDate(), window.start))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--to"), Clock::today(), window.end))
        return Cli::report(context, *problem);
    const QStringList positionals = arguments.positionals();
    if (arguments.hasError() || positionals.size() != 1)
        return Cli::usage(context, arguments.error());
    const auto named = std::find_if(ChartNames.begin(), ChartNames.end(),
        [&](const ChartName &chart) { return positionals[0] == QLatin1String(chart.name); });
    if (named == ChartNames.end())
        return Cli::usage(context, QStringLiteral("unknown statistic: %1").arg(positionals[0]));

    std::vector<Draw> draws;
    if (auto problem = Cli::readHistory(context, draws, window.format))
        return Cli::report(context, *problem);
    if (!window.start.isValid())
        window.start = window.format->first;
    const DrawStatistics::ChartResult chart = DrawStatistics::chart(named->kind, draws, window, MessageTable());
    for (const DrawStatistics::ChartPoint &point : chart.points)
        context.out << point.x << ' ' << point.y << '\n';
    // Without a draw in the range the chart keeps its previous title; a fresh one has none.
    context.out << "title: " << chart.bottomTitle.value_or(QString()) << '\n';
    Cli::printFormatLine(context, *window.format);
    return Cli::Success;
}

int CliCommands::pool(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    RunInput input;
    if (auto problem = Cli::prepareRun(context, arguments, input))
        return Cli::report(context, *problem);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());

    const CandidatePool pool = buildCandidatePool({input.draws, input.start, input.references, {}, input.format},
        input.settings, MessageTable(), [&](const QString &text) { context.err << text << '\n'; });
    for (int k = 1; k <= 3; ++k) {
        const Draw &draw = input.references.reference(k);
        context.out << "reference " << k << ": " << TextFormats::isoDate(draw.date) << ' ' << drawNumbers(draw) << '\n';
    }
    QStringList entries;
    for (int entry : pool.entries())
        entries << QString::number(entry);
    context.out << "pool: " << entries.join(QLatin1Char(' ')) << '\n';
    context.out << "count: " << pool.size() << '\n';
    Cli::printFormatLine(context, *input.format);
    return Cli::Success;
}

int CliCommands::filter(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    RunInput input;
    if (auto problem = Cli::prepareRun(context, arguments, input))
        return Cli::report(context, *problem);
    std::vector<MainNumberSet> placedRows;
    for (const QString &text : arguments.takeAll(QStringLiteral("--row"))) {
        const std::optional<MainNumberSet> row = parseRow(text, *input.format);
        if (!row)
            return context.failWith(QStringLiteral("--row takes five numbers 0..%1 separated by commas: %2")
                                        .arg(input.format->mainMax)
                                        .arg(text));
        placedRows.push_back(*row);
    }
    const QStringList positionals = arguments.positionals();
    if (arguments.hasError() || positionals.size() != Game::MainCount + 1)
        return Cli::usage(context, arguments.error());
    CandidateRow candidate;
    if (auto problem = parseCandidate(positionals, candidate, *input.format))
        return Cli::report(context, *problem);

    RowFilters filters(input.draws, input.start, input.references);
    const FilterTest result = filters.check(candidate, placedRows, input.settings);
    if (result == FilterTest::Accepted)
        context.out << "accepted\n";
    else
        context.out << "rejected: " << filterTestName(result) << '\n';
    Cli::printFormatLine(context, *input.format);
    return Cli::Success;
}
