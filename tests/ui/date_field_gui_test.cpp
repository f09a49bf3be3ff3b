// Typing into a date field: a whole date is taken, also typed over the selected date;
// anything else leaves the date alone and is announced with its reason.
#include "app/message_table.h"
#include "ui/date_field.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class DateFieldTest : public QObject {
    Q_OBJECT

    static QLineEdit *edit(DateField &field) { return field.findChild<QLineEdit *>(); }

    // As a user does it: click into the field, select all, type over it.
    static QDate typeInto(DateField &field, const QString &text, bool byEnter)
    {
        QTest::mouseClick(edit(field), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&field, text);
        if (byEnter)
            QTest::keyClick(&field, Qt::Key_Return);
        else
            field.clearFocus();
        return field.date();
    }

private slots:
    void typedDates_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<int>("refusal"); // -1: taken or nothing typed
        const QDate unchanged(2017, 10, 27);
        const int noDate = int(DateField::Refusal::NoDate);
        QTest::newRow("whole date") << "03.01.2017" << QDate(2017, 1, 3) << -1;
        QTest::newRow("two-digit year") << "25.3.15" << QDate(2015, 3, 25) << -1;
        QTest::newRow("single digits") << "1.1.01" << QDate(2001, 1, 1) << -1;
        QTest::newRow("slashes") << "13/03/2015" << QDate(2015, 3, 13) << -1;
        QTest::newRow("no such day") << "31.02.2016" << unchanged << int(DateField::Refusal::NoSuchDay);
        QTest::newRow("no year") << "25.03" << unchanged << noDate;
        QTest::newRow("before the minimum") << "01.01.1999" << unchanged << int(DateField::Refusal::OutOfRange);
        QTest::newRow("letters cannot be typed") << "gestern" << unchanged << -1;
        QTest::newRow("empty") << "" << unchanged << -1;
    }
    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QFETCH(int, refusal);
        for (bool byEnter : {true, false}) {
            QWidget window;
            auto *field = new DateField(&window);
            auto *other = new QLineEdit(&window);
            other->move(0, 40);
            field->setMinimumDate(QDate(2000, 5, 17));
            field->setDate(QDate(2017, 10, 27));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QSignalSpy refused(field, &DateField::refused);
            QCOMPARE(typeInto(*field, typed, byEnter), expected);
            QCOMPARE(edit(*field)->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
            QCOMPARE(refused.size(), refusal < 0 ? 0 : 1);
            if (refusal >= 0)
                QCOMPARE(int(refused.first().at(1).value<DateField::Refusal>()), refusal);
        }
    }

    void refusalText()
    {
        QCOMPARE(DateField::refusalText(MessageTable(), QStringLiteral("01.01.1999"), DateField::Refusal::OutOfRange,
                     QDate(2000, 5, 17), QDate(9999, 12, 31), QDate(2017, 10, 27)),
            QStringLiteral("01.01.1999 liegt nicht zwischen 17.05.2000 und 31.12.9999; das Datum bleibt 27.10.2017."));
    }

    void parse()
    {
        QCOMPARE(DateField::parse(QStringLiteral(" 7.5.17 ")), QDate(2017, 5, 7));
        QCOMPARE(DateField::parse(QStringLiteral("29.2.2016")), QDate(2016, 2, 29));
        QVERIFY(!DateField::parse(QStringLiteral("29.2.2015")));
        QVERIFY(!DateField::parse(QStringLiteral("7.5.173")));
        QVERIFY(!DateField::parse(QStringLiteral("0.5.17")));
    }
};

QTEST_MAIN(DateFieldTest)
#include "date_field_gui_test.moc"
