// "Zahlen der Ziehung eingeben": the dialog for entering or correcting a draw by hand.
#pragma once

#include "draws/draw.h"
#include "ui/component_list.h"

#include <QDialog>

#include <array>
#include <optional>

class MessageTable;
class QDateEdit;
class QLabel;
class QPushButton;
class QSpinBox;

class DrawEntryDialog : public QDialog {
    Q_OBJECT
public:
    explicit DrawEntryDialog(const MessageTable &messages, QWidget *parent = nullptr);

    // Fills the dialog with a draw.
    void setDraw(const Draw &draw);
    // The draw as entered, main numbers sorted ascending.
    Draw draw() const;

    ComponentList &components() { return m_components; }

    QDateEdit *DateTimePicker1 = nullptr;
    std::array<QSpinBox *, 5> mainNumbers{}; // UpDown1 .. UpDown5
    QSpinBox *UpDown7 = nullptr; // Megaball
    QSpinBox *UpDown8 = nullptr; // Megaplier
    QPushButton *BitBtn2 = nullptr; // OK
    QPushButton *BitBtn1 = nullptr; // abort

private:
    void updateVerdict();

    ComponentList m_components;
    QLabel *m_problem = nullptr;
    const MessageTable &m_messages;
};
