// The commands of devudirurero-cli in one table: the name, the function that runs it and
// its usage, options and exit codes. The dispatch, every usage error, --help and the
// manual page read this table; a new command is one entry in it.
#pragma once

#include "app/program_help.h"
#include "cli/cli.h"

#include <vector>

namespace Cli {
struct Command {
    QString name;
    int (*run)(Context &, const QStringList &);
    QString arguments; // what follows the name in the usage line
    QString summary; // one line in the list of commands
    QStringList description; // paragraphs: what it does and prints
    std::vector<ProgramHelp::Item> options;
    QString failure; // what ends it with exit code 1; empty when nothing does
};

const std::vector<Command> &commands();
const Command *findCommand(const QString &name);

// "devudirurero-cli [--dir DIR] check YYYY-MM-DD n1 n2 n3 n4 n5 MB"
QString usageLine(const Command &command);
// The command's usage, description, options and exit codes, as its --help prints them.
ProgramHelp::Page helpPage(const Command &command);
// The tool itself: its synopsis, global options, the list of commands, exit codes, files.
ProgramHelp::Page toolPage();
} // namespace Cli
