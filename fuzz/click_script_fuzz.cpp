// A click-script template and a tip file, any bytes (split at the first NUL): filling
// the placeholders gives what one plain left-to-right pass gives, never scanning inserted
// text again, a size bound refuses exactly the longer results, and the filled script in
// the template's encoding reads back.
#include "app/text_file.h"
#include "fuzz_support.h"
#include "output/click_script.h"

namespace {
// The plain reading of the rule: at each position the placeholder that starts there (the
// names end in "]", so at most one does), else the character.
QString referenceFill(const QString &text, const ClickScript::Placeholders &values)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        bool replaced = false;
        if (text[i] == QLatin1Char('[')) {
            for (const auto &[name, value] : values) {
                if (QStringView(text).mid(i).startsWith(name)) {
                    out += value;
                    i += name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out += text[i++];
    }
    return out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const qsizetype split = bytes.indexOf('\0');
    const ClickScript::Template source = ClickScript::decodeTemplate(split < 0 ? bytes : bytes.left(split));
    const QStringList tipLines = TextFile::decodeLines(split < 0 ? QByteArray() : bytes.mid(split + 1));
    ScriptOptions options;
    options.frequentPairs = size % 2 == 1;
    options.frequentNumbers = size % 3 == 1;
    options.maxOtherRowMatchesOn = size % 5 == 1;
    const ClickScript::Placeholders values
        = ClickScript::placeholders(tipLines, options, QStringLiteral("/home/user/Tipps/20150313.hlt"));
    for (const auto &[name, value] : values)
        Fuzz::require(
            name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')) && name.count(QLatin1Char(']')) == 1,
            "a placeholder is one bracketed name", name);
    const std::optional<QString> substituted = ClickScript::substitute(source.text, values);
    Fuzz::require(substituted.has_value(), "a short input stays below the size bound", source.text);
    const QString &filled = *substituted;
    const qsizetype bound = qsizetype(size % 97);
    const std::optional<QString> bounded = ClickScript::substitute(source.text, values, bound);
    Fuzz::require(bounded.has_value() == (filled.size() <= bound) && (!bounded || *bounded == filled),
        "a bound refuses exactly the longer results", source.text);
    Fuzz::require(filled == referenceFill(source.text, values), "one pass from left to right", source.text);
    if (!source.text.contains(QLatin1Char('[')))
        Fuzz::require(filled == source.text, "a template without placeholders stays as it is");
    ClickScript::encodeScript(filled, source);
    return 0;
}
