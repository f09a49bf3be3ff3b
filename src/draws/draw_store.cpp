#include "draws/draw_store.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/serial_date.h"
#include "draws/game_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <map>
#include <set>

namespace {
Error fileError(const QFileDevice &file)
{
    return fail(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()), file.errorString()));
}

// A live writer is never robbed of its lock (a dead one is found by its process id);
// only a lock file nobody can read, left by a crash at the wrong moment, counts as
// stale after this long.
constexpr int StaleLockMs = 10 * 60 * 1000;
// Less than a block free: the lock file itself did not fit.
constexpr qint64 MinimumFreeBytes = 4096;

// A lock file that waiting can never lift: QLockFile takes over the lock of a dead writer
// only by opening and removing a regular file, and keeps reporting "locked" for anything
// else. Empty when the lock may still clear; otherwise what is wrong, in German and English.
struct StuckLock {
    QString german;
    QString english;
    bool isStuck() const { return !german.isEmpty(); }
};

// Whether the writer named in a lock file is gone, asked of QLockFile itself: a writable
// copy of the lock is taken over exactly when its writer no longer runs on this machine.
bool holderIsGone(const QString &lockPath)
{
    QFile original(lockPath);
    const QTemporaryDir probeDir;
    if (!probeDir.isValid() || !original.open(QIODevice::ReadOnly))
        return false;
    // A lock file holds a process number, a program and a host name: a few dozen bytes.
    const QByteArray content = original.read(4096);
    QFile copy(probeDir.filePath(QStringLiteral("probe.lock")));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(content) != content.size())
        return false;
    copy.close();
    QLockFile probe(copy.fileName());
    probe.setStaleLockTime(0); // judge by the process alone, not by the copy's age
    return probe.tryLock(0);
}

StuckLock stuckLock(const QLockFile &lock)
{
    const QFileInfo info(lock.fileName());
    if (info.isSymLink() && !info.exists())
        return {QStringLiteral("ist eine Verknüpfung auf das fehlende Ziel \"%1\"").arg(info.symLinkTarget()),
            QStringLiteral("is a link to the missing %1").arg(info.symLinkTarget())};
    if (info.isDir())
        return {QStringLiteral("ist ein Ordner"), QStringLiteral("is a folder")};
    if (!info.exists())
        return {}; // gone meanwhile
    if (!info.isFile())
        return {QStringLiteral("ist keine gewöhnliche Datei"), QStringLiteral("is not a regular file")};
    const bool removable = info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
    if (removable || !holderIsGone(info.filePath()))
        return {};
    qint64 pid = 0;
    QString host;
    QString program;
    lock.getLockInfo(&pid, &host, &program);
    if (!info.isWritable())
        return {QStringLiteral("ist schreibgeschützt und stammt von Prozess %1, der nicht mehr läuft").arg(pid),
            QStringLiteral("is read-only and left by process %1, which no longer runs").arg(pid)};
    return {QStringLiteral("stammt von Prozess %1, der nicht mehr läuft, und ihr Ordner ist schreibgeschützt").arg(pid),
        QStringLiteral("is left by process %1, which no longer runs, in a read-only folder").arg(pid)};
}

// Holds the store's lock file for one read-modify-write.
class StoreLock {
public:
    explicit StoreLock(const DrawStore &store)
        : m_lock(store.lockPath())
        , m_storePath(store.path())
    {
        m_lock.setStaleLockTime(StaleLockMs);
    }

