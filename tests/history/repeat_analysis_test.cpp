// The repeat analysis as the window's loop makes it: row 1 takes each draw, the
// comparison window runs from SelectedDate (the chosen date in the first pass, the
// statistics start later) up to the row-1 draw, the next-draw histogram takes the hit
// count of the last row the evaluation could evaluate, the questions, the end, and the
// report lines with both histograms beside chance.
#include "app/message_table.h"
#include "draw_samples.h"
#include "history/analysis_report.h"
#include "history/repeat_analysis.h"
#include "test_data.h"

#include <QTest>

namespace {
const QDate Start(2013, 10, 22);

RepeatAnalysisInput input(std::vector<Draw> draws, QDate chosen, int stopLevel = 6)
{
    RepeatAnalysisInput in;
    in.draws = std::move(draws);
    in.chosenDate = chosen;
    in.statisticsStart = Start;
    in.stopLevel = stopLevel;
    return in;
}

TipRowTexts rowOf(const Draw &draw)
{
    TipRowTexts texts;
    for (int k = 0; k < 5; ++k)
        texts[size_t(k)] = QString::number(draw.numbers[size_t(k)]);
    texts[TipRows::MegaballSlot] = QString::number(draw.megaball);
    return texts;
}

TipRowTexts row(std::initializer_list<int> numbers)
{
    TipRowTexts texts;
    size_t slot = 0;
    for (int n : numbers)
        texts[slot++] = QString::number(n);
    return texts;
}

int firstIndexFrom(const std::vector<Draw> &draws, QDate date)
{
    for (size_t i = 0; i < draws.size(); ++i)
        if (draws[i].date >= date)
            return int(i);
    return int(draws.size()) - 1;
}

const std::vector<Draw> &small()
{
    static const std::vector<Draw> draws = TestData::draws({"2017-01-03 1 2 3 4 5 1 2", "2017-01-06 1 2 3 40 50 2 3",
        "2017-01-10 1 2 30 40 60 3 2", "2017-01-13 4 5 6 7 8 4 2"});
    return draws;
}
} // namespace

