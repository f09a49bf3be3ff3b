// devudirurero-cli: the program's computations without a window.
#include "cli/cli.h"

#include <QCoreApplication>
#include <QDir>

#include <array>
#include <cstdio>

namespace {
struct Command {
    const char *name;
    int (*run)(Cli::Context &, const QStringList &);
};

const std::array commands{
    Command{"draws", &CliCommands::draws},
    Command{"import", &CliCommands::importDraws},
    Command{"export", &CliCommands::exportDraws},
    Command{"check", &CliCommands::check},
    Command{"update", &CliCommands::update},
    Command{"stats", &CliCommands::stats},
    Command{"pool", &CliCommands::pool},
    Command{"filter", &CliCommands::filter},
    Command{"generate", &CliCommands::generate},
    Command{"tiplist", &CliCommands::tiplist},
    Command{"script", &CliCommands::script},
    Command{"backtest", &CliCommands::backtest},
    Command{"repeats", &CliCommands::repeats},
    Command{"wheel", &CliCommands::wheel},
};

int printUsage(QTextStream &err)
{
    err << "usage: devudirurero-cli [--dir DIR] COMMAND [ARGS]\ncommands:";
    for (const Command &command : commands)
        err << ' ' << command.name;
    err << Qt::endl;
    return Cli::UsageError;
}
} // namespace

int main(int argc, char *argv[])
{
    // Everything the tool has to say goes through its own streams; Qt's warnings about
    // its inner workings are none of a user's business. A fatal one still ends the run.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    });
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Morvak"));
    QCoreApplication::setApplicationName(QStringLiteral("DevuDirurero"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments().mid(1);

    QString folder;
    if (args.size() >= 2 && args.first() == QLatin1String("--dir")) {
        folder = args.at(1);
        args.remove(0, 2);
    } else if (!args.isEmpty() && args.first() == QLatin1String("--dir")) {
        err << "--dir needs a value" << Qt::endl;
        return printUsage(err);
    }
    if (args.isEmpty())
        return printUsage(err);
    if (folder.isEmpty())
        folder = ProgramDirectory::resolve(QCoreApplication::applicationDirPath());
    else if (!QDir(folder).exists())
        return err << "no such folder: " << folder << Qt::endl, Cli::Failure;

    const QString name = args.takeFirst();
    for (const Command &command : commands) {
        if (name == QLatin1String(command.name)) {
            Cli::Context context{ProgramDirectory(folder), out, err};
            const int code = command.run(context, args);
            out.flush();
            err.flush();
            return code;
        }
    }
    err << "unknown command: " << name << Qt::endl;
    return printUsage(err);
}
