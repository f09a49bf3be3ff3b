// One history across three formats: the statistics and the generation of each format see
// only its draws and stay in its ranges, and stored options are brought into them.
#include "analysis/draw_statistics.h"
#include "app/message_table.h"
#include "draws/game_format.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"

#include <QTest>

#include <numeric>

namespace {
using DrawStatistics::ChartKind;

// Sixty draws of each of three formats, one every three or four days from the format's
// first draw, the first holding its largest main number and Megaball; the others spread
// by a fixed walk.
std::vector<Draw> threeFormats()
{
    std::vector<Draw> all;
    quint32 walk = 12345;
    for (const char *id : {"mm-2013", "mm-2017", "mm-2025"}) {
        const Games::GameFormat &format = *Games::byId(QString::fromLatin1(id));
        for (int k = 0; k < 60; ++k) {
            Draw draw;
            draw.date = format.first.addDays(k / 2 * 7 + k % 2 * 3);
            for (size_t slot = 0; slot < draw.numbers.size(); ++slot)
                for (int n = k == 0 && slot == 0 ? format.mainMax : 0; draw.numbers[slot] == 0; n = 0) {
                    walk = walk * 1664525u + 1013904223u;
                    n = n > 0 ? n : 1 + int((walk >> 8) % quint32(format.mainMax));
                    draw.numbers[slot] = draw.contains(n) ? 0 : std::uint8_t(n);
                }
            draw.megaball = std::uint8_t(k == 0 ? format.megaballMax : 1 + (walk >> 4) % quint32(format.megaballMax));
            all.push_back(draw);
        }
    }
    return all;
}
} // namespace

class GameFormatRunTest : public QObject {
    Q_OBJECT

private slots:
    void statisticsCountOnlyTheirFormat_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("points");
        for (const char *id : {"mm-2013", "mm-2017", "mm-2025"}) {
            const Games::GameFormat &f = *Games::byId(QString::fromLatin1(id));
            const auto row = [&](const char *name, ChartKind kind, int points) {
                QTest::addRow("%s %s", id, name) << f.id << int(kind) << points;
            };
            row("numbers", ChartKind::NumberDistribution, f.mainMax);
            row("pairs", ChartKind::Pairs, f.mainMax - 1);
            row("quads", ChartKind::Quads, f.mainMax);
            row("overdue", ChartKind::Overdue, f.mainMax);
            row("megaball", ChartKind::MegaballFrequency, f.megaballMax);
            row("megaball overdue", ChartKind::MegaballOverdue, f.megaballMax);
        }
    }
    void statisticsCountOnlyTheirFormat()
    {
        QFETCH(QString, id);
        QFETCH(int, kind);
        QFETCH(int, points);
        const Games::GameFormat &format = *Games::byId(id);
        const std::vector<Draw> draws = Games::drawsOf(threeFormats(), format);
        QCOMPARE(int(draws.size()), 60);
        const StatisticsWindow window{format.first, QDate(2030, 1, 1), &format};
        const DrawStatistics::Counts counts = DrawStatistics::count(ChartKind(kind), draws, window);
        QCOMPARE(int(counts.values.size()), points);
        QCOMPARE(counts.drawCount, 60 - (DrawStatistics::startIncluded(ChartKind(kind)) ? 0 : 1));
        if (ChartKind(kind) == ChartKind::NumberDistribution || ChartKind(kind) == ChartKind::MegaballFrequency) {
            // Every number of the draws falls within the points, the largest one too.
            const int perDraw = ChartKind(kind) == ChartKind::NumberDistribution ? 5 : 1;
            QCOMPARE(std::accumulate(counts.values.begin(), counts.values.end(), 0), 60 * perDraw);
            QVERIFY(counts.values.back() > 0);
        }
    }

    void todaysRowsStayInTodaysRanges_data()
    {
        QTest::addColumn<int>("megaballOption");
        QTest::addColumn<bool>("statistics");
        for (int option : {1, 2, 3})
            for (bool statistics : {false, true})
                QTest::addRow("Megaball choice %d%s", option, statistics ? ", every band" : "") << option << statistics;
    }
    void todaysRowsStayInTodaysRanges()
    {
        QFETCH(int, megaballOption);
        QFETCH(bool, statistics);
        const Games::GameFormat &today = *Games::byId(QStringLiteral("mm-2025"));
        const std::vector<Draw> draws = Games::drawsOf(threeFormats(), today);
        GenerationRequest request;
        request.draws = draws;
        request.start = today.first;
        request.end = QDate(2030, 1, 1);
        request.format = &today;
        request.settings = GenerationSettings::defaults();
        request.settings.rowsToCompute = TipRows::RowCount;
        request.settings.megaballOption = megaballOption;
        if (statistics) {
            GenerationSettings &s = request.settings;
            s.frequentNumbers = s.rareNumbers = s.overdueNumbers = s.frequentPairs = s.rareTriples = true;
            s.frequentQuads = s.lastDrawNeighbours = true;
            s.frequentNumbersPercent = s.overdueNumbersPercent = s.rareNumbersPercent = 75; // as stored
            request.settings = GenerationOptions::clampedTo(s, today);
        }
        request.attemptLimit = request.settings.attemptLimit();
        RandomSource random;
        random.setSeed(11 * megaballOption + int(statistics));
        const MessageTable messages;
        const GenerationOutcome outcome = GenerationRun(request, random, messages).run();
        int computed = 0;
        for (const GeneratedRow &row : outcome.rows) {
            if (row.megaball == 0)
                continue;
            ++computed;
            for (int n : row.numbers)
                QVERIFY2(n >= 1 && n <= today.mainMax, qPrintable(QString::number(n)));
            QVERIFY2(row.megaball <= today.megaballMax, qPrintable(QString::number(row.megaball)));
        }
        QVERIFY(computed > 0);
    }

    void storedOptionsAreClampedToTheFormat_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("spin");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("used");
        QTest::newRow("band size in 5 of 52") << "mm-2002" << 12 << 75 << 52;
        QTest::newRow("band size in 5 of 70") << "mm-2017" << 14 << 71 << 70;
        QTest::newRow("band size within 5 of 70") << "mm-2025" << 13 << 40 << 40;
        QTest::newRow("band size in 5 of 75") << "mm-2013" << 12 << 75 << 75;
        QTest::newRow("lowest sum past 5 of 52") << "mm-2002" << 1 << 279 << 250;
        QTest::newRow("lowest sum within 5 of 56") << "mm-2005" << 1 << 260 << 260;
        QTest::newRow("highest sum in 5 of 75") << "mm-2013" << 2 << 239 << 239;
    }
    void storedOptionsAreClampedToTheFormat()
    {
        QFETCH(QString, id);
        QFETCH(int, spin);
        QFETCH(int, stored);
        QFETCH(int, used);
        GenerationSettings settings = GenerationSettings::defaults();
        settings.setUpDown(spin, stored);
        QStringList changes;
        const GenerationSettings clamped = GenerationOptions::clampedTo(settings, *Games::byId(id), &changes);
        QCOMPARE(clamped.upDown(spin), used);
        QCOMPARE(changes.size(), stored == used ? 0 : 1);
        // Nothing else moves.
        GenerationSettings back = clamped;
        back.setUpDown(spin, stored);
        QVERIFY(back == settings);
    }
};

QTEST_GUILESS_MAIN(GameFormatRunTest)
#include "game_format_run_test.moc"
