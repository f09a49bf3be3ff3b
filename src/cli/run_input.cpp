#include "cli/run_input.h"

#include "app/clock.h"
#include "app/settings_store.h"
#include "draws/draw_display.h"
#include "app/text_formats.h"
#include "draws/draw_store.h"
#include "generator/generation_settings_store.h"

#include <QRegularExpression>

namespace {
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
    auto draws = DrawStore(context.storePath()).readAll();
    if (!draws)
        return Cli::Problem{Cli::Failure, draws.error()};
    input.draws = std::move(draws).value();
    return std::nullopt;
}
} // namespace

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
    if (auto problem = takeDate(arguments, QStringLiteral("--from"), DefaultStart, input.start))
        return problem;
    if (auto problem = takeDate(arguments, QStringLiteral("--end"), Clock::today(), input.end))
        return problem;
    if (auto problem = readSettingsAndHistory(context, arguments, input))
        return problem;
    input.references = findReferenceDraws(input.draws, input.end);
    return std::nullopt;
}

std::optional<Cli::Problem> Cli::prepareHistory(const Context &context, Arguments &arguments, RunInput &input)
{
    if (auto problem = takeDate(arguments, QStringLiteral("--from"), DefaultStart, input.start))
        return problem;
    return readSettingsAndHistory(context, arguments, input);
}

int Cli::report(const Context &context, const Problem &problem, const QString &usageLine)
{
    if (problem.code == UsageError)
        return usage(context, problem.message, usageLine);
    return context.failWith(problem.message);
}

Result<Draw> Cli::shownDrawFor(const Context &context, QDate date)
{
    const auto draws = DrawStore(context.storePath()).readAll();
    if (!draws)
        return fail(draws.error());
    const DrawPick::Pick pick = DrawPick::forDate(*draws, date);
    if (pick.index < 0)
        return fail(QStringLiteral("the draw store holds no draws"));
    return (*draws)[size_t(pick.index)];
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
