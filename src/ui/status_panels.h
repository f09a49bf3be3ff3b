// The two panels of the main window's status bar: panel 0 carries status texts, panel 1
// the hints and progress. Every controller that reports something gets this object.
#pragma once

#include <QObject>
#include <QString>

#include <array>

class QLabel;
class QStatusBar;

class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar &bar);

    void setText(int panel, const QString &text);
    QString text(int panel) const;
    QLabel *panel(int index) const { return m_panels.at(size_t(index)); }

private:
    std::array<QLabel *, 2> m_panels{};
};
