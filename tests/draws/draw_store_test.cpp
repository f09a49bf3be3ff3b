// The draw file: its record layout, ordered storing, deleting, and that no failure
// leaves it half-written.
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "test_data.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
Draw drawOn(QDate date, int first = 3)
{
    Draw draw = TestData::draw("2000-01-01 3 8 12 40 75 7 2");
    draw.date = date;
    draw.numbers[0] = std::uint8_t(first);
    return draw;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The old way of importing, one draw after the other: what the bulk import must match.
void placeOneByOne(std::vector<Draw> &list, const Draw &draw, DrawStore::ImportCounts &counts)
{
    const auto sameDate = [&](const Draw &d) { return d.date == draw.date; };
    auto first = std::find_if(list.begin(), list.end(), sameDate);
    if (first != list.end()) {
        *first = draw;
        list.erase(std::remove_if(first + 1, list.end(), sameDate), list.end());
        ++counts.replaced;
        return;
    }
    list.insert(std::find_if(list.begin(), list.end(), [&](const Draw &d) { return d.date > draw.date; }), draw);
    ++counts.added;
}

const QDate March3(2015, 3, 3);
const QDate March10(2015, 3, 10);
} // namespace

class DrawStoreTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString storePath() const { return m_dir.filePath(QStringLiteral("Devudirurero.dat")); }
    std::vector<Draw> storedDraws() const
    {
        auto draws = DrawStore(storePath()).readAll();
        if (!draws)
            qFatal("%s", qPrintable(draws.error()));
        return draws.value();
    }

