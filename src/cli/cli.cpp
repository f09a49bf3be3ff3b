#include "cli/cli.h"

#include "cli/command_table.h"

#include "draws/draw_store.h"

QString Cli::Context::storePath() const
{
    return directory.filePath(QString::fromLatin1(DrawStore::FileName));
}

const Games::GameFormat &Cli::Context::formatFor(const std::vector<Draw> &draws) const
{
    return game ? *game : Games::newestFormat(draws);
}

int Cli::Context::failWith(const QString &message) const
{
    err << message << Qt::endl;
    return Failure;
}

bool Cli::Arguments::takeFlag(const QString &name)
{
    return m_args.removeAll(name) > 0;
}

std::optional<QString> Cli::Arguments::takeValue(const QString &name)
{
    const qsizetype at = m_args.indexOf(name);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= m_args.size()) {
        m_error = QStringLiteral("%1 needs a value").arg(name);
        m_args.removeAt(at);
        return std::nullopt;
    }
    QString value = m_args.at(at + 1);
    m_args.remove(at, 2);
    return value;
}

QStringList Cli::Arguments::takeAll(const QString &name)
{
    QStringList values;
    while (m_args.contains(name)) {
        const auto value = takeValue(name);
        if (!value)
            break;
        values.append(*value);
    }
    return values;
}

QStringList Cli::Arguments::positionals()
{
    for (const QString &arg : std::as_const(m_args)) {
        // A lone "-" or a negative number is a value, not an option.
        if (arg.startsWith(QLatin1String("--")) && m_error.isEmpty())
            m_error = QStringLiteral("unknown option %1").arg(arg);
    }
    return m_args;
}

int Cli::usage(const Context &context, const QString &problem)
{
    if (!problem.isEmpty())
        context.err << problem << Qt::endl;
    context.err << "usage: " << usageLine(context.command) << Qt::endl;
    return UsageError;
}
