// devudirurero-screenshots OUTDIR [--history FILE] [--language N]
// Shows the main window on a temporary copy of the draw history (the bundled one beside
// the program by default) and writes page-N.png for every page and chart-KIND.png for
// every chart and dialog-NAME.png for every dialog into OUTDIR. Run it with
// QT_QPA_PLATFORM=offscreen.
#include "analysis/ui/chart_controller.h"
#include "app/http_client.h"
#include "app/memory_settings_store.h"
#include "app/ui/main_window.h"
#include "generator/random_source.h"
#include "ui/platform_services.h"
#include "ui/window_registry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLocale>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // As the program sets them up.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QFont font = QApplication::font();
    font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
    QApplication::setFont(font);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("where the PNG files go"));
    parser.addOption({QStringLiteral("history"), QStringLiteral("the draw file to show"), QStringLiteral("file"),
        QApplication::applicationDirPath() + QStringLiteral("/Devudirurero.dat")});
    parser.addOption({QStringLiteral("language"), QStringLiteral("the language entry 1..8"), QStringLiteral("n")});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("usage: devudirurero-screenshots OUTDIR [--history FILE] [--language N]\n", stderr);
        return 2;
    }
    const QDir out(parser.positionalArguments().first());
    QDir().mkpath(out.path());

    // The program folder is a temporary copy: the resources beside this tool, the history.
    QTemporaryDir folder;
    const QDir bin(QApplication::applicationDirPath());
    for (const QString &name : bin.entryList(QDir::Files))
        if (!name.endsWith(QLatin1String(".dat")) && !QFileInfo(bin.filePath(name)).isExecutable())
            QFile::copy(bin.filePath(name), folder.filePath(name));
    for (const QString &sub : bin.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QDir(folder.path()).mkpath(sub);
        for (const QString &name : QDir(bin.filePath(sub)).entryList(QDir::Files))
            QFile::copy(bin.filePath(sub + QLatin1Char('/') + name), folder.filePath(sub + QLatin1Char('/') + name));
    }
    if (!QFile::copy(parser.value(QStringLiteral("history")), folder.filePath(QStringLiteral("Devudirurero.dat")))) {
        std::fputs("cannot copy the draw history\n", stderr);
        return 1;
    }

    WidgetUserDialogs dialogs;
    MultimediaSoundPlayer sound;
    QtDesktopShell shell;
    RandomSource random(1);
    const std::unique_ptr<HttpClient> http = makeNetworkHttpClient();
    auto settings = std::make_shared<MemorySettingsStore>();
    MainWindow::Services services;
    services.dialogs = &dialogs;
    services.sound = &sound;
    services.shell = &shell;
    services.random = &random;
    services.http = http.get();
    services.openSettings = [settings] { return std::make_unique<MemorySettingsStore>(*settings); };
    MainWindow window(folder.path(), services);
    window.show();
    window.afterCreation();
    if (parser.isSet(QStringLiteral("language")))
        window.chooseLanguage(parser.value(QStringLiteral("language")).toInt());
    QApplication::processEvents();

    const auto save = [&](const QString &name) {
        QApplication::processEvents();
        const QString path = out.filePath(name + QStringLiteral(".png"));
        if (!window.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    };
    for (int page = 0; page < window.pageControl()->count(); ++page) {
        if (!window.pageControl()->isTabVisible(page))
            continue;
        window.pageControl()->setCurrentIndex(page);
        save(QStringLiteral("page-%1").arg(page + 1));
    }
    using DrawStatistics::ChartKind;
    const std::pair<ChartKind, const char *> charts[]
        = {{ChartKind::NumberDistribution, "numbers"}, {ChartKind::Pairs, "pairs"}, {ChartKind::Triples, "triples"},
            {ChartKind::Quads, "quads"}, {ChartKind::Overdue, "overdue"}, {ChartKind::SumDistribution, "sums"},
            {ChartKind::MegaballOverdue, "megaball-overdue"}, {ChartKind::MegaballFrequency, "megaball"}};
    for (const auto &[kind, name] : charts) {
        window.chartControl()->showOnChartPage(kind);
        save(QStringLiteral("chart-") + QString::fromLatin1(name));
    }
    window.chartControl()->showTipDistribution();
    save(QStringLiteral("chart-tips"));
    // The dialogs, as they open at their own size.
    for (const WindowRegistry::Window &dialog : window.windows().windows()) {
        if (dialog.widget == &window)
            continue;
        dialog.widget->adjustSize();
        const QString path = out.filePath(QStringLiteral("dialog-%1.png").arg(dialog.name));
        if (!dialog.widget->grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    return 0;
}
