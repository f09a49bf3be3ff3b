#include "output/click_script.h"

#include "app/atomic_file.h"
#include "app/message_table.h"
#include "app/text_file.h"
#include "generator/generation_options.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {
QString yesNo(bool on)
{
    return on ? ClickScript::Yes : ClickScript::No;
}

// At most `limit` bytes; std::nullopt in the value when the file holds more.
Result<std::optional<QByteArray>> readAtMost(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    // One byte more than allowed tells a file at the limit from a larger one, and a
    // device without end from either.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (bytes.size() > limit)
        return std::optional<QByteArray>();
    return std::optional<QByteArray>(std::move(bytes));
}

} // namespace

ScriptOptions ScriptOptions::from(const GenerationSettings &settings)
{
    return {settings.frequentPairs, settings.frequentNumbers, settings.maxOtherRowMatchesOn};
}

ClickScript::Placeholders ClickScript::placeholders(
    const QStringList &tipFileLines, const ScriptOptions &options, const QString &tipFilePath)
{
    Placeholders values;
    for (int r = 1; r <= TipRows::RowCount; ++r) {
        // Rows after the file's last line read as an empty line: every field empty.
        const TipRowTexts fields = TipFile::splitLine(tipFileLines.value(r - 1), TipFile::SeventhField::UpToComma);
        for (int i = 1; i <= TipRows::MainFields; ++i)
            values[QStringLiteral("[Z%1_%2]").arg(i).arg(r)] = fields[size_t(i - 1)];
        values[QStringLiteral("[S1_%1]").arg(r)] = fields[TipRows::MegaballSlot];
        values[QStringLiteral("[S2_%1]").arg(r)] = fields[TipRows::ExtraSlot];
    }
    values[QStringLiteral("[DAUER]")] = yesNo(options.frequentPairs);
    values[QStringLiteral("[FR]")] = yesNo(options.maxOtherRowMatchesOn);
    values[QStringLiteral("[DI]")] = yesNo(options.frequentNumbers);
    values[QStringLiteral("[DIFR]")] = yesNo(options.frequentNumbers && options.maxOtherRowMatchesOn);
    values[QStringLiteral("[MELDUNGFERTIG]")] = ReadyText;
    values[QStringLiteral("[TIPPDATEI]")] = QDir::toNativeSeparators(tipFilePath);
    return values;
}

std::optional<QString> ClickScript::substitute(const QString &text, const Placeholders &values, qsizetype maxLength)
{
    // A name holds its only "]" at its end, so the one name that can start at a "[" ends
    // at the first "]" after it; no name is longer than the longest, so no "[" looks
    // further ahead than that, whatever stands behind it. One pass, linear in the text.
    qsizetype longest = 0;
    for (const auto &[name, value] : values)
        longest = std::max(longest, name.size());
    QString result;
    result.reserve(std::min(text.size(), maxLength));
    const QStringView whole(text);
    qsizetype copied = 0; // text before this position is in `result`
    const auto append = [&](QStringView part) {
        if (part.size() > maxLength - result.size())
            return false;
        result += part;
        return true;
    };
    for (qsizetype open = text.indexOf(QLatin1Char('[')); open >= 0;) {
        const QStringView ahead = whole.mid(open + 1, std::max<qsizetype>(longest - 1, 0));
        const qsizetype close = ahead.indexOf(QLatin1Char(']'));
        const auto found = close < 0 ? values.end() : values.find(whole.mid(open, close + 2).toString());
        if (found == values.end()) {
            open = text.indexOf(QLatin1Char('['), open + 1);
            continue;
        }
        if (!append(whole.mid(copied, open - copied)) || !append(found->second))
            return std::nullopt;
        copied = open + close + 2;
        open = text.indexOf(QLatin1Char('['), copied);
    }
    if (!append(whole.mid(copied)))
        return std::nullopt;
    return result;
}

ClickScript::Template ClickScript::decodeTemplate(const QByteArray &bytes)
{
    Template result;
    result.bomEncoding = TextFile::markedEncoding(bytes);
    result.encoding = result.bomEncoding.value_or(QStringConverter::System);
    QStringDecoder decoder(result.encoding);
    result.text = decoder.decode(bytes);
    // As the tip files are read: bytes that are no text in the system code page are
    // Latin-1, which takes every byte and gives it back unchanged when written.
    if (decoder.hasError() && !result.bomEncoding) {
        result.encoding = QStringConverter::Latin1;
        result.text = QString::fromLatin1(bytes);
    }
    return result;
}

