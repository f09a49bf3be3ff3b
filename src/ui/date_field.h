// A date picker whose field takes a typed date as a whole: "25.03.2015", "25.3.15" or
// "25/03/2015" give that date (a two-digit year is one of 2000 to 2099), and anything
// that is no valid date in the picker's range leaves the picker's date as it was and is
// announced with the reason. The stock field edits day, month and year as separate
// sections: a two-digit year typed into the year became the year 15, shown as "0015",
// and a date typed over a selection went into whichever section the cursor was in.
#pragma once

#include <QDateEdit>

#include <optional>

class MessageTable;

class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // The date a typed text names, if any (not checked against the range).
    static std::optional<QDate> parse(const QString &text);

    enum class Refusal { NoDate, NoSuchDay, OutOfRange };
    // Why a typed text is not taken, nullopt when it names a date in the range.
    static std::optional<Refusal> refusal(const QString &text, QDate minimum, QDate maximum);
    // The status text for a refusal: what was typed, why, and the date that stays.
    static QString refusalText(
        const MessageTable &messages, const QString &typed, Refusal why, QDate minimum, QDate maximum, QDate kept);

signals:
    // Typed text that was not taken (empty text is not announced: nothing was typed).
    void refused(const QString &typed, DateField::Refusal why);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    std::optional<QDate> inRange(const QString &text) const;
    void takeTypedText();

    QDate m_before; // the date before the typing began
};
