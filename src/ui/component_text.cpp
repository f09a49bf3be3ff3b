#include "ui/component_text.h"

#include "ui/form_builder.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace {
// A tab sheet's title lives in the tab widget that shows it.
std::pair<QTabWidget *, int> tabOf(QWidget *sheet)
{
    for (QWidget *up = sheet->parentWidget(); up; up = up->parentWidget())
        if (auto *tabs = qobject_cast<QTabWidget *>(up))
            return {tabs, tabs->indexOf(sheet)};
    return {nullptr, -1};
}
} // namespace

QString ComponentText::caption(const Component &c)
{
    QObject *object = c.object.data();
    if (!object)
        return {};
    if (auto *box = qobject_cast<CaptionCheckBox *>(object))
        return box->fullCaption();
    if (auto *label = qobject_cast<LinkLabel *>(object))
        return label->caption();
    switch (c.kind) {
    case ComponentKind::MenuItem:
        return static_cast<QAction *>(object)->text();
    case ComponentKind::Label:
        return static_cast<QLabel *>(object)->text();
    case ComponentKind::SpeedButton:
    case ComponentKind::Button:
    case ComponentKind::BitmapButton:
    case ComponentKind::CheckBox:
    case ComponentKind::RadioButton:
        return static_cast<QAbstractButton *>(object)->text();
    case ComponentKind::RadioGroup:
        return static_cast<QGroupBox *>(object)->title();
    case ComponentKind::TabSheet: {
        const auto [tabs, index] = tabOf(static_cast<QWidget *>(object));
        return tabs && index >= 0 ? tabs->tabText(index) : QString();
    }
    case ComponentKind::Window:
        return static_cast<QWidget *>(object)->windowTitle();
    case ComponentKind::Panel:
        if (auto *group = qobject_cast<QGroupBox *>(object))
            return group->title();
        return object->property(FormWidgets::CaptionProperty).toString();
    case ComponentKind::Edit:
    case ComponentKind::SpinControl:
    case ComponentKind::DatePicker:
    case ComponentKind::Other:
        return {};
    }
    return {};
}

void ComponentText::setCaption(const Component &c, const QString &text)
{
    QObject *object = c.object.data();
    if (!object)
        return;
    if (auto *box = qobject_cast<CaptionCheckBox *>(object))
        return box->setFullCaption(text);
    if (auto *label = qobject_cast<LinkLabel *>(object))
        return label->setCaption(text);
    switch (c.kind) {
    case ComponentKind::MenuItem:
        return static_cast<QAction *>(object)->setText(text);
    case ComponentKind::Label:
        return static_cast<QLabel *>(object)->setText(text);
    case ComponentKind::SpeedButton:
    case ComponentKind::Button:
    case ComponentKind::BitmapButton:
    case ComponentKind::CheckBox:
    case ComponentKind::RadioButton:
        return static_cast<QAbstractButton *>(object)->setText(text);
    case ComponentKind::RadioGroup:
        return static_cast<QGroupBox *>(object)->setTitle(text);
    case ComponentKind::TabSheet: {
        const auto [tabs, index] = tabOf(static_cast<QWidget *>(object));
        if (tabs && index >= 0)
            tabs->setTabText(index, text);
        return;
    }
    case ComponentKind::Window:
        return static_cast<QWidget *>(object)->setWindowTitle(text);
    case ComponentKind::Panel:
        if (auto *group = qobject_cast<QGroupBox *>(object))
            return group->setTitle(text);
        object->setProperty(FormWidgets::CaptionProperty, text);
        return;
    case ComponentKind::Edit:
    case ComponentKind::SpinControl:
    case ComponentKind::DatePicker:
    case ComponentKind::Other:
        return;
    }
}

QString ComponentText::hint(const Component &c)
{
    QObject *object = c.object.data();
    if (auto *action = qobject_cast<QAction *>(object))
        return action->property(FormWidgets::HintProperty).toString();
    if (auto *widget = qobject_cast<QWidget *>(object))
        return widget->toolTip();
    return {};
}

void ComponentText::setHint(const Component &c, const QString &text)
{
    QObject *object = c.object.data();
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setProperty(FormWidgets::HintProperty, text);
        action->setStatusTip(text);
        return;
    }
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setToolTip(text);
}
