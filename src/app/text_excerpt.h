// Short, printable excerpts of text that came from outside (a field of an imported line,
// a service's answer) for error messages: never more than a few dozen characters of a
// field, never a raw control character or binary byte.
#pragma once

#include <QString>

namespace TextExcerpt {
// One line: the start of `text`, every unprintable character escaped (\t, \n, \x07,
// \u200b), at most `maxChars` characters long with the escapes, and "... (N more
// characters)" when some were left out.
QString field(const QString &text, int maxChars = 40);
// For a message box: as field(), but line breaks and tabs stay as they are.
QString block(const QString &text, int maxChars);
} // namespace TextExcerpt
