#include "app/text_file.h"

#include <QRegularExpression>
#include <QStringDecoder>

QStringList TextFile::decodeLines(const QByteArray &bytes)
{
    QString text;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
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
