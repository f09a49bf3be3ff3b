// Showing a draw: the draw line of the Datenbank page (`Label29`), its cross sum
// (`Label13`) and the draw strip of the tip sheet (`Label35`). Every command that shows
// a draw writes it through here.
#pragma once

#include "draws/draw_display.h"

#include <optional>

class DatabasePage;
class MessageTable;
class QLabel;

class DrawView {
public:
    DrawView(DatabasePage &page, QLabel &tipSheetLabel, const MessageTable &messages)
        : m_page(page)
        , m_tipSheetLabel(tipSheetLabel)
        , m_messages(messages)
    { }

    // The draw line in the given style, the cross sum, and the same line on the tip sheet.
    void show(const Draw &draw, DrawDisplay::Style style);
    // The tip sheet's strip takes the draw line of the Datenbank page.
    void copyToTipSheet();
    // The cross sum's words and the day's name follow a new language.
    void languageApplied();

private:
    DatabasePage &m_page;
    QLabel &m_tipSheetLabel;
    const MessageTable &m_messages;
    std::optional<Draw> m_crossSumOf; // the draw whose cross sum `Label13` shows
    struct Line {
        Draw draw;
        DrawDisplay::Style style;
    };
    std::optional<Line> m_line; // the draw and style `Label29` shows
};
