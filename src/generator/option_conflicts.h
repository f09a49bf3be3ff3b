// Generation options that no row can meet together, named before a run starts: a run
// with them would spend its whole budget and end with rows left empty. Each conflict is
// a pair of options whose values exclude each other, whatever the history holds.
#pragma once

#include "generator/generation_options.h"
#include "generator/generation_run.h"

#include <QString>
#include <QStringList>

class MessageTable;

namespace OptionConflicts {
// One sentence per conflict, in the order of the option pages; empty when there is none.
// The locks tell which rows the run computes.
QStringList find(const GenerationSettings &settings, const std::array<SheetRow, TipRows::RowCount> &sheet,
    const MessageTable &messages);
// The whole message: "Diese Einstellungen widersprechen sich, ...:" and the conflicts.
QString message(const QStringList &conflicts, const MessageTable &messages);
} // namespace OptionConflicts
