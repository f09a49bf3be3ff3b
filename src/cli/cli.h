// Shared pieces of the command-line companion: the context every command gets, exit
// codes and a small argument reader.
#pragma once

#include "app/program_directory.h"
#include "draws/game_format.h"

#include <QStringList>
#include <QTextStream>

#include <optional>
#include <vector>

namespace Cli {
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

struct Command;

struct Context {
    ProgramDirectory directory;
    QTextStream &out;
    QTextStream &err;
    const Command &command; // the one running, for its usage line
    const Games::GameFormat *game = nullptr; // --game; none: the format of the newest draw

    QString storePath() const;
    // The format the command works in: --game, else that of the newest draw of `draws`.
    const Games::GameFormat &formatFor(const std::vector<Draw> &draws) const;
    // Prints "message" to stderr and returns Failure.
    int failWith(const QString &message) const;
};

// Takes options out of an argument list; what remains are the positional arguments.
class Arguments {
public:
    explicit Arguments(QStringList args)
        : m_args(std::move(args))
    { }

    bool takeFlag(const QString &name);
    // The value after `name`; an error when the option is present without a value.
    std::optional<QString> takeValue(const QString &name);
    QStringList takeAll(const QString &name);
    // Positional arguments once every option was taken; an unknown option is an error.
    QStringList positionals();

    bool hasError() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

private:
    QStringList m_args;
    QString m_error;
};

// Prints the usage error and the running command's usage line to stderr; returns UsageError.
int usage(const Context &context, const QString &problem);
} // namespace Cli

// One function per command; the table is in command_table.cpp.
namespace CliCommands {
int draws(Cli::Context &context, const QStringList &args);
int importDraws(Cli::Context &context, const QStringList &args);
int exportDraws(Cli::Context &context, const QStringList &args);
int check(Cli::Context &context, const QStringList &args);
int update(Cli::Context &context, const QStringList &args);
int stats(Cli::Context &context, const QStringList &args);
int pool(Cli::Context &context, const QStringList &args);
int filter(Cli::Context &context, const QStringList &args);
int generate(Cli::Context &context, const QStringList &args);
int tiplist(Cli::Context &context, const QStringList &args);
int script(Cli::Context &context, const QStringList &args);
int backtest(Cli::Context &context, const QStringList &args);
int backtestGrid(Cli::Context &context, const QStringList &args);
int repeats(Cli::Context &context, const QStringList &args);
int wheel(Cli::Context &context, const QStringList &args);
} // namespace CliCommands
