#include "ui/status_panels.h"

#include <QLabel>
#include <QStatusBar>

StatusPanels::StatusPanels(QStatusBar &bar)
    : QObject(&bar)
{
    bar.setObjectName(QStringLiteral("StatusBar1"));
    bar.setSizeGripEnabled(true);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(&bar);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    }
    m_panels[0]->setFixedWidth(150);
    m_panels[1]->setMinimumWidth(50);
    bar.addWidget(m_panels[0]);
    bar.addWidget(m_panels[1], 1);
}

void StatusPanels::setText(int panel, const QString &text)
{
    m_panels.at(size_t(panel))->setText(text);
}

QString StatusPanels::text(int panel) const
{
    return m_panels.at(size_t(panel))->text();
}
