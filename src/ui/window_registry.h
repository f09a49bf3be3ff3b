// The program's windows in creation order, each with its component list: what
// localization and its translation tool walk, window by window, component by component.
#pragma once

#include "ui/component_list.h"

#include <QString>

#include <vector>

class QWidget;

class WindowRegistry {
public:
    struct Window {
        QString name; // "Form1", "Form3", "Form6", "XRTForm"
        QWidget *widget;
        const ComponentList *components;
    };

    void add(const QString &name, QWidget *widget, const ComponentList &components)
    {
        m_windows.push_back({name, widget, &components});
    }
    const std::vector<Window> &windows() const { return m_windows; }
    const Window *find(const QString &name) const
    {
        for (const Window &window : m_windows)
            if (window.name == name)
                return &window;
        return nullptr;
    }

private:
    std::vector<Window> m_windows;
};
