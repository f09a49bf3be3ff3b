// The main window's stored values beside the generation options, as one table: each
// value with its name, its read group and its place in the shutdown order. Start-up
// reads the groups in order, a value of the wrong type ending its group (what follows
// in the group keeps its design value); shutdown writes everything in one go.
#pragma once

#include "draws/stored_connection.h"
#include "generator/generation_settings_store.h"
#include "tipsheet/tip_rows.h"

#include <QDate>

#include <QString>
#include <array>

class SettingsStore;

struct MainWindowValues {
    QString ticketNumber; // "Losnummer", shown on the draw strip, never written
    int neuerSchein = 0; // carried along unchanged, as are Land, TippTop and TippLeft
    int land = 1;
    int height = 0; // 0: the design size stays
    int width = 0;
    int tippTop = 39;
    int tippLeft = 47;
    int language = 2; // "Sprache"; 0 when the first group failed before it
    TipSheetTexts tips{}; // the 84 tip fields
    std::array<bool, TipRows::RowCount> locks{}; // "Gesperrt1" .. "Gesperrt12"; absent: unlocked
    QString zweipreis = QStringLiteral("0,50");
    QString einpreis = QStringLiteral("1,00");
    bool browser = false;
    StoredConnection connection;
    QDate statisticsStart; // "DateTimePicker2", already checked against today
};

struct StoredMainWindow {
    StoredGenerationSettings options;
    MainWindowValues values;
};

namespace MainWindowSettings {
StoredMainWindow read(const SettingsStore &store);
// `sizeToo` is false for a maximised or minimised window, whose size is not its own.
void write(SettingsStore &store, const GenerationSettings &options, const MainWindowValues &values, bool sizeToo);
} // namespace MainWindowSettings
