// The preferred-number list behind "Welche Zahlen für die Berechnung": per number a
// check mark and a weight text. Filled from the candidate pool, turned back into a pool
// by "&Rechnen", and saved to and loaded from value-list files (".hlw": one line per
// number, its weight when checked, empty when not, CR LF after each line).
#pragma once

#include "app/result.h"
#include "generator/candidate_pool.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <vector>

struct PreferredNumber {
    bool checked = true;
    QString weight; // the box's hint text
    friend bool operator==(const PreferredNumber &, const PreferredNumber &) = default;
};

// Entry n - 1 belongs to number n.
using PreferredNumberList = std::vector<PreferredNumber>;

namespace PreferredNumbers {
constexpr int Range = 75;

// Checked where the pool holds the number, the weight its entry count ("0" when none).
PreferredNumberList fromPool(const CandidatePool &pool, int range = Range);

struct Rebuild {
    CandidatePool pool;
    std::vector<int> invalidWeights; // checked numbers whose weight is no integer
};
// For each checked number in order, weight w gives w + 1 entries (0 counts as 1, a
// negative weight gives none, a non-integer counts as 0); the pool keeps its capacity.
// An empty weight is first set to "0" in `list`, as the dialog's hint shows it then.
Rebuild rebuildPool(PreferredNumberList &list);
// The status text naming the weights that were no integers.
QString invalidWeightsText(const std::vector<int> &numbers);
} // namespace PreferredNumbers

namespace ValueListFile {
inline const QString Filter = QStringLiteral("Werteliste|*.hlw");
inline const QString Suffix = QStringLiteral("hlw");

// "yyyymmdd.hlw" of the day.
QString defaultFileName(QDate today);
// A checked number with an empty weight is first given "1" in `list`.
QByteArray encode(PreferredNumberList &list);
// Lines past the end of a short file read as empty: those numbers come back unchecked
// with the weight "1", as empty lines do.
PreferredNumberList decode(const QByteArray &bytes, int range = PreferredNumbers::Range);
Result<void> save(const QString &path, PreferredNumberList &list);
Result<PreferredNumberList> load(const QString &path, int range = PreferredNumbers::Range);
} // namespace ValueListFile
