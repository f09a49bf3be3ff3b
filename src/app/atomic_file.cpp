// The one file-writing layer. On POSIX systems it speaks to the system calls directly:
// QSaveFile keeps the error of the flush inside commit() to itself and renames anyway,
// and it ignores a failed fsync, which is how a full disk turned a store of 420 draws
// into 128 with "imported" printed. Elsewhere QSaveFile serves, with every step checked.
#include "app/atomic_file.h"

#include "app/message_table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <mutex>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QSaveFile>
#endif

namespace {
struct FaultState {
    std::mutex mutex;
    qint64 budget = -1; // bytes still let through; negative: no fault
    int writeError = 0;
    int syncError = 0;
};

FaultState &faultState()
{
    static FaultState state;
    return state;
}

// How many of `wanted` bytes the test hook lets through; `error` is set when it stops
// the write short.
qint64 allowedBytes(qint64 wanted, int &error)
{
    FaultState &state = faultState();
    const std::lock_guard guard(state.mutex);
    if (state.budget < 0)
        return wanted;
    const qint64 allowed = std::min(wanted, state.budget);
    state.budget -= allowed;
    if (allowed < wanted)
        error = state.writeError;
    return allowed;
}

int takeSyncFault()
{
    FaultState &state = faultState();
    const std::lock_guard guard(state.mutex);
    return std::exchange(state.syncError, 0);
}

QString reasonText(int osError)
{
    switch (osError) {
    case ENOSPC:
        return CoreText::text(Msg::NoSpaceLeft);
#ifdef EDQUOT
    case EDQUOT:
        return CoreText::text(Msg::QuotaExceeded);
#endif
    case EFBIG:
        return CoreText::text(Msg::FileTooLarge);
    case EROFS:
        return CoreText::text(Msg::ReadOnlyVolume);
    case EACCES:
    case EPERM:
        return CoreText::text(Msg::AccessDenied);
    case EIO:
        return CoreText::text(Msg::VolumeIoError);
    default:
        return qt_error_string(osError);
    }
}

// A symbolic link is written through, as an editor would: the link stays a link.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

// Read at each failure: they follow the window's language.
QString keptNote()
{
    return CoreText::text(Msg::FileKept);
}
QString notCreatedNote()
{
    return CoreText::text(Msg::FileNotCreated);
}
QString nothingAddedNote()
{
    return CoreText::text(Msg::NothingAppended);
}
} // namespace

QString AtomicFile::describeError(const QString &path, int osError)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reasonText(osError));
}

void AtomicFile::Faults::failAfterBytes(qint64 bytes, int osError)
{
    FaultState &state = faultState();
    const std::lock_guard guard(state.mutex);
    state.budget = std::max<qint64>(bytes, 0);
    state.writeError = osError;
}

void AtomicFile::Faults::failNextSync(int osError)
{
    FaultState &state = faultState();
    const std::lock_guard guard(state.mutex);
    state.syncError = osError;
}

void AtomicFile::Faults::clear()
{
    FaultState &state = faultState();
    const std::lock_guard guard(state.mutex);
    state.budget = -1;
    state.writeError = 0;
    state.syncError = 0;
}

#ifdef Q_OS_UNIX
namespace {
// Writes every byte or returns the error number; a short write is followed up, as the
// error of a full disk only shows on the write after it.
int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        int faultError = 0;
        const qint64 chunk = allowedBytes(std::min<qint64>(left, 1 << 20), faultError);
        qint64 done = 0;
        while (done < chunk) {
            const ssize_t n = ::write(fd, data + done, size_t(chunk - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return errno;
            if (n == 0)
                return EIO;
            done += n;
        }
        if (faultError != 0)
            return faultError;
        data += chunk;
        left -= chunk;
    }
    return 0;
}

// The data reaches the disk before the file counts as written: a delayed allocation
// failure reports here. Files that cannot be synced (EINVAL) have nothing to report.
int syncFile(int fd)
{
    if (const int fault = takeSyncFault())
        return fault;
    while (::fsync(fd) != 0) {
        if (errno == EINTR)
            continue;
        return errno == EINVAL ? 0 : errno;
    }
    return 0;
}

// The rename is durable only once the folder is; a failure here loses nothing that a
// crash right after a successful rename would not, so it is not reported.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}
} // namespace

Result<void> AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    const QString target = writeTarget(path);
    const QByteArray native = QFile::encodeName(target);
    struct stat old { };
    const bool existed = ::stat(native.constData(), &old) == 0;
    if (existed && S_ISDIR(old.st_mode))
        return fail(describeError(path, EISDIR) + keptNote());
    const QString note = existed ? keptNote() : notCreatedNote();

    // Beside the target, so that the rename stays on one file system.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
        temporary = native + '~' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(describeError(path, errno) + note);
    if (existed)
        (void)::fchmod(fd, old.st_mode & 07777); // the file keeps its permissions

    int error = writeAll(fd, bytes);
    if (error == 0)
        error = syncFile(fd);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), native.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.constData());
        return fail(describeError(path, error) + note);
    }
    syncFolder(QFile::encodeName(QFileInfo(target).absolutePath()));
    return {};
}

Result<void> AtomicFile::append(const QString &path, const QByteArray &bytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(describeError(path, errno) + nothingAddedNote());
    const off_t end = ::lseek(fd, 0, SEEK_END);
    int error = end < 0 ? errno : writeAll(fd, bytes);
    if (error == 0)
        error = syncFile(fd);
    if (error != 0) {
        const bool cut = end >= 0 && ::ftruncate(fd, end) == 0;
        if (cut)
            (void)::fsync(fd);
        ::close(fd);
        return fail(describeError(path, error) + (cut ? nothingAddedNote() : CoreText::text(Msg::EndIncomplete)));
    }
    if (::close(fd) != 0) {
        error = errno;
        (void)::truncate(native.constData(), end);
        return fail(describeError(path, error) + nothingAddedNote());
    }
    return {};
}
#else
namespace {
Error qtFailure(const QString &path, const QFileDevice &file, const QString &note)
{
    return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString()) + note);
}

// Writes through the test hook and flushes after every chunk, so that an error shows
// at the write that met it and not in a later flush nobody checks.
bool writeChecked(QFileDevice &file, const QByteArray &bytes, int &faultError)
{
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qint64 chunk = allowedBytes(std::min<qint64>(bytes.size() - at, 1 << 20), faultError);
        if (file.write(bytes.constData() + at, chunk) != chunk || !file.flush())
            return false;
        if (faultError != 0)
            return false;
        at += chunk;
    }
    return true;
}
} // namespace

Result<void> AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    const QString target = writeTarget(path);
    const QString note = QFileInfo::exists(target) ? keptNote() : notCreatedNote();
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return qtFailure(path, file, note);
    int faultError = 0;
    if (!writeChecked(file, bytes, faultError) || takeSyncFault() != 0) {
        const QString reason = faultError != 0 ? describeError(path, faultError) : file.errorString();
        file.cancelWriting();
        return fail(reason + note);
    }
    if (!file.commit())
        return qtFailure(path, file, note);
    return {};
}

Result<void> AtomicFile::append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return qtFailure(path, file, nothingAddedNote());
    const qint64 end = file.size();
    int faultError = 0;
    if (!writeChecked(file, bytes, faultError) || takeSyncFault() != 0) {
        const QString reason = faultError != 0 ? describeError(path, faultError) : file.errorString();
        file.resize(end);
        return fail(reason + nothingAddedNote());
    }
    return {};
}
#endif
