// A master list and a language file, any bytes (split at the first NUL): the master list
// reads in groups of five, the search never goes backwards or past the window, and what
// the translation tool writes from the groups reads back as they were.
#include "app/language_files.h"
#include "app/text_file.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace LanguageFiles;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const qsizetype split = bytes.indexOf('\0');
    const QStringList masterLines = TextFile::decodeLines(split < 0 ? bytes : bytes.left(split));
    const QStringList languageLines = TextFile::decodeLines(split < 0 ? QByteArray() : bytes.mid(split + 1));
    const std::vector<MasterEntry> master = parseMasterList(masterLines);
    Fuzz::require(master.size() == size_t((masterLines.size() + 4) / 5), "one group per five lines");

    // Looking up every group's own names in turn, as the load does.
    MasterListSearch search(master);
    int last = 0;
    for (size_t g = 0; g < master.size(); ++g) {
        const std::optional<int> found = search.find(master[g].owner.trimmed(), master[g].name.trimmed());
        if (!found)
            continue;
        Fuzz::require(*found >= last && *found < last + MasterListSearch::Window, "the match lies in the window");
        Fuzz::require(*found <= int(g), "the first match in the window wins");
        last = *found;
        const Translation text = translationAt(languageLines, *found);
        Fuzz::require(text.caption == languageLines.value(2 * *found), "group g takes line 2g");
    }

    // Text a file cannot carry is left out: unpaired surrogates and U+FEFF (read as a mark).
    const bool carried = std::all_of(masterLines.begin(), masterLines.end(),
        [](const QString &line) { return QStringView(line).isValidUtf16() && !line.contains(QChar(0xfeff)); });
    if (!carried)
        return 0;
    std::vector<ToolComponent> components;
    for (const MasterEntry &entry : master)
        components.push_back({entry.owner, entry.name, ComponentKind::Label, entry.caption, entry.hint});
    const ToolOutput output = translationTool(components);
    Fuzz::require(output.groups == int(master.size()), "every label writes a group");
    const std::vector<MasterEntry> written = parseMasterList(TextFile::decodeLines(output.masterList));
    const QStringList language = TextFile::decodeLines(output.languageTemplate);
    Fuzz::require(written.size() == master.size(), "the master list reads back");
    Fuzz::require(language.size() == 2 * qsizetype(master.size()), "the template has two lines a group");
    for (size_t g = 0; g < master.size(); ++g) {
        const MasterEntry &entry = master[g];
        Fuzz::require(written[g].owner == entry.owner && written[g].name == entry.name
                && written[g].caption == entry.caption && written[g].hint == entry.hint,
            "a group reads back as written", entry.name);
        Fuzz::require(translationAt(language, int(g)).caption == entry.caption
                && translationAt(language, int(g)).hint == entry.hint,
            "the template holds the texts", entry.name);
    }
    return 0;
}
