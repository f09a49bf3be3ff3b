#include "app/text_excerpt.h"

#include "app/message_table.h"

namespace {
QString escaped(char32_t codePoint)
{
    switch (codePoint) {
    case U'\n':
        return QStringLiteral("\\n");
    case U'\r':
        return QStringLiteral("\\r");
    case U'\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    if (codePoint < 0x100)
        return QStringLiteral("\\x%1").arg(uint(codePoint), 2, 16, QLatin1Char('0'));
    if (codePoint < 0x10000)
        return QStringLiteral("\\u%1").arg(uint(codePoint), 4, 16, QLatin1Char('0'));
    return QStringLiteral("\\U%1").arg(uint(codePoint), 8, 16, QLatin1Char('0'));
}

QString excerpt(const QString &text, int maxChars, bool keepLineBreaks)
{
    QString out;
    qsizetype i = 0;
    const qsizetype size = text.size();
    // The excerpt itself is bounded, escapes included: forty NULs are not forty characters.
    while (i < size) {
        char32_t codePoint = text[i].unicode();
        qsizetype width = 1;
        if (text[i].isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        const bool kept = keepLineBreaks && (codePoint == U'\n' || codePoint == U'\r' || codePoint == U'\t');
        // A lone surrogate is no character at all; QChar::isPrint says so too.
        const QString piece = kept || (QChar::isPrint(codePoint) && !(width == 1 && QChar::isSurrogate(codePoint)))
            ? text.mid(i, width)
            : escaped(codePoint);
        if (out.size() + piece.size() > maxChars)
            break;
        out += piece;
        i += width;
    }
    if (i < size)
        out += CoreText::text(Msg::MoreCharacters, u"... (%1 more characters)").arg(size - i);
    return out;
}
} // namespace

QString TextExcerpt::field(const QString &text, int maxChars)
{
    return excerpt(text, maxChars, false);
}

QString TextExcerpt::block(const QString &text, int maxChars)
{
    return excerpt(text, maxChars, true);
}
