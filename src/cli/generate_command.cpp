// generate: one generation run without a window, on the same engine as "Tipps berechnen".
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/sheet_evaluation.h"
#include "app/message_table.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"
#include "history/backtest_report.h"

#include <climits>

int CliCommands::generate(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    std::optional<int> seed;
    std::optional<int> rows;
    GenerationRequest request;
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seed"), INT_MIN, INT_MAX, seed))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--rows"), 1, TipRows::RowCount, rows))
        return Cli::report(context, *problem);
    Cli::RunInput input;
    if (auto problem = Cli::prepareRun(context, arguments, input))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeLocks(arguments, request.sheet, *input.format))
        return Cli::report(context, *problem);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());

    request.draws = input.draws;
    request.start = input.start;
    request.end = input.end;
    request.settings = input.settings;
    request.format = input.format;
    if (rows)
        request.settings.rowsToCompute = *rows;
    request.attemptLimit = request.settings.attemptLimit();
    RandomSource random;
    if (seed)
        random.setSeed(*seed);
    else
        random.seedFromCounter();
    const MessageTable messages;
    if (auto problem = Cli::contradictions(request.settings, request.sheet, messages))
        return Cli::report(context, *problem);
    const GenerationOutcome outcome = GenerationRun(request, random, messages).run();
    // The sheet as the window shows it after the run: the closing evaluation against
    // reference 1 sorts every complete row, the locked ones too.
    TipSheetTexts sheet;
    for (size_t row = 0; row < sheet.size(); ++row)
        sheet[row] = outcome.rows[row].texts();
    sheet = SheetEvaluation::of(sheet, outcome.references.reference(1)).sortedSheet(sheet);
    for (int row = 1; row <= TipRows::RowCount; ++row)
        context.out << BacktestReport::rowLine(row, sheet[size_t(row - 1)]) << '\n';
    context.out << "status: " << outcome.statusText(messages) << '\n';
    context.out << "attempts: " << outcome.attempts << '\n';
    Cli::printFormatLine(context, *input.format);
    return Cli::Success;
}
