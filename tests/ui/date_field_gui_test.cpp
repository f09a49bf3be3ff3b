// Typing into a date field: a whole date is taken, anything else leaves the date alone.
#include "ui/date_field.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

class DateFieldTest : public QObject {
    Q_OBJECT

    static QDate typeInto(DateField &field, const QString &text, bool byEnter)
    {
        field.setFocus();
        field.findChild<QLineEdit *>()->selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
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
        const QDate unchanged(2017, 10, 27);
        QTest::newRow("whole date") << "25.03.2015" << QDate(2015, 3, 25);
        QTest::newRow("two-digit year") << "25.3.15" << QDate(2015, 3, 25);
        QTest::newRow("single digits") << "1.1.01" << QDate(2001, 1, 1);
        QTest::newRow("slashes") << "13/03/2015" << QDate(2015, 3, 13);
        QTest::newRow("no such day") << "31.02.2015" << unchanged;
        QTest::newRow("no year") << "25.03" << unchanged;
        QTest::newRow("before the minimum") << "01.01.1999" << unchanged;
        QTest::newRow("letters") << "gestern" << unchanged;
        QTest::newRow("empty") << "" << unchanged;
    }
    void typedDates()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        for (bool byEnter : {true, false}) {
            QWidget window;
            auto *field = new DateField(&window);
            auto *other = new QLineEdit(&window);
            other->move(0, 40);
            field->setMinimumDate(QDate(2000, 5, 17));
            field->setDate(QDate(2017, 10, 27));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (!byEnter)
                other->setFocus();
            QCOMPARE(typeInto(*field, typed, byEnter), expected);
            QCOMPARE(field->findChild<QLineEdit *>()->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
        }
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
