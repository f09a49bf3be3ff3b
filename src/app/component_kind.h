// The kinds of components a window registers, as localization and its translation tool
// tell them apart.
#pragma once

enum class ComponentKind {
    MenuItem,
    Label,
    Panel,
    SpeedButton,
    Button,
    BitmapButton,
    CheckBox,
    RadioButton,
    TabSheet,
    RadioGroup,
    Edit,
    SpinControl,
    DatePicker,
    Window,
    Other,
};

// "MenuItem", "Label", ...: the kind's name as the component lists write it.
const char *componentKindName(ComponentKind kind);
