#include "history/backtest_report.h"

#include "app/message_table.h"

namespace {
using PrizeClasses::Class;

const QString Tab = QStringLiteral("\t");
const QString NotAvailable = QStringLiteral("–");

QString row(const QStringList &cells)
{
    return cells.join(Tab);
}
} // namespace

QString BacktestReport::amount(double dollars)
{
    return ReportFormat().amount(dollars);
}

QString BacktestReport::percent(double value)
{
    return ReportFormat().percent(value);
}

QString BacktestReport::oneIn(const PrizeClasses::Odds &odds, const MessageTable &messages, const ReportFormat &format)
{
    // Long odds in whole numbers ("1 zu 258.890.850"), short ones with two decimals.
    return format.oneIn(messages.text(Msg::OneIn), odds.oneIn());
}

QString BacktestReport::range(std::int64_t low, std::int64_t high)
{
    return ReportFormat().range(low, high);
}

QString BacktestReport::rowLine(int row, const TipRowTexts &texts)
{
    QStringList parts;
    for (int slot = 0; slot <= TipRows::MegaballSlot; ++slot)
        parts << (texts[size_t(slot)].isEmpty() ? QStringLiteral("-") : texts[size_t(slot)]);
    return QString::number(row) + QStringLiteral(": ") + parts.join(QLatin1Char(' '));
}

QStringList BacktestReport::lockedRowsText(const std::vector<LockedRow> &rows, const MessageTable &messages)
{
    if (rows.empty())
        return {};
    QStringList lines{messages.text(Msg::LockedRowsKept)};
    for (const LockedRow &locked : rows)
        lines << rowLine(locked.row, locked.texts);
    return lines;
}

QStringList BacktestReport::documentedLines(const BacktestResult &result, const MessageTable &messages)
{
    const auto m = [&](Msg entry) { return messages.text(entry); };
    QStringList lines;
    lines << m(Msg::BacktestReportTitle) << QString();
    lines << m(Msg::AnzahlOhne) + QLatin1Char(' ') + m(Msg::Powerball) + Tab + QStringLiteral("1x ")
            + m(Msg::Powerball);
    for (int k = 0; k <= 5; ++k)
        lines << QString::number(k) + QLatin1Char('x') + Tab + QStringLiteral("=> ")
                + QString::number(result.sums.at(k, false)) + Tab + Tab + QStringLiteral("=> ")
                + QString::number(result.sums.at(k, true));
    lines << QString();
    lines << m(Msg::Ziehungen) + QStringLiteral(": ") + QString::number(result.passes) + m(Msg::MitJe)
            + QLatin1Char(' ') + QString::number(result.rowsPerPass) + m(Msg::Tipp) + QStringLiteral(" => ")
            + QString::number(qint64(result.passes) * result.rowsPerPass) + QLatin1Char(' ') + m(Msg::Reihen);
    return lines;
}

QStringList BacktestReport::lockedRowLines(const BacktestResult &result, const MessageTable &messages)
{
    const QStringList text = lockedRowsText(result.lockedRows, messages);
    return text.isEmpty() ? text : QStringList{QString()} + text;
}

QStringList BacktestReport::yardstickLines(const Yardstick &y, const MessageTable &messages, const ReportFormat &format)
{
    const auto m = [&](Msg entry) { return messages.text(entry); };
    const auto count = [&](std::int64_t n) { return format.integer(n); };
    const auto expected = [&](double value) { return format.number(value, 2); };
    const auto amountOf = [&](double dollars) { return format.amount(dollars); };
    const auto percentOf = [&](double value) { return format.percent(value); };
    const auto shareOf = [&](std::int64_t part) { return percentOf(100.0 * Yardstick::share(part, y.rows)); };
    const auto optionalAmount = [&](const std::optional<double> &d) { return d ? amountOf(*d) : NotAvailable; };
    const auto optionalPercent = [&](const std::optional<double> &v) { return v ? percentOf(*v) : NotAvailable; };

    QStringList lines;
    lines << QString() << m(Msg::YardstickTitle);
    lines << row({m(Msg::PrizeClass), m(Msg::Prize), m(Msg::SettingsRows), m(Msg::RandomRows), m(Msg::ChanceExpected),
        m(Msg::Range95), m(Msg::Probability)});
    for (const Yardstick::ClassLine &line : y.classes) {
        const Class c = line.prizeClass;
        const QString name = c == Class::NoPrize ? m(Msg::NoPrize) : PrizeClasses::label(c);
        const QString prize = PrizeClasses::isJackpot(c) ? m(Msg::Jackpot)
            : PrizeClasses::wins(c)                      ? amountOf(double(expectedPrizeDollars(c, *y.format)))
                                                         : QString();
        lines << row({name, prize, count(line.settings), count(line.baseline), expected(line.expected),
            format.range(line.range.low, line.range.high), oneIn(line.odds, messages, format)});
    }
    lines << row({m(Msg::Reihen), QString(), count(y.rows), count(y.rows), count(y.rows)});
    lines << row({m(Msg::WinningRows), QString(), count(y.settingsWinning), count(y.baselineWinning),
        expected(y.expectedWinning), format.range(y.winningRange.low, y.winningRange.high),
        oneIn(PrizeClasses::anyPrize(*y.format), messages, format)});
    lines << row({m(Msg::WinningShare), QString(), shareOf(y.settingsWinning), shareOf(y.baselineWinning),
        percentOf(100.0 * PrizeClasses::anyPrize(*y.format).probability()),
        shareOf(y.winningRange.low) + QStringLiteral(" – ") + shareOf(y.winningRange.high)});
    lines << row({m(Msg::WinningsWithoutJackpot), QString(), amountOf(double(y.settingsWinnings)),
        amountOf(double(y.baselineWinnings)), amountOf(y.expectedWinnings)});
    const QString stake = optionalAmount(y.stake());
    lines << row({m(Msg::Stake), QString(), stake, stake, stake});
    lines << row({m(Msg::ReturnShare), QString(), optionalPercent(y.returnPercent(double(y.settingsWinnings))),
        optionalPercent(y.returnPercent(double(y.baselineWinnings))),
        optionalPercent(y.returnPercent(y.expectedWinnings))});
    lines << QString();
    lines << m(y.differsFromChance() ? Msg::ShareDiffers : Msg::ShareWithinChance) + QStringLiteral(" (")
            + m(Msg::BinomialTest) + QStringLiteral(", ") + format.pValue(y.pValue) + QStringLiteral(").");
    return lines;
}

QStringList BacktestReport::lines(
    const BacktestResult &result, const MessageTable &messages, const ReportFormat &format)
{
    return documentedLines(result, messages) + lockedRowLines(result, messages)
        + yardstickLines(result.yardstick(), messages, format);
}

QStringList BacktestReport::linesFor(const BacktestInput &input, const MessageTable &messages)
{
    SettingsBacktest backtest(std::make_shared<const BacktestPlan>(input, messages), input.seed, messages);
    return lines(backtest.runToEnd(), messages);
}
