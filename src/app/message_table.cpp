#include "app/message_table.h"

#include <array>

namespace {
// Entries 13, 14, 15, 27 and 44 are reserved: no operation shows them, they keep the
// numbering of the others.
constexpr std::array<const char16_t *, MessageTable::DefaultCount> germanDefaults{
    u"Soll die Analyse der Datenbank jetzt ab dem ",
    u" durchgeführt werden??",
    u"aktuellen Tipps werden dabei gelöscht?",
    u"Bei wievielen Zahlen Übereinstellung stoppen?",
    u"Ziehungsergebnis vergleichen",
    u"Ein Treffer am  ",
    u" gefunden. Weiter?",
    u"Ziehung gefunden",
    u"Treffer von Ziehungen in der Datenbank",
    u"Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen",
    u"Welche Powerballzahl wurde am längsten nicht gezogen?",
    u"Zahlen für Tipp ",
    u"Zahlen für Berechnung wählen",
    u"", // reserved
    u"", // reserved
    u"", // reserved
    u"Fehler bei Eingabe der ZufallsZahl",
    u"Soll die Analyse der Einstellungen jetzt ab dem ",
    u" durchgeführt werden??",
    u"aktuellen Tipps werden dabei gelöscht?",
    u"Ihre Glückszahl (1-99999999)?",
    u"Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!",
    u"Glückszahl ",
    u" gesetzt",
    u"Aktuelle Einstellung brachten",
    u"Zahlenverteilung des Tippes",
    u"Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?",
    u"", // reserved
    u"Morvaks Lotto-Tipp für ",
    u"Tipp",
    u"Powerball",
    u"Anzahl ohne",
    u"Ziehungen",
    u"mit je",
    u"Reihen",
    u"Berechnung der Paarbildung",
    u"Berechnung der Dreiergruppenbildung",
    u"Berechnung der Vierergruppenbildung",
    u"Berechnung der Zahlenverteilung",
    u"Berechnung der aussehenden Zahlen",
    u"Berechnung der Nachbarzahlen der letzten Ziehung",
    u"Beginn der Tippberechnung",
    u"Stoppen",
    u"Quersumme",
    u"", // reserved
    u"Keine Gewähr für die Richtigkeit der Zahlen!",
    u"Zahlenverteilung",
    u"Wie oft wurden die einzelnen Sternenzahlen gezogen?",
    u"Bei wievielen Zahlen Übereinstellung stoppen?",
    u"Tipp-Test",
    u"Ein Treffer gefunden am:",
    u"Weiter?",
    u"Ziehung gefunden",
    u"Ziehungen",
    u"Paare gefunden",
    u"Dreier gefunden",
    u"Quersummenverteilung",
    u"Vierer gefunden",
    u"Ändern Sie die Parameter um 12 Tipps zuberechnen",
    u"Tipps wurden neu berechnet",
    u"Zufall",
    u"Stop",
};
} // namespace

MessageTable::MessageTable()
{
    restoreDefaults();
}

QStringList MessageTable::defaults()
{
    QStringList lines;
    lines.reserve(DefaultCount);
    for (const char16_t *line : germanDefaults)
        lines.append(QString::fromUtf16(line));
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
