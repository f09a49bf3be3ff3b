// Writing files so that a failure never leaves them half-written. A whole file goes to a
// temporary file beside it, is flushed to the disk and only then replaces the old file;
// an append either adds every byte or cuts the file back to its old length. Every write,
// the flush to the disk and the close are checked, and a full disk is named as such.
// Every writer of the program (draw store, tip files, lists, reports, scripts,
// settings, exports) goes through here, so that one place decides what "written" means.
#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>

#include <cerrno>

namespace AtomicFile {
// Replaces (or creates) `path` with `bytes`. On failure the previous file is unchanged,
// no temporary file is left behind, and the message names the file and the reason.
Result<void> write(const QString &path, const QByteArray &bytes);
// Adds `bytes` at the end of `path`, creating it when missing. On failure the file is
// cut back to the length it had, so no partial record stays behind.
Result<void> append(const QString &path, const QByteArray &bytes);

// "path: reason" for an operating-system error number; the full-disk errors are spelled
// out so that a user knows what to do.
QString describeError(const QString &path, int osError);

// Test hooks, process-wide, in the manner of an I/O error test: the write layer fails
// as a filling disk would. Off until set; clear() switches every fault off.
namespace Faults {
// Once `bytes` more bytes went through the layer, writing fails with `osError` (a short
// write first, then the error, as the system call does).
void failAfterBytes(qint64 bytes, int osError = ENOSPC);
// The next flush to the disk fails with `osError`, as a delayed write error reports.
void failNextSync(int osError = EIO);
void clear();
} // namespace Faults
} // namespace AtomicFile
