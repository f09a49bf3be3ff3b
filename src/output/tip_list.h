// The printable tip list "Tipp.txt": a header with the play date, a rule, an empty line
// and one line per filled row. The window writes it and hands it to the desktop's
// default application; the command-line tool prints the same lines.
#pragma once

#include "app/result.h"
#include "tipsheet/tip_rows.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

class MessageTable;

namespace TipList {
inline const QString FileName = QStringLiteral("Tipp.txt");
inline const QString Caption = QStringLiteral("Tipp ausdrucken");
inline const QString Hint = QStringLiteral("Drucken SIe hier die berechneten Tipps aus");
inline const QString Rule = QString(46, QLatin1Char('~'));

// The next drawing after the shown one: the shown draw's date plus 3 days when the
// end-date picker shows a Tuesday, else plus 4. After every evaluation the picker holds
// the shown draw's date, so normally both arguments are the same day.
QDate playDate(QDate shownDrawDate, QDate endDate);

// The list's lines, titled with message entry 28 ("Morvaks Lotto-Tipp für "). Fails
// with the conversion message on the first printed row (first field filled) whose main
// numbers or Megaball do not convert, in row and field order, and before any of that
// on a printed row that holds a main number twice.
Result<QStringList> lines(const TipSheetTexts &sheet, const MessageTable &messages, QDate playDate);
// System code page, CR LF after each line.
QByteArray encode(const QStringList &lines);
// Formats everything first, so that a conversion error leaves the previous file as it
// was; the file itself is replaced atomically.
Result<void> write(const QString &path, const TipSheetTexts &sheet, const MessageTable &messages, QDate playDate);
} // namespace TipList
