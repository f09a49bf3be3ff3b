// devudirurero-draw-service: serves a draw file to the draw update on this machine.
#include "draw_service.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {
struct Options {
    QHostAddress address = QHostAddress(QHostAddress::LocalHost);
    quint16 port = DrawService::DefaultPort;
    QString dataFile;
    DrawServiceFaults faults;
};

// The value of a numeric option within [minimum, maximum], or an error naming it.
Result<int> number(const QCommandLineParser &parser, const QString &name, int minimum, int maximum)
{
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        return fail(QStringLiteral("--%1 needs a whole number from %2 to %3").arg(name).arg(minimum).arg(maximum));
    return value;
}

Result<Options> readOptions(const QCommandLineParser &parser)
{
    Options options;
    options.dataFile = parser.isSet(QStringLiteral("data"))
        ? parser.value(QStringLiteral("data"))
        : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Devudirurero.dat"));
    if (parser.isSet(QStringLiteral("listen")) && !options.address.setAddress(parser.value(QStringLiteral("listen"))))
        return fail(
            QStringLiteral("--listen needs an IP address, not \"%1\"").arg(parser.value(QStringLiteral("listen"))));
    const auto port = number(parser, QStringLiteral("port"), 0, 65535);
    const auto delay = number(parser, QStringLiteral("delay"), 0, 600000);
    const auto hops = number(parser, QStringLiteral("redirects"), 0, 100);
    const auto trickle = number(parser, QStringLiteral("trickle"), 0, 600000);
    for (const auto *value : {&port, &delay, &hops, &trickle}) {
        if (!*value)
            return fail(value->error());
    }
    options.port = quint16(*port);
    options.faults.delayMs = *delay;
    options.faults.redirectHops = *hops;
    options.faults.trickleMs = *trickle;
    options.faults.internalError = parser.isSet(QStringLiteral("status-500"));
    options.faults.malformedBody = parser.isSet(QStringLiteral("malformed"));
    options.faults.sixFieldBody = parser.isSet(QStringLiteral("six-fields"));
    return options;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("devudirurero-draw-service"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Answers the draw update's requests from a draw file."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("listen"), QStringLiteral("Address to listen on (default 127.0.0.1)."),
            QStringLiteral("ADDRESS")},
        {QStringLiteral("port"), QStringLiteral("Port to listen on (default 8787, 0 for any free port)."),
            QStringLiteral("PORT"), QString::number(DrawService::DefaultPort)},
        {QStringLiteral("data"),
            QStringLiteral("Draw file (.dat) or CSV to serve (default: Devudirurero.dat beside the program)."),
            QStringLiteral("FILE")},
        {QStringLiteral("delay"), QStringLiteral("Serve each connection this many milliseconds late."),
            QStringLiteral("MS"), QStringLiteral("0")},
        {QStringLiteral("status-500"), QStringLiteral("Answer every request with status 500.")},
        {QStringLiteral("redirects"), QStringLiteral("Redirect every request this many times before answering."),
            QStringLiteral("N"), QStringLiteral("0")},
        {QStringLiteral("malformed"), QStringLiteral("Answer with a page that is no list of draws.")},
        {QStringLiteral("six-fields"), QStringLiteral("Leave the Megaplier out of every draw line.")},
        {QStringLiteral("trickle"), QStringLiteral("Send each answer's body one byte every MS milliseconds."),
            QStringLiteral("MS"), QStringLiteral("0")},
    });
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        err << "unexpected argument: " << parser.positionalArguments().first() << Qt::endl;
        return 2;
    }
    const auto options = readOptions(parser);
    if (!options) {
        err << options.error() << Qt::endl;
        return 2;
    }

    DrawService service;
    const auto loaded = service.loadDraws(options->dataFile);
    if (!loaded) {
        err << loaded.error() << Qt::endl;
        return 1;
    }
    service.setFaults(options->faults);
    if (auto listening = service.listen(options->address, options->port); !listening) {
        err << listening.error() << Qt::endl;
        return 1;
    }
    QObject::connect(&service, &DrawService::requestServed, &service, [&out](QDate date, int status) {
        out << (date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("(no date)")) << ' ' << status << Qt::endl;
    });
    out << "serving " << *loaded << " draws from " << QDir::toNativeSeparators(options->dataFile) << " at "
        << service.url().toString() << Qt::endl;
    return QCoreApplication::exec();
}
