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
    // The hints take two thirds of the width (they are about twice as long as the status
    // texts), and each panel shows its whole text as its tool tip.
    for (QLabel *panel : m_panels) {
        panel->setMinimumWidth(50);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    bar.addWidget(m_panels[0], 1);
    bar.addWidget(m_panels[1], 2);
}

void StatusPanels::setText(int panel, const QString &text)
{
    m_compose.at(size_t(panel)) = nullptr;
    show(panel, text);
}

void StatusPanels::setComposedText(int panel, std::function<QString()> compose)
{
    show(panel, compose ? compose() : QString());
    m_compose.at(size_t(panel)) = std::move(compose);
}

void StatusPanels::retranslate()
{
    for (size_t i = 0; i < m_compose.size(); ++i)
        if (m_compose[i])
            show(int(i), m_compose[i]());
}

void StatusPanels::show(int panel, const QString &text)
{
    QLabel *label = m_panels.at(size_t(panel));
    label->setText(text);
    label->setToolTip(text);
}

QString StatusPanels::text(int panel) const
{
    return m_panels.at(size_t(panel))->text();
}
