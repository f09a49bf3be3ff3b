#include "ui/long_work.h"

#include "ui/platform.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void LongWork::begin(bool waitCursor)
{
    m_running = true;
    m_stopRequested = false;
    m_waitCursor = waitCursor;
    if (m_waitCursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_sinceYield.start();
}

void LongWork::end()
{
    if (!m_running)
        return;
    if (m_waitCursor)
        QGuiApplication::restoreOverrideCursor();
    m_running = false;
    m_waitCursor = false;
}

bool LongWork::yield(bool force)
{
    if (force || !m_sinceYield.isValid() || m_sinceYield.elapsed() >= m_interval.count()) {
        QCoreApplication::processEvents();
        m_sinceYield.start();
    }
    return m_stopRequested;
}

bool LongWork::ask(const QString &text, const QString &caption)
{
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool yes = m_dialogs.askYesNo(text, caption);
    QGuiApplication::restoreOverrideCursor();
    return yes;
}
