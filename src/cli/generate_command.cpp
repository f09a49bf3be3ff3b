// generate: one generation run without a window, on the same engine as "Tipps berechnen".
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/sheet_evaluation.h"
#include "app/message_table.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"

#include <climits>

namespace {
using Cli::Problem;

const QString LockFormat = QStringLiteral("--lock takes R=n1,n2,n3,n4,n5[,MB] with R 1..12, numbers 1..75, "
                                          "MB 1..15 (a value may be left empty): %1");

// "R=n1,n2,n3,n4,n5,MB": row R locked with those fields; an empty value is an empty field.
std::optional<Problem> parseLock(const QString &text, std::array<SheetRow, TipRows::RowCount> &sheet)
{
    const Problem bad{Cli::UsageError, LockFormat.arg(text)};
    const QStringList sides = text.split(QLatin1Char('='));
    const std::optional<int> row = sides.size() == 2 ? Cli::parseInteger(sides[0]) : std::nullopt;
    if (!row || *row < 1 || *row > TipRows::RowCount)
        return bad;
    const QStringList values = sides[1].split(QLatin1Char(','));
    if (values.size() != TipRows::MainFields && values.size() != TipRows::MainFields + 1)
        return bad;
    SheetRow &target = sheet[size_t(*row - 1)];
    if (target.locked)
        return Problem{Cli::UsageError, QStringLiteral("row %1 is locked twice").arg(*row)};
    target.locked = true;
    for (int slot = 0; slot < values.size(); ++slot) {
        const QString &value = values[slot];
        const QString field = TipRows::normalized(value, TipRows::maximumFor(slot));
        if (!value.isEmpty() && field.isEmpty())
            return bad;
        target.texts[size_t(slot)] = field;
    }
    // A locked row is played as it stands: like the sheet, it holds a main number once.
    if (const auto repeat = TipRows::firstRepeat(target.texts))
        return Problem{Cli::UsageError,
            QStringLiteral("--lock %1: the number %2 stands twice in the row").arg(text).arg(repeat->number)};
    return std::nullopt;
}

QString rowLine(int row, const TipRowTexts &texts)
{
    QStringList parts;
    for (int slot = 0; slot <= TipRows::MegaballSlot; ++slot)
        parts << (texts[size_t(slot)].isEmpty() ? QStringLiteral("-") : texts[size_t(slot)]);
    return QString::number(row) + QStringLiteral(": ") + parts.join(QLatin1Char(' '));
}
} // namespace

int CliCommands::generate(Cli::Context &context, const QStringList &args)
{
    const QString usageLine = QStringLiteral("generate [--seed N] [--from DATE] [--end DATE] [--rows N] [--defaults] "
                                             "[--set NAME=VALUE]... [--lock R=n1,n2,n3,n4,n5,MB]...");
    Cli::Arguments arguments(args);
    std::optional<int> seed;
    std::optional<int> rows;
    GenerationRequest request;
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seed"), INT_MIN, INT_MAX, seed))
        return Cli::report(context, *problem, usageLine);
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--rows"), 1, TipRows::RowCount, rows))
        return Cli::report(context, *problem, usageLine);
    for (const QString &lock : arguments.takeAll(QStringLiteral("--lock")))
        if (auto problem = parseLock(lock, request.sheet))
            return Cli::report(context, *problem, usageLine);
    Cli::RunInput input;
    if (auto problem = Cli::prepareRun(context, arguments, input))
        return Cli::report(context, *problem, usageLine);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error(), usageLine);

    request.draws = input.draws;
    request.start = input.start;
    request.end = input.end;
    request.settings = input.settings;
    if (rows)
        request.settings.setUpDown(8, *rows);
    request.attemptLimit = request.settings.attemptLimit();
    RandomSource random;
    if (seed)
        random.setSeed(*seed);
    else
        random.seedFromCounter();
    const MessageTable messages;
    const GenerationOutcome outcome = GenerationRun(request, random, messages).run();
    // The sheet as the window shows it after the run: the closing evaluation against
    // reference 1 sorts every complete row, the locked ones too.
    TipSheetTexts sheet;
    for (size_t row = 0; row < sheet.size(); ++row)
        sheet[row] = outcome.rows[row].texts();
    sheet = SheetEvaluation::of(sheet, outcome.references.reference(1)).sortedSheet(sheet);
    for (int row = 1; row <= TipRows::RowCount; ++row)
        context.out << rowLine(row, sheet[size_t(row - 1)]) << '\n';
    context.out << "status: " << messages.text(outcome.status) << '\n';
    context.out << "attempts: " << outcome.attempts << '\n';
    return Cli::Success;
}
