#include "history/report_format.h"

#include "app/text_formats.h"

#include <cmath>

ReportFormat ReportFormat::forLanguage(const QString &localeName)
{
    const QLocale locale(localeName);
    if (localeName.isEmpty() || locale.language() == QLocale::German || locale.language() == QLocale::C)
        return {};
    return ReportFormat(locale);
}

// The program's own text with the language's separators. Groups of three throughout:
// Qt's rule for languages that group only from five digits on also left "1000.000".
QString ReportFormat::localized(const QString &programText) const
{
    QString text;
    for (QChar c : programText)
        text += c == QLatin1Char('.') ? m_locale->groupSeparator()
            : c == QLatin1Char(',')   ? m_locale->decimalPoint()
            : c == QLatin1Char('-')   ? m_locale->negativeSign()
                                      : QString(c);
    return text;
}

QString ReportFormat::number(double value, int decimals) const
{
    const QString text = TextFormats::number(value, decimals);
    return m_locale ? localized(text) : text;
}

QString ReportFormat::integer(std::int64_t value) const
{
    const QString text = TextFormats::integer(value);
    return m_locale ? localized(text) : text;
}

QString ReportFormat::amount(double dollars) const
{
    if (!m_locale)
        return number(dollars, 2) + QStringLiteral(" $");
    // Where the language puts the sign: its own currency text for 1, with the number put in.
    const QString pattern = m_locale->toCurrencyString(1.0, QStringLiteral("$"), 2);
    return QString(pattern).replace(m_locale->toString(1.0, 'f', 2), number(dollars, 2));
}

QString ReportFormat::percent(double value) const
{
    if (!m_locale)
        return TextFormats::number(value, 2) + QStringLiteral(" %");
    // English and Chinese write the sign right after the number; the others set it off.
    const QLocale::Language language = m_locale->language();
    const bool close = language == QLocale::English || language == QLocale::Chinese;
    return number(value, 2) + (close ? QString() : QStringLiteral("\u00A0")) + m_locale->percent();
}

QString ReportFormat::range(std::int64_t low, std::int64_t high) const
{
    return integer(low) + QStringLiteral(" – ") + integer(high);
}

QString ReportFormat::oneIn(const QString &prefix, double x) const
{
    return prefix + (x >= 100 ? integer(std::llround(x)) : number(x, 2));
}

QString ReportFormat::pValue(double p) const
{
    return p < 0.001 ? QStringLiteral("p < ") + number(0.001, 3) : QStringLiteral("p = ") + number(p, 3);
}
