// What --help prints and the manual pages say, as data: one page per program (and per
// command of the command-line tool), rendered as plain text here and as a manual page by
// the build's generator, so that the two cannot drift apart.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace ProgramHelp {
struct Item {
    QString term; // "--from DATE", "0", "Devudirurero.dat"
    QString text;
};

struct Section {
    QString title; // "options": --help prints "options:", the manual page OPTIONS
    std::vector<Item> items;
};

struct Page {
    QString name; // "devudirurero"
    QString summary; // the manual page's NAME line after the dash
    QStringList synopsis; // complete command lines, the first one is the usage line
    QStringList description; // paragraphs
    std::vector<Section> sections;
};

// The program version, "1.0.0".
QString version();
// The window program's page.
const Page &window();

// `text` broken into lines of at most `width` characters where it has blanks.
QStringList wrapped(const QString &text, int width);
// The page as --help prints it: "usage: " and the synopsis, the description, then each
// section with its items in two columns.
QStringList textLines(const Page &page);
} // namespace ProgramHelp
