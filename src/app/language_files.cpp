#include "app/language_files.h"

#include "app/text_file.h"

Result<QStringList> LanguageFiles::readLines(const QString &path, const MessageTable &messages)
{
    const auto bytes = TextFile::read(path, MaxFileBytes, messages);
    if (!bytes)
        return fail(bytes.error());
    return TextFile::decodeLines(*bytes);
}

std::vector<LanguageFiles::MasterEntry> LanguageFiles::parseMasterList(const QStringList &lines)
{
    std::vector<MasterEntry> entries;
    for (qsizetype i = 0; i < lines.size(); i += 5)
        entries.push_back(
            {lines.value(i), lines.value(i + 1), lines.value(i + 2), lines.value(i + 3), lines.value(i + 4)});
    return entries;
}

std::optional<int> LanguageFiles::MasterListSearch::find(const QString &owner, const QString &name)
{
    const int end = std::min(m_last + Window, int(m_entries.size()));
    for (int group = m_last; group < end; ++group) {
        const MasterEntry &entry = m_entries[size_t(group)];
        if (entry.owner.trimmed() == owner && entry.name.trimmed() == name) {
            m_last = group;
            return group;
        }
    }
    return std::nullopt;
}

LanguageFiles::Translation LanguageFiles::translationAt(const QStringList &languageLines, int group)
{
    return {languageLines.value(2 * group), languageLines.value(2 * group + 1)};
}

bool LanguageFiles::takesPart(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::MenuItem:
    case ComponentKind::Label:
    case ComponentKind::Panel:
    case ComponentKind::SpeedButton:
    case ComponentKind::Button:
    case ComponentKind::BitmapButton:
    case ComponentKind::CheckBox:
    case ComponentKind::RadioButton:
    case ComponentKind::TabSheet:
    case ComponentKind::RadioGroup:
    case ComponentKind::Edit:
    case ComponentKind::Window:
        return true;
    case ComponentKind::SpinControl:
    case ComponentKind::DatePicker:
    case ComponentKind::Other:
        return false;
    }
    return false;
}

LanguageFiles::ToolOutput LanguageFiles::translationTool(const std::vector<ToolComponent> &components)
{
    QStringList master;
    QStringList language;
    for (const ToolComponent &component : components) {
        if (!takesPart(component.kind))
            continue;
        const bool edit = component.kind == ComponentKind::Edit;
        if (edit && component.hint.isEmpty())
            continue;
        // A menu entry writes the digit 1 in place of a character set; the program's
        // fonts have none of their own, so every component writes the default set, 1.
        const QString caption = edit ? component.hint : component.caption;
        master << component.owner << component.name << caption << component.hint << QStringLiteral("1");
        language << caption << component.hint;
    }
    ToolOutput output;
    output.groups = int(master.size() / 5);
    const QString crlf = QStringLiteral("\r\n");
    output.masterList = master.isEmpty() ? QByteArray() : (master.join(crlf) + crlf).toUtf8();
    const QString text = language.isEmpty() ? QString() : language.join(crlf) + crlf;
    output.languageTemplate = QByteArray("\xFF\xFE", 2);
    for (QChar c : text) {
        output.languageTemplate.append(char(c.unicode() & 0xFF));
        output.languageTemplate.append(char(c.unicode() >> 8));
    }
    return output;
}
