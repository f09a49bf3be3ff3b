// skriptomat (stand-in): takes the place of the click-automation program for tests and
// demonstrations. It clicks nothing; it records its command line and a copy of the
// script named after "START", prints what it got and exits 0.
//
// Records go to the folder named by DEVU_STANDIN_LOG_DIR, else beside the program:
//   skriptomat-log.jsonl   one JSON object per start: {"arguments": [...], "scriptCopy": ..., "time": ...}
//   received-<n>.xrt       the script of the n-th start, byte for byte
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTextStream>

namespace {
const char *const LogName = "skriptomat-log.jsonl";

QString recordFolder()
{
    const QString configured = qEnvironmentVariable("DEVU_STANDIN_LOG_DIR");
    return configured.isEmpty() ? QCoreApplication::applicationDirPath() : configured;
}

// The whole file is rewritten, so that a record is never left half-written.
bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QByteArray readWhole(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QCoreApplication::arguments().mid(1);

    const QDir folder(recordFolder());
    QDir().mkpath(folder.path());
    const QString logPath = folder.filePath(QString::fromLatin1(LogName));
    QByteArray log = readWhole(logPath);
    const qsizetype run = log.count('\n') + 1;

    QJsonObject record;
    record.insert(QStringLiteral("arguments"), QJsonArray::fromStringList(arguments));
    record.insert(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    out << "skriptomat stand-in, start " << run << ", " << arguments.size() << " arguments:\n";
    for (qsizetype i = 0; i < arguments.size(); ++i)
        out << "  " << i + 1 << ": " << arguments[i] << '\n';

    // "START <script> ...": keep a copy of the script as it was when the program started.
    if (arguments.size() >= 2 && arguments[0] == QLatin1String("START")) {
        const QString script = arguments[1];
        const QString copy = QStringLiteral("received-%1.xrt").arg(run);
        if (QFileInfo(script).isFile() && writeWhole(folder.filePath(copy), readWhole(script))) {
            record.insert(QStringLiteral("scriptCopy"), copy);
            out << "script copied to " << folder.filePath(copy) << '\n';
        } else {
            record.insert(QStringLiteral("scriptCopy"), QJsonValue::Null);
            out << "no script file at " << script << '\n';
        }
    }
    log += QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    if (!writeWhole(logPath, log))
        out << "could not write " << logPath << '\n';
    out << "log: " << logPath << Qt::endl;
    return 0;
}
