// Process start: the application, the main window with its dialogs, the step after
// creation, then the event loop until the main window closes.
#include "app/http_client.h"
#include "app/program_directory.h"
#include "app/program_help.h"
#include "app/settings_store.h"
#include "app/ui/main_window.h"
#include "generator/random_source.h"
#include "ui/platform_services.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // --help and --version answer before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            QTextStream out(stdout);
            if (arg == "--version")
                out << "devudirurero " << ProgramHelp::version() << '\n';
            else
                for (const QString &line : ProgramHelp::textLines(ProgramHelp::window()))
                    out << line << '\n';
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Morvak"));
    QApplication::setApplicationName(QStringLiteral("DevuDirurero"));
    QApplication::setApplicationDisplayName(QStringLiteral("Morvaks DevuDirurero"));
    // German number formats throughout: decimal comma, thousands dot.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // The window is laid out for its compact design size; a smaller face keeps every
    // page within it.
    QFont font = QApplication::font();
    font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
    QApplication::setFont(font);

    PlainToolTips plainToolTips;
    app.installEventFilter(&plainToolTips);
    WidgetUserDialogs dialogs;
    MultimediaSoundPlayer sound;
    QtDesktopShell shell;
    RandomSource random;
    const std::unique_ptr<HttpClient> http = makeNetworkHttpClient();

    MainWindow::Services services;
    services.dialogs = &dialogs;
    services.sound = &sound;
    services.shell = &shell;
    services.random = &random;
    services.http = http.get();
    services.openSettings
        = [] { return SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::Program, true); };
    services.openScriptSettings = [] {
        return SettingsLocation::open(SettingsLocation::Scope::CurrentUser, SettingsKeys::ScriptParameters, true);
    };

    MainWindow window(ProgramDirectory::resolve(QApplication::applicationDirPath()), services);
    dialogs.setParent(&window);
    window.show();
    window.afterCreation();
    return app.exec();
}
