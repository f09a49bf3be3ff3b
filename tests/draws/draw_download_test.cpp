// The draw service's wire format: draw-date calendar, request URL, answer lines.
#include "draws/draw_download.h"
#include "draws/draw_text.h"

#include <QTest>
#include <QUrlQuery>

class DrawDownloadTest : public QObject {
    Q_OBJECT

private slots:
    void nextDrawDate_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("next");
        QTest::newRow("Tuesday to Friday") << QDate(2015, 3, 3) << QDate(2015, 3, 6);
        QTest::newRow("Friday to Tuesday") << QDate(2015, 3, 6) << QDate(2015, 3, 10);
        QTest::newRow("empty store's Wednesday") << QDate(2000, 5, 17) << QDate(2000, 5, 21);
        QTest::newRow("Sunday") << QDate(2000, 5, 21) << QDate(2000, 5, 25);
        QTest::newRow("across the year") << QDate(2016, 12, 30) << QDate(2017, 1, 3);
    }
    void nextDrawDate()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, next);
        QCOMPARE(DrawDownload::nextDrawDate(from), next);
    }

    void requestUrl_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("expected");
        QTest::newRow("host and port")
            << "http://127.0.0.1:8787"
            << "http://127.0.0.1:8787/zahlen/uslotto.asp?Programm=DevuDirurero&Datum=20150306";
        QTest::newRow("trailing slash")
            << "http://draws.example/"
            << "http://draws.example/zahlen/uslotto.asp?Programm=DevuDirurero&Datum=20150306";
        QTest::newRow("below a path")
            << "http://draws.example/dienst/"
            << "http://draws.example/dienst/zahlen/uslotto.asp?Programm=DevuDirurero&Datum=20150306";
    }
    void requestUrl()
    {
        QFETCH(QString, base);
        QFETCH(QString, expected);
        QCOMPARE(DrawDownload::requestUrl(QUrl(base), QDate(2015, 3, 6)).toString(), expected);
    }

    // The address as typed on the Internet page or stored in the settings.
    void parseServiceUrl_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("parsed"); // empty: rejected
        const auto row = [](const char *name, const char *typed, const char *parsed) {
            QTest::newRow(name) << QString::fromUtf8(typed) << QString::fromUtf8(parsed);
        };
        row("host and port", "http://127.0.0.1:8787", "http://127.0.0.1:8787");
        row("blanks around it", "  https://draws.example/dienst \t", "https://draws.example/dienst");
        row("scheme in capitals", "HTTP://draws.example", "http://draws.example");
        row("empty", "", "");
        row("no scheme", "draws.example:8787", "");
        row("not http", "ftp://draws.example", "");
        row("no host", "http://", "");
        row("blank in the host", "http://draws example", "");
    }
    void parseServiceUrl()
    {
        QFETCH(QString, typed);
        QFETCH(QString, parsed);
        const auto url = DrawDownload::parseServiceUrl(typed);
        QCOMPARE(url.ok(), !parsed.isEmpty());
        if (url)
            QCOMPARE(url->toString(), parsed);
        else
            QVERIFY2(url.error().contains(QStringLiteral("\"%1\"").arg(typed.trimmed())), qPrintable(url.error()));
    }

    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected"); // listLine numbers, or "" when it must fail
        QTest::newRow("plain") << "3,8,12,40,75,7,2"
                               << "3 8 12 40 75 7 2";
        QTest::newRow("blanks around values") << " 3 ,8,  12,40 ,75,7 ,  2 "
                                              << "3 8 12 40 75 7 2";
        QTest::newRow("tabs and CR") << "3\t,8,12,40,75,7,2\r"
                                     << "3 8 12 40 75 7 2";
        QTest::newRow("order as received") << "40,3,75,12,8,7,2"
                                           << "40 3 75 12 8 7 2";
        QTest::newRow("largest values") << "71,72,73,74,75,15,5"
                                        << "71 72 73 74 75 15 5";
        QTest::newRow("Megaplier 0") << "1,2,3,4,5,1,0"
                                     << "1 2 3 4 5 1 0";
        QTest::newRow("six fields") << "3,8,12,40,75,7"
                                    << "";
        QTest::newRow("an eighth field") << "3,8,12,40,75,7,2,9"
                                         << "";
        QTest::newRow("empty field") << "3,,12,40,75,7,2"
                                     << "";
        QTest::newRow("not a number") << "3,8,zwölf,40,75,7,2"
                                      << "";
        QTest::newRow("a fraction") << "3,8,12,40,75,7,2.5"
                                    << "";
        QTest::newRow("main number 0") << "0,8,12,40,75,7,2"
                                       << "";
        QTest::newRow("main number 76") << "3,8,12,40,76,7,2"
                                        << "";
        QTest::newRow("main number 259 wraps to 3 as a byte") << "259,8,12,40,75,7,2"
                                                              << "";
        QTest::newRow("Megaball 0") << "3,8,12,40,75,0,2"
                                    << "";
        QTest::newRow("Megaball 16") << "3,8,12,40,75,16,2"
                                     << "";
        // One range everywhere: what the update stores, the import takes back.
        QTest::newRow("Megaplier 6") << "3,8,12,40,75,7,6"
                                     << "";
        QTest::newRow("Megaplier 255") << "3,8,12,40,75,7,255"
                                       << "";
        QTest::newRow("Megaplier 256") << "3,8,12,40,75,7,256"
                                       << "";
        QTest::newRow("Megaplier -1") << "3,8,12,40,75,7,-1"
                                      << "";
        QTest::newRow("repeated main number") << "3,8,12,3,75,7,2"
                                              << "";
        QTest::newRow("html") << "<html><body>Fehler</body></html>"
                              << "";
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        const auto draw = DrawDownload::parseLine(line, QDate(2015, 3, 6));
        if (expected.isEmpty()) {
            QVERIFY(!draw);
            QVERIFY(!draw.error().isEmpty());
            return;
        }
        QVERIFY2(draw.ok(), qPrintable(draw.error()));
        QCOMPARE(draw->date, QDate(2015, 3, 6));
        QCOMPARE(draw->sixth, 0);
        QStringList numbers;
        for (auto n : draw->numbers)
            numbers << QString::number(n);
        numbers << QString::number(draw->megaball) << QString::number(draw->megaplier);
        QCOMPARE(numbers.join(QLatin1Char(' ')), expected);
    }

    void formatLineReadsBack()
    {
        Draw draw;
        draw.date = QDate(2017, 10, 27);
        draw.numbers = {17, 27, 41, 51, 52};
        draw.megaball = 13;
        draw.megaplier = 5;
        QCOMPARE(DrawDownload::formatLine(draw), QStringLiteral("17,27,41,51,52,13,5"));
        const auto back = DrawDownload::parseLine(DrawDownload::formatLine(draw), draw.date);
        QVERIFY(back.ok());
        QCOMPARE(*back, draw);
    }

    void parseBody_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("draws");
        QTest::addColumn<bool>("fails");
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("only line ends") << "\r\n\r\n" << 0 << false;
        QTest::newRow("one line, CR LF") << "1,2,3,4,5,6,1\r\n" << 1 << false;
        QTest::newRow("two lines, LF, blank between") << "1,2,3,4,5,6,1\n\n7,8,9,10,11,12,2\n" << 2 << false;
        QTest::newRow("bad second line keeps the first") << "1,2,3,4,5,6,1\r\n1,2,3\r\n7,8,9,10,11,12,2" << 1 << true;
        QTest::newRow("bad first line") << "Fehler\r\n1,2,3,4,5,6,1" << 0 << true;
    }
    void parseBody()
    {
        QFETCH(QString, body);
        QFETCH(int, draws);
        QFETCH(bool, fails);
        const auto parsed = DrawDownload::parseBody(body, QDate(2015, 3, 6));
        QCOMPARE(int(parsed.draws.size()), draws);
        QCOMPARE(parsed.error.has_value(), fails);
    }

    // A field that came from outside is echoed as a short excerpt, never raw.
    void errorsEchoAShortPrintableExcerpt_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("ten megabytes") << QString(10'000'000, QLatin1Char('7')) + QLatin1Char('x');
        QTest::newRow("binary") << QString::fromLatin1("\x01\x02\x1b[2J\x7f\x9b", 8);
        QTest::newRow("a NUL") << QString::fromLatin1("12\0"
                                                      "34",
            5);
    }
    void errorsEchoAShortPrintableExcerpt()
    {
        QFETCH(QString, field);
        const QString update
            = DrawDownload::parseLine(QStringLiteral("3,8,") + field + QStringLiteral(",40,75,7,2"), QDate(2015, 3, 6))
                  .error();
        const auto imported = DrawText::parse(QStringLiteral("2015-03-06,3,8,") + field + QStringLiteral(",40,75,7,2\n")
            + field + QStringLiteral(",3,8,12,40,75,7,2\n"));
        QCOMPARE(imported.errors.size(), 2);
        for (const QString &message : {update, imported.errors[0], imported.errors[1]}) {
            QVERIFY2(message.size() < 160, qPrintable(message.left(200)));
            QVERIFY2(std::all_of(message.begin(), message.end(), [](QChar ch) { return ch.isPrint(); }),
                qPrintable(message));
        }
    }

    void decodeBody()
    {
        QCOMPARE(DrawDownload::decodeBody("Gew\xc3\xa4hr"), QStringLiteral("Gewähr"));
        QCOMPARE(DrawDownload::decodeBody("Gew\xe4hr"), QStringLiteral("Gewähr"));
    }
};

QTEST_GUILESS_MAIN(DrawDownloadTest)
#include "draw_download_test.moc"
