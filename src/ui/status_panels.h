// The two panels of the main window's status bar: panel 0 carries status texts, panel 1
// the hints and progress. Every controller that reports something gets this object.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>

class QLabel;
class QStatusBar;

class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar &bar);

    // A text that stays as it is (a server's status line, a date).
    void setText(int panel, const QString &text);
    // A text built from the message table or a control's hint: built again when a
    // language is applied, so that the panel never keeps the previous language.
    void setComposedText(int panel, std::function<QString()> compose);
    void retranslate();
    QString text(int panel) const;
    QLabel *panel(int index) const { return m_panels.at(size_t(index)); }

private:
    void show(int panel, const QString &text);

    std::array<QLabel *, 2> m_panels{};
    std::array<std::function<QString()>, 2> m_compose{};
};
