// Test data helpers: small draw lists and copies of the bundled history.
#pragma once

#include "draws/draw.h"

#include <QString>

#include <vector>

namespace TestData {
// A draw from "2015-03-03 3 8 12 40 75 7 2" (ISO date, five numbers, Megaball, Megaplier).
Draw draw(const char *text);
std::vector<Draw> draws(std::initializer_list<const char *> texts);
// Writes the draws as a draw file.
void writeStore(const QString &path, const std::vector<Draw> &draws);
// The published history as the CSV holds it.
std::vector<Draw> csvHistory();
QString bundledStorePath();
QString binDir();
QString sourceDir();
} // namespace TestData
