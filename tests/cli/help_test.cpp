// --help and the manual pages: each program and each command of the table answers --help
// on stdout with the usage its usage errors print, and its manual page says the same.
#include "cli/command_table.h"
#include "cli_runner.h"
#include "test_data.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
// A manual page's text line by line, without requests, font changes and escapes.
QStringList manLines(const QString &name)
{
    QFile file(QStringLiteral(DEVU_MAN_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression request(QStringLiteral("^\\.[A-Za-z]+ ?"), QRegularExpression::MultilineOption);
    text.remove(request).remove(QStringLiteral("\\fB")).remove(QStringLiteral("\\fR")).remove(QStringLiteral("\\&"));
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    static const QRegularExpression codePoint(QStringLiteral("\\\\\\[u([0-9A-F]{4})\\]"));
    for (auto match = codePoint.match(text); match.hasMatch(); match = codePoint.match(text))
        text.replace(match.captured(0), QChar(match.captured(1).toUShort(nullptr, 16)));
    return text.replace(QStringLiteral("\\e"), QStringLiteral("\\")).split(QLatin1Char('\n'));
}

CliRun windowHelp()
{
    QProcess process;
    process.start(QStringLiteral(DEVU_BIN_DIR "/devudirurero"), {QStringLiteral("--help")});
    process.waitForFinished();
    return CliRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}
} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void helpAgreesWithTheManualPage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("devudirurero") << QStringLiteral("(window)");
        QTest::newRow("devudirurero-cli") << QString();
        for (const Cli::Command &command : Cli::commands())
            QTest::newRow(qPrintable(command.name)) << command.name;
    }
    void helpAgreesWithTheManualPage()
    {
        QFETCH(QString, command);
        ProgramHelp::Page page;
        CliRun help;
        QString manPage = QStringLiteral("devudirurero-cli.1");
        if (command == QLatin1String("(window)")) {
            page = ProgramHelp::window();
            help = windowHelp();
            manPage = QStringLiteral("devudirurero.1");
        } else if (command.isEmpty()) {
            page = Cli::toolPage();
            help = runCli({QStringLiteral("--help")});
        } else {
            page = Cli::helpPage(*Cli::findCommand(command));
            help = runCli({command, QStringLiteral("--help")});
            QCOMPARE(runCli({QStringLiteral("help"), command}).out, help.out);
            const CliRun wrong
                = runCli({QStringLiteral("--dir"), TestData::binDir(), command, QStringLiteral("--bad")});
            QCOMPARE(wrong.exitCode, 2);
            QCOMPARE(wrong.err.trimmed().split(QLatin1Char('\n')).last(), QStringLiteral("usage: ") + page.synopsis[0]);
        }
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.err, QString());
        QCOMPARE(help.out, ProgramHelp::textLines(page).join(QLatin1Char('\n')) + QLatin1Char('\n'));

        const QStringList man = manLines(manPage);
        QStringList expected = page.synopsis + page.description;
        for (const ProgramHelp::Section &section : page.sections)
            for (const ProgramHelp::Item &item : section.items) {
                expected << item.term;
                // The tool's page lists the commands by name; each has its own row here.
                if (section.title != QLatin1String("commands"))
                    expected << item.text;
            }
        for (const QString &line : std::as_const(expected))
            QVERIFY2(man.contains(line), qPrintable(manPage + QStringLiteral(" lacks: ") + line));
    }
};

QTEST_GUILESS_MAIN(HelpTest)
#include "help_test.moc"
