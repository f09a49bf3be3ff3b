#include "ui/date_field.h"

#include "app/message_table.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
// Day, month and year, the year with two or four digits.
const QRegularExpression &dateShape()
{
    static const QRegularExpression shape(QStringLiteral("^\\s*(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})\\s*$"));
    return shape;
}
} // namespace

DateField::DateField(QWidget *parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // The stock field re-reads its text whenever the cursor moves into another section,
    // which put back the old date in the middle of typing a new one: the text typed is
    // read once, when the typing ends.
    disconnect(lineEdit(), &QLineEdit::cursorPositionChanged, this, nullptr);
    connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { updateMicroFocus(); });
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
    const QRegularExpressionMatch match = dateShape().match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.captured(3).size() == 2)
        year += 2000;
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

std::optional<DateField::Refusal> DateField::refusal(const QString &text, QDate minimum, QDate maximum)
{
    const std::optional<QDate> date = parse(text);
    if (!date)
        return dateShape().match(text).hasMatch() ? Refusal::NoSuchDay : Refusal::NoDate;
    if (*date < minimum || *date > maximum)
        return Refusal::OutOfRange;
    return std::nullopt;
}

QString DateField::refusalText(
    const MessageTable &messages, const QString &typed, Refusal why, QDate minimum, QDate maximum, QDate kept)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    switch (why) {
    case Refusal::NoSuchDay:
        return messages.text(Msg::DateNoSuchDay).arg(typed.trimmed(), kept.toString(format));
    case Refusal::OutOfRange:
        return messages.text(Msg::DateOutOfRange)
            .arg(typed.trimmed(), minimum.toString(format), maximum.toString(format), kept.toString(format));
    case Refusal::NoDate:
        break;
    }
    return messages.text(Msg::DateUnreadable).arg(typed.trimmed(), kept.toString(format));
}

std::optional<QDate> DateField::inRange(const QString &text) const
{
    if (refusal(text, minimumDate(), maximumDate()))
        return std::nullopt;
    return parse(text);
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
    const QString typed = lineEdit()->text();
    const std::optional<QDate> date = inRange(typed);
    const QDate taken = date ? *date : m_before;
    m_before = taken;
    setDate(taken);
    lineEdit()->setText(taken.toString(displayFormat()));
    if (!date && !typed.trimmed().isEmpty())
        emit refused(typed, *refusal(typed, minimumDate(), maximumDate()));
}

void DateField::focusInEvent(QFocusEvent *event)
{
    m_before = date();
    QDateEdit::focusInEvent(event);
    // Coming in by keyboard, the whole date is selected to be typed over, not a section.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
        lineEdit()->selectAll();
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    takeTypedText();
    QDateEdit::focusOutEvent(event);
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        takeTypedText();
        emit editingFinished();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Stepping starts from the typed date, not from the one before the typing.
        takeTypedText();
        QDateEdit::keyPressEvent(event);
        return;
    case Qt::Key_F4:
        QDateEdit::keyPressEvent(event); // the calendar
        return;
    default:
        // Typing, deleting and moving the cursor go to the text as a whole, past the
        // stock field's handling of sections.
        QAbstractSpinBox::keyPressEvent(event);
    }
}

bool DateField::focusNextPrevChild(bool next)
{
    // Tab leaves the field instead of moving to the next section.
    return QAbstractSpinBox::focusNextPrevChild(next);
}
