#include "cli/run_input.h"

#include "app/clock.h"
#include "app/settings_store.h"
#include "app/text_formats.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "generator/generation_settings_store.h"
#include "generator/option_conflicts.h"

#include <QRegularExpression>

namespace {
QString lockFormat(const Games::GameFormat &format)
{
    return QStringLiteral("--lock takes R=n1,n2,n3,n4,n5[,MB] with R 1..12, numbers 1..%1, MB 1..%2 (a value may "
                          "be left empty): %3")
        .arg(format.mainMax)
        .arg(format.megaballMax);
}

// "R=n1,n2,n3,n4,n5,MB": row R locked with those fields; an empty value is an empty field.
std::optional<Cli::Problem> parseLock(
    const QString &text, std::array<SheetRow, TipRows::RowCount> &sheet, const Games::GameFormat &format)
{
    const Cli::Problem bad{Cli::UsageError, lockFormat(format).arg(text)};
    const QStringList sides = text.split(QLatin1Char('='));
    const std::optional<int> row = sides.size() == 2 ? Cli::parseInteger(sides[0]) : std::nullopt;
    if (!row || *row < 1 || *row > TipRows::RowCount)
        return bad;
    const QStringList values = sides[1].split(QLatin1Char(','));
    if (values.size() != TipRows::MainFields && values.size() != TipRows::MainFields + 1)
        return bad;
    SheetRow &target = sheet[size_t(*row - 1)];
    if (target.locked)
        return Cli::Problem{Cli::UsageError, QStringLiteral("row %1 is locked twice").arg(*row)};
    target.locked = true;
    for (int slot = 0; slot < values.size(); ++slot) {
        const QString &value = values[slot];
        const QString field = TipRows::normalized(value, TipRows::maximumFor(slot, format));
        if (!value.isEmpty() && field.isEmpty())
            return bad;
        target.texts[size_t(slot)] = field;
    }
    // A locked row is played as it stands: like the sheet, it holds a main number once.
    if (const auto repeat = TipRows::firstRepeat(target.texts))
        return Cli::Problem{Cli::UsageError,
            QStringLiteral("--lock %1: the number %2 stands twice in the row").arg(text).arg(repeat->number)};
    return std::nullopt;
}

std::optional<QDate> parseDate(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!shape.match(text).hasMatch() || !date.isValid())
        return std::nullopt;
    return date;
}
} // namespace

std::optional<Cli::Problem> Cli::takeSettings(Arguments &arguments, GenerationSettings &settings, QString *ticketPrice)
{
    if (!arguments.takeFlag(QStringLiteral("--defaults"))) {
        const auto store = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::Program, false);
        if (store) {
            settings = GenerationSettingsStore::read(*store).settings;
            if (const auto price = store->readString(QStringLiteral("EINPREIS")); price && price->has_value())
                if (ticketPrice)
                    *ticketPrice = **price;
        }
    }
    for (const QString &assignment : arguments.takeAll(QStringLiteral("--set"))) {
        const QStringList parts = assignment.split(QLatin1Char('='));
        const std::optional<int> value = parts.size() == 2 ? Cli::parseInteger(parts[1]) : std::nullopt;
        if (!value)
            return Cli::Problem{Cli::UsageError, QStringLiteral("--set takes NAME=VALUE, not %1").arg(assignment)};
        if (auto set = settings.setByValueName(parts[0], *value); !set)
            return Cli::Problem{Cli::Failure, set.error()};
    }
    return std::nullopt;
}

namespace {
std::optional<Cli::Problem> readSettingsAndHistory(
    const Cli::Context &context, Cli::Arguments &arguments, Cli::RunInput &input)
{
    input.settings = GenerationSettings::defaults();
    if (auto problem = Cli::takeSettings(arguments, input.settings, &input.ticketPrice))
        return problem;
    if (auto problem = Cli::readHistory(context, input.draws, input.format))
        return problem;
    const Games::GameFormat &format = *input.format;
    // Stored options made for wider ranges are brought into this format's, and said so.
    QStringList changes;
    input.settings = GenerationOptions::clampedTo(input.settings, format, &changes);
    for (const QString &change : std::as_const(changes))
        context.err << change << '\n';
    if (&format != &Games::classic())
        input.ticketPrice = TextFormats::number(format.priceCents / 100.0, 2);
    return std::nullopt;
}
} // namespace

std::optional<Cli::Problem> Cli::readHistory(
    const Context &context, std::vector<Draw> &draws, const Games::GameFormat *&format)
{
    auto stored = DrawStore(context.storePath()).readAll();
    if (!stored)
        return Problem{Failure, stored.error()};
    format = &context.formatFor(*stored);
    draws = Games::drawsOf(*stored, *format);
    return std::nullopt;
}

