// What the commands around a generation run share: reading the history, the start and
// end dates and the generation options (stored, or the design defaults, with --set
// overrides), and reporting a problem as a usage error or a failure.
#pragma once

#include "app/result.h"
#include "cli/cli.h"
#include "generator/generation_options.h"
#include "generator/generation_run.h"
#include "generator/reference_draws.h"
#include "history/backtest.h"

#include <QDate>

class MessageTable;

#include <optional>
#include <vector>

namespace Cli {

// An input that does not parse is a usage error; one that parses but is refused by the
// computation is a failed operation.
struct Problem {
    int code;
    QString message;
};

std::optional<int> parseInteger(const QString &text);
// The date after `option` (YYYY-MM-DD), or `fallback` when the option is absent.
std::optional<Problem> takeDate(Arguments &arguments, const QString &option, QDate fallback, QDate &date);

struct RunInput {
    const Games::GameFormat *format = &Games::classic(); // --game, else the newest draw's
    std::vector<Draw> draws; // the stored draws of that format
    QDate start; // --from
    QDate end; // --end, before it moves to reference 1
    ReferenceDraws references;
    GenerationSettings settings; // clamped to the format's ranges
    // "EINPREIS", stored or the default; the format's own price outside the classic format.
    QString ticketPrice = QStringLiteral("1,00");
};

// The stored draws of the command's format (Context::formatFor) and that format.
std::optional<Problem> readHistory(const Context &context, std::vector<Draw> &draws, const Games::GameFormat *&format);
// "format: mm-2025 (5/70 + 1/24)" as a line of its own; none for the classic format, whose
// output stays as it always was.
void printFormatLine(const Context &context, const Games::GameFormat &format);

// Takes --defaults (the design defaults instead of the stored options) and each
// --set NAME=VALUE, applied over `settings`.
std::optional<Problem> takeSettings(Arguments &arguments, GenerationSettings &settings, QString *ticketPrice = nullptr);

// Takes --from (default: the first draw of the format), --end, --defaults and --set,
// then reads the history of the format.
std::optional<Problem> prepareRun(const Context &context, Arguments &arguments, RunInput &input);
// The same without --end (and without reference draws).
std::optional<Problem> prepareHistory(const Context &context, Arguments &arguments, RunInput &input);
int report(const Context &context, const Problem &problem);
// The whole number after `option` within minimum..maximum, left unset when the option
// is absent; anything else is a usage error.
std::optional<Problem> takeBoundedInteger(
    Arguments &arguments, const QString &option, int minimum, int maximum, std::optional<int> &value);

// Every --lock R=n1,n2,n3,n4,n5[,MB]: row R locked with those fields (a value may be
// empty), in the ranges of `format`.
std::optional<Problem> takeLocks(Arguments &arguments, std::array<SheetRow, TipRows::RowCount> &sheet,
    const Games::GameFormat &format = Games::classic());
// What backtest and backtest-grid read alike: the history of the format with --from,
// --defaults and --set, then every --lock, into `input` with `seed` and today's date.
std::optional<Problem> prepareBacktest(const Context &context, Arguments &arguments, BacktestInput &input, int seed);
// A failure naming the options that exclude each other, as the window names them before
// a run; none when they agree.
std::optional<Problem> contradictions(const GenerationSettings &settings,
    const std::array<SheetRow, TipRows::RowCount> &sheet, const MessageTable &messages);

// The draw the window shows for `date` (the first on or after it, else the newest),
// read from the store; an error for an empty store. With --game only the draws of that
// format count; without, every draw, and `format` (when given) gets the picked draw's.
Result<Draw> shownDrawFor(const Context &context, QDate date, const Games::GameFormat **format = nullptr);
} // namespace Cli
