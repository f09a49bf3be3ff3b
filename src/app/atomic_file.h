// Writing a whole file so that a failure never leaves it half-written: the bytes go to a
// temporary file beside it, which replaces the old file only when every byte got there.
// Every writer of the program (tip files, lists, reports, scripts, settings, exports)
// goes through here, so that one place decides what "written" means.
#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>

namespace AtomicFile {
// Replaces (or creates) `path` with `bytes`. On failure the previous file is unchanged
// and the message names the file and the reason.
Result<void> write(const QString &path, const QByteArray &bytes);
} // namespace AtomicFile
