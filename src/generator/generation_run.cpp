#include "generator/generation_run.h"

#include "app/message_table.h"
#include "generator/random_source.h"

#include <algorithm>
#include <limits>

namespace {
using DrawStatistics::ChartKind;

// How often the attempt loop looks at the clock for its next yield.
constexpr int ClockCheckMask = 31;
constexpr int RejectedMegaball = 999999;

int fieldValue(const QString &text, int slot)
{
    return TipRows::toInteger(TipRows::normalized(text, TipRows::maximumFor(slot))).value_or(0);
}
} // namespace

int GeneratedRow::sum() const
{
    int total = 0;
    for (int n : numbers)
        total += n;
    return total;
}

TipRowTexts GeneratedRow::texts() const
{
    TipRowTexts texts;
    const auto text = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    for (int slot = 0; slot < Game::MainCount; ++slot)
        texts[size_t(slot)] = text(numbers[size_t(slot)]);
    texts[TipRows::MegaballSlot] = text(megaball);
    texts[TipRows::ExtraSlot] = text(extra);
    return texts;
}

QString GenerationOutcome::statusText(const MessageTable &messages) const
{
    if (status != Msg::BudgetUsedUp || rowsAsked == TipRows::RowCount || rowsAsked <= 0)
        return messages.text(status);
    const QString text = messages.text(rowsAsked == 1 ? Msg::BudgetUsedUpOneRow : Msg::BudgetUsedUpRows);
    // A message file of an older program version has no such line.
    if (text.isEmpty())
        return messages.text(status);
    return rowsAsked == 1 ? text : text.arg(rowsAsked);
}

GenerationRun::GenerationRun(
    const GenerationRequest &request, RandomSource &random, const MessageTable &messages, GenerationHooks hooks)
    : m_request(request)
    , m_random(random)
    , m_messages(messages)
    , m_hooks(std::move(hooks))
    , m_megaballMax(quint32(request.format->megaballMax))
    , m_settings(request.settings)
    , m_attemptLimit(request.attemptLimit)
{ }

QString GenerationRun::attemptStatusText(int row, const CandidateRow &candidate, const MessageTable &messages)
{
    const auto &n = candidate.numbers;
    QString text = QString::number(row) + QLatin1Char('.') + messages.text(Msg::Tipp) + QStringLiteral(":  ")
        + QString::number(n[0]) + QLatin1Char(' ') + QString::number(n[1]) + QStringLiteral("  ")
        + QString::number(n[2]) + QStringLiteral("  ") + QString::number(n[3]) + QStringLiteral("  ")
        + QString::number(n[4]);
    if (row == 7 || row == 9)
        text += QStringLiteral("  ") + QString::number(candidate.megaball);
    const QLatin1StringView cs(row == 3 ? "    CS: " : row == 4 ? "   CS: " : "  CS: ");
    return text + cs + QString::number(candidate.sum());
}

void GenerationRun::say(const QString &text) const
{
    if (m_hooks.status)
        m_hooks.status(text);
}

GeneratedRow GenerationRun::lockedRow(const TipRowTexts &texts)
{
    // Read as the fields convert: an empty field is 0, for the rows below as well.
    GeneratedRow result;
    result.locked = true;
    for (int slot = 0; slot < Game::MainCount; ++slot)
        result.numbers[size_t(slot)] = fieldValue(texts[size_t(slot)], slot);
    result.megaball = fieldValue(texts[TipRows::MegaballSlot], TipRows::MegaballSlot);
    result.extra = fieldValue(texts[TipRows::ExtraSlot], TipRows::ExtraSlot);
    return result;
}

GenerationOutcome GenerationRun::run()
{
    GenerationOutcome outcome;
    const RunBasis *basis = m_request.basis;
    if (basis
        && basis->servesFor(m_request.draws, m_request.start, m_request.end, m_request.settings, *m_request.format))
        m_basis = basis;
    m_references = m_basis ? m_basis->references : findReferenceDraws(m_request.draws, m_request.end);
    outcome.references = m_references;
    for (int row = 1; row <= TipRows::RowCount; ++row)
        if (m_request.sheet[size_t(row - 1)].locked)
            outcome.rows[size_t(row - 1)] = lockedRow(m_request.sheet[size_t(row - 1)].texts);

    if (m_basis) {
        // The sinks hear what building the pool told them.
        for (const RunBasis::PoolReport &report : m_basis->poolReports) {
            if (report.status)
                say(*report.status);
            if (report.chart && m_hooks.chartComputed)
                m_hooks.chartComputed(*report.chart);
        }
        m_pool = m_basis->pool;
    } else {
        const PoolSources sources{m_request.draws, m_request.start, m_references, {}, m_request.format};
        m_pool = buildCandidatePool(sources, m_settings, m_messages, m_hooks.status, m_hooks.chartComputed);
    }
    if (m_settings.showPreferredList && m_hooks.preferredList && !m_hooks.preferredList(m_pool)) {
        outcome.aborted = true;
        return outcome;
    }
    if (m_hooks.status)
        say(m_messages.text(Msg::StatusBegin));
    m_attempts = 0;
    planLoosening();
    if (m_basis)
        m_filters.emplace(*m_basis->bits, m_request.start, m_references);
    else
        m_filters.emplace(m_request.draws, m_request.start, m_references);
    m_placedRows = {};
    optionsChanged();
    m_sinceYield.start();

    // Five different numbers cannot be drawn from fewer: no row is tried then.
    const bool poolUsable = m_pool.distinctCount() >= Game::MainCount;
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        GeneratedRow &result = outcome.rows[size_t(row - 1)];
        if (!result.locked && poolUsable && computesRow(row)) {
            const CandidateRow candidate = attemptLoop(row);
            result.numbers = candidate.numbers;
            result.megaball = candidate.megaball;
        }
        m_placedRows.add(MainNumberSet::of(result.numbers));
        if (m_hooks.rowWritten)
            m_hooks.rowWritten(row, result);
    }
    outcome.attempts = m_attempts;
    outcome.rowsAsked = m_settings.rowsToCompute;
    outcome.status = !poolUsable || m_attempts >= m_attemptLimit ? Msg::BudgetUsedUp : Msg::TipsComputed;
    return outcome;
}