    Result<void> acquire(std::chrono::milliseconds wait)
    {
        if (m_lock.tryLock(0))
            return {};
        const QString store = QDir::toNativeSeparators(m_storePath);
        const QString lockFile = QDir::toNativeSeparators(m_lock.fileName());
        if (m_lock.error() == QLockFile::LockFailedError) {
            // Said at once: no wait would help.
            if (const StuckLock stuck = stuckLock(m_lock); stuck.isStuck())
                return fail(QStringLiteral("%1: Die Sperrdatei %2 %3; sie wird nie von selbst frei. Die Datei ist "
                                           "unverändert; bitte die Sperrdatei löschen (the lock file %4: delete it).")
                                .arg(store, lockFile, stuck.german, stuck.english));
            if (m_lock.tryLock(int(wait.count())))
                return {};
        }
        if (m_lock.error() == QLockFile::LockFailedError) {
            qint64 pid = 0;
            QString host;
            QString program;
            const QString holder = m_lock.getLockInfo(&pid, &host, &program)
                ? CoreText::text(Msg::LockHolder).arg(program).arg(pid)
                : QString();
            return fail(
                CoreText::text(Msg::StoreLocked).arg(store, holder).arg(double(wait.count()) / 1000.0).arg(lockFile));
        }
        // QLockFile keeps the system's reason to itself; a full disk is the likely one.
        const QStorageInfo storage(QFileInfo(m_storePath).absolutePath());
        QString reason = CoreText::text(Msg::LockFileNotCreated, u"%1: cannot create the lock file").arg(lockFile);
        if (storage.isValid() && storage.bytesAvailable() < MinimumFreeBytes)
            reason = AtomicFile::describeError(m_lock.fileName(), ENOSPC);
        else if (m_lock.error() == QLockFile::PermissionError)
            reason = AtomicFile::describeError(m_lock.fileName(), EACCES);
        return fail(CoreText::text(Msg::LockNotCreated).arg(store, reason));
    }

private:
    QLockFile m_lock;
    QString m_storePath;
};

// The store's bytes, whole records only: a trailing partial record is dropped.
// A missing file reads as no records only where the operation may create it.
Result<QByteArray> readRecords(const QString &path, bool mayBeMissing)
{
    QFile file(path);
    if (mayBeMissing && !file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        return fileError(file);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileError(file);
    bytes.chop(bytes.size() % DrawRecord::Size);
    return bytes;
}

Result<void> cutPartial(const QString &path, qint64 &cut)
{
    cut = 0;
    QFile file(path);
    if (!file.exists())
        return {};
    const qint64 extra = file.size() % DrawRecord::Size;
    if (extra == 0)
        return {};
    if (!file.resize(file.size() - extra))
        return fileError(file);
    cut = extra;
    return {};
}

Result<void> appendRecords(const QString &path, const QByteArray &bytes)
{
    // A record cut short by an interrupted append would shift every record after it.
    qint64 cut = 0;
    if (auto cutting = cutPartial(path, cut); !cutting)
        return cutting;
    return AtomicFile::append(path, bytes);
}
} // namespace

DrawStore::DrawStore(QString filePath)
    : m_path(std::move(filePath))
{ }

QString DrawStore::lockPath() const
{
    return m_path + QStringLiteral(".lock");
}

bool DrawStore::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::vector<Draw> DrawStore::decode(const QByteArray &bytes)
{
    std::vector<Draw> draws;
    const qsizetype whole = bytes.size() / DrawRecord::Size;
    draws.reserve(size_t(whole));
    for (qsizetype i = 0; i < whole; ++i)
        draws.push_back(DrawRecord::decode(bytes.constData() + i * DrawRecord::Size));
    return draws;
}

Result<std::vector<Draw>> DrawStore::readAll() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileError(file);
    return decode(bytes);
}

Result<void> DrawStore::createIfMissing() const
{
    if (exists())
        return {};
    if (QFileInfo(m_path).isDir())
        return fail(AtomicFile::describeError(m_path, EISDIR));
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return exists() ? Result<void>() : Result<void>(fileError(file));
    return {};
}

Result<int> DrawStore::cutPartialRecord() const
{
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return fail(locked.error());
    qint64 cut = 0;
    if (auto cutting = cutPartial(m_path, cut); !cutting)
        return fail(cutting.error());
    return int(cut);
}

Result<void> DrawStore::append(const Draw &draw) const
{
    return append(std::vector<Draw>{draw});
}

