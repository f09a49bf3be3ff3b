// Random combinations of every generation option and range, on the bundled history and
// on stores of no, one and two draws and with unreadable dates: every run ends within its
// budget, every row it computes passes the tests that were on when it was accepted, and
// the only options it changes on its own are the ones it loosens, which it gives back.
// Seeded, so that a failing combination can be run again.
#include "app/message_table.h"
#include "draw_samples.h"
#include "generator/generation_run.h"
#include "generator/random_source.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <set>

namespace {
constexpr quint32 Seed = 20171027;
constexpr int Runs = 6000;

struct History {
    const char *name;
    std::vector<Draw> draws;
};

std::vector<History> histories()
{
    const std::vector<Draw> bundled = DrawSamples::bundledHistory();
    std::vector<Draw> unreadable = bundled;
    // Records whose date doubles no reader understands (NaN, infinity) read as no date.
    unreadable.insert(unreadable.begin() + 200, DrawSamples::draw(QDate(), {1, 2, 3, 4, 5}, 6));
    unreadable.push_back(DrawSamples::draw(QDate(), {70, 71, 72, 73, 74}, 15));
    return {
        {"bundled", bundled},
        {"empty", {}},
        {"one draw", {bundled.back()}},
        {"two draws", {bundled[10], bundled[11]}},
        {"unreadable dates", unreadable},
        {"only unreadable dates",
            {DrawSamples::draw(QDate(), {9, 19, 29, 39, 49}, 9), DrawSamples::draw(QDate(), {8, 18, 28, 38, 48}, 8)}},
    };
}

// Half the runs take every option at random, which mostly asks the impossible; the other
// half change a few options of the design defaults, as a user would, and compute rows.
GenerationSettings randomSettings(QRandomGenerator &random)
{
    GenerationSettings settings = GenerationSettings::defaults();
    const std::vector<CheckBoxOption> &boxes = GenerationOptions::checkBoxes();
    const std::vector<SpinOption> &spins = GenerationOptions::spins();
    const bool everything = random.bounded(2) == 0;
    const int changes = everything ? 0 : 1 + int(random.bounded(6));
    for (const CheckBoxOption &option : boxes)
        if (everything)
            settings.setCheckBox(option.number, random.bounded(2) == 1);
    for (int i = 0; i < changes; ++i) {
        const CheckBoxOption &option = boxes[random.bounded(int(boxes.size()))];
        settings.setCheckBox(option.number, !settings.checkBox(option.number));
    }
    const auto randomize = [&](const SpinOption &spin) {
        settings.setUpDown(spin.number, spin.minimum + int(random.bounded(spin.maximum - spin.minimum + 1)));
    };
    for (const SpinOption &spin : spins)
        if (everything)
            randomize(spin);
    for (int i = 0; i < changes; ++i)
        randomize(spins[random.bounded(int(spins.size()))]);
    // UpDown6 follows CheckBox31 (a maximum of 5 without it), as the spin control does.
    settings.setUpDown(6, std::min(settings.upDown(6), GenerationOptions::upDown6Maximum(settings.checkBox(31))));
    settings.megaballOption = 1 + int(random.bounded(3));
    return settings;
}

// A locked row as a user may leave it: numbers, empty fields, text, values out of range.
TipRowTexts randomLockedRow(QRandomGenerator &random)
{
    static const QStringList odd{"", "x", "99", "0", "-3", " 7 "};
    TipRowTexts texts;
    for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot) {
        if (random.bounded(5) == 0)
            texts[size_t(slot)] = odd[random.bounded(int(odd.size()))];
        else
            texts[size_t(slot)] = QString::number(1 + random.bounded(slot == TipRows::MegaballSlot ? 15 : 75));
    }
    return texts;
}

QDate randomDate(QRandomGenerator &random)
{
    return QDate(2013, 6, 1).addDays(random.bounded(4 * 366 + 200));
}

bool isLoosenable(const OptionChange &change)
{
    return (change.kind == OptionChange::Kind::CheckBox && change.number == 8 && change.value == 0)
        || (change.kind == OptionChange::Kind::UpDown && change.number >= 4 && change.number <= 6);
}
} // namespace

class GenerationPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void randomOptionsOnEveryHistory()
    {
        const std::vector<History> stores = histories();
        const MessageTable messages;
        QRandomGenerator random(Seed);
        QElapsedTimer clock;
        clock.start();
        int computedRows = 0;
        std::set<int> seenTests;
        for (int runIndex = 0; runIndex < Runs; ++runIndex) {
            const History &history = stores[size_t(runIndex) % stores.size()];
            GenerationRequest request;
            request.draws = history.draws;
            request.start = randomDate(random);
            request.end = randomDate(random);
            request.settings = randomSettings(random);
            // The budget of the issue, and now and then one large enough for every loosening step.
            request.attemptLimit = runIndex % 40 == 39 ? 21000 : 1000;
            for (SheetRow &row : request.sheet)
                if (random.bounded(7) == 0)
                    row = {randomLockedRow(random), true};
            const GenerationSettings before = request.settings;
            const QString context = QStringLiteral("run %1 on %2").arg(runIndex).arg(QLatin1String(history.name));

            // The settings each row was accepted under: the request's, changed as the run says.
            GenerationSettings current = request.settings;
            std::vector<OptionChange> changes;
            std::array<GenerationSettings, TipRows::RowCount> settingsAtRow{};
            GenerationHooks hooks;
            hooks.optionChanged = [&](const OptionChange &change) {
                changes.push_back(change);
                if (change.kind == OptionChange::Kind::CheckBox)
                    current.setCheckBox(change.number, change.value != 0);
                else
                    current.setUpDown(change.number, change.value);
            };
            hooks.rowWritten = [&](int row, const GeneratedRow &) { settingsAtRow[size_t(row - 1)] = current; };
            RandomSource source(Seed + quint32(runIndex));
            const GenerationOutcome outcome = GenerationRun(request, source, messages, hooks).run();

            QVERIFY2(!outcome.aborted, qPrintable(context));
            QVERIFY2(outcome.attempts <= request.attemptLimit, qPrintable(context));
            QVERIFY2(request.settings == before, qPrintable(context));
            for (const OptionChange &change : changes)
                QVERIFY2(isLoosenable(change), qPrintable(context));

            RowFilters filters(history.draws, request.start, outcome.references);
            std::vector<MainNumberSet> placed;
            for (int row = 1; row <= TipRows::RowCount; ++row) {
                const GeneratedRow &result = outcome.rows[size_t(row - 1)];
                const QString where = context + QStringLiteral(", row %1").arg(row);
                QCOMPARE(result.locked, request.sheet[size_t(row - 1)].locked);
                const bool empty
                    = std::all_of(result.numbers.begin(), result.numbers.end(), [](int n) { return n == 0; });
                if (!result.locked && !empty) {
                    ++computedRows;
                    QVERIFY2(row == 1 || row <= request.settings.upDown(8), qPrintable(where));
                    QVERIFY2(std::is_sorted(result.numbers.begin(), result.numbers.end()), qPrintable(where));
                    QVERIFY2(std::adjacent_find(result.numbers.begin(), result.numbers.end()) == result.numbers.end(),
                        qPrintable(where));
                    QVERIFY2(result.numbers.front() >= 1 && result.numbers.back() <= Game::MaxMain, qPrintable(where));
                    QVERIFY2(result.megaball >= 1 && result.megaball <= Game::MaxMegaball, qPrintable(where));
                    CandidateRow candidate;
                    candidate.numbers = result.numbers;
                    candidate.megaball = result.megaball;
                    const FilterTest verdict = filters.check(candidate, placed, settingsAtRow[size_t(row - 1)]);
                    QVERIFY2(verdict == FilterTest::Accepted,
                        qPrintable(where + QStringLiteral(": rejected by ") + filterTestName(verdict)));
                }
                placed.push_back(MainNumberSet::of(result.numbers));
            }
            // A budget that ran out is said; the loosening steps come at their attempt counts.
            if (outcome.attempts >= request.attemptLimit)
                QCOMPARE(outcome.status, Msg::BudgetUsedUp);
            for (const OptionChange &change : changes) {
                const int left = request.attemptLimit - change.attempt;
                QVERIFY2(change.kind == OptionChange::Kind::CheckBox ? change.attempt == request.attemptLimit / 2
                                                                     : left == 20000 || left == 10000 || left == 5000,
                    qPrintable(context));
                seenTests.insert(change.kind == OptionChange::Kind::CheckBox ? 8 : 100 + change.number);
            }
        }
        // The combinations reached what they are for: rows, and every loosening step.
        QVERIFY(computedRows > Runs);
        QCOMPARE(seenTests, (std::set<int>{8, 104, 105, 106}));
        qInfo("%d runs, %d computed rows, %lld ms", Runs, computedRows, qint64(clock.elapsed()));
    }
};

QTEST_GUILESS_MAIN(GenerationPropertiesTest)
#include "generation_properties_test.moc"