bool GenerationRun::computesRow(int row) const
{
    return row == 1 || (m_attempts < m_attemptLimit && row <= m_settings.rowsToCompute);
}

// Every attempt of a run passes through the next three; a back-test over many seeds
// spends nearly all its time here, so they stay small enough to be inlined.
inline std::uint64_t GenerationRun::drawNumbers(CandidateRow &candidate)
{
    const auto entries = quint32(m_pool.size());
    const std::uint8_t *pool = m_pool.entries().data();
    auto &numbers = candidate.numbers;
    // A local generator stays in a register, where a member's state would be stored back
    // after every slot.
    RandomSource random = m_random;
    std::uint64_t seen = 0; // one bit per number modulo 64; a hit is checked against the slots
    std::uint64_t shared = 0; // the numbers in common with each placed row, four bits a row
    const auto repeats = [&](size_t slot, int number) {
        for (size_t earlier = 0; earlier < slot; ++earlier)
            if (numbers[earlier] == number)
                return true;
        return false;
    };
    const auto drawSlot = [&](size_t slot) {
        for (;;) {
            const int number = pool[random.below(entries)];
            const std::uint64_t bit = std::uint64_t(1) << (number & 63);
            // A number already in the row clears the slot again: the slot is drawn anew.
            if ((seen & bit) == 0 || !repeats(slot, number)) {
                seen |= bit;
                numbers[slot] = number;
                shared += m_placedRows.word(number);
                return;
            }
        }
    };
    drawSlot(0);
    drawSlot(1);
    drawSlot(2);
    drawSlot(3);
    drawSlot(4);
    m_random = random;
    return shared;
}

inline int GenerationRun::megaballPick()
{
    if (!m_megaballStatisticsReady)
        computeMegaballStatistics();
    if (m_settings.megaballOption != GenerationSettings::RandomMegaball)
        return m_megaballPicked;
    // Drawn until a kept one comes; the longest-overdue Megaball is always kept.
    RandomSource random = m_random;
    int b = 0;
    do
        b = 1 + int(random.below(m_megaballMax));
    while (((m_megaballsKept >> b) & 1u) == 0);
    m_random = random;
    return b;
}

CandidateRow GenerationRun::attemptLoop(int row)
{
    CandidateRow candidate;
    bool accepted = false;
    bool firstAttempt = true;
    while (!accepted && m_attempts < m_attemptLimit && !stopRequested()) {
        if (m_hooks.processEvents)
            yieldPoint(row, firstAttempt);
        firstAttempt = false;
        ++m_attempts;
        if (m_attempts == m_nextLoosening)
            loosenOptions(row);
        const std::uint64_t shared = drawNumbers(candidate);
        // A stop that arrived while the numbers were drawn leaves the Megaball out.
        candidate.megaball = stopRequested() ? 0 : megaballPick();
        if (m_hooks.attemptStatus) {
            CandidateRow sorted = candidate;
            std::sort(sorted.numbers.begin(), sorted.numbers.end());
            m_lastAttempt.emplace(row, sorted);
        }
        // The other-rows test comes first and rejects most candidates; it needs no order,
        // so only the candidates it passes are sorted for the others.
        if (!m_placedRows.passes(shared, m_otherRows))
            continue;
        std::sort(candidate.numbers.begin(), candidate.numbers.end());
        accepted = m_filters->checkAfterOtherRows(candidate, m_settings) == FilterTest::Accepted;
    }
    // A budget used up by this very attempt leaves the row empty, accepted or not.
    if (!accepted || m_attempts >= m_attemptLimit)
        return {};
    return candidate;
}

void GenerationRun::loosenOptions(int row)
{
    if (m_attempts == m_attemptLimit / 2 && m_settings.pairRule)
        setOption(&GenerationSettings::pairRule, false);
    if (row >= 3)
        relaxLimits(row);
    planLoosening();
}

