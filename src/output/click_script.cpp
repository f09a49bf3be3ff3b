#include "output/click_script.h"

#include "app/atomic_file.h"
#include "app/text_file.h"
#include "generator/generation_options.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {
QString yesNo(bool on)
{
    return on ? ClickScript::Yes : ClickScript::No;
}

Result<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return bytes;
}
} // namespace

ScriptOptions ScriptOptions::from(const GenerationSettings &settings)
{
    return {settings.checkBox(1), settings.checkBox(2), settings.checkBox(3)};
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
    values[QStringLiteral("[DAUER]")] = yesNo(options.checkBox1);
    values[QStringLiteral("[FR]")] = yesNo(options.checkBox3);
    values[QStringLiteral("[DI]")] = yesNo(options.checkBox2);
    values[QStringLiteral("[DIFR]")] = yesNo(options.checkBox2 && options.checkBox3);
    values[QStringLiteral("[MELDUNGFERTIG]")] = ReadyText;
    values[QStringLiteral("[TIPPDATEI]")] = QDir::toNativeSeparators(tipFilePath);
    return values;
}

QString ClickScript::substitute(const QString &text, const Placeholders &values)
{
    // Every placeholder is "[...]" without brackets inside, so occurrences never overlap
    // and the first "]" after a "[" closes the only candidate starting there.
    QString result;
    result.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), at);
        if (open < 0)
            break;
        result += QStringView(text).mid(at, open - at);
        const qsizetype close = text.indexOf(QLatin1Char(']'), open);
        if (close < 0) {
            at = open;
            break;
        }
        const auto found = values.find(text.mid(open, close - open + 1));
        if (found != values.end()) {
            result += found->second;
            at = close + 1;
        } else {
            result += QLatin1Char('[');
            at = open + 1;
        }
    }
    result += QStringView(text).mid(at);
    return result;
}

ClickScript::Template ClickScript::decodeTemplate(const QByteArray &bytes)
{
    Template result;
    result.bomEncoding = TextFile::markedEncoding(bytes);
    QStringDecoder decoder(result.bomEncoding.value_or(QStringConverter::System));
    result.text = decoder.decode(bytes);
    return result;
}

Result<ClickScript::Template> ClickScript::readTemplate(const QString &path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return fail(bytes.error());
    return decodeTemplate(*bytes);
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
    const QStringConverter::Encoding encoding = from.bomEncoding.value_or(QStringConverter::System);
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
    auto script = readTemplate(templatePath);
    if (!script)
        return fail(script.error());
    const auto tips = TipFile::scriptLines(tipFilePath, messages);
    if (!tips)
        return fail(tips.error());
    Filled filled;
    filled.source = std::move(script).value();
    filled.tipFilePath = QFileInfo(tipFilePath).absoluteFilePath();
    filled.text = substitute(filled.source.text, placeholders(*tips, options, filled.tipFilePath));
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
        return fail(
            QStringLiteral("Der Pfad des Skriptomat ist länger als %1 Zeichen: %2").arg(MaxLength).arg(program));
    if (result.parameterText.size() > MaxLength)
        return fail(QStringLiteral("Die Befehlszeile des Skriptomat ist länger als %1 Zeichen").arg(MaxLength));
    // No quoting: the words are what a program splitting its command line on blanks
    // sees, so runs of blanks (an empty TEXT) separate like one.
    result.arguments = result.parameterText.split(QLatin1Char(' '), Qt::SkipEmptyParts);
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
