#include "app/program_help.h"

#include <algorithm>

namespace {
constexpr int Width = 79;
constexpr int Indent = 2;
// A term longer than this puts its text on the next line instead of widening the column.
constexpr int MaxTermWidth = 22;
} // namespace

QString ProgramHelp::version()
{
    return QStringLiteral(DEVU_PACKAGE_VERSION);
}

const ProgramHelp::Page &ProgramHelp::window()
{
    static const Page page{QStringLiteral("devudirurero"),
        QStringLiteral("tip generator and evaluator for the lottery of five of 75 and a Megaball"),
        {QStringLiteral("devudirurero [-platform NAME] [-style NAME]"), QStringLiteral("devudirurero --help"),
            QStringLiteral("devudirurero --version")},
        {QStringLiteral("Opens the main window on the tip sheet \"Tipp-Übersicht\": twelve rows of five main numbers "
                        "(1 to 75) and a Megaball (1 to 15), compared with the shown draw of the history as they "
                        "are typed. \"Datenbank\" shows, enters and deletes draws and brings the history up to date "
                        "from the draw-results service; \"Berechnung\" holds the options of the tip generation, "
                        "which \"Tipps berechnen\" (Ctrl+R) runs; \"Diagramm\" draws the statistics of the history; "
                        "\"Internet-Optionen\" sets the service address and the proxy. The tips can be saved, "
                        "printed as a list and handed to the automation program."),
            QStringLiteral("The interface is German and switches at run time to English, French, Spanish, Italian, "
                           "Russian, Portuguese or Chinese (menu \"Sprache/Language\"); a first start opens in "
                           "English. The settings, the options and the locks of the rows are kept when the window "
                           "closes. devudirurero-cli runs the same "
                           "computations without a window.")},
        {
            {QStringLiteral("options"),
                {{QStringLiteral("--help"), QStringLiteral("print this help and exit")},
                    {QStringLiteral("--version"), QStringLiteral("print the version and exit")},
                    {QStringLiteral("-platform NAME"),
                        QStringLiteral("Qt's window system plugin, for example xcb, wayland or offscreen; Qt's other "
                                       "standard options are taken as well")},
                    {QStringLiteral("-style NAME"), QStringLiteral("Qt's widget style, for example Fusion")}}},
            {QStringLiteral("environment"),
                {{QStringLiteral("DEVU_TRANSLATION_TOOLS=1"),
                     QStringLiteral("shows the translators' entries \"Datei speichern\" and \"Datei laden\" in the "
                                    "language menu")},
                    {QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("the window system plugin, as -platform")}}},
            {QStringLiteral("files"),
                {{QStringLiteral("program folder"),
                     QStringLiteral("the executable's folder; for an installed program, or one whose folder is "
                                    "not writable, ~/.local/share/Morvak/DevuDirurero/, which the first start "
                                    "fills from share/devudirurero/ of the installation")},
                    {QStringLiteral("Devudirurero.dat"),
                        QStringLiteral("the draw history in the program folder, 32-byte records, oldest first; "
                                       "Devudirurero.dat.lock beside it while a writer works")},
                    {QStringLiteral("~/.config/Morvak/DevuDirurero.reg"), QStringLiteral("the settings")},
                    {QStringLiteral("~/.config/Morvak/Skriptor.reg"),
                        QStringLiteral("the parameters of the click-script hand-off")},
                    {QStringLiteral("/etc/xdg/Morvak/Skriptor/Settings.reg"),
                        QStringLiteral("read only: the \"Path\" of the automation program")},
                    {QStringLiteral("Land/, land/"),
                        QStringLiteral("the master list of components and the caption and message files of each "
                                       "language, in the program folder")},
                    {QStringLiteral("*.hlt, Tipps/"),
                        QStringLiteral("tip files; \"Tipp abgeben\" writes them into Tipps/")},
                    {QStringLiteral("*.hlw"), QStringLiteral("value lists of the preferred numbers")},
                    {QStringLiteral("Script/*.xrt"), QStringLiteral("click-script templates")},
                    {QStringLiteral("Tipp.txt, Test.rtf"),
                        QStringLiteral("the printable tip list and the report of the historical analyses (plain "
                                       "text), written to the program folder and opened with the desktop's "
                                       "program for them")}}},
        }};
    return page;
}

QStringList ProgramHelp::wrapped(const QString &text, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > width) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QStringList ProgramHelp::textLines(const Page &page)
{
    QStringList lines;
    const QString usage = QStringLiteral("usage: ");
    for (qsizetype i = 0; i < page.synopsis.size(); ++i)
        lines << (i == 0 ? usage : QString(usage.size(), QLatin1Char(' '))) + page.synopsis[i];
    for (const QString &paragraph : page.description) {
        lines << QString();
        lines << wrapped(paragraph, Width);
    }
    for (const Section &section : page.sections) {
        lines << QString() << section.title + QLatin1Char(':');
        qsizetype column = 0;
        for (const Item &item : section.items)
            if (item.term.size() <= MaxTermWidth)
                column = std::max(column, item.term.size());
        const QString margin(Indent + column + 2, QLatin1Char(' '));
        for (const Item &item : section.items) {
            const QStringList text = wrapped(item.text, Width - int(margin.size()));
            QString first = QString(Indent, QLatin1Char(' ')) + item.term;
            if (item.term.size() > column) {
                lines << first;
                first = margin;
            } else {
                first = first.leftJustified(margin.size());
            }
            for (qsizetype i = 0; i < text.size(); ++i)
                lines << (i == 0 ? first : margin) + text[i];
        }
    }
    return lines;
}
