#include "ui/component_list.h"

#include <QLabel>

void ComponentList::showPlainText(QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->textFormat() == Qt::AutoText)
        label->setTextFormat(Qt::PlainText);
}

const Component *ComponentList::component(const QString &name) const
{
    for (const Component &entry : m_components)
        if (entry.name == name && entry.object)
            return &entry;
    return nullptr;
}

QObject *ComponentList::find(const QString &name) const
{
    const Component *entry = component(name);
    return entry ? entry->object.data() : nullptr;
}
