#include "cli_runner.h"

#include "test_data.h"

#include <QProcess>

QStringList CliRun::outLines() const
{
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

CliRun runCli(const QStringList &arguments)
{
    QProcess process;
    process.start(TestData::binDir() + QStringLiteral("/devudirurero-cli"), arguments);
    CliRun run;
    if (!process.waitForFinished(60000)) {
        run.err = QStringLiteral("did not finish: ") + process.errorString();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
