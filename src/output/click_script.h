// The click-script hand-off: a template (".xrt") whose placeholders are filled from the
// lines of a tip file and three generation options, saved as "YYYYMMDD.xrt" beside the
// tip file, and the command line that starts the automation program with it. The
// dialog `XRTForm` and the start itself belong to the window; everything they decide
// on is here.
#pragma once

#include "app/message_table.h"
#include "app/program_directory.h"
#include "app/result.h"
#include "output/script_parameters.h"
#include "tipsheet/tip_file.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringConverter>
#include <QStringList>

#include <map>
#include <optional>

class MessageTable;
struct GenerationSettings;

// The three main-window options a script may ask about.
struct ScriptOptions {
    bool frequentPairs = false; // "[DAUER]"
    bool frequentNumbers = false; // "[DI]"
    bool maxOtherRowMatchesOn = false; // "[FR]"

    static ScriptOptions from(const GenerationSettings &settings);
};

namespace ClickScript {
inline const QString FolderName = QStringLiteral("Script");
inline const QString Suffix = QStringLiteral("xrt");
// The browse button's dialog: filter, default extension, folder ProgramDirectory + "Script".
inline const DialogFilter BrowseDialog{QStringLiteral("Morvaks Click Script|*.xrt"), QStringLiteral("XRT")};
inline const QString ReadyText = QStringLiteral("Ready to Play");
inline const QString Yes = QStringLiteral("JA");
inline const QString No = QStringLiteral("NEIN");
// A click script is a short text; a larger file is refused before it is decoded. The
// script service's answers are cut off at the same size.
constexpr qint64 MaxTemplateBytes = 4 * 1024 * 1024;
// Placeholders may multiply a template (every "[S2_1]" takes the whole seventh field),
// so the filled script has a bound of its own.
constexpr qsizetype MaxScriptLength = 4 * MaxTemplateBytes;

// Placeholder -> replacement, e.g. "[Z1_10]" -> "34".
using Placeholders = std::map<QString, QString>;

// Every placeholder with its value: "[Zi_r]", "[S1_r]", "[S2_r]" for r = 1..12 from line
// r of the tip file (the seventh field up to the next comma; empty after the file's last
// line; lines past the twelfth are never used), the four option placeholders, then
// "[MELDUNGFERTIG]" and "[TIPPDATEI]".
Placeholders placeholders(const QStringList &tipFileLines, const ScriptOptions &options, const QString &tipFilePath);
// One pass from left to right: each placeholder in `text` is replaced by its value;
// matching is case-sensitive and inserted text is never scanned again. Every name must
// start with "[" and hold its only "]" at its end. std::nullopt when the result would be
// longer than `maxLength` characters.
std::optional<QString> substitute(
    const QString &text, const Placeholders &values, qsizetype maxLength = MaxScriptLength);

// A template as read: its text, the encoding it was read in and the one named by its
// byte-order mark, if any. Without a mark the template is in the system code page, or in
// Latin-1 when its bytes do not fit that (a Western file on a UTF-8 system).
struct Template {
    QString text;
    QStringConverter::Encoding encoding = QStringConverter::System;
    std::optional<QStringConverter::Encoding> bomEncoding;
};
Template decodeTemplate(const QByteArray &bytes);
// Refuses, with a message from `messages`, a file larger than MaxTemplateBytes.
Result<Template> readTemplate(const QString &path, const MessageTable &messages);
// The filled text in the template's encoding, with its byte-order mark if it had one,
// CR LF after every line.
QByteArray encodeScript(const QString &text, const Template &from);

// "YYYYMMDD.xrt" of `today` in the tip file's folder.
QString generatedScriptPath(const QString &tipFilePath, QDate today);

struct Filled {
    Template source;
    QString text;
    QString tipFilePath; // absolute, as "[TIPPDATEI]" gives it
};
// Reads the template and the tip file and fills the placeholders; writes nothing. A
// template too large, a filled script too long, a tip file that is none or a line that
// holds a main number twice fails with a text from `messages`.
Result<Filled> fill(const QString &templatePath, const QString &tipFilePath, const ScriptOptions &options,
    const MessageTable &messages);

struct Generated {
    QString path;
    QString text; // the filled script as the window's scratch list holds it
};
// fill(), then the generated script is written atomically (replacing one of the same day). Nothing is written on
// failure.
Result<Generated> build(const QString &templatePath, const QString &tipFilePath, const ScriptOptions &options,
    QDate today, const MessageTable &messages);
} // namespace ClickScript

// How the automation program is started: "START <script> ZAHL1 TEXT1 ZAHL2 TEXT2".
struct AutomationLaunch {
    QString program;
    QString parameterText; // the documented command text, single blanks, no quoting
    // "START", the script path as one argument, then the four parameters split on
    // blanks: a parameter with a blank is two words, a folder with a blank is not.
    QStringList arguments;
};

namespace AutomationCommand {
constexpr int MaxLength = 1024;
QString parameterText(const QString &scriptPath, const ScriptParameters &parameters);
// Fails when the program path or the parameter text is longer than MaxLength, rather
// than passing on a cut-off command.
Result<AutomationLaunch> launch(const QString &program, const QString &scriptPath, const ScriptParameters &parameters);
} // namespace AutomationCommand

// The script box of the dialog and the files it lists.
namespace ScriptList {
// Every entry of ProgramDirectory + "Script" matching "*.xrt" (any case) that is not a
// folder, as full paths, in the order the file system returns them.
QStringList entries(const ProgramDirectory &directory);
// The box keeps its text; only an empty box shows the last entry found.
QString boxText(const QString &current, const QStringList &entries);
} // namespace ScriptList

// The fixed texts of the dialog `XRTForm` (class `TXRTForm`).
namespace ScriptDialogTexts {
inline const QString Caption = QStringLiteral("Script für Zahlenübergabe auswählen!");
inline const QString ScriptLabel = QStringLiteral("Morvaks Click-Script File"); // LabeledEdit1
inline const QString ParameterLabel = QStringLiteral("Parameter ");
inline const QString Zahl1Label = QStringLiteral("ZAHL1"); // LabeledEdit2
inline const QString Zahl2Label = QStringLiteral("ZAHL2"); // LabeledEdit3
inline const QString Text1Label = QStringLiteral("TEXT1"); // LabeledEdit4
inline const QString Text2Label = QStringLiteral("TEXT2"); // LabeledEdit5
} // namespace ScriptDialogTexts
