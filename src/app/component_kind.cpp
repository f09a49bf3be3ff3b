#include "app/component_kind.h"

const char *componentKindName(ComponentKind kind)
{
    switch (kind) {
    case ComponentKind::MenuItem:
        return "MenuItem";
    case ComponentKind::Label:
        return "Label";
    case ComponentKind::Panel:
        return "Panel";
    case ComponentKind::SpeedButton:
        return "SpeedButton";
    case ComponentKind::Button:
        return "Button";
    case ComponentKind::BitmapButton:
        return "BitmapButton";
    case ComponentKind::CheckBox:
        return "CheckBox";
    case ComponentKind::RadioButton:
        return "RadioButton";
    case ComponentKind::TabSheet:
        return "TabSheet";
    case ComponentKind::RadioGroup:
        return "RadioGroup";
    case ComponentKind::Edit:
        return "Edit";
    case ComponentKind::SpinControl:
        return "SpinControl";
    case ComponentKind::DatePicker:
        return "DatePicker";
    case ComponentKind::Window:
        return "Window";
    case ComponentKind::Other:
        return "Other";
    }
    return "Other";
}
