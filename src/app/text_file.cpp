#include "app/text_file.h"

#include "app/message_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

Result<QByteArray> TextFile::read(const QString &path, qint64 maxBytes, const MessageTable &messages)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QString tooLarge = messages.text(Msg::InputTooLarge).arg(path).arg(maxBytes);
    if (!file.isSequential() && file.size() > maxBytes)
        return fail(tooLarge);
    // Devices and pipes report no size: read one byte past the limit to tell.
    constexpr qint64 Chunk = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray chunk = file.read(std::min(Chunk, maxBytes + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (bytes.size() > maxBytes)
        return fail(tooLarge);
    return bytes;
}

std::optional<QStringConverter::Encoding> TextFile::markedEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringConverter::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

QStringList TextFile::decodeLines(const QByteArray &bytes)
{
    QString text;
    if (const auto marked = markedEncoding(bytes)) {
        text = QStringDecoder(*marked).decode(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8.decode(bytes);
        if (utf8.hasError())
            text = QString::fromLatin1(bytes);
    }
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
