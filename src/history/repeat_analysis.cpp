#include "history/repeat_analysis.h"

#include "app/message_table.h"
#include "app/text_formats.h"
#include "history/repeat_chance.h"
#include "tipsheet/tip_rows.h"

namespace {
constexpr int EndMarkerDays = 10;

// Row 1 read once per pass: the scan compares it with hundreds of draws. The same rule
// as HitRule::zettelcheck, which reads the texts anew for every comparison.
struct ParsedRow {
    std::array<std::optional<int>, TipRows::MainFields> values{}; // the Megaball is not compared

    explicit ParsedRow(const TipRowTexts &texts)
    {
        for (size_t slot = 0; slot < values.size(); ++slot)
            values[slot] = TipRows::toInteger(texts[slot]);
    }

    int hitCount(const Draw &draw) const
    {
        int hits = 0;
        for (int drawn : draw.numbers) {
            for (size_t k = 0; k < values.size(); ++k) {
                if (!values[k])
                    return hits; // a field that does not convert stops the comparison
                if (*values[k] == drawn)
                    ++hits;
            }
        }
        return hits;
    }
};

TipRowTexts rowFor(const Draw &draw, const Games::GameFormat &format)
{
    // Written into the fields, whose validation removes a value outside their range.
    TipRowTexts texts;
    for (int slot = 0; slot < Game::MainCount; ++slot)
        texts[size_t(slot)] = TipRows::normalized(QString::number(draw.numbers[size_t(slot)]), format.mainMax);
    texts[TipRows::MegaballSlot]
        = TipRows::normalized(QString::number(draw.megaball), TipRows::maximumFor(TipRows::MegaballSlot, format));
    texts[TipRows::ExtraSlot]
        = TipRows::normalized(QString::number(draw.megaplier), TipRows::maximumFor(TipRows::ExtraSlot, format));
    return texts;
}

void count(std::array<qint64, 6> &histogram, int hits)
{
    if (hits >= 0 && hits <= 5)
        ++histogram[size_t(hits)];
}
} // namespace

RepeatAnalysis::RepeatAnalysis(RepeatAnalysisInput input)
    : m_input(std::move(input))
{
    for (size_t row = 0; row < m_sheet.size(); ++row)
        m_sheet[row] = m_input.sheet[row].texts;
    m_state = ShownDraw::showAndEvaluate(m_input.draws, m_input.chosenDate, m_input.shown, m_input.pickerMinimum);
    m_initial = m_state;
    m_sheet = SheetEvaluation::of(m_sheet, m_state.shownDraw).sortedSheet(m_sheet);
    m_result.endMarker = m_state.pickerDate.addDays(EndMarkerDays);
    m_result.format = m_input.format;
    if (m_input.draws.empty()) {
        m_result.endedOnEmptyHistory = true;
        m_finished = true;
    }
}

bool RepeatAnalysis::nextPass()
{
    if (m_finished || !(m_state.shownDraw.date < m_result.endMarker)) {
        m_finished = true;
        return false;
    }
    const std::vector<Draw> &draws = m_input.draws;
    RepeatPass pass;
    pass.number = m_result.passes + 1;
    pass.rowDraw = m_state.shownDraw;
    pass.rowDrawIndex = m_state.shownDrawIndex;
    pass.endMarker = m_result.endMarker;

    // Clear all tips (the locked rows stay), then row 1 := ShownDraw.
    for (size_t row = 0; row < m_sheet.size(); ++row)
        if (!m_input.sheet[row].locked)
            m_sheet[row] = TipRowTexts{};
    m_sheet[0] = rowFor(pass.rowDraw, *m_input.format);
    if (m_passStarted)
        m_passStarted({pass.number, pass.rowDraw, pass.endMarker, m_sheet});

    // The scan: every record from SelectedDate up to, not including, the row-1 draw.
    pass.windowStart = m_state.selectedDate;
    pass.windowEnd = m_state.pickerDate;
    const ParsedRow rowOne(m_sheet[0]);
    int hitCount = 0;
    for (const Draw &record : draws) {
        if (record.date < pass.windowStart || record.date >= pass.windowEnd)
            continue;
        hitCount = rowOne.hitCount(record);
        ++pass.comparedDraws;
        if (hitCount <= 5)
            ++pass.earlier[size_t(hitCount)];
        count(m_result.earlier, hitCount);
        if (hitCount >= m_input.stopLevel && m_question && !m_question(record, hitCount)) {
            m_result.stopped = true;
            m_result.stoppedAt = record;
            m_finished = true;
            return false;
        }
    }
    m_result.endMarker = draws.back().date;

    // The next-draw navigation and its evaluation.
    pass.navigated = ShownDraw::nextDraw(draws, m_input.statisticsStart, m_state, m_input.pickerMinimum);
    pass.evaluation = SheetEvaluation::of(m_sheet, pass.navigated.shownDraw);
    pass.sheet = pass.evaluation.sortedSheet(m_sheet);
    pass.nextHitCount = pass.evaluation.lastHit ? pass.evaluation.lastHit->hitCount : hitCount;
    count(m_result.next, pass.nextHitCount);

    m_state = pass.navigated;
    m_sheet = pass.sheet;
    ++m_result.passes;
    if (m_state.shownDrawIndex == pass.rowDrawIndex) {
        // Deviation: the navigation stands on the last record; the documented loop goes on
        // for ever when that record is not the newest by date.
        m_result.endedWithoutNextDraw = m_state.shownDraw.date < m_result.endMarker;
        m_finished = true;
    }
    m_pass = std::move(pass);
    return true;
}

