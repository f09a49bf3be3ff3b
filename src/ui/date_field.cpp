#include "ui/date_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

DateField::DateField(QWidget *parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // A prefix of a longer date can read as a date itself ("01.01.19" on the way to
    // "01.01.1999"): no value while typing, the whole text decides at the end.
    setKeyboardTracking(false);
    connect(this, &QDateEdit::dateChanged, this, [this](QDate date) {
        if (!hasFocus())
            m_before = date;
    });
    // Typed text is judged as a whole, not section by section.
    setCurrentSectionIndex(0);
}

std::optional<QDate> DateField::parse(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})\\s*$"));
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2)
        year += 2000;
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<QDate> DateField::inRange(const QString &text) const
{
    const std::optional<QDate> date = parse(text);
    if (!date || *date < minimumDate() || *date > maximumDate())
        return std::nullopt;
    return date;
}

QValidator::State DateField::validate(QString &input, int &) const
{
    if (inRange(input))
        return QValidator::Acceptable;
    // Digits and separators may still become a date; anything else may not.
    static const QRegularExpression typing(QStringLiteral("^[\\d./ -]{0,10}$"));
    return typing.match(input).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

void DateField::fixup(QString &input) const
{
    const std::optional<QDate> date = inRange(input);
    input = (date ? *date : this->date()).toString(displayFormat());
}

QDateTime DateField::dateTimeFromText(const QString &text) const
{
    const std::optional<QDate> date = inRange(text);
    return QDateTime(date ? *date : this->date(), QTime(0, 0));
}

void DateField::takeTypedText()
{
    // Whatever was typed: a date in range is taken, anything else gives the old one back.
    const std::optional<QDate> date = inRange(lineEdit()->text());
    const QDate taken = date ? *date : m_before;
    m_before = taken;
    setDate(taken);
    lineEdit()->setText(taken.toString(displayFormat()));
}

void DateField::focusInEvent(QFocusEvent *event)
{
    m_before = date();
    QDateEdit::focusInEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    takeTypedText();
    QDateEdit::focusOutEvent(event);
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        takeTypedText();
        emit editingFinished();
        return;
    }
    QDateEdit::keyPressEvent(event);
}
