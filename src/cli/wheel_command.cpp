// wheel: a row set over chosen numbers with a checked guarantee, printed one row per
// line for scripts, with what it guarantees, what it costs and its chances beside random
// rows; or the check of the rows of any tip file.
#include "cli/cli.h"
#include "cli/run_input.h"

#include "analysis/prize_classes.h"
#include "app/settings_store.h"
#include "app/text_file.h"
#include "app/text_formats.h"
#include "history/backtest_yardstick.h"
#include "tipsheet/tip_file.h"
#include "wheels/wheel_report.h"

#include <QFile>
#include <QRegularExpression>

#include <climits>
#include <cmath>

namespace {
using Cli::Problem;
using Wheels::Guarantee;

std::optional<Problem> takeList(Cli::Arguments &arguments, const QString &option, std::vector<int> &values)
{
    const std::optional<QString> text = arguments.takeValue(option);
    if (!text)
        return std::nullopt;
    for (const QString &part : text->split(QLatin1Char(','))) {
        const std::optional<int> value = Cli::parseInteger(part);
        if (!value)
            return Problem{Cli::UsageError,
                QStringLiteral("%1 takes whole numbers separated by commas, not %2").arg(option, *text)};
        values.push_back(*value);
    }
    return std::nullopt;
}

std::optional<Problem> takeGuarantee(Cli::Arguments &arguments, std::optional<Guarantee> &guarantee)
{
    const std::optional<QString> text = arguments.takeValue(QStringLiteral("--guarantee"));
    if (!text)
        return std::nullopt;
    static const QRegularExpression shape(QStringLiteral("^([0-9])/([0-9])$"));
    const QRegularExpressionMatch match = shape.match(*text);
    if (!match.hasMatch())
        return Problem{Cli::UsageError, QStringLiteral("--guarantee takes T/P such as 3/4, not %1").arg(*text)};
    guarantee = Guarantee{match.captured(1).toInt(), match.captured(2).toInt()};
    return std::nullopt;
}

// The game format of --game, else that of the newest stored draw; a wheel needs no
// draws, so without a readable draw file it is the classic one. Its price is the stored
// one in the classic format and the format's own in the others.
WheelFormat currentFormat(const Cli::Context &context, QString &price)
{
    const Games::GameFormat *game = context.game;
    if (!game) {
        std::vector<Draw> draws;
        if (Cli::readHistory(context, draws, game))
            game = &Games::classic();
    }
    price = QStringLiteral("1,00");
    if (const auto store = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::Program, false))
        if (const auto stored = store->readString(QStringLiteral("EINPREIS")); stored && stored->has_value())
            price = **stored;
    if (game != &Games::classic())
        price = TextFormats::number(game->priceCents / 100.0, 2);
    return WheelFormat{game->mainMax, game->megaballMax, parseTicketPrice(price).value_or(0)};
}

QString rowText(const WheelRow &row)
{
    QStringList fields;
    for (const int n : row.numbers)
        fields << QString::number(n);
    if (row.megaball > 0)
        fields << QString::number(row.megaball);
    return fields.join(QLatin1Char(' '));
}

QString oneIn(double chance)
{
    if (chance <= 0)
        return QStringLiteral("never");
    const double x = 1 / chance;
    return QStringLiteral("1 in ")
        + (x >= 100 ? TextFormats::integer(qint64(std::llround(x))) : TextFormats::number(x, 2));
}

QString guaranteeLine(int v, Guarantee g)
{
    return QStringLiteral("guarantee: %1 verified for all %2 sets of %3 of the %4 numbers")
        .arg(g.text())
        .arg(Wheels::binomial(v, g.drawn))
        .arg(g.drawn)
        .arg(v);
}

