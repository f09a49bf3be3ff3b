// A date picker whose field takes a typed date as a whole: "25.03.2015", "25.3.15" or
// "25/03/2015" give that date (a two-digit year is one of 2000 to 2099), and anything
// that is no valid date in the picker's range leaves the picker's date as it was. The
// stock field edits day, month and year as separate sections, so that a two-digit year
// typed into the year became the year 15, shown as "0015".
#pragma once

#include <QDateEdit>

#include <optional>

class DateField : public QDateEdit {
    Q_OBJECT
public:
    explicit DateField(QWidget *parent = nullptr);

    // The date a typed text names, if any (not checked against the range).
    static std::optional<QDate> parse(const QString &text);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    QDateTime dateTimeFromText(const QString &text) const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::optional<QDate> inRange(const QString &text) const;
    void takeTypedText();

    QDate m_before; // the date before the typing began
};
