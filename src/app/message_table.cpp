#include "app/message_table.h"

#include <array>

namespace {
struct Default {
    Msg entry;
    const char16_t *text;
};
// Reserved entries (13, 14, 15, 27, 44) are shown by no operation; they keep the numbering
// of the others. Entries 0 to 61 are the documented table; 62 on were added for the
// yardstick of the settings back-test.
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
    {Msg::FileTooLarge, u"%1 ist größer als %2 Bytes und wird nicht gelesen."},
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
} // namespace

MessageTable::MessageTable()
{
    restoreDefaults();
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
