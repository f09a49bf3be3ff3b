// What the fuzz targets share: the input as Qt types, and a check that ends the run with
// a message, so that a broken property counts as a finding like a crash does.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace Fuzz {
inline QByteArray bytes(const std::uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

[[noreturn]] inline void broken(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "property broken: %s %s\n", what, qPrintable(detail.left(400)));
    std::abort();
}

inline void require(bool holds, const char *what, const QString &detail = {})
{
    if (!holds)
        broken(what, detail);
}

// A message shown to a user: short, and nothing in it a terminal or message box would
// take for a control character (line breaks allowed where `lines` says so).
inline bool isPrintable(const QString &text, bool lines = false)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (lines && (ch == u'\n' || ch == u'\r' || ch == u'\t'))
            continue;
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            if (!QChar::isPrint(QChar::surrogateToUcs4(ch, text[i + 1])))
                return false;
            ++i;
            continue;
        }
        if (ch.isSurrogate() || !ch.isPrint())
            return false;
    }
    return true;
}
} // namespace Fuzz
