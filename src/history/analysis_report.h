// The report file of both historical analyses, "Test.rtf" in the program folder: plain
// text despite its name, one report line per text line. Written UTF-8 with a byte-order
// mark, so that every language's texts survive, and CR LF after every line.
#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace AnalysisReport {
inline constexpr char FileName[] = "Test.rtf";

QByteArray fileBytes(const QStringList &lines);
// Replaces the file at `path` (an earlier report is overwritten).
Result<void> write(const QString &path, const QStringList &lines);
} // namespace AnalysisReport
