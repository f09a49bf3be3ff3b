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
        m_panels[i]->setTextFormat(Qt::PlainText); // status lines of the draw service among them
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    }
    // The panels share the width (status texts such as an answer's status line are as
    // long as the hints), and each shows its whole text as its tool tip.
    for (QLabel *panel : m_panels) {
        panel->setMinimumWidth(50);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    bar.addWidget(m_panels[0], 1);
    bar.addWidget(m_panels[1], 1);
}

void StatusPanels::setText(int panel, const QString &text)
{
    QLabel *label = m_panels.at(size_t(panel));
    label->setText(text);
    label->setToolTip(text);
}

QString StatusPanels::text(int panel) const
{
    return m_panels.at(size_t(panel))->text();
}
