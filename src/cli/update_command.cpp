// update: brings the draw file up to date from the draw-results service, headless.
#include "cli/cli.h"

#include "app/settings_store.h"
#include "draws/draw_download.h"
#include "draws/draw_text.h"
#include "draws/draw_updater.h"
#include "draws/stored_connection.h"

#include <QEventLoop>

namespace {
// "HOST:PORT"; the port text is checked by the update itself, like the window's field.
void applyProxy(const QString &proxy, DrawUpdateSettings &settings)
{
    const qsizetype colon = proxy.lastIndexOf(QLatin1Char(':'));
    QString host = colon < 0 ? proxy : proxy.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    settings.proxyHost = host;
    settings.proxyPort = colon < 0 ? QString() : proxy.mid(colon + 1);
}

// Requests that got no usable answer are skipped by the update; the tool says so once.
struct FailedRequests {
    int count = 0;
    QString last;
};
} // namespace

int CliCommands::update(Cli::Context &context, const QStringList &args)
{
    Cli::Arguments arguments(args);
    const auto url = arguments.takeValue(QStringLiteral("--url"));
    const auto proxy = arguments.takeValue(QStringLiteral("--proxy"));
    if (!arguments.positionals().isEmpty() || arguments.hasError())
        return Cli::usage(context, arguments.error());

    // The address and proxy the window uses, unless given here.
    const auto store = SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::Program, false);
    const StoredConnection stored = store ? StoredConnection::read(*store) : StoredConnection();
    DrawUpdateSettings settings;
    const QString urlText = url.value_or(stored.drawServiceUrl);
    const auto serviceUrl = DrawDownload::parseServiceUrl(urlText);
    if (!serviceUrl)
        return context.failWith(serviceUrl.error());
    settings.serviceUrl = *serviceUrl;
    if (proxy) {
        applyProxy(*proxy, settings);
    } else {
        settings.proxyHost = stored.proxyHost;
        settings.proxyPort = stored.proxyPort;
    }

    const std::unique_ptr<HttpClient> http = makeNetworkHttpClient();
    DrawUpdater updater(*http);
    FailedRequests failed;
    DrawUpdateSummary summary;
    QEventLoop loop;
    QObject::connect(&updater, &DrawUpdater::drawStored, &loop,
        [&](const Draw &draw) { context.out << DrawText::listLine(draw) << '\n'; });
    QObject::connect(&updater, &DrawUpdater::requestFinished, &loop, [&](QDate date, int status, const QString &line) {
        if (status == 0 || status >= 400) {
            ++failed.count;
            failed.last = QStringLiteral("%1 %2").arg(date.toString(Qt::ISODate), line);
        }
    });
    QObject::connect(&updater, &DrawUpdater::finished, &loop, [&](const DrawUpdateSummary &result) {
        summary = result;
        loop.quit();
    });
    if (!updater.start(context.storePath(), settings))
        return context.failWith(QStringLiteral("the update could not be started"));
    loop.exec();

    using Outcome = DrawUpdateSummary::Outcome;
    if (summary.outcome == Outcome::InvalidSettings)
        return context.failWith(summary.message);
    context.out << "updated: " << summary.storedCount << " draws" << Qt::endl;
    if (summary.ignoredDraws > 0) {
        QStringList dates;
        for (const QDate &date : summary.severalDrawDates.mid(0, 5))
            dates << date.toString(Qt::ISODate);
        if (summary.severalDrawDates.size() > 5)
            dates << QStringLiteral("...");
        context.err << "note: only one draw per date is stored; " << summary.ignoredDraws
                    << " further draws in the answers were left out (" << dates.join(QStringLiteral(", ")) << ")"
                    << Qt::endl;
    }
    if (failed.count > 0)
        context.err << "warning: " << failed.count << " requests got no usable answer, the last: " << failed.last
                    << Qt::endl;
    switch (summary.outcome) {
    case Outcome::Unparsable:
        context.err << "the answer for " << summary.lastDate.toString(Qt::ISODate) << " is not a list of draws ("
                    << summary.reason << "):\n"
                    << summary.message << Qt::endl;
        return Cli::Failure;
    case Outcome::FileError:
        return context.failWith(summary.message);
    default:
        return Cli::Success;
    }
}
