#include "generator/run_basis.h"

bool RunBasis::servesFor(std::span<const Draw> requestDraws, QDate requestStart, QDate requestEnd,
    const GenerationSettings &requestSettings, const Games::GameFormat &requestFormat) const
{
    // The same history is the same array, not an equal one.
    return requestDraws.data() == draws.data() && requestDraws.size() == draws.size() && requestStart == start
        && requestEnd == end && requestSettings == settings && &requestFormat == format;
}

RunBasisMaker::RunBasisMaker(
    std::span<const Draw> draws, QDate start, const MessageTable &messages, const Games::GameFormat &format)
    : m_draws(draws)
    , m_start(start)
    , m_messages(messages)
    , m_format(format)
    , m_statistics(draws, start, format)
    , m_bits(std::make_shared<const DrawBits>(draws))
{ }

RunBasis RunBasisMaker::make(QDate end, const GenerationSettings &settings)
{
    using DrawStatistics::ChartKind;
    RunBasis basis;
    basis.draws = m_draws;
    basis.start = m_start;
    basis.end = end;
    basis.settings = settings;
    basis.format = &m_format;
    basis.references = findReferenceDraws(m_draws, end);
    const QDate statisticsEnd = basis.references.endDate;
    PoolSources sources{m_draws, m_start, basis.references,
        [&](ChartKind kind) { return m_statistics.at(kind, statisticsEnd); }, &m_format};
    const StatusSink status = [&](const QString &text) { basis.poolReports.push_back({text, std::nullopt}); };
    const ChartSink chart = [&](ChartKind kind) { basis.poolReports.push_back({std::nullopt, kind}); };
    basis.pool = buildCandidatePool(sources, settings, m_messages, status, chart);
    basis.megaballOverdue = m_statistics.at(ChartKind::MegaballOverdue, statisticsEnd);
    basis.megaballFrequency = m_statistics.at(ChartKind::MegaballFrequency, statisticsEnd);
    basis.bits = m_bits;
    return basis;
}
