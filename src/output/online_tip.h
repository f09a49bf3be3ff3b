// "Tipp abgeben": the sheet stored as a dated tip file in the folder "Tipps", whose path
// the click-script hand-off then takes over.
#pragma once

#include "app/program_directory.h"
#include "app/result.h"
#include "tipsheet/tip_rows.h"

#include <QDate>
#include <QString>

namespace OnlineTip {
inline const QString FolderName = QStringLiteral("Tipps");
inline const QString Caption = QStringLiteral("Tipp abgeben");
inline const QString Hint = QStringLiteral("Hier können Sie den Tipp Online abgeben");
inline const QString MenuCaption = QStringLiteral("&Abgeben"); // Abgeben1, Ctrl+G, hidden

// The end date plus 7 days as "yyyymmdd.hlt", whatever the weekday.
QString fileName(QDate endDate);
// The folder "Tipps" of the program folder (found regardless of case), created when
// missing; one level only, as the program folder itself must exist.
Result<QString> folder(const ProgramDirectory &directory);
// Writes the tip file (replacing one of the same name) and returns its full path, the
// path the hand-off reads the tips from.
Result<QString> write(const ProgramDirectory &directory, QDate endDate, const TipSheetTexts &sheet);
} // namespace OnlineTip
