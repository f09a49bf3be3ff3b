// devudirurero-wheel-designs [--seconds S] [--seeds K] V/T/P...
// For each wheel of V numbers and "T if P": the rows the quick search finds (the
// command line's default, seed 1), then K runs of the weighted tabu search of S seconds
// each from there. Prints one line per wheel and, when a run found fewer rows, the rows
// in the form of src/wheels/known_wheels.cpp.
#include "wheels/wheel_search.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

namespace {
QString encoded(const std::vector<Wheels::Mask> &rows)
{
    QStringList texts;
    for (const Wheels::Mask row : rows) {
        QString text;
        for (Wheels::Mask m = row; m != 0; m &= m - 1)
            text += QLatin1Char(char('a' + __builtin_ctz(m)));
        texts << text;
    }
    return texts.join(QLatin1Char(' '));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    int seconds = 60;
    int seeds = 1;
    static const QRegularExpression wheel(QStringLiteral("^([0-9]+)/([1-5])/([1-5])$"));
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seconds") && i + 1 < args.size()) {
            seconds = args[++i].toInt();
            continue;
        }
        if (args[i] == QLatin1String("--seeds") && i + 1 < args.size()) {
            seeds = args[++i].toInt();
            continue;
        }
        const QRegularExpressionMatch match = wheel.match(args[i]);
        if (!match.hasMatch()) {
            QTextStream(stderr) << "not V/T/P: " << args[i] << Qt::endl;
            return 2;
        }
        const int v = match.captured(1).toInt();
        const Wheels::Guarantee g{match.captured(2).toInt(), match.captured(3).toInt()};
        if (v < Wheels::MinNumbers || v > Wheels::MaxNumbers || !g.isValid())
            return 2;
        const Wheels::SearchResult quick = Wheels::searchRows(v, 0, g, Wheels::SearchOptions{});
        std::vector<Wheels::Mask> best = quick.rows;
        for (int seed = 1; seed <= seeds; ++seed) {
            Wheels::SearchOptions options;
            options.seed = std::uint64_t(seed);
            options.method = Wheels::SearchMethod::Tabu;
            options.budget = std::chrono::seconds(seconds);
            options.effort = 1e6; // the clock decides
            options.start = best;
            const Wheels::SearchResult found = Wheels::searchRows(v, 0, g, options);
            if (found.rows.size() < best.size() && !Wheels::firstUncovered(v, found.rows, g))
                best = found.rows;
        }
        out << v << ' ' << g.text() << ": quick " << quick.rows.size() << ", long " << best.size() << ", bound "
            << Wheels::lowerBound(v, g) << Qt::endl;
        if (best.size() < quick.rows.size())
            out << "    {" << v << ", {" << g.hits << ", " << g.drawn << "}, \"" << encoded(best) << "\"}," << Qt::endl;
    }
    return 0;
}
