// The twelve tip rows: which fields and labels belong to which row, and how a typed
// number is validated. A row is five main-number fields, a Megaball field and a hidden
// extra field.
#pragma once

#include "draws/game_format.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class MessageTable;

namespace TipRows {
constexpr int RowCount = 12;
constexpr int MainFields = 5;
constexpr int FieldsPerRow = 7; // five main numbers, the Megaball, the hidden extra field
constexpr int MegaballSlot = 5;
constexpr int ExtraSlot = 6;

struct RowLayout {
    int row; // 1..12
    int firstMain; // Edit<firstMain> .. Edit<firstMain + 4>; the Megaball field follows
    int extra; // Edit<extra>
    int lockLabel; // Label<lockLabel>, "<row>. Tipp"
    int hitLabel; // Label<hitLabel>
    int sumLabel; // Label<sumLabel>
};

const std::array<RowLayout, RowCount> &layouts();
const RowLayout &layout(int row);
// The field number (Edit<n>) of a slot of a row: slots 0..4 main numbers, 5 Megaball,
// 6 the extra field.
int fieldNumber(int row, int slot);
QString fieldName(int row, int slot);
// All 84 stored field names in ascending number order (the settings store's order).
QStringList storedFieldNames();
// The highest value a slot holds: the largest main number of the format for the main
// numbers, its largest Megaball for the Megaball and the extra field (75 and 15 in the
// classic format, which the one-argument form takes).
int maximumFor(int slot);
int maximumFor(int slot, const Games::GameFormat &format);

// A field text as the validation leaves it: the number without leading zeros, or
// empty when the text is no integer or lies outside 1..maximum.
QString normalized(const QString &text, int maximum);
// The number a field text holds, std::nullopt for text that does not convert.
std::optional<int> toInteger(const QString &text);
} // namespace TipRows

// The texts of one row's seven fields.
using TipRowTexts = std::array<QString, TipRows::FieldsPerRow>;
using TipSheetTexts = std::array<TipRowTexts, TipRows::RowCount>;

// A row plays each main number once. Main numbers are compared as the numbers their
// texts hold; the Megaball and the extra field stand apart.
namespace TipRows {
struct Repeat {
    int slot; // the main-number slot holding the number a second time
    int number;
};
// The first main number that an earlier main-number field of the row already holds.
std::optional<Repeat> firstRepeat(const TipRowTexts &row);
// The row with every main number that an earlier field already holds cleared: the first
// occurrence stays. `cleared` tells whether anything was.
TipRowTexts withoutRepeats(const TipRowTexts &row, bool *cleared = nullptr);
// Whether the number typed into a main-number slot is to go because another main field
// of its row holds it: at once when no further digit can make it another number in
// range ("8"), else ("1" on the way to "12") when the field is left.
bool removeTypedRepeat(const TipRowTexts &row, int slot, bool fieldLeft);
// The refusal of a sheet that is to be printed or handed on ("Tipp 3 enthält die Zahl 12
// mehrfach."), for its first row with a repeat among those output (first field filled).
std::optional<QString> repeatRefusal(const TipSheetTexts &sheet, const MessageTable &messages);
} // namespace TipRows