void GenerationRun::planLoosening()
{
    // The attempt counts at which loosenOptions may change something, the next one first.
    m_nextLoosening = std::numeric_limits<int>::max();
    for (const int at : {m_attemptLimit / 2, m_attemptLimit - 20000, m_attemptLimit - 10000, m_attemptLimit - 5000})
        if (at > m_attempts)
            m_nextLoosening = std::min(m_nextLoosening, at);
}

void GenerationRun::yieldPoint(int row, bool firstAttempt)
{
    if (!m_hooks.processEvents)
        return;
    if (!firstAttempt && ((m_attempts & ClockCheckMask) != 0 || m_sinceYield.elapsed() < m_hooks.yieldInterval.count()))
        return;
    if (m_lastAttempt)
        m_hooks.attemptStatus(attemptStatusText(m_lastAttempt->first, m_lastAttempt->second, m_messages));
    m_hooks.processEvents(row);
    if (m_hooks.refresh) {
        m_hooks.refresh(m_settings, m_attemptLimit);
        planLoosening();
        optionsChanged();
    }
    m_sinceYield.restart();
}

void GenerationRun::optionsChanged()
{
    m_otherRows = OtherRowsRule::of(m_settings);
    m_megaballsKept = 0;
    m_megaballPicked = 0;
    if (!m_megaballStatisticsReady)
        return;
    // MegaballPick without its random draws: which Megaballs a draw keeps, and what the
    // two options that draw nothing pick.
    const NumberStatistic &overdue = m_megaballOverdue;
    const int maxOverdue = overdue.high;
    const int megaballMax = m_request.format->megaballMax;
    int longestOverdue = megaballMax;
    while (longestOverdue > 1 && overdue.value(longestOverdue) != maxOverdue)
        --longestOverdue;
    const int threshold = std::min(maxOverdue, m_settings.recentMegaballDraws);
    const auto kept = [&](int b) { return !m_settings.avoidRecentMegaball || overdue.value(b) >= threshold; };
    for (int b = 1; b <= megaballMax; ++b)
        if (kept(b))
            m_megaballsKept |= std::uint64_t(1) << b;
    // A rejected Megaball is marked only for this choice.
    std::array<int, Games::MegaballCapacity + 1> frequency{};
    for (int b = 1; b <= megaballMax; ++b)
        frequency[size_t(b)] = m_megaballFrequency.value(b);
    for (;;) {
        int b = longestOverdue;
        if (m_settings.megaballOption == GenerationSettings::RarestMegaball) {
            const int least = *std::min_element(frequency.begin() + 1, frequency.begin() + megaballMax + 1);
            b = megaballMax;
            while (b > 1 && frequency[size_t(b)] != least)
                --b;
        }
        if (kept(b)) {
            m_megaballPicked = b;
            return;
        }
        frequency[size_t(b)] = RejectedMegaball;
    }
}

void GenerationRun::relaxLimits(int row)
{
    using S = GenerationSettings;
    const int left = m_attemptLimit - m_attempts;
    if (left == 20000)
        setOption(&S::wholeHistoryLimit, 6);
    if (left == 10000) {
        setOption(&S::drawBeforeLastLimit, 2);
        if (row != 8)
            setOption(&S::lastDrawLimit, 1);
    }
    if (left == 5000) {
        if (row != 8)
            setOption(&S::drawBeforeLastLimit, 3);
        setOption(&S::lastDrawLimit, 2);
    }
}

void GenerationRun::setOption(CheckBoxField field, bool on)
{
    m_settings.*field = on;
    optionsChanged();
    if (m_hooks.optionChanged)
        m_hooks.optionChanged(
            {OptionChange::Kind::CheckBox, GenerationOptions::checkBoxOf(field).number, on ? 1 : 0, m_attempts});
}

void GenerationRun::setOption(SpinField field, int value)
{
    // As the spin control would take it: the whole-history limit tops out at 5 when the
    // Megaball does not count.
    const SpinOption &spin = GenerationOptions::spinOf(field);
    value = std::clamp(value, spin.minimum, GenerationOptions::maximumOf(spin, m_settings));
    m_settings.*field = value;
    optionsChanged();
    if (m_hooks.optionChanged)
        m_hooks.optionChanged({OptionChange::Kind::UpDown, spin.number, value, m_attempts});
}

void GenerationRun::computeMegaballStatistics()
{
    for (ChartKind kind : {ChartKind::MegaballOverdue, ChartKind::MegaballFrequency})
        if (m_hooks.chartComputed)
            m_hooks.chartComputed(kind);
    if (m_basis) {
        m_megaballOverdue = m_basis->megaballOverdue;
        m_megaballFrequency = m_basis->megaballFrequency;
    } else {
        const StatisticsWindow window{m_request.start, m_references.endDate, m_request.format};
        m_megaballOverdue = NumberStatistics::compute(ChartKind::MegaballOverdue, m_request.draws, window);
        m_megaballFrequency = NumberStatistics::compute(ChartKind::MegaballFrequency, m_request.draws, window);
    }
    m_megaballStatisticsReady = true;
    optionsChanged();
}
