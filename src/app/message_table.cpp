#include "app/message_table.h"

#include <array>
#include <atomic>

namespace {
struct Default {
    Msg entry;
    const char16_t *text;
};
// Reserved entries (13, 14, 15, 27, 44) are shown by no operation; they keep the numbering
// of the others. Entries 0 to 61 are the documented table; 62 on were added for the
// yardstick of the settings back-test, 103 on for the core's own texts (`CoreText`).
constexpr std::array<Default, MessageTable::DefaultCount> germanDefaults{{
    {Msg::RepeatQuestionStart, u"Soll die Analyse der Datenbank jetzt ab dem "},
    {Msg::RepeatQuestionEnd, u" durchgeführt werden??"},
    {Msg::RepeatQuestionCaption, u"aktuellen Tipps werden dabei gelöscht?"},
    {Msg::RepeatStopLevelCaption, u"Bei wievielen Zahlen Übereinstellung stoppen?"},
    {Msg::RepeatStopLevelPrompt, u"Ziehungsergebnis vergleichen"},
    {Msg::RepeatHitStart, u"Ein Treffer am  "},
    {Msg::RepeatHitEnd, u" gefunden. Weiter?"},
    {Msg::RepeatHitCaption, u"Ziehung gefunden"},
    {Msg::RepeatReportEarlier, u"Treffer von Ziehungen in der Datenbank"},
    {Msg::RepeatReportNext, u"Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"},
    {Msg::MegaballOverdueTitle, u"Welche Powerballzahl wurde am längsten nicht gezogen?"},
    {Msg::PickerCaption, u"Zahlen für Tipp "},
    {Msg::ChoiceCaption, u"Zahlen für Berechnung wählen"},
    {Msg::Reserved13, u""},
    {Msg::Reserved14, u""},
    {Msg::Reserved15, u""},
    {Msg::SeedError, u"Fehler bei Eingabe der ZufallsZahl"},
    {Msg::BacktestQuestionStart, u"Soll die Analyse der Einstellungen jetzt ab dem "},
    {Msg::BacktestQuestionEnd, u" durchgeführt werden??"},
    {Msg::BacktestQuestionCaption, u"aktuellen Tipps werden dabei gelöscht?"},
    {Msg::LuckyNumberCaption, u"Ihre Glückszahl (1-99999999)?"},
    {Msg::LuckyNumberPrompt, u"Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"},
    {Msg::LuckyNumberSetStart, u"Glückszahl "},
    {Msg::LuckyNumberSetEnd, u" gesetzt"},
    {Msg::BacktestReportTitle, u"Aktuelle Einstellung brachten"},
    {Msg::TipDistributionTitle, u"Zahlenverteilung des Tippes"},
    {Msg::OverdueTitle, u"Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"},
    {Msg::Reserved27, u""},
    {Msg::TipListTitle, u"Morvaks Lotto-Tipp für "},
    {Msg::Tipp, u"Tipp"},
    {Msg::Powerball, u"Powerball"},
    {Msg::AnzahlOhne, u"Anzahl ohne"},
    {Msg::Ziehungen, u"Ziehungen"},
    {Msg::MitJe, u"mit je"},
    {Msg::Reihen, u"Reihen"},
    {Msg::StatusPairs, u"Berechnung der Paarbildung"},
    {Msg::StatusTriples, u"Berechnung der Dreiergruppenbildung"},
    {Msg::StatusQuads, u"Berechnung der Vierergruppenbildung"},
    {Msg::StatusDistribution, u"Berechnung der Zahlenverteilung"},
    {Msg::StatusOverdue, u"Berechnung der aussehenden Zahlen"},
    {Msg::StatusNeighbours, u"Berechnung der Nachbarzahlen der letzten Ziehung"},
    {Msg::StatusBegin, u"Beginn der Tippberechnung"},
    {Msg::Stoppen, u"Stoppen"},
    {Msg::Quersumme, u"Quersumme"},
    {Msg::Reserved44, u""},
    {Msg::Disclaimer, u"Keine Gewähr für die Richtigkeit der Zahlen!"},
    {Msg::DistributionTitle, u"Zahlenverteilung"},
    {Msg::MegaballFrequencyTitle, u"Wie oft wurden die einzelnen Sternenzahlen gezogen?"},
    {Msg::SearchStopLevelCaption, u"Bei wievielen Zahlen Übereinstellung stoppen?"},
    {Msg::SearchStopLevelPrompt, u"Tipp-Test"},
    {Msg::SearchHitFound, u"Ein Treffer gefunden am:"},
    {Msg::SearchGoOn, u"Weiter?"},
    {Msg::SearchHitCaption, u"Ziehung gefunden"},
    {Msg::ChartDraws, u"Ziehungen"},
    {Msg::PairsFound, u"Paare gefunden"},
    {Msg::TriplesFound, u"Dreier gefunden"},
    {Msg::SumDistributionTitle, u"Quersummenverteilung"},
    {Msg::QuadsFound, u"Vierer gefunden"},
    {Msg::BudgetUsedUp, u"Ändern Sie die Parameter um 12 Tipps zuberechnen"},
    {Msg::TipsComputed, u"Tipps wurden neu berechnet"},
    {Msg::Zufall, u"Zufall"},
    {Msg::Stop, u"Stop"},
    {Msg::YardstickTitle, u"Maßstab: die Einstellungen neben dem Zufall"},
    {Msg::PrizeClass, u"Gewinnklasse"},
    {Msg::Prize, u"Gewinn"},
    {Msg::SettingsRows, u"Einstellungen"},
    {Msg::RandomRows, u"Zufallsreihen"},
    {Msg::ChanceExpected, u"Zufall erwartet"},
    {Msg::Range95, u"95-%-Bereich"},
    {Msg::Probability, u"Wahrscheinlichkeit"},
    {Msg::Jackpot, u"Jackpot"},
    {Msg::NoPrize, u"kein Gewinn"},
    {Msg::WinningRows, u"Gewinnreihen"},
    {Msg::WinningShare, u"Anteil der Gewinnreihen"},
    {Msg::WinningsWithoutJackpot, u"Gewinne ohne Jackpot"},
    {Msg::Stake, u"Einsatz"},
    {Msg::ReturnShare, u"Rückfluss"},
    {Msg::OneIn, u"1 zu "},
    {Msg::ShareDiffers,
        u"Der Anteil der Gewinnreihen der Einstellungen weicht mehr vom Zufall ab, "
        u"als sich durch Zufall erklären lässt"},
    {Msg::ShareWithinChance,
        u"Der Anteil der Gewinnreihen der Einstellungen weicht nicht mehr vom Zufall ab, "
        u"als sich durch Zufall erklären lässt"},
    {Msg::BinomialTest, u"zweiseitiger exakter Binomialtest, 5-%-Niveau"},
    {Msg::SeedSpread, u"Streuung über die Glückszahlen"},
    {Msg::Mean, u"Mittel"},
    {Msg::DeleteQuestionStart, u"Soll die Ziehung vom "},
    {Msg::DeleteQuestionEnd, u" wirklich gelöscht werden?"},
    {Msg::DeleteQuestionCaption, u"Ziehung löschen"},
    {Msg::RunStopped, u"Berechnung gestoppt: nicht berechnete Reihen bleiben leer"},
    {Msg::UpdateLoaded, u"Ziehungen geladen: "},
    {Msg::UpdateStopped, u" (Aktualisierung gestoppt)"},
    {Msg::UpdateNoAnswer, u"Für %1 von %2 Ziehungstagen kam keine Antwort vom Ziehungsdienst %3. Letzter Grund: %4"},
    {Msg::UpdateNoAnswerCaption, u"Ziehungsdaten laden"},
    {Msg::ReadDrawsFirst, u"Lesen Sie zuerst die Daten der Ziehungen ein"},
    {Msg::NotAnInteger, u"'%1' ist kein gültiger Integer-Wert"},
    {Msg::SearchTotalsTitle, u"Treffer je Tippreihe in der Datenbank"},
    {Msg::FileNotFound, u"%1: Datei nicht gefunden"},
    {Msg::EachNumberOnce, u"Jede Zahl darf nur einmal vorkommen."},
    {Msg::RebuildQuestion, u"Soll die Datenbank gelöscht und neu aus dem Internet geladen werden?"},
    {Msg::RebuildCaption, u"Datenbank neu anlegen"},
    {Msg::NothingLoadedKept, u"Es wurden keine Ziehungen geladen. Die bisherige Datenbank bleibt erhalten."},
    {Msg::ScriptNotFound, u"Script nicht gefunden: %1"},
    {Msg::CannotStart, u"%1 kann nicht gestartet werden."},
    {Msg::InstallQuestion, u"Morvaks Skriptomat installieren?"},
    {Msg::InstallTitle, u"Skriptomat jetzt installieren?"},
    {Msg::LockedRowsKept, u"Gesperrte Reihen, in jedem Durchlauf behalten und mitgezählt:"},
    {Msg::OptionsContradict, u"Diese Einstellungen widersprechen sich, es wird nichts berechnet:"},
    {Msg::ConflictSumRange, u"Die Quersumme von %1 liegt über der Quersumme bis %2."},
    {Msg::ConflictEvenOdd,
        u"Mindestens %1 gerade und mindestens %2 ungerade Zahlen sind mehr als die %3 Zahlen einer Reihe."},
    {Msg::ConflictOtherRows,
        u"Höchstens %1 und mindestens %2 Übereinstimmungen mit anderen Tipps schließen einander aus: "
        u"ab Reihe 2 kann keine Reihe berechnet werden."},
    {Msg::ConflictPrimesEven,
        u"Mindestens %1 Primzahlen und mindestens %2 gerade Zahlen schließen einander aus: "
        u"2 ist die einzige gerade Primzahl."},
    {Msg::ConflictLowNumbers, u"Ohne die Zahlen 1-12 ist die kleinste Quersumme %1, die Quersumme bis ist aber %2."},
    {Msg::BudgetUsedUpRows, u"Ändern Sie die Parameter, um %1 Tipps zu berechnen"},
    {Msg::BudgetUsedUpOneRow, u"Ändern Sie die Parameter, um einen Tipp zu berechnen"},
    {Msg::RepeatChanceTitle, u"Maßstab: die Wiederholungen neben dem Zufall"},
    {Msg::CommonNumbers, u"Gemeinsame Zahlen"},
    {Msg::Comparisons, u"Vergleiche"},
    {Msg::RepeatShareDiffers,
        u"%1 der Vergleiche haben mindestens eine gemeinsame Zahl, der Zufall erwartet %2: "
        u"das weicht mehr vom Zufall ab, als sich durch Zufall erklären lässt"},
    {Msg::RepeatShareWithinChance,
        u"%1 der Vergleiche haben mindestens eine gemeinsame Zahl, der Zufall erwartet %2: "
        u"das weicht nicht mehr vom Zufall ab, als sich durch Zufall erklären lässt"},
    {Msg::Median, u"Median"},
    {Msg::LargestWinLiftsMean,
        u"Der größte Einzelgewinn, %1 in Klasse %2 bei Glückszahl %3 im Durchlauf %4, hebt das Mittel "
        u"über den 95-%-Bereich; ohne ihn läge es bei %5"},
    {Msg::TemplateTooLarge, u"Die Script-Vorlage %1 ist größer als %2 MB und wird nicht gelesen."},
    {Msg::ScriptTooLong,
        u"Das aus %1 ausgefüllte Script wäre länger als %2 Zeichen; es wird weder gespeichert noch übergeben."},
    {Msg::AutomationPathNotAbsolute,
        u"Der Ordner des Skriptomat in den Einstellungen des Rechners (\"Path\" in %1) ist kein vollständiger Pfad: "
        u"%2"},
    {Msg::WrittenNotOpened, u"%1 geschrieben; kein Programm hat die Datei geöffnet"},
    {Msg::OpenFolderQuestion,
        u"%1 ist geschrieben, aber kein Programm hat die Datei geöffnet; für diese Art Datei ist wohl keines "
        u"eingerichtet. Sie liegt im Ordner %2. Den Ordner öffnen?"},
    {Msg::OpenFolderCaption, u"Datei geschrieben"},
    {Msg::ServiceUrlInvalid, u"Die Adresse des Ziehungsdienstes \"%1\" ist keine gültige http-Adresse."},
    {Msg::ProxyPortInvalid, u"Der Proxy-Port \"%1\" ist keine ganze Zahl von 1 bis 65535."},
    {Msg::StoreLocked,
        u"%1: Die Ziehungsdatei wird gerade von einem anderen Programm geändert%2. Nach %3 Sekunden Warten wurde "
        u"abgebrochen, die Datei ist unverändert; bitte später noch einmal versuchen (the draw file is locked by "
        u"another writer: %4)."},
    {Msg::LockHolder, u" (%1, Prozess %2)"},
    {Msg::LockNotCreated, u"%1: Die Sperrdatei kann nicht angelegt werden, die Datei ist unverändert (%2)."},
    {Msg::LockFileNotCreated, u"%1: Die Sperrdatei kann nicht angelegt werden"},
    {Msg::NoSpaceLeft, u"Kein Speicherplatz mehr auf dem Datenträger (no space left on device)"},
    {Msg::QuotaExceeded, u"Speicherplatz-Kontingent erschöpft (disk quota exceeded)"},
    {Msg::FileTooLarge, u"Datei zu groß für den Datenträger (file too large)"},
    {Msg::ReadOnlyVolume, u"Datenträger ist schreibgeschützt (read-only file system)"},
    {Msg::AccessDenied, u"Zugriff verweigert (permission denied)"},
    {Msg::VolumeIoError, u"Ein-/Ausgabefehler des Datenträgers (input/output error)"},
    {Msg::FileKept, u"; die bisherige Datei ist unverändert."},
    {Msg::FileNotCreated, u"; die Datei wurde nicht angelegt."},
    {Msg::NothingAppended, u"; es wurde nichts angehängt."},
    {Msg::EndIncomplete, u"; das Ende der Datei ist unvollständig und wird beim nächsten Schreiben entfernt."},
    {Msg::NotAFolder, u"%1: kein Ordner"},
    {Msg::FolderNotCreated, u"%1: Ordner kann nicht angelegt werden"},
    {Msg::ProgramPathTooLong, u"Der Pfad des Skriptomat ist länger als %1 Zeichen: %2"},
    {Msg::CommandLineTooLong, u"Die Befehlszeile des Skriptomat ist länger als %1 Zeichen"},
    {Msg::PoolFull, u"Zahlenpool voll: nur die ersten %1 Einträge werden verwendet"},
    {Msg::WeightsNotIntegers, u"Gewichtung keine ganze Zahl, als 0 gerechnet bei: "},
    {Msg::ListNotAnInteger, u"''%1'' ist kein gültiger Integer-Wert"},
    {Msg::AnswerFieldCount, u"7 durch Kommas getrennte Zahlen erwartet, %1 Felder gefunden"},
    {Msg::AnswerNotANumber, u"'%1' ist keine ganze Zahl"},
    {Msg::AnswerOutOfRange, u"%1 %2 liegt nicht zwischen %3 und %4"},
    {Msg::MainNumber, u"Hauptzahl"},
    {Msg::AnswerNumberRepeated, u"Hauptzahl %1 kommt mehrfach vor"},
    {Msg::NoCompleteAnswer, u"keine vollständige Antwort innerhalb von %1 ms"},
    {Msg::AnswerTooLong, u"Antwort länger als %1 Bytes"},
    {Msg::AnswerTimedOut, u"Zeitüberschreitung nach %1 ms"},
    {Msg::NoResponse, u"Keine Antwort: %1"},
    {Msg::SettingsFolderNotCreated, u"%1: Der Ordner kann nicht angelegt werden."},
    {Msg::TipFileFilter, u"Tippdatei"},
    {Msg::TextFileFilter, u"Textdatei"},
    {Msg::ValueListFilter, u"Werteliste"},
    {Msg::ClickScriptFilter, u"Morvaks Click Script"},
    {Msg::Monday, u"Mo"},
    {Msg::Tuesday, u"Di"},
    {Msg::Wednesday, u"Mi"},
    {Msg::Thursday, u"Do"},
    {Msg::Friday, u"Fr"},
    {Msg::Saturday, u"Sa"},
    {Msg::Sunday, u"So"},
    {Msg::MoreCharacters, u"... (%1 weitere Zeichen)"},
    {Msg::InputTooLarge, u"%1 ist größer als %2 Bytes und wird nicht gelesen."},
    {Msg::TipFileBinary, u"%1 ist keine Tippdatei: sie enthält Binärdaten. Die Tipps bleiben, wie sie waren."},
    {Msg::TipFileNoNumber,
        u"%1 ist keine Tippdatei: keine Zeile enthält eine Zahl im gültigen Bereich. Die Tipps bleiben, wie sie "
        u"waren."},
    {Msg::RepeatsCleared, u"Doppelte Zahlen entfernt in Tipp %1"},
    {Msg::RowRepeats, u"Tipp %1 enthält die Zahl %2 mehrfach."},
    {Msg::LineRepeats, u"%1, Zeile %2: die Zahl %3 steht mehrfach in der Reihe."},
    {Msg::DateNoSuchDay, u"Den %1 gibt es nicht; das Datum bleibt %2."},
    {Msg::DateOutOfRange, u"%1 liegt nicht zwischen %2 und %3; das Datum bleibt %4."},
    {Msg::DateUnreadable, u"\"%1\" ist kein Datum (TT.MM.JJJJ); das Datum bleibt %2."},
}};

constexpr bool inTableOrder()
{
    for (size_t i = 0; i < germanDefaults.size(); ++i)
        if (int(germanDefaults[i].entry) != int(i))
            return false;
    return true;
}
static_assert(inTableOrder(), "the defaults stand in the order of their entries");

// The window's table, read by the core through `CoreText`; none in the command-line tool.
std::atomic<const MessageTable *> installedTable{nullptr};
} // namespace