Result<void> DrawStore::append(const std::vector<Draw> &draws) const
{
    QByteArray bytes;
    bytes.reserve(qsizetype(draws.size()) * DrawRecord::Size);
    for (const Draw &draw : draws)
        bytes += DrawRecord::encode(draw);
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return locked;
    return appendRecords(m_path, bytes);
}

Result<DrawStore::NewestAppend> DrawStore::appendNewest(const Draw &draw) const
{
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return fail(locked.error());
    qint64 cut = 0;
    if (auto cutting = cutPartial(m_path, cut); !cutting)
        return fail(cutting.error());
    QFile file(m_path);
    NewestAppend result;
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return fileError(file);
        const qint64 records = file.size() / DrawRecord::Size;
        if (records > 0) {
            QByteArray last(DrawRecord::Size, '\0');
            if (!file.seek((records - 1) * DrawRecord::Size)
                || file.read(last.data(), DrawRecord::Size) != DrawRecord::Size)
                return fileError(file);
            result.lastDate = SerialDate::toDate(DrawRecord::rawDate(last.constData()));
            result.index = int(records - 1);
        }
        file.close();
    }
    // A last record whose date no reader understands does not stop the update, as before.
    if (result.lastDate.isValid() && result.lastDate >= draw.date)
        return result;
    if (auto appended = AtomicFile::append(m_path, DrawRecord::encode(draw)); !appended)
        return fail(appended.error());
    result.appended = true;
    result.lastDate = draw.date;
    ++result.index;
    return result;
}

Result<void> DrawStore::rewrite(const std::vector<Draw> &draws) const
{
    QByteArray bytes;
    bytes.reserve(qsizetype(draws.size()) * DrawRecord::Size);
    for (const Draw &draw : draws)
        bytes += DrawRecord::encode(draw);
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return locked;
    return AtomicFile::write(m_path, bytes);
}

Result<DrawStore::Placement> DrawStore::store(const Draw &draw) const
{
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return fail(locked.error());
    auto records = readRecords(m_path, false);
    if (!records)
        return fail(records.error());
    Placement placement = Placement::Appended;
    const QByteArray out = DrawRecords::stored(*records, draw, placement);
    // The newest draw is appended in place: the records before it are not even rewritten.
    const Result<void> written = placement == Placement::Appended ? appendRecords(m_path, out.right(DrawRecord::Size))
                                                                  : AtomicFile::write(m_path, out);
    if (!written)
        return fail(written.error());
    return placement;
}

Result<int> DrawStore::removeDate(QDate date) const
{
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return fail(locked.error());
    auto records = readRecords(m_path, false);
    if (!records)
        return fail(records.error());
    int removed = 0;
    const QByteArray out = DrawRecords::removed(*records, date, removed);
    if (removed == 0)
        return 0;
    if (auto written = AtomicFile::write(m_path, out); !written)
        return fail(written.error());
    return removed;
}

Result<DrawStore::ImportCounts> DrawStore::import(const std::vector<Draw> &draws) const
{
    StoreLock lock(*this);
    if (auto locked = lock.acquire(m_lockWait); !locked)
        return fail(locked.error());
    auto records = readRecords(m_path, true);
    if (!records)
        return fail(records.error());
    ImportCounts counts;
    const QByteArray out = DrawRecords::imported(*records, draws, counts);
    if (auto written = AtomicFile::write(m_path, out); !written)
        return fail(written.error());
    return counts;
}

namespace {
// The records' dates as every reader sees them; invalid for a date no reader understands.
std::vector<QDate> datesOf(const QByteArray &records)
{
    std::vector<QDate> dates(static_cast<size_t>(records.size() / DrawRecord::Size));
    for (size_t i = 0; i < dates.size(); ++i)
        dates[i] = SerialDate::toDate(DrawRecord::rawDate(records.constData() + qsizetype(i) * DrawRecord::Size));
    return dates;
}

const char *recordAt(const QByteArray &records, size_t i)
{
    return records.constData() + qsizetype(i) * DrawRecord::Size;
}
} // namespace

