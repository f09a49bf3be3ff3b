// Reading and writing the registry editor's export format. Reading forgives what a hand
// edit may leave behind; writing produces what the registry editor itself would.
#include "app/reg_file_format.h"

#include <QStringConverter>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {
const QString LineEnd = QStringLiteral("\r\n");

// The registry's type numbers as they appear in "hex(n):".
enum RegType : uint { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDword = 4 };

bool isHexDigit(QChar ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

bool isHexNumber(QStringView text, qsizetype maxDigits)
{
    return !text.isEmpty() && text.size() <= maxDigits && std::all_of(text.begin(), text.end(), isHexDigit);
}

bool breaksLine(QChar ch)
{
    const auto category = ch.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

// A text that can stand between quotes on one line and survives the trip through UTF-8.
bool fitsOnOneLine(const QString &text)
{
    return QStringView(text).isValidUtf16() && std::none_of(text.begin(), text.end(), breaksLine);
}

QString quoted(const QString &text)
{
    QString result;
    result.reserve(text.size() + 2);
    result += u'"';
    for (const QChar ch : text) {
        if (ch == u'\\' || ch == u'"')
            result += u'\\';
        result += ch;
    }
    result += u'"';
    return result;
}

QString hexBytes(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(','));
}

QByteArray utf16LeWithTerminator(const QString &text)
{
    QByteArray bytes((text.size() + 1) * 2, '\0');
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text.at(i).unicode(), bytes.data() + 2 * i);
    return bytes;
}

QString formatData(const RegistryValue &value)
{
    switch (value.type) {
    case RegistryValue::Type::Integer:
        return QStringLiteral("dword:%1").arg(quint32(value.integer), 8, 16, QLatin1Char('0'));
    case RegistryValue::Type::String:
        if (fitsOnOneLine(value.text))
            return quoted(value.text);
        return QStringLiteral("hex(1):") + hexBytes(utf16LeWithTerminator(value.text));
    case RegistryValue::Type::Binary:
        return QStringLiteral("hex:") + hexBytes(value.binary);
    }
    return {};
}

QString decode(const QByteArray &bytes)
{
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes); // drops the byte-order mark
}

// Reads the quoted text opening at text[pos]; pos ends after the closing quote. Only
// \\ and \" are escapes: any other backslash stays, so a hand-written "C:\Temp" survives.
std::optional<QString> readQuoted(QStringView text, qsizetype &pos)
{
    QString result;
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        if (text[i] == u'"') {
            pos = i + 1;
            return result;
        }
        if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'\\' || text[i + 1] == u'"'))
            ++i;
        result += text[i];
    }
    return std::nullopt;
}

struct ValueLine {
    QString name;
    QString data;
};

std::optional<ValueLine> splitValueLine(const QString &line)
{
    if (!line.startsWith(u'"'))
        return std::nullopt;
    qsizetype pos = 0;
    auto name = readQuoted(line, pos);
    if (!name || name->isEmpty())
        return std::nullopt;
    const QStringView rest = QStringView(line).mid(pos).trimmed();
    if (!rest.startsWith(u'='))
        return std::nullopt;
    return ValueLine{*name, rest.mid(1).trimmed().toString()};
}

// The registry editor wraps long hex values, ending each line but the last with "\".
// A following line that is not hex bytes is not swallowed: the broken value alone is lost.
void joinContinuations(ValueLine &entry, const QStringList &lines, qsizetype &index)
{
    const auto isContinuation = [](QStringView line) {
        return std::all_of(line.begin(), line.end(),
            [](QChar ch) { return isHexDigit(ch) || ch == u',' || ch == u'\\' || ch.isSpace(); });
    };
    if (!entry.data.startsWith(u"hex", Qt::CaseInsensitive))
        return;
    while (entry.data.endsWith(u'\\') && index + 1 < lines.size() && isContinuation(lines[index + 1])) {
        entry.data.chop(1);
        entry.data += lines[++index].trimmed();
    }
}

std::optional<QByteArray> parseHexBytes(QStringView text)
{
    QByteArray bytes;
    const auto parts = text.split(u',');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QStringView part = parts[i].trimmed();
        if (part.isEmpty() && i == parts.size() - 1)
            break; // a trailing comma, or no bytes at all
        if (!isHexNumber(part, 2))
            return std::nullopt;
        bytes.append(char(part.toUInt(nullptr, 16)));
    }
    return bytes;
}

QString fromUtf16Le(const QByteArray &bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<quint16>(bytes.constData() + 2 * i));
    // The stored terminating zero ends the text, as it does for a registry string.
    const qsizetype end = text.indexOf(QChar(0));
    if (end >= 0)
        text.truncate(end);
    return text;
}