const RepeatResult &RepeatAnalysis::runToEnd(const std::function<void(const RepeatPass &)> &observer)
{
    while (nextPass())
        if (observer)
            observer(m_pass);
    return m_result;
}

QString RepeatAnalysis::questionText(const MessageTable &messages, QDate date)
{
    return messages.text(Msg::RepeatHitStart) + TextFormats::shortDate(date) + messages.text(Msg::RepeatHitEnd);
}

QString RepeatAnalysis::questionCaption(const MessageTable &messages)
{
    return messages.text(Msg::RepeatHitCaption);
}

std::optional<int> RepeatAnalysis::parseStopLevel(const QString &text)
{
    return TipRows::toInteger(text);
}

QStringList RepeatReport::documentedLines(const RepeatResult &result, const MessageTable &messages)
{
    QStringList lines;
    lines << messages.text(Msg::RepeatReportEarlier);
    for (int k = 0; k <= 5; ++k)
        lines << QString::number(k) + QStringLiteral("    =>") + QString::number(result.earlier[size_t(k)]);
    lines << QStringLiteral(" ");
    lines << messages.text(Msg::RepeatReportNext);
    for (int k = 0; k <= 5; ++k)
        lines << QString::number(k) + QStringLiteral("    =>") + QString::number(result.next[size_t(k)]);
    return lines;
}

QStringList RepeatReport::chanceLines(
    const RepeatResult &result, const MessageTable &messages, const ReportFormat &format)
{
    const auto m = [&](Msg entry) { return messages.text(entry); };
    const QString tab = QStringLiteral("\t");
    QStringList lines;
    lines << QString() << m(Msg::RepeatChanceTitle);
    for (const auto &[title, histogram] :
        {std::pair{Msg::RepeatReportEarlier, &result.earlier}, std::pair{Msg::RepeatReportNext, &result.next}}) {
        const RepeatChance chance = RepeatChance::of(*histogram, result.format->mainMax, Game::MainCount);
        lines << m(title);
        lines << QStringList{m(Msg::CommonNumbers), m(Msg::Comparisons), m(Msg::ChanceExpected), m(Msg::Range95),
            m(Msg::Probability)}
                     .join(tab);
        for (const RepeatChance::Line &line : chance.lines)
            lines << QStringList{QString::number(line.common), format.integer(line.observed),
                format.number(line.expected, 2), format.range(line.range.low, line.range.high),
                format.oneIn(m(Msg::OneIn), 1 / line.ways.probability())}
                         .join(tab);
        lines << m(Msg::Comparisons) + tab + format.integer(chance.comparisons) + tab
                + format.integer(chance.comparisons);
        // Without comparisons there is nothing to set beside chance.
        if (chance.comparisons > 0) {
            const double share = 100.0 * double(chance.sharing) / double(chance.comparisons);
            lines << m(chance.differsFromChance() ? Msg::RepeatShareDiffers : Msg::RepeatShareWithinChance)
                         .arg(format.percent(share), format.percent(100.0 * chance.sharingProbability))
                    + QStringLiteral(" (") + m(Msg::BinomialTest) + QStringLiteral(", ") + format.pValue(chance.pValue)
                    + QStringLiteral(").");
        }
        if (title == Msg::RepeatReportEarlier)
            lines << QString();
    }
    return lines;
}

QStringList RepeatReport::lines(const RepeatResult &result, const MessageTable &messages, const ReportFormat &format)
{
    return documentedLines(result, messages) + chanceLines(result, messages, format);
}

QStringList RepeatReport::linesFor(const RepeatAnalysisInput &input, const MessageTable &messages)
{
    RepeatAnalysis analysis(input);
    return lines(analysis.runToEnd(), messages);
}