// "rows: N", the verified guarantee, the cost, the table and the chances per class.
void printReport(Cli::Context &context, const Wheels::WheelReport &report, const QString &price, int v, Guarantee g)
{
    QTextStream &out = context.out;
    out << "rows: " << report.rows << '\n';
    out << guaranteeLine(v, g) << '\n';
    if (report.cost > 0 || parseTicketPrice(price))
        out << "cost: " << TextFormats::number(report.cost, 2) << " $ (" << report.rows << " rows at " << price
            << " $)\n";
    else
        out << "cost: unknown, the ticket price \"" << price << "\" is no price\n";
    for (size_t m = 0; m < report.table.size(); ++m) {
        out << "drawn " << m << " of the " << v << ":";
        for (size_t h = 0; h < report.table[m].size(); ++h) {
            const Wheels::HitRange &range = report.table[m][h];
            out << (h == 0 ? " " : ", ") << (h + Wheels::FirstTableHits) << " hits in " << range.least << " to "
                << range.most << " rows";
        }
        out << '\n';
    }
    if (!report.withMegaball)
        out << "megaball: not on every row, the chances count the main numbers alone\n";
    for (const Wheels::ClassChance &c : report.chances) {
        QString label;
        if (report.withMegaball) {
            const PrizeClasses::Class prize = PrizeClasses::classOf(c.hits, c.megaball);
            if (!PrizeClasses::wins(prize))
                continue;
            label = PrizeClasses::label(prize);
        } else {
            if (c.hits < Wheels::FirstTableHits)
                continue;
            label = QString::number(c.hits);
        }
        out << "class " << label << ": wheel " << oneIn(c.wheel()) << ", as many random rows " << oneIn(c.random)
            << '\n';
    }
}

// The rows of a tip file, each of the chosen numbers only; any number of lines.
Result<std::vector<WheelRow>> readRows(const QString &path, const std::vector<int> &numbers, int largestMegaball)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QStringList lines = TextFile::decodeLines(file.readAll());
    std::vector<WheelRow> rows;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const auto where = [&](const QString &problem) {
            return fail(QStringLiteral("%1 line %2: %3").arg(path).arg(i + 1).arg(problem));
        };
        const TipRowTexts fields = TipFile::splitLine(lines[i], TipFile::SeventhField::Rest);
        WheelRow row;
        for (int slot = 0; slot < Wheels::RowSize; ++slot) {
            const std::optional<int> n = TipRows::toInteger(fields[size_t(slot)]);
            if (!n)
                return where(QStringLiteral("the %1. number is missing or no number").arg(slot + 1));
            if (std::find(numbers.begin(), numbers.end(), *n) == numbers.end())
                return where(QStringLiteral("%1 is not one of the numbers").arg(*n));
            if (std::find(row.numbers.begin(), row.numbers.begin() + slot, *n) != row.numbers.begin() + slot)
                return where(QStringLiteral("%1 stands twice in the row").arg(*n));
            row.numbers[size_t(slot)] = *n;
        }
        std::sort(row.numbers.begin(), row.numbers.end());
        if (!fields[TipRows::MegaballSlot].isEmpty()) {
            const std::optional<int> megaball = TipRows::toInteger(fields[TipRows::MegaballSlot]);
            if (!megaball || *megaball < 1 || *megaball > largestMegaball)
                return where(QStringLiteral("the Megaball must lie in 1..%1").arg(largestMegaball));
            row.megaball = *megaball;
        }
        rows.push_back(row);
    }
    return rows;
}

QString setText(const std::vector<int> &numbers, Wheels::Mask set)
{
    QStringList texts;
    for (Wheels::Mask m = set; m != 0; m &= m - 1)
        texts << QString::number(numbers[size_t(__builtin_ctz(m))]);
    return texts.join(QLatin1Char(' '));
}

int refuse(Cli::Context &context, const WheelRefusal &refusal)
{
    context.err << refusal.message;
    if (refusal.offer)
        context.err << "; possible: --guarantee " << refusal.offer->hits << '/' << refusal.offer->drawn;
    context.err << Qt::endl;
    return Cli::Failure;
}

int checkRows(Cli::Context &context, const QString &path, WheelRequest request)
{
    QString price;
    const WheelFormat format = currentFormat(context, price);
    // The check uses the request's own rules for the numbers and the guarantee.
    if (const auto refusal = Wheels::refusalFor(request, format))
        return refuse(context, *refusal);
    const auto rows = readRows(path, request.numbers, format.largestMegaball);
    if (!rows)
        return context.failWith(rows.error());
    std::vector<int> numbers = request.numbers;
    std::sort(numbers.begin(), numbers.end());
    std::vector<Wheels::Mask> masks;
    for (const WheelRow &row : *rows) {
        Wheels::Mask mask = 0;
        for (const int n : row.numbers)
            mask |= Wheels::Mask(1) << (std::lower_bound(numbers.begin(), numbers.end(), n) - numbers.begin());
        masks.push_back(mask);
    }
    const int v = int(numbers.size());
    const Guarantee g = request.guarantee;
    if (Wheels::verificationWork(v, g, std::int64_t(rows->size())) > Wheels::WorkBound)
        return context.failWith(QStringLiteral("checking %1 rows for \"%2\" on %3 numbers takes more than %4 checks")
                                    .arg(rows->size())
                                    .arg(g.text())
                                    .arg(v)
                                    .arg(TextFormats::integer(Wheels::WorkBound)));
    if (const auto gap = Wheels::firstUncovered(v, masks, g)) {
        context.out << "rows: " << rows->size() << '\n';
        context.out << "not covered: " << setText(numbers, *gap) << '\n';
        context.err << "the guarantee \"" << g.text() << "\" does not hold: no row holds " << g.hits << " of "
                    << setText(numbers, *gap) << Qt::endl;
        return Cli::Failure;
    }
    printReport(context, Wheels::reportOf(numbers, *rows, format), price, v, g);
    return Cli::Success;
}
} // namespace

