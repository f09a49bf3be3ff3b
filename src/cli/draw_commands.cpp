// draws, import and export: the draw file from the command line.
#include "cli/cli.h"

#include "app/atomic_file.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "draws/game_format.h"

#include <QFile>

#include <algorithm>

namespace {
// A file of a million bad lines is not worth a million lines of complaint.
constexpr int MaxReportedLines = 100;
} // namespace

int CliCommands::draws(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());
    const auto draws = DrawStore(context.storePath()).readAll();
    if (!draws)
        return context.failWith(draws.error());
    for (const Draw &draw : *draws)
        context.out << DrawText::listLine(draw) << '\n';
    return Cli::Success;
}

int CliCommands::importDraws(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const QStringList files = arguments.positionals();
    if (files.size() != 1 || arguments.hasError())
        return Cli::usage(context, arguments.error());
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly))
        return context.failWith(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return context.failWith(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    const DrawText::ParsedDraws parsed = DrawText::parse(QString::fromUtf8(bytes));
    if (!parsed.errors.isEmpty()) {
        for (const QString &error : parsed.errors.mid(0, MaxReportedLines))
            context.err << error << '\n';
        if (parsed.errors.size() > MaxReportedLines)
            context.err << "... and " << parsed.errors.size() - MaxReportedLines << " more bad lines\n";
        context.err << "nothing was imported" << '\n';
        context.err.flush();
        return Cli::Failure;
    }
    if (parsed.draws.empty())
        return context.failWith(QStringLiteral("%1: no draws found, nothing was imported").arg(files.first()));

    std::vector<Draw> draws = parsed.draws;
    for (Draw &draw : draws)
        std::sort(draw.numbers.begin(), draw.numbers.end());
    const auto counts = DrawStore(context.storePath()).import(draws);
    if (!counts)
        return context.failWith(counts.error());
    context.out << QStringLiteral("imported %1 draws (%2 added, %3 replaced)")
                       .arg(counts->added + counts->replaced)
                       .arg(counts->added)
                       .arg(counts->replaced)
                << '\n';
    // A history of the classic format alone needs no breakdown; any other format is named.
    const auto &byFormat = counts->addedByFormat;
    if (byFormat.size() > 1 || (byFormat.size() == 1 && byFormat.begin()->first != Games::classic().id)) {
        for (const Games::GameFormat &format : Games::all())
            if (const auto it = byFormat.find(format.id); it != byFormat.end())
                context.out << QStringLiteral("  %1 (%2): %3 added").arg(format.id, format.name).arg(it->second)
                            << '\n';
    }
    return Cli::Success;
}

int CliCommands::exportDraws(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const QStringList files = arguments.positionals();
    if (files.size() != 1 || arguments.hasError())
        return Cli::usage(context, arguments.error());
    const auto draws = DrawStore(context.storePath()).readAll();
    if (!draws)
        return context.failWith(draws.error());
    if (auto written = AtomicFile::write(files.first(), DrawText::exportText(*draws)); !written)
        return context.failWith(written.error());
    return Cli::Success;
}
