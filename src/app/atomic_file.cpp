#include "app/atomic_file.h"

#include <QSaveFile>

Result<void> AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(QStringLiteral("%1: %2").arg(path, reason));
    }
    if (!file.commit())
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return {};
}