private slots:
    void init() { QFile::remove(storePath()); }

    void bundledFileMatchesTheCsvByteForByte()
    {
        const std::vector<Draw> csv = TestData::csvHistory();
        QFile file(TestData::bundledStorePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), qsizetype(csv.size()) * 32);
        QCOMPARE(csv.size(), size_t(420));
        for (size_t i = 0; i < csv.size(); ++i) {
            const char *record = bytes.constData() + i * 32;
            // Whole days since 30.12.1899 as a little-endian double.
            QCOMPARE(DrawRecord::rawDate(record), double(QDate(1899, 12, 30).daysTo(csv[i].date)));
            for (int k = 0; k < 5; ++k)
                QCOMPARE(quint8(record[8 + k]), csv[i].numbers[size_t(k)]);
            QCOMPARE(quint8(record[13]), quint8(0));
            QCOMPARE(quint8(record[14]), csv[i].megaball);
            QCOMPARE(quint8(record[15]), csv[i].megaplier);
            QCOMPARE(QByteArray(record + 16, 16), QByteArray(16, '\0'));
        }
    }

    void firstRecordKnownBytes()
    {
        // 22.10.2013 is day 41569: 0x40E44C2000000000.
        const QByteArray bytes = DrawRecord::encode(TestData::draw("2013-10-22 2 3 19 52 71 14 5"));
        QCOMPARE(bytes.left(16).toHex(),
            QByteArray("00000000204ce440020313344700"
                       "0e05"));
    }

    void placementKeepsDateOrder_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<int>("placement");
        QTest::addColumn<QStringList>("dates");
        const auto P = [](DrawStore::Placement p) { return int(p); };
        QTest::newRow("between") << "2015-03-06" << P(DrawStore::Placement::Inserted)
                                 << QStringList{"2015-03-03", "2015-03-06", "2015-03-10"};
        QTest::newRow("same date") << "2015-03-10" << P(DrawStore::Placement::Replaced)
                                   << QStringList{"2015-03-03", "2015-03-10"};
        QTest::newRow("after all") << "2015-03-13" << P(DrawStore::Placement::Appended)
                                   << QStringList{"2015-03-03", "2015-03-10", "2015-03-13"};
        QTest::newRow("before all") << "2015-02-27" << P(DrawStore::Placement::Inserted)
                                    << QStringList{"2015-02-27", "2015-03-03", "2015-03-10"};
    }
    void placementKeepsDateOrder()
    {
        QFETCH(QString, entered);
        QFETCH(int, placement);
        QFETCH(QStringList, dates);
        TestData::writeStore(storePath(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-10 7 8 9 10 11 12 3"}));
        Draw draw = TestData::draw("2000-01-01 3 8 12 40 75 7 5");
        draw.date = QDate::fromString(entered, Qt::ISODate);
        const auto stored = DrawStore(storePath()).store(draw);
        QVERIFY2(stored.ok(), qPrintable(stored.error()));
        QCOMPARE(int(*stored), placement);
        QStringList actual;
        for (const Draw &d : storedDraws())
            actual.append(d.date.toString(Qt::ISODate));
        QCOMPARE(actual, dates);
        const std::vector<Draw> after = storedDraws();
        const auto it = std::find_if(after.begin(), after.end(), [&](const Draw &d) { return d.date == draw.date; });
        QCOMPARE(*it, draw);
    }

    void removeDateRemovesEveryRecordOfThatDate()
    {
        TestData::writeStore(storePath(),
            TestData::draws({"2015-03-03 1 2 3 4 5 6 2", "2015-03-06 7 8 9 10 11 12 3", "2015-03-06 7 8 9 10 13 12 3",
                "2015-03-10 1 2 3 4 6 6 2"}));
        const auto removed = DrawStore(storePath()).removeDate(QDate(2015, 3, 6));
        QVERIFY(removed.ok());
        QCOMPARE(*removed, 2);
        const auto left = storedDraws();
        QCOMPARE(left.size(), size_t(2));
        QCOMPARE(left[0].date, QDate(2015, 3, 3));
        QCOMPARE(left[1].date, QDate(2015, 3, 10));
    }

    void trailingPartialRecordIsIgnoredAndCutBeforeAppending()
    {
        TestData::writeStore(storePath(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        QFile file(storePath());
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(13, '\x7f')); // an append that died halfway
        file.close();
        QCOMPARE(storedDraws().size(), size_t(1));

        const Draw next = TestData::draw("2015-03-06 3 8 12 40 75 7 5");
        QVERIFY(DrawStore(storePath()).append(next).ok());
        QCOMPARE(QFileInfo(storePath()).size(), qint64(64));
        QCOMPARE(storedDraws().back(), next);
    }

    void missingFileIsAnErrorForReaders()
    {
        const auto draws = DrawStore(storePath()).readAll();
        QVERIFY(!draws.ok());
        QVERIFY(draws.error().contains(QStringLiteral("Devudirurero.dat")));
        QVERIFY(DrawStore(storePath()).createIfMissing().ok());
        QVERIFY(DrawStore(storePath()).readAll()->empty());
    }

    void exportTextFormat()
    {
        const QByteArray text
            = DrawText::exportText(TestData::draws({"2017-10-27 17 27 41 51 52 13 5", "2017-10-31 3 8 12 40 75 7 2"}));
        QCOMPARE(text, QByteArray("20171027;17;27;41;51;52;13;5;\r\n20171031;3;8;12;40;75;7;2;\r\n"));
    }

    void parseAcceptsCsvAndExportAndReportsEveryBadLine()
    {
        const auto good = DrawText::parse(QStringLiteral("date,n1,n2,n3,n4,n5,megaball,megaplier\n"
                                                         "2013-10-22,2,3,19,52,71,14,5\r\n"
                                                         "20171027;17;27;41;51;52;13;5;\r\n"));
        QVERIFY(good.errors.isEmpty());
        QCOMPARE(good.draws.size(), size_t(2));
        QCOMPARE(good.draws[1], TestData::draw("2017-10-27 17 27 41 51 52 13 5"));

        const auto bad = DrawText::parse(QStringLiteral("2013-10-22,2,3,19,52,71,14,5\n"
                                                        "2013-10-25,2,2,19,52,71,14,5\n"
                                                        "2013-10-29,2,3,19,52,76,14,5\n"
                                                        "2013-11-01,2,3,19,52,71,16,5\n"
                                                        "2013-11-05,2,3,19,52,71,14,6\n"
                                                        "2013-02-30,2,3,19,52,71,14,5\n"
                                                        "2013-11-08,2,3,19,52,71,14\n"
                                                        "2013-11-12,2,3,x,52,71,14,5\n"));
        QCOMPARE(bad.draws.size(), size_t(1));
        QCOMPARE(bad.errors.size(), 7);
        QVERIFY(bad.errors[0].startsWith(QStringLiteral("line 2: ")));
        QVERIFY(bad.errors[0].contains(QStringLiteral("repeated")));
        QVERIFY(bad.errors[6].startsWith(QStringLiteral("line 8: ")));
    }
    void importMatchesStoringOneByOne()
    {
        // Stores in date order (some with several records of a date), lists in any order
        // with repeated dates, all dates from a small pool so that they meet often.
        QRandomGenerator random(20240501);
        const QDate first(2015, 1, 2);
        for (int round = 0; round < 120; ++round) {
            std::vector<Draw> stored;
            const int storedCount = int(random.bounded(25));
            for (int i = 0; i < storedCount; ++i)
                stored.push_back(drawOn(first.addDays(random.bounded(40)), 1 + int(random.bounded(70))));
            std::stable_sort(
                stored.begin(), stored.end(), [](const Draw &a, const Draw &b) { return a.date < b.date; });
            std::vector<Draw> incoming;
            const int incomingCount = int(random.bounded(25));
            for (int i = 0; i < incomingCount; ++i)
                incoming.push_back(drawOn(first.addDays(random.bounded(50) - 5), 1 + int(random.bounded(70))));

            std::vector<Draw> expected = stored;
            DrawStore::ImportCounts expectedCounts;
            for (const Draw &draw : incoming)
                placeOneByOne(expected, draw, expectedCounts);

            QByteArray bytes;
            for (const Draw &draw : stored)
                bytes += DrawRecord::encode(draw);
            writeBytes(storePath(), bytes);
            const auto counts = DrawStore(storePath()).import(incoming);
            QVERIFY(counts.ok());
            QCOMPARE(counts->added, expectedCounts.added);
            QCOMPARE(counts->replaced, expectedCounts.replaced);
            QCOMPARE(DrawStore(storePath()).readAll().value(), expected);
        }
    }

    void importCreatesAMissingStore()
    {
        const auto counts = DrawStore(storePath()).import({drawOn(March10), drawOn(March3), drawOn(March10, 9)});
        QVERIFY(counts.ok());
        QCOMPARE(counts->added, 2);
        QCOMPARE(counts->replaced, 1);
        QCOMPARE(DrawStore(storePath()).readAll().value(), (std::vector<Draw>{drawOn(March3), drawOn(March10, 9)}));
    }
};

QTEST_GUILESS_MAIN(DrawStoreTest)
#include "draw_store_test.moc"
