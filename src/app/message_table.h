// The indexed message texts every dialog, status text and chart title is built from.
// German defaults; a language replaces the whole list at once.
#pragma once

#include <QString>
#include <QStringList>

class MessageTable {
public:
    MessageTable();

    static constexpr int DefaultCount = 62;
    static constexpr int MaxLineLength = 4096;

    // Entry n with its blanks; empty text past the end.
    QString text(int index) const;
    int count() const { return int(m_lines.size()); }
    void replaceAll(const QStringList &lines);
    void restoreDefaults();

    static QStringList defaults();

private:
    QStringList m_lines;
};
