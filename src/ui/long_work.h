// Long work on the GUI thread (the generation run, the history search, the analyses):
// keeps the window painting and answering by processing pending events, but at most
// every few milliseconds, since doing it at every step would cost more than the work;
// carries the stop request and the questions the work asks on its way.
#pragma once

#include <QElapsedTimer>
#include <QString>

#include <chrono>

class UserDialogs;

class LongWork {
public:
    explicit LongWork(UserDialogs &dialogs, std::chrono::milliseconds interval = std::chrono::milliseconds(10))
        : m_dialogs(dialogs)
        , m_interval(interval)
    { }

    // Starts a piece of work: the stop request is cleared and the wait cursor shown
    // (when `waitCursor`); `end` undoes both. Nested begin/end pairs are not supported.
    void begin(bool waitCursor = true);
    void end();
    bool isRunning() const { return m_running; }

    // Processes pending events when the interval has passed since the last time (or
    // always, with `force`); returns whether a stop was requested.
    bool yield(bool force = false);
    void requestStop() { m_stopRequested = true; }
    bool stopRequested() const { return m_stopRequested; }

    // A yes/no question on the way, with the normal cursor while it is open.
    bool ask(const QString &text, const QString &caption);

private:
    UserDialogs &m_dialogs;
    std::chrono::milliseconds m_interval;
    QElapsedTimer m_sinceYield;
    bool m_running = false;
    bool m_waitCursor = false;
    bool m_stopRequested = false;
};
