#include "draws/draw_history.h"

#include <chrono>
#include <system_error>

namespace {
// Coarser than any file system's time stamps the program meets.
constexpr auto StampResolution = std::chrono::seconds(2);
} // namespace

DrawHistory::DrawHistory(const QString &programDirectory, QObject *parent)
    : QObject(parent)
    , m_directory(programDirectory)
{ }

QString DrawHistory::storePath() const
{
    return m_directory.filePath(QString::fromLatin1(DrawStore::FileName));
}

DrawHistory::Stamp DrawHistory::stampOf(const QString &storePath)
{
    Stamp stamp;
    std::error_code error;
    const std::filesystem::path path(storePath.toStdU16String());
    stamp.exists = std::filesystem::is_regular_file(path, error);
    if (!stamp.exists)
        return stamp;
    stamp.size = std::filesystem::file_size(path, error);
    stamp.modified = std::filesystem::last_write_time(path, error);
    return stamp;
}

Result<DrawHistory::Draws> DrawHistory::draws()
{
    const QString path = storePath();
    const Stamp stamp = stampOf(path);
    if (m_draws && path == m_readPath && stamp == m_stamp && stamp.modified + StampResolution < m_readAt)
        return m_draws;
    m_draws.reset();
    auto read = DrawStore(path).readAll();
    if (!read)
        return fail(read.error());
    m_readAt = std::filesystem::file_time_type::clock::now();
    m_stamp = stamp;
    m_readPath = path;
    m_draws = std::make_shared<const std::vector<Draw>>(std::move(read).value());
    return m_draws;
}

void DrawHistory::reload()
{
    m_draws.reset();
    emit changed();
}