class RepeatAnalysisTest : public QObject {
    Q_OBJECT

private slots:
    void chosenDateAfterTheNewestDrawGivesOnePass()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        RepeatAnalysis analysis(input(draws, draws.back().date.addDays(4)));
        const RepeatResult &result = analysis.runToEnd();
        QCOMPARE(result.passes, 1);
        QCOMPARE(result.next, (std::array<qint64, 6>{0, 0, 0, 0, 0, 1})); // the newest against itself
        QCOMPARE(result.earlier, (std::array<qint64, 6>{}));
        QVERIFY(!result.endedWithoutNextDraw);
        QCOMPARE(analysis.lastPass().rowDraw, draws.back());
    }

    void stopLevelSixNeverAsks()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        int asked = 0;
        RepeatAnalysis six(input(draws, QDate(2015, 6, 1), 6));
        six.setQuestion([&](const Draw &, int) { return ++asked, true; });
        const RepeatResult sixResult = six.runToEnd();
        QCOMPARE(asked, 0);
        QVERIFY(sixResult.passes > 200);

        // Stop level 3 asks at every draw with 3 or more in common; going on changes nothing.
        std::vector<int> hits;
        RepeatAnalysis three(input(draws, QDate(2015, 6, 1), 3));
        three.setQuestion([&](const Draw &, int hitCount) { return hits.push_back(hitCount), true; });
        const RepeatResult threeResult = three.runToEnd();
        QCOMPARE(qint64(hits.size()), sixResult.earlier[3] + sixResult.earlier[4] + sixResult.earlier[5]);
        QCOMPARE(threeResult.earlier, sixResult.earlier);
        QCOMPARE(threeResult.next, sixResult.next);
    }

    void answeringNoEndsAtOnce()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        RepeatAnalysis analysis(input(draws, QDate(2015, 6, 1), 3));
        std::optional<Draw> asked;
        int askedHits = 0;
        analysis.setQuestion([&](const Draw &record, int hitCount) {
            asked = record;
            askedHits = hitCount;
            return false;
        });
        const RepeatResult &result = analysis.runToEnd();
        QVERIFY(result.stopped);
        QVERIFY(asked);
        QVERIFY(askedHits >= 3);
        QCOMPARE(result.stoppedAt.value(), *asked);
        QVERIFY(!analysis.nextPass());
        QCOMPARE(RepeatAnalysis::questionText(MessageTable(), QDate(2016, 3, 1)),
            QStringLiteral("Ein Treffer am  01.03.2016 gefunden. Weiter?"));
        QCOMPARE(RepeatAnalysis::questionCaption(MessageTable()), QStringLiteral("Ziehung gefunden"));
        QCOMPARE(RepeatAnalysis::parseStopLevel(QStringLiteral(" 4")).value_or(0), 4);
        QVERIFY(!RepeatAnalysis::parseStopLevel(QStringLiteral("vier")));
    }

    void comparisonWindowAndTheLoopsEnd()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        const QDate chosen(2016, 2, 1);
        RepeatAnalysis analysis(input(draws, chosen));
        std::vector<RepeatPass> passes;
        std::vector<RepeatPassStart> starts;
        analysis.setPassStarted([&](const RepeatPassStart &start) { starts.push_back(start); });
        analysis.runToEnd([&](const RepeatPass &pass) { passes.push_back(pass); });
        const int first = firstIndexFrom(draws, chosen);
        // Every draw from the chosen date on is put into row 1 once, except the newest.
        QCOMPARE(int(passes.size()), int(draws.size()) - 1 - first);
        QCOMPARE(starts.size(), passes.size());
        QCOMPARE(starts[0].endMarker, draws[size_t(first)].date.addDays(10));
        QCOMPARE(starts[1].endMarker, draws.back().date);
        for (size_t k = 0; k < passes.size(); ++k) {
            const RepeatPass &pass = passes[k];
            const Draw &rowDraw = draws[size_t(first) + k];
            QCOMPARE(pass.rowDraw, rowDraw);
            QCOMPARE(starts[k].sheet[0].at(6), QString::number(rowDraw.megaplier)); // the hidden extra field
            QCOMPARE(pass.windowEnd, rowDraw.date);
            QCOMPARE(pass.windowStart, k == 0 ? chosen : Start);
            const auto inWindow = std::count_if(draws.begin(), draws.end(),
                [&](const Draw &d) { return d.date >= pass.windowStart && d.date < pass.windowEnd; });
            QCOMPARE(pass.comparedDraws, int(inWindow));
            QCOMPARE(pass.navigated.shownDraw, draws[size_t(first) + k + 1]);
            QCOMPARE(pass.navigated.pickerDate, pass.navigated.shownDraw.date);
        }
        QCOMPARE(passes.front().comparedDraws, 0); // the first draw meets no earlier draw
        QCOMPARE(passes.back().navigated.shownDraw, draws.back());
    }

    // The histograms against the hit rule applied draw by draw.
    void histogramsAsTheHitRuleCounts()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        const QDate chosen(2016, 9, 1);
        const RepeatResult result = RepeatAnalysis(input(draws, chosen)).runToEnd();
        std::array<qint64, 6> earlier{};
        std::array<qint64, 6> next{};
        const int first = firstIndexFrom(draws, chosen);
        for (int i = first; i + 1 < int(draws.size()); ++i) {
            const TipRowTexts row1 = rowOf(draws[size_t(i)]);
            const QDate from = i == first ? chosen : Start;
            for (int j = 0; j < i; ++j)
                if (draws[size_t(j)].date >= from)
                    ++earlier[size_t(HitRule::zettelcheck(row1, draws[size_t(j)]).hitCount)];
            ++next[size_t(HitRule::zettelcheck(row1, draws[size_t(i + 1)]).hitCount)];
        }
        QCOMPARE(result.earlier, earlier);
        QCOMPARE(result.next, next);
    }

    void lockedRowBelowRowOneTakesOverTheNextDrawHistogram()
    {
        const std::vector<Draw> draws = DrawSamples::bundledHistory();
        const QDate chosen(2017, 1, 1);
        RepeatAnalysisInput in = input(draws, chosen);
        in.sheet[3] = {row({8, 19, 34, 46, 61, 2}), true}; // row 4
        in.sheet[8] = {row({1, 2}), true}; // row 9: locked, but not a whole row: not evaluated
        RepeatAnalysis analysis(in);
        const RepeatResult &result = analysis.runToEnd();
        const RepeatResult plain = RepeatAnalysis(input(draws, chosen)).runToEnd();
        std::array<qint64, 6> expected{};
        for (int i = firstIndexFrom(draws, chosen); i + 1 < int(draws.size()); ++i)
            ++expected[size_t(HitRule::zettelcheck(row({8, 19, 34, 46, 61, 2}), draws[size_t(i + 1)]).hitCount)];
        QCOMPARE(result.next, expected);
        QVERIFY(result.next != plain.next);
        QCOMPARE(result.earlier, plain.earlier); // the scan compares row 1 only
        QCOMPARE(analysis.lastPass().sheet[3], row({8, 19, 34, 46, 61, 2}));
    }

    void lockedRowOneIsOverwritten()
    {
        RepeatAnalysisInput in = input(small(), QDate(2017, 1, 3));
        in.sheet[0] = {row({70, 71, 72, 73, 74, 15}), true};
        RepeatAnalysis analysis(in);
        QVERIFY(analysis.nextPass());
        QCOMPARE(analysis.lastPass().sheet[0], (TipRowTexts{"1", "2", "3", "4", "5", "1", "2"}));
    }

    // Deviation: an empty store ends at once instead of looping for ever.
    void emptyHistoryEnds()
    {
        RepeatAnalysis analysis(input({}, QDate(2017, 1, 3)));
        QVERIFY(!analysis.nextPass());
        QVERIFY(analysis.result().endedOnEmptyHistory);
        QCOMPARE(analysis.result().passes, 0);
        const QStringList lines = RepeatReport::lines(analysis.result(), MessageTable());
        QCOMPARE(lines.value(1), QStringLiteral("0    =>0"));
        // Without comparisons the sections set nothing beside chance.
        QCOMPARE(lines.size(), 15 + 21);
        QCOMPARE(lines.last(), QStringLiteral("Vergleiche\t0\t0"));
    }

    void reportLinesExact()
    {
        RepeatAnalysisInput in = input(small(), QDate(2017, 1, 3));
        in.statisticsStart = QDate(2017, 1, 1);
        const QStringList lines = RepeatReport::linesFor(in, MessageTable());
        const QStringList expected{
            QStringLiteral("Treffer von Ziehungen in der Datenbank"),
            QStringLiteral("0    =>0"),
            QStringLiteral("1    =>0"),
            QStringLiteral("2    =>1"),
            QStringLiteral("3    =>2"),
            QStringLiteral("4    =>0"),
            QStringLiteral("5    =>0"),
            QStringLiteral(" "),
            QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),
            QStringLiteral("0    =>1"),
            QStringLiteral("1    =>0"),
            QStringLiteral("2    =>0"),
            QStringLiteral("3    =>2"),
            QStringLiteral("4    =>0"),
            QStringLiteral("5    =>0"),
            // Beside chance: three comparisons in each section.
            QString(),
            QStringLiteral("Maßstab: die Wiederholungen neben dem Zufall"),
            QStringLiteral("Treffer von Ziehungen in der Datenbank"),
            QStringLiteral("Gemeinsame Zahlen\tVergleiche\tZufall erwartet\t95-%-Bereich\tWahrscheinlichkeit"),
            QStringLiteral("0\t0\t2,10\t0 – 3\t1 zu 1,43"),
            QStringLiteral("1\t0\t0,80\t0 – 2\t1 zu 3,76"),
            QStringLiteral("2\t1\t0,10\t0 – 1\t1 zu 31,53"),
            QStringLiteral("3\t2\t0,00\t0 – 0\t1 zu 715"),
            QStringLiteral("4\t0\t0,00\t0 – 0\t1 zu 49.313"),
            QStringLiteral("5\t0\t0,00\t0 – 0\t1 zu 17.259.390"),
            QStringLiteral("Vergleiche\t3\t3"),
            QStringLiteral(
                "100,00 % der Vergleiche haben mindestens eine gemeinsame Zahl, der Zufall erwartet 29,88 %: "
                "das weicht mehr vom Zufall ab, als sich durch Zufall erklären lässt (zweiseitiger exakter "
                "Binomialtest, 5-%-Niveau, p = 0,027)."),
        };
        QCOMPARE(lines.mid(0, expected.size()), expected);
        // The next-draw section: the same chance, its own counts.
        QCOMPARE(lines.value(expected.size() + 3), QStringLiteral("0\t1\t2,10\t0 – 3\t1 zu 1,43"));
        QCOMPARE(lines.last(),
            QStringLiteral("66,67 % der Vergleiche haben mindestens eine gemeinsame Zahl, der Zufall erwartet 29,88 %: "
                           "das weicht nicht mehr vom Zufall ab, als sich durch Zufall erklären lässt (zweiseitiger "
                           "exakter Binomialtest, 5-%-Niveau, p = 0,214)."));
        QVERIFY(AnalysisReport::fileBytes(lines).startsWith(
            "\xEF\xBB\xBFTreffer von Ziehungen in der Datenbank\r\n0    =>0\r\n"));
        QVERIFY(AnalysisReport::fileBytes(lines).contains("\r\n \r\nWie oft gab es bei der n\xC3\xA4"
                                                          "chsten"));
    }
};

QTEST_GUILESS_MAIN(RepeatAnalysisTest)
#include "repeat_analysis_test.moc"
