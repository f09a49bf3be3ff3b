// The few values the main window holds for the whole run beside its controls, shared by
// the controllers that read or change them.
#pragma once

#include "analysis/hit_rule.h"
#include "app/program_directory.h"
#include "draws/draw.h"
#include "draws/draw_store.h"

#include <QDate>
#include <QString>

struct SessionState {
    QString programDirectory; // with a trailing separator
    QDate selectedDate; // selects the draw to show and evaluate
    Draw shownDraw; // what the draw labels show and the checks compare with
    int shownDrawIndex = 0; // its 0-based record number
    bool editChecksEnabled = false; // leaving a tip field evaluates the sheet
    int attemptLimit = 100000; // the generation's attempt budget
    int languageIndex = 0; // 1..8, 0 while no language was applied
    QString localeName; // the applied language's locale ("en", "pt_BR"); empty before
    int designHeight = 0; // the height the pages were last scaled against
    bool generationRunning = false;
    HitResult lastHit;
    HitClassTally tally;

    // A file of the program directory, found regardless of the case of its name.
    QString dataFile(const QString &name) const { return ProgramDirectory(programDirectory).filePath(name); }
    QString drawStorePath() const { return dataFile(QString::fromLatin1(DrawStore::FileName)); }
};