// `data` follows "hex": either ":bytes" or "(type):bytes".
std::optional<RegistryValue> parseHexData(QStringView data)
{
    uint type = RegBinary;
    if (data.startsWith(u'(')) {
        const qsizetype close = data.indexOf(u')');
        if (close < 0 || !isHexNumber(data.mid(1, close - 1), 8))
            return std::nullopt;
        type = data.mid(1, close - 1).toUInt(nullptr, 16);
        data = data.mid(close + 1);
    }
    if (!data.startsWith(u':'))
        return std::nullopt;
    const auto bytes = parseHexBytes(data.mid(1));
    if (!bytes)
        return std::nullopt;
    switch (type) {
    case RegSz:
    case RegExpandSz:
        if (bytes->size() % 2 != 0)
            return std::nullopt;
        return RegistryValue::fromString(fromUtf16Le(*bytes));
    case RegBinary:
        return RegistryValue::fromBinary(*bytes);
    case RegDword:
        if (bytes->size() != 4)
            return std::nullopt;
        return RegistryValue::fromInteger(qFromLittleEndian<qint32>(bytes->constData()));
    default:
        return std::nullopt;
    }
}

std::optional<RegistryValue> parseData(QStringView data)
{
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        auto text = readQuoted(data, pos);
        if (!text || !data.mid(pos).trimmed().isEmpty())
            return std::nullopt;
        // A registry string ends at its first NUL, as a stored hex(1) string does.
        const qsizetype end = text->indexOf(QChar(0));
        if (end >= 0)
            text->truncate(end);
        return RegistryValue::fromString(*text);
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const QStringView digits = data.mid(6).trimmed();
        if (!isHexNumber(digits, 8))
            return std::nullopt;
        return RegistryValue::fromInteger(qint32(digits.toUInt(nullptr, 16)));
    }
    if (data.startsWith(u"hex", Qt::CaseInsensitive))
        return parseHexData(data.mid(3));
    return std::nullopt;
}

// Section names compare like registry paths: without regard to case, with the usual
// short hive names accepted and a trailing backslash ignored.
QString comparableSection(QStringView name)
{
    QStringList parts = name.trimmed().toString().split(u'\\');
    if (parts.first().compare(u"HKCU", Qt::CaseInsensitive) == 0)
        parts.first() = QStringLiteral("HKEY_CURRENT_USER");
    else if (parts.first().compare(u"HKLM", Qt::CaseInsensitive) == 0)
        parts.first() = QStringLiteral("HKEY_LOCAL_MACHINE");
    while (parts.size() > 1 && parts.last().isEmpty())
        parts.removeLast();
    return parts.join(u'\\').toCaseFolded();
}

// A line opening with "[" starts a new section even when damaged, so that the values
// after a broken header are not taken for those of the key before it.
bool opensWantedSection(const QString &line, const QString &wanted)
{
    return line.endsWith(u']') && comparableSection(QStringView(line).sliced(1, line.size() - 2)) == wanted;
}
} // namespace

QStringList RegFile::keyComponents(const QString &keyPath)
{
    return keyPath.split(u'\\', Qt::SkipEmptyParts);
}

QString RegFile::sectionName(SettingsLocation::Scope scope, const QString &keyPath)
{
    const QString hive = scope == SettingsLocation::Scope::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                                                       : QStringLiteral("HKEY_LOCAL_MACHINE");
    return hive + u'\\' + keyComponents(keyPath).join(u'\\');
}

void RegFile::parse(const QByteArray &bytes, const QString &section, SettingsStore &into)
{
    const QStringList lines = decode(bytes).split(u'\n');
    const QString wanted = comparableSection(section);
    const bool hasSections
        = std::any_of(lines.begin(), lines.end(), [](const QString &line) { return line.trimmed().startsWith(u'['); });
    bool inSection = !hasSections;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.startsWith(u'[')) {
            inSection = opensWantedSection(line, wanted);
            continue;
        }
        // Version line, comments, default values ("@=") and damaged lines end here.
        auto entry = splitValueLine(line);
        if (!entry)
            continue;
        joinContinuations(*entry, lines, i);
        if (!inSection)
            continue;
        if (const auto value = parseData(entry->data))
            into.setValue(entry->name, *value);
    }
}

Result<QByteArray> RegFile::format(const QString &section, const SettingsStore &values)
{
    QString text
        = QStringLiteral("Windows Registry Editor Version 5.00") + LineEnd + LineEnd + u'[' + section + u']' + LineEnd;
    for (const QString &name : values.valueNames()) {
        if (name.isEmpty() || !fitsOnOneLine(name))
            return fail(QStringLiteral("The value name %1 cannot be stored in a settings file.").arg(quoted(name)));
        text += quoted(name) + u'=' + formatData(*values.value(name)) + LineEnd;
    }
    text += LineEnd;
    return text.toUtf8();
}
