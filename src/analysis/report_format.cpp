#include "analysis/report_format.h"

#include "app/text_formats.h"

#include <cmath>

ReportFormat ReportFormat::forLanguage(const QString &localeName)
{
    const QLocale locale(localeName);
    if (localeName.isEmpty() || locale.language() == QLocale::German || locale.language() == QLocale::C)
        return {};
    return ReportFormat(locale);
}

QString ReportFormat::number(double value, int decimals) const
{
    if (!m_locale)
        return TextFormats::number(value, decimals);
    // A value that rounds to zero has no minus sign, as in the program's own format.
    const double shown = std::abs(value) < 0.5 * std::pow(10.0, -decimals) ? 0.0 : value;
    return m_locale->toString(shown, 'f', decimals);
}

QString ReportFormat::integer(std::int64_t value) const
{
    return m_locale ? m_locale->toString(qlonglong(value)) : TextFormats::integer(value);
}

QString ReportFormat::amount(double dollars) const
{
    if (!m_locale)
        return TextFormats::number(dollars, 2) + QStringLiteral(" $");
    return m_locale->toCurrencyString(dollars, QStringLiteral("$"), 2);
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
