// devudirurero-cli: the program's computations without a window.
#include "app/program_help.h"
#include "cli/command_table.h"
#include "draws/game_format.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {
bool asksForHelp(const QStringList &args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

int printUsage(QTextStream &err)
{
    err << "usage: " << Cli::toolPage().synopsis.first() << "\ncommands:";
    for (const Cli::Command &command : Cli::commands())
        err << ' ' << command.name;
    err << "\nmore: devudirurero-cli help [COMMAND]" << Qt::endl;
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

    // The global options, in any order before the command.
    QString folder;
    const Games::GameFormat *game = nullptr;
    while (!args.isEmpty() && (args.first() == QLatin1String("--dir") || args.first() == QLatin1String("--game"))) {
        const QString option = args.first();
        if (args.size() < 2) {
            err << option << " needs a value" << Qt::endl;
            return printUsage(err);
        }
        const QString value = args.at(1);
        args.remove(0, 2);
        if (option == QLatin1String("--dir")) {
            folder = value;
            continue;
        }
        game = Games::byId(value);
        if (!game) {
            err << "unknown game format: " << value << " (known: " << Games::idList() << ')' << Qt::endl;
            return printUsage(err);
        }
    }
    if (args.isEmpty())
        return printUsage(err);
    const QString name = args.takeFirst();
    if (name == QLatin1String("--version")) {
        out << "devudirurero-cli " << ProgramHelp::version() << Qt::endl;
        return Cli::Success;
    }
    // "COMMAND --help" is "help COMMAND"; help needs no draw folder, so it makes none.
    const bool helpWord
        = name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h");
    if (helpWord || asksForHelp(args)) {
        QStringList topic = helpWord ? args : QStringList{name};
        if (helpWord && asksForHelp(args))
            topic = QStringList{QStringLiteral("help")};
        const Cli::Command &help = *Cli::findCommand(QStringLiteral("help"));
        Cli::Context context{ProgramDirectory(QDir::currentPath()), out, err, help};
        return help.run(context, topic);
    }

    if (folder.isEmpty())
        folder = ProgramDirectory::resolve(QCoreApplication::applicationDirPath());
    else if (!QDir(folder).exists())
        return err << "no such folder: " << folder << Qt::endl, Cli::Failure;
    const Cli::Command *command = Cli::findCommand(name);
    if (!command) {
        err << "unknown command: " << name << Qt::endl;
        return printUsage(err);
    }
    Cli::Context context{ProgramDirectory(folder), out, err, *command, game};
    const int code = command->run(context, args);
    out.flush();
    err.flush();
    return code;
}
