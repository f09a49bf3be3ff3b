// Errors as values: the UI-free code returns a Result carrying either a value or a
// readable message, and the windows decide how to show the message.
#pragma once

#include <QString>

#include <optional>
#include <utility>

struct Error {
    QString message;
};

inline Error fail(QString message)
{
    return Error{std::move(message)};
}

template <typename T> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_value(std::move(value))
    { }
    Result(Error error)
        : m_error(std::move(error.message))
    { }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return *m_value; }
    T &value() & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    const T *operator->() const { return &*m_value; }

    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_failed(true)
        , m_error(std::move(error.message))
    { }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
