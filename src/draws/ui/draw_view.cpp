#include "draws/ui/draw_view.h"

#include "draws/ui/database_page.h"

#include <QLabel>

void DrawView::show(const Draw &draw, DrawDisplay::Style style)
{
    m_page.Label29->setText(DrawDisplay::text(draw, style));
    m_line = Line{draw, style};
    m_page.Label13->setText(DrawDisplay::crossSum(m_messages, draw));
    m_crossSumOf = draw;
    copyToTipSheet();
}

void DrawView::languageApplied()
{
    if (m_crossSumOf)
        m_page.Label13->setText(DrawDisplay::crossSum(m_messages, *m_crossSumOf));
    if (m_line) {
        const bool onTipSheet = m_tipSheetLabel.text() == m_page.Label29->text();
        m_page.Label29->setText(DrawDisplay::text(m_line->draw, m_line->style));
        if (onTipSheet)
            copyToTipSheet();
    }
}

void DrawView::copyToTipSheet()
{
    m_tipSheetLabel.setText(m_page.Label29->text());
}
