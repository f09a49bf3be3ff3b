// Switching the main window's page control to one of its pages, for the commands that
// show their result on another page (charts, the tip sheet during a run).
#pragma once

class QTabWidget;
class QWidget;

class PageSwitcher {
public:
    explicit PageSwitcher(QTabWidget &pages)
        : m_pages(pages)
    { }

    // `page` is a page's content widget (the pages sit in scroll areas).
    void show(QWidget *page);
    bool isShown(const QWidget *page) const;

private:
    int indexOf(const QWidget *page) const;

    QTabWidget &m_pages;
};
