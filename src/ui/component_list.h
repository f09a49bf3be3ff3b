// The components of one window in creation order, with their documented names, kinds
// and tags. Localization and the settings store walk these lists; code looks controls
// up here by name instead of searching the object tree, where two windows share names
// (both the main window and the number dialog have a CheckBox1).
#pragma once

#include "app/component_kind.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

struct Component {
    QPointer<QObject> object;
    QString name;
    ComponentKind kind;
    int tag;
};

class ComponentList {
public:
    // Names the object and appends it; returns it for chaining.
    // A label that has not chosen a text format shows plain text from here on.
    template <typename T> T *add(T *object, const QString &name, ComponentKind kind, int tag = 0)
    {
        object->setObjectName(name);
        showPlainText(object);
        m_components.push_back({object, name, kind, tag});
        return object;
    }

    QObject *find(const QString &name) const;
    template <typename T> T *get(const QString &name) const { return qobject_cast<T *>(find(name)); }
    const Component *component(const QString &name) const;
    const std::vector<Component> &components() const { return m_components; }

private:
    // Captions, hints and shown values come from language files, settings and the draw
    // service: a label taking them as rich text would render a page or load an image file.
    static void showPlainText(QObject *object);

    std::vector<Component> m_components;
};
