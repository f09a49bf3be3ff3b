#include "output/online_tip.h"

#include "app/message_table.h"
#include "tipsheet/tip_file.h"

#include <QDir>
#include <QFileInfo>

QString OnlineTip::fileName(QDate endDate)
{
    return endDate.addDays(7).toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + TipFile::Suffix;
}

Result<QString> OnlineTip::folder(const ProgramDirectory &directory)
{
    const QString path = directory.filePath(FolderName);
    const QFileInfo info(path);
    if (info.isDir())
        return path;
    if (info.exists())
        return fail(CoreText::text(Msg::NotAFolder).arg(path));
    if (!QDir().mkdir(path))
        return fail(CoreText::text(Msg::FolderNotCreated).arg(path));
    return path;
}

Result<QString> OnlineTip::write(const ProgramDirectory &directory, QDate endDate, const TipSheetTexts &sheet)
{
    const auto tips = folder(directory);
    if (!tips)
        return tips;
    const QString path = QDir(*tips).filePath(fileName(endDate));
    if (auto saved = TipFile::save(path, sheet); !saved)
        return fail(saved.error());
    return path;
}