QByteArray DrawRecords::stored(const QByteArray &records, const Draw &draw, DrawStore::Placement &placement)
{
    const std::vector<QDate> dates = datesOf(records);
    const QByteArray encoded = DrawRecord::encode(draw);
    const auto first = std::find(dates.begin(), dates.end(), draw.date);
    const auto later = std::find_if(dates.begin(), dates.end(), [&](QDate date) { return date > draw.date; });
    if (first == dates.end() && later == dates.end()) {
        placement = DrawStore::Placement::Appended;
        return records.left(qsizetype(dates.size()) * DrawRecord::Size) + encoded;
    }
    placement = first != dates.end() ? DrawStore::Placement::Replaced : DrawStore::Placement::Inserted;
    QByteArray out;
    out.reserve(records.size() + DrawRecord::Size);
    for (size_t i = 0; i < dates.size(); ++i) {
        if (first != dates.end() && dates[i] == draw.date) {
            // The first record of the date takes the new draw; any further one goes.
            if (i == size_t(first - dates.begin()))
                out += encoded;
            continue;
        }
        if (first == dates.end() && i == size_t(later - dates.begin()))
            out += encoded;
        out.append(recordAt(records, i), DrawRecord::Size);
    }
    return out;
}

QByteArray DrawRecords::removed(const QByteArray &records, QDate date, int &removedCount)
{
    const std::vector<QDate> dates = datesOf(records);
    QByteArray out;
    out.reserve(records.size());
    removedCount = 0;
    for (size_t i = 0; i < dates.size(); ++i) {
        if (dates[i] == date)
            ++removedCount;
        else
            out.append(recordAt(records, i), DrawRecord::Size);
    }
    return out;
}

QByteArray DrawRecords::imported(
    const QByteArray &records, const std::vector<Draw> &draws, DrawStore::ImportCounts &counts)
{
    const std::vector<QDate> dates = datesOf(records);
    const size_t count = dates.size();

    // The last draw of each date wins, as storing them in list order would have it.
    std::map<QDate, const Draw *> incoming;
    for (const Draw &draw : draws)
        incoming[draw.date] = &draw;
    std::vector<QDate> sortedStored = dates;
    std::sort(sortedStored.begin(), sortedStored.end());
    const auto isStored
        = [&](QDate date) { return std::binary_search(sortedStored.begin(), sortedStored.end(), date); };
    counts = {};
    for (const auto &[date, draw] : incoming) {
        if (!isStored(date)) {
            ++counts.added;
            ++counts.addedByFormat[Games::forDate(date).id];
        }
    }
    counts.replaced = int(draws.size()) - counts.added;

    // A new draw goes before the first stored record with a later date: the first whose
    // running maximum passes it, which stays right for a store out of order.
    std::vector<QDate> runningMax(count);
    for (size_t i = 0; i < count; ++i)
        runningMax[i] = i == 0 ? dates[0] : std::max(runningMax[i - 1], dates[i]);
    std::vector<std::pair<size_t, const Draw *>> inserts; // before record index
    for (const auto &[date, draw] : incoming) {
        if (isStored(date))
            continue;
        const auto at = std::upper_bound(runningMax.begin(), runningMax.end(), date);
        inserts.emplace_back(size_t(at - runningMax.begin()), draw);
    }

    QByteArray out;
    out.reserve(qsizetype(count + inserts.size()) * DrawRecord::Size);
    auto next = inserts.begin(); // in date order, so their positions never go back
    std::set<QDate> replacedDates;
    for (size_t i = 0; i <= count; ++i) {
        for (; next != inserts.end() && next->first == i; ++next)
            out += DrawRecord::encode(*next->second);
        if (i == count)
            break;
        const auto replacement = incoming.find(dates[i]);
        if (replacement == incoming.end())
            out.append(recordAt(records, i), DrawRecord::Size);
        else if (replacedDates.insert(replacement->first).second)
            out += DrawRecord::encode(*replacement->second); // further records of the date go
    }
    return out;
}
