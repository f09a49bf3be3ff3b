#include "app/text_file.h"

#include <QRegularExpression>
#include <QStringDecoder>

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
