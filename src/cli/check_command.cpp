// check: one tip row against the draw the window would show for a date.
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/hit_rule.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"

int CliCommands::check(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const QStringList values = arguments.positionals();
    if (arguments.hasError() || values.size() != 7)
        return Cli::usage(context, arguments.error());
    const QDate date = QDate::fromString(values[0], Qt::ISODate);
    if (!date.isValid())
        return Cli::usage(context, QStringLiteral("invalid date %1").arg(values[0]));

    const Games::GameFormat *format = nullptr;
    const auto picked = Cli::shownDrawFor(context, date, &format);
    if (!picked)
        return context.failWith(picked.error());
    const Draw &draw = *picked;
    // The numbers go through the sheet's own validation in the draw's format: a value out
    // of range is an empty field, which ends the comparison there.
    TipRowTexts row;
    for (int slot = 0; slot < 6; ++slot)
        row[size_t(slot)] = TipRows::normalized(values[slot + 1], TipRows::maximumFor(slot, *format));
    const HitResult hit = HitRule::zettelcheck(row, draw);
    context.out << "draw: " << DrawText::listLine(draw) << '\n';
    context.out << "hits: " << hit.hitCount << (hit.megaballHit ? " + MB" : "") << '\n';
    Cli::printFormatLine(context, *format);
    return Cli::Success;
}
