#include "history/analysis_report.h"

#include "app/atomic_file.h"

QByteArray AnalysisReport::fileBytes(const QStringList &lines)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

Result<void> AnalysisReport::write(const QString &path, const QStringList &lines)
{
    return AtomicFile::write(path, fileBytes(lines));
}
