// tiplist and script: the printable list and the filled click script of a tip file, as
// the window would write them, printed instead of written.
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/sheet_evaluation.h"
#include "app/clock.h"
#include "app/message_table.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "output/click_script.h"
#include "output/tip_list.h"
#include "tipsheet/tip_file.h"

#include <QRegularExpression>

namespace {
void printLines(QTextStream &out, const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : std::as_const(lines))
        out << line << '\n';
}
} // namespace

int CliCommands::tiplist(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    QDate date;
    if (auto problem = Cli::takeDate(arguments, QStringLiteral("--date"), Clock::today(), date))
        return Cli::report(context, *problem);
    const QStringList files = arguments.positionals();
    if (arguments.hasError() || files.size() != 1)
        return Cli::usage(context, arguments.error());

    // Loading into an empty sheet: locks play no part, every row takes its line. Where the
    // window clears a repeated number and says so, a list must not leave out what was
    // asked for: a line with a main number twice ends the command.
    // The rows take the numbers of the shown draw's format.
    const MessageTable messages;
    const Games::GameFormat *format = nullptr;
    const auto picked = Cli::shownDrawFor(context, date, &format);
    if (!picked)
        return context.failWith(picked.error());
    const Draw &shown = *picked;
    const auto loaded = TipFile::load(files[0], messages, *format);
    if (!loaded)
        return context.failWith(loaded.error());
    if (!loaded->repeats.empty()) {
        for (const TipFile::LineRepeat &repeat : loaded->repeats)
            context.err << TipFile::repeatMessage(files[0], repeat, messages) << '\n';
        context.err.flush();
        return Cli::Failure;
    }

    // The evaluation after loading sorts the main numbers of every complete row; the
    // end-date picker then holds the shown draw's date, which decides the play date.
    const TipSheetTexts sheet = SheetEvaluation::of(loaded->sheet, shown).sortedSheet(loaded->sheet);
    const auto lines = TipList::lines(sheet, messages, TipList::playDate(shown.date, shown.date));
    if (!lines)
        return context.failWith(lines.error());
    for (const QString &line : *lines)
        context.out << line << '\n';
    return Cli::Success;
}

int CliCommands::script(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    GenerationSettings settings = GenerationSettings::defaults();
    if (auto problem = Cli::takeSettings(arguments, settings))
        return Cli::report(context, *problem);
    const QStringList files = arguments.positionals();
    if (arguments.hasError() || files.size() != 2)
        return Cli::usage(context, arguments.error());

    const auto filled = ClickScript::fill(files[0], files[1], ScriptOptions::from(settings), MessageTable());
    if (!filled)
        return context.failWith(filled.error());
    printLines(context.out, filled->text);
    return Cli::Success;
}
