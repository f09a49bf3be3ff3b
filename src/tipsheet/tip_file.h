// The tip file (".hlt"): the filled rows of the sheet as comma-separated lines. The
// interactive save and load, the online tip and the click-script builder all read and
// write it through here, so the line format lives in one place.
#pragma once

#include "app/result.h"
#include "tipsheet/tip_rows.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

class MessageTable;

// A filter and default extension of the main window's shared file dialogs.
struct DialogFilter {
    QString filter; // "Tippdatei|*.hlt": description and pattern
    QString defaultSuffix; // without the dot

    friend bool operator==(const DialogFilter &, const DialogFilter &) = default;
};

// Lends the shared dialog another filter for one command and puts the previous one back
// when it goes out of scope, however the command ends (confirmed, cancelled, failed).
class BorrowedDialogFilter {
public:
    BorrowedDialogFilter(DialogFilter &shared, DialogFilter borrowed)
        : m_shared(shared)
        , m_previous(std::exchange(shared, std::move(borrowed)))
    { }
    ~BorrowedDialogFilter() { m_shared = m_previous; }
    BorrowedDialogFilter(const BorrowedDialogFilter &) = delete;
    BorrowedDialogFilter &operator=(const BorrowedDialogFilter &) = delete;

private:
    DialogFilter &m_shared;
    DialogFilter m_previous;
};

namespace TipFile {
inline const QString Suffix = QStringLiteral("hlt");
inline const DialogFilter Dialog{QStringLiteral("Tippdatei|*.hlt"), Suffix};
// What the shared save dialog proposes when no command has borrowed it.
inline const DialogFilter TextDialog{QStringLiteral("Textdatei|*.txt"), QStringLiteral("txt")};
inline const QString SaveHint = QStringLiteral("Speichern des Tipps");
inline const QString LoadHint = QStringLiteral("Tipp laden aus Datei");

// The end date plus 3 days when it is a Tuesday, else plus 4, as "yyyymmdd.hlt".
QString defaultFileName(QDate endDate);

// One line per row whose first main-number field is filled: its seven field texts
// joined by ",", CR LF after each line, in the system code page. An empty sheet gives
// zero bytes.
QByteArray encode(const TipSheetTexts &sheet);
Result<void> save(const QString &path, const TipSheetTexts &sheet);
// The same lines for any number of rows (a wheel holds more than the sheet's twelve).
QByteArray encodeRows(const std::vector<TipRowTexts> &rows);
Result<void> saveRows(const QString &path, const std::vector<TipRowTexts> &rows);

// How the seventh field of a line is taken: loading gives it the whole rest of the
// line, the click-script builder only the text up to the next comma.
enum class SeventhField { Rest, UpToComma };
// Fields taken from the left: each of the first six is the text before the next ","
// (text and comma are removed); with no comma left a field is empty and the text stays
// for the next one. Field texts are returned as they stand, not validated.
TipRowTexts splitLine(QString line, SeventhField seventh);

// The most a tip file may hold. Twelve lines of seven fields need a few hundred bytes;
// the limit leaves room for files of many rows and refuses what no tip file is.
constexpr qint64 MaxBytes = 1024 * 1024;

// Why bytes are no tip file: binary bytes (NUL or other control characters besides tabs
// and line ends), or text of which not one line holds a number a field could take. No
// text at all is the empty sheet.
enum class Refusal { Binary, NoNumber };
std::optional<Refusal> refusal(const QByteArray &bytes, const Games::GameFormat &format = Games::classic());

// The twelve rows as loading leaves them: line k fills row k through the sheet's
// validation, rows past the file's last line and lines past the twelfth ignored. A line
// with a main number twice keeps its first occurrence; `repeats` names those lines (the
// row number is the line number). Every row is replaced, locked ones too: the window runs
// "Löschen aller Tipps" first (which spares locked rows their labels and colours) and
// then writes all twelve rows. The fields take the numbers of `format`.
struct LineRepeat {
    int line; // 1 to 12, the row it fills
    int number;
};
struct Loaded {
    TipSheetTexts sheet;
    std::vector<LineRepeat> repeats;
};
Loaded decode(const QByteArray &bytes, const Games::GameFormat &format = Games::classic());
// Refuses, naming the file, what cannot be read, is larger than MaxBytes or is no tip
// file; the sheet is then left to the caller as it was.
Result<Loaded> load(
    const QString &path, const MessageTable &messages, const Games::GameFormat &format = Games::classic());
// "<path>, Zeile 3: die Zahl 12 steht mehrfach in der Reihe."
QString repeatMessage(const QString &path, const LineRepeat &repeat, const MessageTable &messages);
// The lines as the click-script builder takes them, refused as load() refuses and also
// when one of the first twelve holds a main number twice.
Result<QStringList> scriptLines(const QString &path, const MessageTable &messages);
} // namespace TipFile