int CliCommands::wheel(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    WheelRequest request;
    std::optional<Guarantee> guarantee;
    std::optional<int> seed;
    if (auto problem = takeList(arguments, QStringLiteral("--numbers"), request.numbers))
        return Cli::report(context, *problem);
    if (auto problem = takeGuarantee(arguments, guarantee))
        return Cli::report(context, *problem);
    if (auto problem = takeList(arguments, QStringLiteral("--key"), request.keys))
        return Cli::report(context, *problem);
    if (auto problem = takeList(arguments, QStringLiteral("--megaball"), request.megaballs))
        return Cli::report(context, *problem);
    if (auto problem = Cli::takeBoundedInteger(arguments, QStringLiteral("--seed"), 0, INT_MAX, seed))
        return Cli::report(context, *problem);
    const bool eachMegaball = arguments.takeFlag(QStringLiteral("--each-megaball"));
    const std::optional<QString> out = arguments.takeValue(QStringLiteral("--out"));
    const std::optional<QString> checked = arguments.takeValue(QStringLiteral("--check"));
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());
    if (request.numbers.empty() || !guarantee)
        return Cli::usage(context, QStringLiteral("--numbers and --guarantee are required"));
    if (eachMegaball && request.megaballs.empty())
        return Cli::usage(context, QStringLiteral("--each-megaball needs --megaball"));
    if (checked && (seed || out || eachMegaball || !request.keys.empty() || !request.megaballs.empty()))
        return Cli::usage(context, QStringLiteral("--check takes only --numbers and --guarantee"));
    request.guarantee = *guarantee;
    request.seed = std::uint64_t(seed.value_or(1));
    request.megaballPlay = eachMegaball ? MegaballPlay::EveryRow : MegaballPlay::Cycle;
    if (checked)
        return checkRows(context, *checked, request);

    QString price;
    const WheelFormat format = currentFormat(context, price);
    if (const auto refusal = Wheels::refusalFor(request, format))
        return refuse(context, *refusal);
    Wheels::SearchOptions options;
    options.budget = std::chrono::seconds(30);
    const Wheel wheel = Wheels::build(request, format, options);
    if (!wheel.verified)
        return context.failWith(
            QStringLiteral("no set of rows was found that keeps \"%1\"").arg(wheel.guarantee.text()));
    if (out) {
        std::vector<TipRowTexts> lines;
        for (const WheelRow &row : wheel.rows) {
            TipRowTexts fields;
            for (int slot = 0; slot < Wheels::RowSize; ++slot)
                fields[size_t(slot)] = QString::number(row.numbers[size_t(slot)]);
            if (row.megaball > 0)
                fields[TipRows::MegaballSlot] = QString::number(row.megaball);
            lines.push_back(fields);
        }
        if (auto saved = TipFile::saveRows(*out, lines); !saved)
            return context.failWith(saved.error());
    }
    for (const WheelRow &row : wheel.rows)
        context.out << rowText(row) << '\n';
    const int v = int(wheel.numbers.size());
    printReport(context, Wheels::reportOf(wheel.numbers, wheel.rows, format), price, v, wheel.guarantee);
    context.out << "search: " << wheel.mainRows.size() << " rows, greedy " << wheel.greedyRows << ", lower bound "
                << Wheels::lowerBound(v, wheel.guarantee);
    switch (wheel.end) {
    case Wheels::SearchEnd::LowerBound:
        context.out << ", as few as can be";
        break;
    case Wheels::SearchEnd::Budget:
        context.out << ", stopped at the time budget (another run may differ)";
        break;
    default:
        break;
    }
    if (wheel.fromKnownDesign)
        context.out << ", a shipped design";
    context.out << '\n';
    return Cli::Success;
}