MessageTable::MessageTable()
{
    restoreDefaults();
}

MessageTable::~MessageTable()
{
    const MessageTable *self = this;
    installedTable.compare_exchange_strong(self, nullptr);
}

void MessageTable::install() const
{
    installedTable.store(this);
}

QString CoreText::text(Msg entry)
{
    if (const MessageTable *table = installedTable.load())
        return table->text(entry);
    return entry < Msg::Count ? QString::fromUtf16(germanDefaults[size_t(entry)].text) : QString();
}

QString CoreText::filterDescription(const QString &description)
{
    for (const Msg entry : {Msg::TipFileFilter, Msg::TextFileFilter, Msg::ValueListFilter, Msg::ClickScriptFilter})
        if (description == QString::fromUtf16(germanDefaults[size_t(entry)].text))
            return text(entry);
    return description;
}

QString CoreText::text(Msg entry, const char16_t *toolText)
{
    if (const MessageTable *table = installedTable.load())
        return table->text(entry);
    return QString::fromUtf16(toolText);
}

QStringList MessageTable::defaults()
{
    QStringList lines;
    lines.reserve(DefaultCount);
    for (const Default &line : germanDefaults)
        lines.append(QString::fromUtf16(line.text));
    return lines;
}

QString MessageTable::text(int index) const
{
    return index >= 0 && index < m_lines.size() ? m_lines.at(index) : QString();
}

void MessageTable::replaceAll(const QStringList &lines)
{
    m_lines.clear();
    m_lines.reserve(lines.size());
    for (const QString &line : lines)
        m_lines.append(line.left(MaxLineLength));
}

void MessageTable::restoreDefaults()
{
    m_lines = defaults();
}
