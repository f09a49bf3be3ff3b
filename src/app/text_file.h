// Reading the text files people and other programs hand this one (tip files, click-script
// templates, language files): one decoder, so that every file accepts the same encodings.
#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QStringConverter>
#include <QStringList>

#include <optional>

class MessageTable;

namespace TextFile {
// A file's bytes, refused (message entry "InputTooLarge", naming the file) when it holds
// more than `maxBytes`: a file that says so is refused unread, and a pipe or device that
// goes on (/dev/zero) once the limit is passed, so that no reader grows without end.
Result<QByteArray> read(const QString &path, qint64 maxBytes, const MessageTable &messages);

// The encoding a byte-order mark at the start names: UTF-8, UTF-16 LE or BE. Only a mark
// counts; Qt's own detection also guesses UTF-16 from NUL bytes, which would take a file
// whose first text begins with a NUL for UTF-16.
std::optional<QStringConverter::Encoding> markedEncoding(const QByteArray &bytes);

// The lines of a text file. A byte-order mark is honoured and removed; without one the bytes are read as UTF-8, this
// system's code page, or, when they are not valid UTF-8, as Latin-1, the Western code page older files were written in.
// Lines end at CR LF, LF or CR; a final line end adds no empty line.
QStringList decodeLines(const QByteArray &bytes);
} // namespace TextFile
