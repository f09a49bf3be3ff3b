// The draw history file: 32-byte records back to back, oldest first. Rewrites replace
// the file atomically and copy every record they do not change byte for byte (dates
// that no reader understands and the reserved bytes included); appends add whole
// records or nothing; readers ignore a trailing partial record that an interrupted
// append may have left. Every writing operation holds a lock file beside the store for
// its whole read-modify-write, so two programs writing at once never lose each other's
// draws: the second waits a few seconds, then gives up with a clear message.
#pragma once

#include "app/result.h"
#include "draws/draw.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <map>
#include <vector>

class DrawStore {
public:
    static constexpr auto FileName = "Devudirurero.dat";
    static constexpr std::chrono::milliseconds DefaultLockWait{5000};

    explicit DrawStore(QString filePath);

    const QString &path() const { return m_path; }
    // "Devudirurero.dat.lock" beside the store.
    QString lockPath() const;
    bool exists() const;
    // How long a writing operation waits for another writer to finish.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    Result<std::vector<Draw>> readAll() const;
    // The whole records of a store file's bytes, in file order.
    static std::vector<Draw> decode(const QByteArray &bytes);

    // Creates an empty file when none exists; an existing file is left alone.
    Result<void> createIfMissing() const;
    Result<void> append(const Draw &draw) const;
    Result<void> append(const std::vector<Draw> &draws) const;
    // Appends a downloaded draw only when it is later than the last stored record, checked
    // under the lock: two updates at once then never store a date twice, and a draw
    // another writer stored meanwhile is left as it is.
    struct NewestAppend {
        bool appended = false;
        QDate lastDate; // the last record's date afterwards (invalid for an empty store)
        int index = -1; // the last record's 0-based number afterwards
    };
    Result<NewestAppend> appendNewest(const Draw &draw) const;
    // Replaces the whole store with these draws.
    Result<void> rewrite(const std::vector<Draw> &draws) const;
    // Cuts a trailing partial record; returns the number of bytes removed.
    Result<int> cutPartialRecord() const;

    enum class Placement { Appended, Inserted, Replaced };
    // Stores a draw as manual entry does: a draw of a stored date replaces it (and any
    // further record of that date goes), any other goes before the first stored draw
    // with a later date. Appends in place when it is the newest, else rewrites.
    Result<Placement> store(const Draw &draw) const;
    // Removes every record of that date; returns how many were removed. The file is not
    // touched when none was.
    Result<int> removeDate(QDate date) const;

    struct ImportCounts {
        int added = 0;
        int replaced = 0; // also a draw whose date came earlier in the same list
        std::map<QString, int> addedByFormat; // by game format identifier
    };
    // Stores many draws in one rewrite, as storing them one by one in list order would
    // on a store in date order (a later draw of a date wins), in n log n time.
    Result<ImportCounts> import(const std::vector<Draw> &draws) const;

private:
    QString m_path;
    std::chrono::milliseconds m_lockWait = DefaultLockWait;
};

// What the writing operations do to a store's records, on bytes in memory: a trailing
// partial record is dropped, every record the operation does not change is copied as it
// is. The store runs these under its lock; tests and fuzzing run them without a file.
namespace DrawRecords {
QByteArray stored(const QByteArray &records, const Draw &draw, DrawStore::Placement &placement);
QByteArray removed(const QByteArray &records, QDate date, int &removedCount);
QByteArray imported(const QByteArray &records, const std::vector<Draw> &draws, DrawStore::ImportCounts &counts);
} // namespace DrawRecords
