#include "draws/draw_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {
Error fileError(const QFileDevice &file)
{
    return fail(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
}
} // namespace

DrawStore::DrawStore(QString filePath)
    : m_path(std::move(filePath))
{ }

bool DrawStore::exists() const
{
    return QFileInfo(m_path).isFile();
}

Result<std::vector<Draw>> DrawStore::readAll() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return fileError(file);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileError(file);
    std::vector<Draw> draws;
    const qsizetype whole = bytes.size() / DrawRecord::Size;
    draws.reserve(size_t(whole));
    for (qsizetype i = 0; i < whole; ++i)
        draws.push_back(DrawRecord::decode(bytes.constData() + i * DrawRecord::Size));
    return draws;
}

Result<void> DrawStore::createIfMissing() const
{
    if (exists())
        return {};
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return exists() ? Result<void>() : Result<void>(fileError(file));
    return {};
}

Result<int> DrawStore::cutPartialRecord() const
{
    QFile file(m_path);
    if (!file.exists())
        return 0;
    const qint64 extra = file.size() % DrawRecord::Size;
    if (extra == 0)
        return 0;
    if (!file.resize(file.size() - extra))
        return fileError(file);
    return int(extra);
}

Result<void> DrawStore::append(const Draw &draw) const
{
    return append(std::vector<Draw>{draw});
}

Result<void> DrawStore::append(const std::vector<Draw> &draws) const
{
    if (auto cut = cutPartialRecord(); !cut)
        return fail(cut.error());
    QByteArray bytes;
    for (const Draw &draw : draws)
        bytes += DrawRecord::encode(draw);
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return fileError(file);
    // One write call per batch keeps each record whole even if the process dies mid-way
    // far more often than record-by-record writes would; readers cope with the rest.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return fileError(file);
    return {};
}

Result<void> DrawStore::rewrite(const std::vector<Draw> &draws) const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(file);
    for (size_t i = 0; i < draws.size(); ++i) {
        if (m_interceptor && !m_interceptor(int(i))) {
            file.cancelWriting();
            return fail(QStringLiteral("%1: write failed").arg(m_path));
        }
        const QByteArray bytes = DrawRecord::encode(draws[i]);
        if (file.write(bytes) != bytes.size()) {
            file.cancelWriting();
            return fileError(file);
        }
    }
    if (!file.commit())
        return fileError(file);
    return {};
}

DrawStore::Placement DrawList::place(std::vector<Draw> &draws, const Draw &draw)
{
    const auto sameDate = [&](const Draw &d) { return d.date == draw.date; };
    auto first = std::find_if(draws.begin(), draws.end(), sameDate);
    if (first != draws.end()) {
        *first = draw;
        draws.erase(std::remove_if(first + 1, draws.end(), sameDate), draws.end());
        return DrawStore::Placement::Replaced;
    }
    auto later = std::find_if(draws.begin(), draws.end(), [&](const Draw &d) { return d.date > draw.date; });
    if (later == draws.end()) {
        draws.push_back(draw);
        return DrawStore::Placement::Appended;
    }
    draws.insert(later, draw);
    return DrawStore::Placement::Inserted;
}

Result<DrawStore::Placement> DrawStore::store(const Draw &draw) const
{
    auto draws = readAll();
    if (!draws)
        return fail(draws.error());
    std::vector<Draw> list = std::move(draws).value();
    const Placement placement = DrawList::place(list, draw);
    const Result<void> written = placement == Placement::Appended ? append(draw) : rewrite(list);
    if (!written)
        return fail(written.error());
    return placement;
}

Result<int> DrawStore::removeDate(QDate date) const
{
    auto draws = readAll();
    if (!draws)
        return fail(draws.error());
    std::vector<Draw> list = std::move(draws).value();
    const auto before = list.size();
    list.erase(std::remove_if(list.begin(), list.end(), [&](const Draw &d) { return d.date == date; }), list.end());
    if (auto written = rewrite(list); !written)
        return fail(written.error());
    return int(before - list.size());
}
