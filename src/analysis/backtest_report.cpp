#include "analysis/backtest_report.h"

#include "app/message_table.h"
#include "app/text_formats.h"

#include <cmath>

namespace {
using PrizeClasses::Class;

const QString Tab = QStringLiteral("\t");
const QString NotAvailable = QStringLiteral("–");

QString count(std::int64_t n)
{
    return TextFormats::integer(n);
}

QString optionalAmount(const std::optional<double> &dollars)
{
    return dollars ? BacktestReport::amount(*dollars) : NotAvailable;
}

QString optionalPercent(const std::optional<double> &value)
{
    return value ? BacktestReport::percent(*value) : NotAvailable;
}

QString row(const QStringList &cells)
{
    return cells.join(Tab);
}
} // namespace

QString BacktestReport::amount(double dollars)
{
    return TextFormats::number(dollars, 2) + QStringLiteral(" $");
}

QString BacktestReport::percent(double value)
{
    return TextFormats::number(value, 2) + QStringLiteral(" %");
}

QString BacktestReport::oneIn(const PrizeClasses::Odds &odds, const MessageTable &messages)
{
    // Long odds in whole numbers ("1 zu 258.890.850"), short ones with two decimals.
    const double x = odds.oneIn();
    return messages.text(Msg::OneIn)
        + (x >= 100 ? TextFormats::integer(qint64(std::llround(x))) : TextFormats::number(x, 2));
}

QString BacktestReport::range(std::int64_t low, std::int64_t high)
{
    return count(low) + QStringLiteral(" – ") + count(high);
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

QStringList BacktestReport::yardstickLines(const Yardstick &y, const MessageTable &messages)
{
    const auto m = [&](Msg entry) { return messages.text(entry); };
    const auto expected = [](double value) { return TextFormats::number(value, 2); };
    const auto shareOf = [&](std::int64_t part) { return percent(100.0 * Yardstick::share(part, y.rows)); };

    QStringList lines;
    lines << QString() << m(Msg::YardstickTitle);
    lines << row({m(Msg::PrizeClass), m(Msg::Prize), m(Msg::SettingsRows), m(Msg::RandomRows), m(Msg::ChanceExpected),
        m(Msg::Range95), m(Msg::Probability)});
    for (const Yardstick::ClassLine &line : y.classes) {
        const Class c = line.prizeClass;
        const QString name = c == Class::NoPrize ? m(Msg::NoPrize) : PrizeClasses::label(c);
        const QString prize = PrizeClasses::isJackpot(c) ? m(Msg::Jackpot)
            : PrizeClasses::wins(c)                      ? amount(PrizeClasses::prizeDollars(c))
                                                         : QString();
        lines << row({name, prize, count(line.settings), count(line.baseline), expected(line.expected),
            range(line.range.low, line.range.high), oneIn(line.odds, messages)});
    }
    lines << row({m(Msg::Reihen), QString(), count(y.rows), count(y.rows), count(y.rows)});
    lines << row({m(Msg::WinningRows), QString(), count(y.settingsWinning), count(y.baselineWinning),
        expected(y.expectedWinning), range(y.winningRange.low, y.winningRange.high),
        oneIn(PrizeClasses::anyPrize(), messages)});
    lines << row({m(Msg::WinningShare), QString(), shareOf(y.settingsWinning), shareOf(y.baselineWinning),
        percent(100.0 * PrizeClasses::anyPrize().probability()),
        shareOf(y.winningRange.low) + QStringLiteral(" – ") + shareOf(y.winningRange.high)});
    lines << row({m(Msg::WinningsWithoutJackpot), QString(), amount(double(y.settingsWinnings)),
        amount(double(y.baselineWinnings)), amount(y.expectedWinnings)});
    const QString stake = optionalAmount(y.stake());
    lines << row({m(Msg::Stake), QString(), stake, stake, stake});
    lines << row({m(Msg::ReturnShare), QString(), optionalPercent(y.returnPercent(double(y.settingsWinnings))),
        optionalPercent(y.returnPercent(double(y.baselineWinnings))),
        optionalPercent(y.returnPercent(y.expectedWinnings))});
    const QString p = y.pValue < 0.001 ? QStringLiteral("p < ") + TextFormats::number(0.001, 3)
                                       : QStringLiteral("p = ") + TextFormats::number(y.pValue, 3);
    lines << QString();
    lines << m(y.differsFromChance() ? Msg::ShareDiffers : Msg::ShareWithinChance) + QStringLiteral(" (")
            + m(Msg::BinomialTest) + QStringLiteral(", ") + p + QStringLiteral(").");
    return lines;
}

QStringList BacktestReport::lines(const BacktestResult &result, const MessageTable &messages)
{
    return documentedLines(result, messages) + yardstickLines(result.yardstick(), messages);
}

QStringList BacktestReport::linesFor(const BacktestInput &input, const MessageTable &messages)
{
    SettingsBacktest backtest(input, messages);
    return lines(backtest.runToEnd(), messages);
}
