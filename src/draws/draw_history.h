// The draw history as the window works with it: one copy of the store's draws in memory,
// shared by every command that reads them. The commands that write the store (update,
// manual entry, deletion, rebuild) call `reload` when they are done; a store another
// program changed meanwhile is noticed by its size and time stamp and read again.
#pragma once

#include "app/program_directory.h"
#include "app/result.h"
#include "draws/draw.h"
#include "draws/draw_store.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <vector>

class DrawHistory : public QObject {
    Q_OBJECT
public:
    using Draws = std::shared_ptr<const std::vector<Draw>>;

    // The store "Devudirurero.dat" of the program directory, found regardless of the
    // case of its name at each use.
    explicit DrawHistory(const QString &programDirectory, QObject *parent = nullptr);

    QString storePath() const;
    DrawStore store() const { return DrawStore(storePath()); }

    // The stored draws, oldest first; the store's error when it cannot be read (a
    // failed read is not kept: the next call tries again). The list a caller holds
    // stays as it was when the history is reloaded.
    Result<Draws> draws();

    // The store was written: the next `draws` reads it again.
    void reload();

signals:
    // A writer changed the store.
    void changed();

private:
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);

    ProgramDirectory m_directory;
    QString m_readPath; // where the copy was read
    Draws m_draws;
    Stamp m_stamp;
    // When the copy was read: a file changed within the file system's time resolution
    // of that moment may carry the same stamp, so such a copy is not trusted.
    std::filesystem::file_time_type m_readAt;
};
