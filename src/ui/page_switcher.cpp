#include "ui/page_switcher.h"

#include <QScrollArea>
#include <QTabWidget>

int PageSwitcher::indexOf(const QWidget *page) const
{
    for (int i = 0; i < m_pages.count(); ++i) {
        auto *scroll = qobject_cast<QScrollArea *>(m_pages.widget(i));
        if (m_pages.widget(i) == page || (scroll && scroll->widget() == page))
            return i;
    }
    return -1;
}

void PageSwitcher::show(QWidget *page)
{
    if (const int index = indexOf(page); index >= 0)
        m_pages.setCurrentIndex(index);
}

bool PageSwitcher::isShown(const QWidget *page) const
{
    const int index = indexOf(page);
    return index >= 0 && index == m_pages.currentIndex();
}
