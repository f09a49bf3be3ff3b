// The caption and the hint of a registered component, whatever widget stands behind it:
// a label's text, a button's caption, a tab's title, a group's title, a window's title,
// a menu entry's text. Localization and the translation tool read and write texts only
// through here.
#pragma once

#include "ui/component_list.h"

#include <QString>

namespace ComponentText {
// Edit fields have no caption (their text is their data): empty, and setting one is ignored.
QString caption(const Component &component);
void setCaption(const Component &component, const QString &text);
QString hint(const Component &component);
void setHint(const Component &component, const QString &text);
} // namespace ComponentText
