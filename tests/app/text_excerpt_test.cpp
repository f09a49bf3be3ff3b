// Text from outside in messages and numbers: excerpts stay short and printable, and a
// whole number is digits and nothing else.
#include "app/text_excerpt.h"
#include "app/text_formats.h"

#include <QTest>

class TextExcerptTest : public QObject {
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("excerpt");
        QTest::newRow("short") << "zwölf"
                               << "zwölf";
        QTest::newRow("long") << QString(50, QLatin1Char('7'))
                              << QString(40, QLatin1Char('7')) + "... (10 more characters)";
        QTest::newRow("controls") << QString::fromLatin1("a\tb\r\n\x1b[0m\x7f", 10) << "a\\tb\\r\\n\\x1b[0m\\x7f";
        QTest::newRow("NUL and C1") << QString::fromLatin1("1\0"
                                                           "2\x9b",
            4) << "1\\x002\\x9b";
        QTest::newRow("format character") << QString::fromUtf8("a\u200bb") << "a\\u200bb";
        QTest::newRow("a pair of surrogates") << QString::fromUtf8("\U0001F600") << QString::fromUtf8("\U0001F600");
        QTest::newRow("a lone surrogate") << QString(QChar(0xd800)) << "\\ud800";
        // Escapes count: the excerpt stays within its length.
        QTest::newRow("forty NULs") << QString(40, QChar(0))
                                    << QString("\\x00").repeated(10) + "... (30 more characters)";
    }
    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, excerpt);
        QCOMPARE(TextExcerpt::field(text), excerpt);
    }

    void blockKeepsLinesAndTabs()
    {
        QCOMPARE(TextExcerpt::block(QString::fromLatin1("1,2\r\n\t3\x07", 8), 100), QStringLiteral("1,2\r\n\t3\\x07"));
        QCOMPARE(TextExcerpt::block(QStringLiteral("abcdef"), 3), QStringLiteral("abc... (3 more characters)"));
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -999 for none
        QTest::newRow("plain") << "75" << 75;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("signs") << "-3" << -3;
        QTest::newRow("plus") << "+3" << 3;
        QTest::newRow("largest") << "2147483647" << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
        QTest::newRow("too large") << "2147483648" << -999;
        QTest::newRow("very long") << QString(10000, QLatin1Char('9')) << -999;
        QTest::newRow("a NUL inside") << QString::fromLatin1("12\0"
                                                             "34",
            5) << -999;
        QTest::newRow("a NUL at the end") << QString::fromLatin1("12\0", 3) << -999;
        QTest::newRow("blank") << " 12" << -999;
        QTest::newRow("empty") << "" << -999;
        QTest::newRow("sign alone") << "-" << -999;
        QTest::newRow("fraction") << "2.5" << -999;
        QTest::newRow("other digits") << QString::fromUtf8("\u0661\u0662") << -999;
    }
    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        const std::optional<int> parsed = TextFormats::parseInteger(text);
        QCOMPARE(parsed.value_or(-999), value);
    }
};

QTEST_GUILESS_MAIN(TextExcerptTest)
#include "text_excerpt_test.moc"
