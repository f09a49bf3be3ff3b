// Draws as text: the "Export nach Text" format (20171027;1;2;3;4;5;6;2;) and the CSV of
// the bundled history (2017-10-27,1,2,3,4,5,6,2), both read by the import.
#pragma once

#include "draws/draw.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace DrawText {
// One CR LF line per draw: YYYYMMDD;n1;n2;n3;n4;n5;MB;MP;
QByteArray exportText(const std::vector<Draw> &draws);
// "YYYY-MM-DD n1 n2 n3 n4 n5 MB MP", numbers as stored: the line the command-line tool
// prints per draw.
QString listLine(const Draw &draw);

struct ParsedDraws {
    std::vector<Draw> draws; // in file order, main numbers as given
    QStringList errors; // "line N: reason"
};
// Reads CSV lines (an optional header line first), export lines or the published New
// York and Texas files, accepting only draws valid in the game format of their date.
// Empty lines are skipped.
ParsedDraws parse(const QString &text);
} // namespace DrawText
