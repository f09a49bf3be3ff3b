// The files a language is applied from: the master list "Land\DevuDirurero.txt" (five
// lines per component: owner window, name, caption, hint, character set), a language
// file in "land\" (two lines per component of the master list: caption and hint) and its
// ".meld" file (one message-table entry per line). Also what the translation tool writes
// from the program's own components: a master list and the matching ".trans" template.
#pragma once

#include "app/component_kind.h"
#include "app/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class MessageTable;

namespace LanguageFiles {
inline const QString MasterListPath = QStringLiteral("Land\\DevuDirurero.txt");
inline const QString LanguageFolder = QStringLiteral("land");
inline const QString MessageSuffix = QStringLiteral(".meld");
inline const QString TemplateSuffix = QStringLiteral(".trans");

// The most a language file may hold. The master list and a language file carry a few
// lines per component of the program (some ten kilobytes), a message file one line per
// message of at most MessageTable::MaxLineLength characters: four megabytes leave room
// for many times that and refuse a file (or a link to a device) that never ends.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;

// A file's lines as `TextFile::decodeLines` reads them, refused when longer than
// MaxFileBytes.
Result<QStringList> readLines(const QString &path, const MessageTable &messages);

struct MasterEntry {
    QString owner;
    QString name;
    QString caption;
    QString hint;
    QString charset;
};
// Groups of five lines; a short last group is filled with empty lines.
std::vector<MasterEntry> parseMasterList(const QStringList &lines);

// Finds components in the master list the way the language load does: from the group of
// the last match, the next eleven groups in order; the first whose owner and name
// (trimmed) match wins and becomes the last match.
class MasterListSearch {
public:
    explicit MasterListSearch(const std::vector<MasterEntry> &entries)
        : m_entries(entries)
    { }
    static constexpr int Window = 11;
    std::optional<int> find(const QString &owner, const QString &name);

private:
    const std::vector<MasterEntry> &m_entries;
    int m_last = 0;
};

struct Translation {
    QString caption;
    QString hint;
};
// Group g of a language file: lines 2g and 2g + 1, empty past its end.
Translation translationAt(const QStringList &languageLines, int group);

// Whether a component of this kind takes part in a language (whatever its tag).
bool takesPart(ComponentKind kind);

// What the translation tool knows of one component.
struct ToolComponent {
    QString owner;
    QString name;
    ComponentKind kind;
    QString caption;
    QString hint;
};
struct ToolOutput {
    QByteArray masterList; // this system's code page (UTF-8), CR LF
    QByteArray languageTemplate; // UTF-16 LE with a byte-order mark, CR LF
    int groups = 0;
};
// Menu items, labels, panels, buttons of every kind, windows, check boxes, radio
// buttons, tab sheets and radio groups write their caption and hint; edit fields only
// with a hint, which stands in for the caption; other kinds write nothing.
ToolOutput translationTool(const std::vector<ToolComponent> &components);
} // namespace LanguageFiles
