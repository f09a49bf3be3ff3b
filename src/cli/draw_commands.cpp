// draws, import and export: the draw file from the command line.
#include "cli/cli.h"

#include "draws/draw_store.h"
#include "draws/draw_text.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

int CliCommands::draws(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error(), QStringLiteral("draws"));
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
        return Cli::usage(context, arguments.error(), QStringLiteral("import FILE"));
    QFile file(files.first());
    if (!file.open(QIODevice::ReadOnly))
        return context.failWith(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    const DrawText::ParsedDraws parsed = DrawText::parse(QString::fromUtf8(file.readAll()));
    if (!parsed.errors.isEmpty()) {
        for (const QString &error : parsed.errors)
            context.err << error << '\n';
        context.err.flush();
        return Cli::Failure;
    }

    const DrawStore store(context.storePath());
    std::vector<Draw> list;
    if (store.exists()) {
        auto existing = store.readAll();
        if (!existing)
            return context.failWith(existing.error());
        list = std::move(existing).value();
    }
    int added = 0;
    int replaced = 0;
    for (Draw draw : parsed.draws) {
        std::sort(draw.numbers.begin(), draw.numbers.end());
        if (DrawList::place(list, draw) == DrawStore::Placement::Replaced)
            ++replaced;
        else
            ++added;
    }
    if (auto written = store.rewrite(list); !written)
        return context.failWith(written.error());
    context.out
        << QStringLiteral("imported %1 draws (%2 added, %3 replaced)").arg(added + replaced).arg(added).arg(replaced)
        << '\n';
    return Cli::Success;
}

int CliCommands::exportDraws(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const QStringList files = arguments.positionals();
    if (files.size() != 1 || arguments.hasError())
        return Cli::usage(context, arguments.error(), QStringLiteral("export FILE"));
    const auto draws = DrawStore(context.storePath()).readAll();
    if (!draws)
        return context.failWith(draws.error());
    QSaveFile file(files.first());
    if (!file.open(QIODevice::WriteOnly))
        return context.failWith(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    file.write(DrawText::exportText(*draws));
    if (!file.commit())
        return context.failWith(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
    return Cli::Success;
}