void Cli::printFormatLine(const Context &context, const Games::GameFormat &format)
{
    if (&format != &Games::classic())
        context.out << "format: " << format.id << " (" << format.name << ")\n";
}

std::optional<int> Cli::parseInteger(const QString &text)
{
    return TextFormats::parseInteger(text.trimmed());
}

std::optional<Cli::Problem> Cli::takeDate(Arguments &arguments, const QString &option, QDate fallback, QDate &date)
{
    const std::optional<QString> text = arguments.takeValue(option);
    if (!text) {
        date = fallback;
        return std::nullopt;
    }
    const std::optional<QDate> parsed = parseDate(*text);
    if (!parsed)
        return Problem{UsageError, QStringLiteral("%1: not a date YYYY-MM-DD: %2").arg(option, *text)};
    date = *parsed;
    return std::nullopt;
}

std::optional<Cli::Problem> Cli::prepareRun(const Context &context, Arguments &arguments, RunInput &input)
{
    if (auto problem = takeDate(arguments, QStringLiteral("--from"), QDate(), input.start))
        return problem;
    if (auto problem = takeDate(arguments, QStringLiteral("--end"), Clock::today(), input.end))
        return problem;
    if (auto problem = readSettingsAndHistory(context, arguments, input))
        return problem;
    if (!input.start.isValid())
        input.start = input.format->first;
    input.references = findReferenceDraws(input.draws, input.end);
    return std::nullopt;
}

std::optional<Cli::Problem> Cli::prepareHistory(const Context &context, Arguments &arguments, RunInput &input)
{
    if (auto problem = takeDate(arguments, QStringLiteral("--from"), QDate(), input.start))
        return problem;
    if (auto problem = readSettingsAndHistory(context, arguments, input))
        return problem;
    if (!input.start.isValid())
        input.start = input.format->first;
    return std::nullopt;
}

int Cli::report(const Context &context, const Problem &problem)
{
    if (problem.code == UsageError)
        return usage(context, problem.message);
    return context.failWith(problem.message);
}

std::optional<Cli::Problem> Cli::takeLocks(
    Arguments &arguments, std::array<SheetRow, TipRows::RowCount> &sheet, const Games::GameFormat &format)
{
    for (const QString &lock : arguments.takeAll(QStringLiteral("--lock")))
        if (auto problem = parseLock(lock, sheet, format))
            return problem;
    return std::nullopt;
}

std::optional<Cli::Problem> Cli::contradictions(const GenerationSettings &settings,
    const std::array<SheetRow, TipRows::RowCount> &sheet, const MessageTable &messages)
{
    const QStringList conflicts = OptionConflicts::find(settings, sheet, messages);
    if (conflicts.isEmpty())
        return std::nullopt;
    return Problem{Failure, OptionConflicts::message(conflicts, messages)};
}

Result<Draw> Cli::shownDrawFor(const Context &context, QDate date, const Games::GameFormat **format)
{
    auto stored = DrawStore(context.storePath()).readAll();
    if (!stored)
        return fail(stored.error());
    const std::vector<Draw> draws = context.game ? Games::drawsOf(*stored, *context.game) : std::move(stored).value();
    const DrawPick::Pick pick = DrawPick::forDate(draws, date);
    if (pick.index < 0)
        return fail(context.game ? QStringLiteral("the draw store holds no draws of %1").arg(context.game->id)
                                 : QStringLiteral("the draw store holds no draws"));
    const Draw &draw = draws[size_t(pick.index)];
    if (format)
        *format = context.game ? context.game : &Games::forDate(draw.date);
    return draw;
}

std::optional<Cli::Problem> Cli::takeBoundedInteger(
    Arguments &arguments, const QString &option, int minimum, int maximum, std::optional<int> &value)
{
    const std::optional<QString> text = arguments.takeValue(option);
    if (!text)
        return std::nullopt;
    value = parseInteger(*text);
    if (!value || *value < minimum || *value > maximum)
        return Problem{UsageError,
            QStringLiteral("%1 takes a whole number from %2 to %3, not %4")
                .arg(option)
                .arg(minimum)
                .arg(maximum)
                .arg(*text)};
    return std::nullopt;
}

std::optional<Cli::Problem> Cli::prepareBacktest(
    const Context &context, Arguments &arguments, BacktestInput &input, int seed)
{
    RunInput run;
    if (auto problem = prepareHistory(context, arguments, run))
        return problem;
    if (auto problem = takeLocks(arguments, input.sheet, *run.format))
        return problem;
    input.draws = std::move(run.draws);
    input.settings = run.settings;
    input.statisticsStart = run.start;
    input.today = Clock::today();
    input.seed = seed;
    input.ticketPrice = run.ticketPrice;
    input.format = run.format;
    return std::nullopt;
}
