// The draw file as a hostile disk may hold it: any bytes, dates no reader understands,
// numbers outside the game. Every reader of the history (texts, charts, candidate pool,
// row filters) takes it, and the writers' record work keeps every record it does not
// change byte for byte.
#include "analysis/draw_statistics.h"
#include "app/message_table.h"
#include "draws/draw_display.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "fuzz_support.h"
#include "generator/candidate_pool.h"
#include "generator/reference_draws.h"
#include "generator/row_filters.h"

#include <algorithm>

namespace {
using DrawStatistics::ChartKind;

QByteArray record(const QByteArray &records, size_t i)
{
    return records.mid(qsizetype(i) * DrawRecord::Size, DrawRecord::Size);
}

// The records whose date is not one of `dates`, in file order: what an operation on
// those dates must copy unchanged.
QByteArray untouched(const QByteArray &records, const std::vector<Draw> &draws, const std::vector<QDate> &dates)
{
    QByteArray kept;
    for (size_t i = 0; i < draws.size(); ++i)
        if (std::find(dates.begin(), dates.end(), draws[i].date) == dates.end())
            kept += record(records, i);
    return kept;
}

// `part` occurs in `whole` record by record, in order (other records may stand between).
bool containsInOrder(const QByteArray &whole, const QByteArray &part)
{
    qsizetype at = 0;
    for (qsizetype i = 0; i + DrawRecord::Size <= whole.size() && at < part.size(); i += DrawRecord::Size)
        if (whole.mid(i, DrawRecord::Size) == part.mid(at, DrawRecord::Size))
            at += DrawRecord::Size;
    return at == part.size();
}

void readEverything(const std::vector<Draw> &draws, const QByteArray &file)
{
    static const MessageTable messages;
    for (const Draw &draw : draws) {
        (void)DrawText::listLine(draw);
        (void)DrawDisplay::text(draw, DrawDisplay::Style::Navigation);
        (void)DrawDisplay::crossSum(messages, draw);
    }
    const QDate start(2013, 10, 22);
    const QDate end = draws.empty() ? QDate(2017, 10, 27) : draws[draws.size() / 2].date;
    const ReferenceDraws references = findReferenceDraws(draws, end);
    for (ChartKind kind : {ChartKind::NumberDistribution, ChartKind::Pairs, ChartKind::Triples, ChartKind::Quads,
             ChartKind::Overdue, ChartKind::SumDistribution, ChartKind::MegaballOverdue, ChartKind::MegaballFrequency})
        (void)DrawStatistics::chart(kind, draws, {start, references.endDate}, messages);

    // The options from the first bytes: every statistic and test may be on.
    GenerationSettings settings = GenerationSettings::defaults();
    for (int i = 0; i < 32 && i < file.size() * 8; ++i)
        if (GenerationOptions::checkBox(i) && (file[i / 8] >> (i % 8)) & 1)
            settings.setCheckBox(i, true);
    const CandidatePool pool = buildCandidatePool({draws, start, references}, settings, messages);
    (void)pool.distinctCount();
    RowFilters filters(draws, start, references);
    CandidateRow candidate;
    candidate.numbers = {3, 8, 12, 40, 75};
    candidate.megaball = 7;
    (void)filters.check(candidate, {}, settings);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray file = Fuzz::bytes(data, size);
    const std::vector<Draw> draws = DrawStore::decode(file);
    Fuzz::require(draws.size() == size / DrawRecord::Size, "every whole record is read");
    const QByteArray records = file.left(qsizetype(draws.size()) * DrawRecord::Size);
    readEverything(draws, file);
    if (draws.empty())
        return 0;

    // Storing the last record's draw (given a date) into the others.
    const Draw incoming = draws.back();
    if (incoming.date.isValid()) {
        const QByteArray rest = records.left(records.size() - DrawRecord::Size);
        const std::vector<Draw> others(draws.begin(), draws.end() - 1);
        DrawStore::Placement placement{};
        const QByteArray out = DrawRecords::stored(rest, incoming, placement);
        const QByteArray kept = untouched(rest, others, {incoming.date});
        Fuzz::require(out.size() == kept.size() + DrawRecord::Size, "store keeps one record of the date");
        Fuzz::require(containsInOrder(out, kept), "store copies the other records unchanged");
        Fuzz::require(out.contains(DrawRecord::encode(incoming)), "store writes the draw");

        DrawStore::ImportCounts counts;
        const std::vector<Draw> list{incoming, draws.front().date.isValid() ? draws.front() : incoming};
        const QByteArray imported = DrawRecords::imported(rest, list, counts);
        Fuzz::require(counts.added + counts.replaced == int(list.size()), "import counts every draw");
        const QByteArray importKept = untouched(rest, others, {list[0].date, list[1].date});
        Fuzz::require(containsInOrder(imported, importKept), "import copies the other records unchanged");
        Fuzz::require(imported.size() % DrawRecord::Size == 0, "import writes whole records");
    }

    int removedCount = 0;
    const QByteArray removed = DrawRecords::removed(records, draws.front().date, removedCount);
    Fuzz::require(removed == untouched(records, draws, {draws.front().date}), "remove keeps the others as they were");
    Fuzz::require(removedCount >= 1, "remove finds the record it was asked for");
    return 0;
}
