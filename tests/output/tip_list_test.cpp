// The printable list: header, rule and empty line, the row lines with their padding and
// numbering, the conversion message with nothing written, and the play date.
#include "app/message_table.h"
#include "output/tip_list.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const MessageTable Messages;

TipRowTexts row(const QString &fields)
{
    TipRowTexts texts;
    const QStringList parts = fields.split(QLatin1Char(','));
    for (qsizetype slot = 0; slot < parts.size(); ++slot)
        texts[size_t(slot)] = parts[slot];
    return texts;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class TipListTest : public QObject {
    Q_OBJECT

private slots:
    void emptySheetGivesTheHeaderOnly()
    {
        const auto lines = TipList::lines(TipSheetTexts{}, Messages, QDate(2015, 3, 13));
        QVERIFY(lines.ok());
        QCOMPARE(*lines,
            (QStringList{QStringLiteral("Morvaks Lotto-Tipp für  13.03.2015"),
                QStringLiteral("~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"), QString()}));
        QCOMPARE(TipList::encode(*lines),
            QByteArray(
                "Morvaks Lotto-Tipp f\xC3\xBCr  13.03.2015\r\n~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n\r\n"));
    }

    void rowLines()
    {
        TipSheetTexts sheet;
        sheet[0] = row(QStringLiteral("5,12,23,34,45,10,"));
        sheet[2] = row(QStringLiteral("7,8,9,70,75,1,3")); // the extra field is not printed
        sheet[9] = row(QStringLiteral("1,2,3,4,5,15,"));
        sheet[11] = row(QStringLiteral("10,20,30,40,50,9,"));
        const auto lines = TipList::lines(sheet, Messages, QDate(2015, 3, 13));
        QVERIFY(lines.ok());
        // Rows 1, 3, 10 and 12: the gaps stay gaps in the numbering, which stays aligned.
        QCOMPARE(lines->mid(3),
            (QStringList{
                QStringLiteral(" 1. Morvaks Lotto-Tipp für :  5   12   23   34   45   MegaBall: 10"),
                QStringLiteral(" 3. Morvaks Lotto-Tipp für :  7    8    9   70   75   MegaBall:  1"),
                QStringLiteral("10. Morvaks Lotto-Tipp für :  1    2    3    4    5   MegaBall: 15"),
                QStringLiteral("12. Morvaks Lotto-Tipp für : 10   20   30   40   50   MegaBall:  9"),
            }));
    }

    void conversionMessage_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty Megaball") << "5,12,23,34,45,,"
                                        << "'''' ist kein gültiger Integer-Wert";
        QTest::newRow("empty main number") << "5,12,,34,45,10,"
                                           << "'''' ist kein gültiger Integer-Wert";
        QTest::newRow("not a number") << "5,12,abc,34,x,10,"
                                      << "''abc'' ist kein gültiger Integer-Wert";
        QTest::newRow("a main number twice") << "5,12,abc,12,x,10,"
                                             << "Tipp 5 enthält die Zahl 12 mehrfach.";
    }
    void conversionMessage()
    {
        QFETCH(QString, fields);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(TipList::FileName);
        TipSheetTexts sheet;
        sheet[0] = row(QStringLiteral("1,2,3,4,5,6,"));
        QVERIFY(TipList::write(path, sheet, Messages, QDate(2015, 3, 13)).ok());
        const QByteArray previous = readAll(path);

        sheet[4] = row(fields);
        const auto written = TipList::write(path, sheet, Messages, QDate(2015, 3, 17));
        QVERIFY(!written.ok());
        QCOMPARE(written.error(), message);
        QCOMPARE(readAll(path), previous);
    }

    void writtenFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(TipList::FileName);
        TipSheetTexts sheet;
        sheet[1] = row(QStringLiteral("3,4,5,6,7,8,"));
        QVERIFY(TipList::write(path, sheet, Messages, QDate(2017, 10, 31)).ok());
        QVERIFY(readAll(path).endsWith(
            QByteArray("\r\n\r\n 2. Morvaks Lotto-Tipp f\xC3\xBCr :  3    4    5    6    7   MegaBall:  8\r\n")));
        QVERIFY(
            !TipList::write(dir.filePath(QStringLiteral("no/folder/Tipp.txt")), sheet, Messages, QDate(2017, 10, 31))
                 .ok());
    }

    void playDate_data()
    {
        QTest::addColumn<QDate>("shown");
        QTest::addColumn<QDate>("picker");
        QTest::addColumn<QDate>("play");
        QTest::newRow("Tuesday draw, next Friday") << QDate(2015, 3, 10) << QDate(2015, 3, 10) << QDate(2015, 3, 13);
        QTest::newRow("Friday draw, next Tuesday") << QDate(2015, 3, 13) << QDate(2015, 3, 13) << QDate(2015, 3, 17);
        // The picker's weekday decides, as documented, even when it differs from the draw's.
        QTest::newRow("picker on a Tuesday") << QDate(2015, 3, 13) << QDate(2015, 3, 17) << QDate(2015, 3, 16);
    }
    void playDate()
    {
        QFETCH(QDate, shown);
        QFETCH(QDate, picker);
        QFETCH(QDate, play);
        QCOMPARE(TipList::playDate(shown, picker), play);
    }
};

QTEST_GUILESS_MAIN(TipListTest)
#include "tip_list_test.moc"
