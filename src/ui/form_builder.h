// Small factory for the controls of a window: each control gets its documented name,
// is registered in the window's component list in creation order, and carries its hint
// as a tool tip. Controls whose hint also goes to the status bar are marked here.
#pragma once

#include "ui/component_list.h"

#include <QDate>
#include <QString>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QWidget;
struct SpinOption;

namespace FormWidgets {
// Property set on controls whose hint the main window shows in its status bar.
inline constexpr char StatusHintProperty[] = "devuStatusHint";
// Property naming the edit field that belongs to a spin control ("Edit55" for UpDown7).
inline constexpr char EditNameProperty[] = "devuEditName";

void setHint(QWidget *widget, const QString &hint, bool toStatusBar = false);
} // namespace FormWidgets

class FormBuilder {
public:
    explicit FormBuilder(ComponentList &components)
        : m_components(components)
    { }

    ComponentList &components() { return m_components; }

    QLabel *label(const QString &name, const QString &text, int tag = 0);
    QPushButton *button(const QString &name, const QString &caption, const QString &hint = {});
    QPushButton *bitmapButton(const QString &name, const QString &caption, const QString &hint = {});
    QToolButton *speedButton(const QString &name, const QString &caption, const QString &hint = {});
    QCheckBox *checkBox(const QString &name, const QString &caption, const QString &hint = {});
    QRadioButton *radioButton(const QString &name, const QString &caption);
    QLineEdit *edit(const QString &name, int tag = 0);
    // A spin control named UpDown<n>, remembering the name of its edit field.
    QSpinBox *spin(const SpinOption &option);
    QDateEdit *datePicker(const QString &name, QDate minimum);

private:
    ComponentList &m_components;
};
