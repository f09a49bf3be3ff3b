// devudirurero-man-pages OUTDIR: writes the manual pages devudirurero.1 and
// devudirurero-cli.1 from the pages that --help prints, so that both say the same.
#include "app/atomic_file.h"
#include "app/program_help.h"
#include "cli/command_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

namespace {
using ProgramHelp::Item;
using ProgramHelp::Page;

// Text as roff reads it: a backslash and a minus written out (a plain "-" may become a
// hyphen, and options must survive copy and paste), other characters by code point, and
// no line taken for a request.
QString roff(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\e");
        else if (c == QLatin1Char('-'))
            out += QStringLiteral("\\-");
        else if (c.unicode() > 126)
            out += QStringLiteral("\\[u")
                + QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0')) + QLatin1Char(']');
        else
            out += c;
    }
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

// A command line with the program's name in bold.
QString commandLine(const QString &line)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return QStringLiteral("\\fB%1\\fR").arg(roff(line));
    return QStringLiteral("\\fB%1\\fR %2").arg(roff(line.left(blank)), roff(line.mid(blank + 1)));
}

void items(QStringList &out, const std::vector<Item> &list)
{
    for (const Item &item : list)
        out << QStringLiteral(".TP") << QStringLiteral("\\fB%1\\fR").arg(roff(item.term)) << roff(item.text);
}

void synopsis(QStringList &out, const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out << QStringLiteral(".br");
        out << commandLine(lines[i]);
    }
}

void paragraphs(QStringList &out, const QStringList &texts)
{
    for (const QString &text : texts)
        out << QStringLiteral(".PP") << roff(text);
}

// The command-line tool's list of commands becomes one subsection per command.
void commands(QStringList &out)
{
    for (const Cli::Command &command : Cli::commands()) {
        const Page page = Cli::helpPage(command);
        out << QStringLiteral(".SS %1").arg(roff(command.name));
        synopsis(out, page.synopsis);
        paragraphs(out, page.description);
        for (const ProgramHelp::Section &section : page.sections) {
            const QString title = section.title.left(1).toUpper() + section.title.mid(1);
            out << QStringLiteral(".PP") << QStringLiteral("\\fI%1:\\fR").arg(roff(title));
            items(out, section.items);
        }
    }
}

QByteArray manPage(const Page &page, const QString &seeAlso)
{
    QStringList out;
    out << QStringLiteral(".TH %1 1 \"\" \"DevuDirurero %2\" \"User Commands\"")
               .arg(roff(page.name.toUpper()), ProgramHelp::version());
    // Paths and options read better unbroken and ragged than hyphenated and justified.
    out << QStringLiteral(".nh") << QStringLiteral(".ad l");
    out << QStringLiteral(".SH NAME") << roff(page.name + QStringLiteral(" - ") + page.summary);
    out << QStringLiteral(".SH SYNOPSIS");
    synopsis(out, page.synopsis);
    out << QStringLiteral(".SH DESCRIPTION");
    for (qsizetype i = 0; i < page.description.size(); ++i)
        out << (i > 0 ? QStringList{QStringLiteral(".PP")} : QStringList()) << roff(page.description[i]);
    for (const ProgramHelp::Section &section : page.sections) {
        out << QStringLiteral(".SH \"%1\"").arg(section.title.toUpper());
        if (section.title == QLatin1String("commands") && page.name == QLatin1String("devudirurero-cli"))
            commands(out);
        else
            items(out, section.items);
    }
    out << QStringLiteral(".SH \"SEE ALSO\"") << QStringLiteral(".BR %1 (1),").arg(roff(seeAlso))
        << roff(QStringLiteral("and the guides in share/doc/devudirurero/ of the installation."));
    return (out.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: devudirurero-man-pages OUTDIR" << Qt::endl;
        return 2;
    }
    const QDir folder(args[1]);
    if (!QDir().mkpath(folder.path())) {
        err << folder.path() << ": cannot create the folder" << Qt::endl;
        return 1;
    }
    const std::pair<QString, QByteArray> pages[] = {
        {QStringLiteral("devudirurero.1"), manPage(ProgramHelp::window(), QStringLiteral("devudirurero-cli"))},
        {QStringLiteral("devudirurero-cli.1"), manPage(Cli::toolPage(), QStringLiteral("devudirurero"))},
    };
    for (const auto &[name, text] : pages) {
        if (auto written = AtomicFile::write(folder.filePath(name), text); !written) {
            err << written.error() << Qt::endl;
            return 1;
        }
    }
    return 0;
}