Result<ClickScript::Template> ClickScript::readTemplate(const QString &path, const MessageTable &messages)
{
    const auto bytes = readAtMost(path, MaxTemplateBytes);
    if (!bytes)
        return fail(bytes.error());
    if (!bytes->has_value())
        return fail(messages.text(Msg::TemplateTooLarge).arg(path).arg(MaxTemplateBytes / (1024 * 1024)));
    return decodeTemplate(**bytes);
}

QByteArray ClickScript::encodeScript(const QString &text, const Template &from)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString crlfText;
    for (const QString &line : std::as_const(lines))
        crlfText += line + QStringLiteral("\r\n");
    // The mark is written explicitly so that even an empty script keeps it.
    const QStringConverter::Encoding encoding = from.encoding;
    QByteArray bytes;
    if (from.bomEncoding)
        bytes = QStringEncoder(encoding).encode(QStringView(u"\uFEFF"));
    bytes += QStringEncoder(encoding).encode(crlfText);
    return bytes;
}

QString ClickScript::generatedScriptPath(const QString &tipFilePath, QDate today)
{
    return QFileInfo(tipFilePath)
        .absoluteDir()
        .filePath(today.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('.') + Suffix);
}

Result<ClickScript::Filled> ClickScript::fill(
    const QString &templatePath, const QString &tipFilePath, const ScriptOptions &options, const MessageTable &messages)
{
    auto script = readTemplate(templatePath, messages);
    if (!script)
        return fail(script.error());
    const auto tips = TipFile::scriptLines(tipFilePath, messages);
    if (!tips)
        return fail(tips.error());
    Filled filled;
    filled.source = std::move(script).value();
    filled.tipFilePath = QFileInfo(tipFilePath).absoluteFilePath();
    auto text = substitute(filled.source.text, placeholders(*tips, options, filled.tipFilePath));
    if (!text)
        return fail(messages.text(Msg::ScriptTooLong).arg(templatePath).arg(MaxScriptLength));
    filled.text = std::move(*text);
    return filled;
}

Result<ClickScript::Generated> ClickScript::build(const QString &templatePath, const QString &tipFilePath,
    const ScriptOptions &options, QDate today, const MessageTable &messages)
{
    const auto filled = fill(templatePath, tipFilePath, options, messages);
    if (!filled)
        return fail(filled.error());
    Generated generated{generatedScriptPath(filled->tipFilePath, today), filled->text};
    if (auto written = AtomicFile::write(generated.path, encodeScript(generated.text, filled->source)); !written)
        return fail(written.error());
    return generated;
}

QString AutomationCommand::parameterText(const QString &scriptPath, const ScriptParameters &parameters)
{
    return QStringLiteral("START ") + QDir::toNativeSeparators(scriptPath) + QLatin1Char(' ') + parameters.zahl1
        + QLatin1Char(' ') + parameters.text1 + QLatin1Char(' ') + parameters.zahl2 + QLatin1Char(' ')
        + parameters.text2;
}

Result<AutomationLaunch> AutomationCommand::launch(
    const QString &program, const QString &scriptPath, const ScriptParameters &parameters)
{
    AutomationLaunch result;
    result.program = program;
    result.parameterText = parameterText(scriptPath, parameters);
    if (program.size() > MaxLength)
        return fail(CoreText::text(Msg::ProgramPathTooLong).arg(MaxLength).arg(program));
    if (result.parameterText.size() > MaxLength)
        return fail(CoreText::text(Msg::CommandLineTooLong).arg(MaxLength));
    // The parameters split as a program splitting its command line on blanks sees them,
    // so runs of blanks (an empty TEXT) separate like one. The script path is the
    // program's own and stays whole, blanks in its folders included.
    const QString words = parameters.zahl1 + QLatin1Char(' ') + parameters.text1 + QLatin1Char(' ') + parameters.zahl2
        + QLatin1Char(' ') + parameters.text2;
    result.arguments = QStringList{QStringLiteral("START"), QDir::toNativeSeparators(scriptPath)}
        + words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return result;
}

QStringList ScriptList::entries(const ProgramDirectory &directory)
{
    QDir folder(directory.filePath(ClickScript::FolderName));
    folder.setNameFilters({QStringLiteral("*.") + ClickScript::Suffix});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Unsorted);
    QStringList paths;
    for (const QString &name : folder.entryList())
        paths.append(folder.filePath(name));
    return paths;
}

QString ScriptList::boxText(const QString &current, const QStringList &entries)
{
    return current.isEmpty() && !entries.isEmpty() ? entries.last() : current;
}
