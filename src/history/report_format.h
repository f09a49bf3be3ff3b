// How the analysis reports write their numbers: by default in the program's own formats
// (decimal comma, thousands dot, "1.234,56 $"), which the command-line tool always uses;
// the window writes the report of another language in that language's formats.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

class ReportFormat {
public:
    // The program's own formats.
    ReportFormat() = default;
    // A language's formats by its locale name ("en", "pt_BR"); German, an empty name or
    // one no locale knows give the program's own.
    static ReportFormat forLanguage(const QString &localeName);

    QString number(double value, int decimals) const;
    QString integer(std::int64_t value) const;
    QString amount(double dollars) const; // "1.234,56 $", "$1,234.56"
    QString percent(double value) const; // "6,80 %", "6.80%"
    QString range(std::int64_t low, std::int64_t high) const; // "12 – 34"
    // "1 zu " (the table's entry) and x: long odds whole, short ones with two decimals.
    QString oneIn(const QString &prefix, double x) const;
    // "p = 0,098", "p < 0,001".
    QString pValue(double p) const;

private:
    explicit ReportFormat(QLocale locale)
        : m_locale(std::move(locale))
    { }
    QString localized(const QString &programText) const;
    std::optional<QLocale> m_locale;
};
