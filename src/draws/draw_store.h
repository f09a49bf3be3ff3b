// The draw history file: 32-byte records back to back, oldest first. Rewrites replace
// the file atomically; appends add whole records; readers ignore a trailing partial
// record that an interrupted append may have left.
#pragma once

#include "app/result.h"
#include "draws/draw.h"

#include <QString>

#include <functional>
#include <vector>

class DrawStore {
public:
    static constexpr auto FileName = "Devudirurero.dat";

    explicit DrawStore(QString filePath);

    const QString &path() const { return m_path; }
    bool exists() const;

    Result<std::vector<Draw>> readAll() const;
    // Creates an empty file when none exists; an existing file is left alone.
    Result<void> createIfMissing() const;
    Result<void> append(const Draw &draw) const;
    Result<void> append(const std::vector<Draw> &draws) const;
    Result<void> rewrite(const std::vector<Draw> &draws) const;
    // Cuts a trailing partial record; returns the number of bytes removed.
    Result<int> cutPartialRecord() const;

    enum class Placement { Appended, Inserted, Replaced };
    // Stores a draw as manual entry does: a draw of a stored date replaces it, any other
    // goes in date order. Appends in place when it is the newest, else rewrites.
    Result<Placement> store(const Draw &draw) const;
    // Removes every record of that date; returns how many were removed.
    Result<int> removeDate(QDate date) const;

    // Test seam: called before each record a rewrite writes, with its index; returning
    // false makes the write fail there, as a full disk would.
    using WriteInterceptor = std::function<bool(int recordIndex)>;
    void setWriteInterceptor(WriteInterceptor interceptor) { m_interceptor = std::move(interceptor); }

private:
    QString m_path;
    WriteInterceptor m_interceptor;
};

namespace DrawList {
// Places a draw into a date-ordered list as manual entry does; all records of the same
// date give way to the one new draw.
DrawStore::Placement place(std::vector<Draw> &draws, const Draw &draw);
} // namespace DrawList
