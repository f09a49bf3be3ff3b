// The preferred-number list: filled from the pool, the pool rebuilt from the weights,
// value-list files written and read; and the lucky number's seeding.
#include "app/message_table.h"
#include "generator/lucky_number.h"
#include "generator/preferred_numbers.h"
#include "generator/random_source.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
PreferredNumberList uncheckedList()
{
    return PreferredNumberList(PreferredNumbers::Range, PreferredNumber{false, QStringLiteral("1")});
}
} // namespace

class PreferredNumbersTest : public QObject {
    Q_OBJECT

private slots:
    void listFromPool()
    {
        CandidatePool pool;
        for (int n : {7, 3, 7, 75, 7})
            pool.append(n);
        const PreferredNumberList list = PreferredNumbers::fromPool(pool);
        QCOMPARE(list.size(), size_t(75));
        QCOMPARE(list[6], (PreferredNumber{true, "3"}));
        QCOMPARE(list[2], (PreferredNumber{true, "1"}));
        QCOMPARE(list[74], (PreferredNumber{true, "1"}));
        QCOMPARE(list[0], (PreferredNumber{false, "0"}));
    }

    void rebuildByWeight_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("hintAfter");
        QTest::addColumn<bool>("invalid");
        QTest::newRow("0 counts as 1") << "0" << 2 << "0" << false;
        QTest::newRow("1") << "1" << 2 << "1" << false;
        QTest::newRow("2") << "2" << 3 << "2" << false;
        QTest::newRow("negative") << "-1" << 0 << "-1" << false;
        QTest::newRow("empty becomes 0") << "" << 2 << "0" << false;
        QTest::newRow("no integer counts as 0") << "abc" << 2 << "abc" << true;
        QTest::newRow("huge stops at the capacity") << "2147483647" << 500 << "2147483647" << false;
    }
    void rebuildByWeight()
    {
        QFETCH(QString, weight);
        QFETCH(int, entries);
        QFETCH(QString, hintAfter);
        QFETCH(bool, invalid);
        PreferredNumberList list = uncheckedList();
        list[9] = {true, weight};
        list[10] = {false, QStringLiteral("5")}; // unchecked boxes add nothing
        const PreferredNumbers::Rebuild rebuild = PreferredNumbers::rebuildPool(list);
        QCOMPARE(rebuild.pool.size(), entries);
        QCOMPARE(rebuild.pool.entryCount(10), entries);
        QCOMPARE(list[9].weight, hintAfter);
        QCOMPARE(rebuild.invalidWeights, invalid ? std::vector<int>{10} : std::vector<int>{});
        QCOMPARE(rebuild.pool.hasOverflowed(), entries == 500);
    }

    void rebuildKeepsNumberOrderAndCapacity()
    {
        PreferredNumberList list = uncheckedList();
        list[4] = {true, "1"};
        list[1] = {true, "2"};
        list[69] = {true, "600"};
        list[70] = {true, "1"};
        const PreferredNumbers::Rebuild rebuild = PreferredNumbers::rebuildPool(list);
        QCOMPARE(rebuild.pool.size(), CandidatePool::Capacity);
        const std::vector<std::uint8_t> head(rebuild.pool.entries().begin(), rebuild.pool.entries().begin() + 6);
        QCOMPARE(head, (std::vector<std::uint8_t>{2, 2, 2, 5, 5, 70}));
        QCOMPARE(rebuild.pool.entryCount(71), 0);
        PreferredNumberList none = uncheckedList();
        QVERIFY(PreferredNumbers::rebuildPool(none).pool.isEmpty());
    }

    void fileBytes()
    {
        PreferredNumberList list = uncheckedList();
        list[0] = {true, "3"};
        list[2] = {true, ""};
        const QByteArray bytes = ValueListFile::encode(list);
        QCOMPARE(bytes.count("\r\n"), 75);
        QVERIFY(bytes.startsWith("3\r\n\r\n1\r\n\r\n"));
        QVERIFY(bytes.endsWith("\r\n\r\n"));
        QCOMPARE(list[2].weight, QStringLiteral("1")); // the box shows what was saved
        QCOMPARE(ValueListFile::defaultFileName(QDate(2017, 10, 3)), QStringLiteral("20171003.hlw"));
    }

    void saveAndLoad()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("liste.hlw"));
        PreferredNumberList list = PreferredNumbers::fromPool(CandidatePool());
        list[4] = {true, "7"};
        list[5] = {true, ""};
        list[6] = {true, "x1"};
        list[7] = {false, "9"};
        QVERIFY(ValueListFile::save(path, list).ok());
        const Result<PreferredNumberList> loaded = ValueListFile::load(path);
        QVERIFY(loaded.ok());
        QCOMPARE((*loaded)[4], (PreferredNumber{true, "7"}));
        QCOMPARE((*loaded)[5], (PreferredNumber{true, "1"}));
        QCOMPARE((*loaded)[6], (PreferredNumber{true, "x1"}));
        QCOMPARE((*loaded)[7], (PreferredNumber{false, "1"}));
        QVERIFY(!ValueListFile::load(dir.filePath(QStringLiteral("missing.hlw"))).ok());
        QVERIFY(!ValueListFile::save(dir.filePath(QStringLiteral("no/such/folder.hlw")), list).ok());
    }

    void shortAndMarkedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three lines") << QByteArray("4\r\n\r\n2\r\n");
        QTest::newRow("no final line end") << QByteArray("4\r\n\r\n2");
        QTest::newRow("byte-order mark, LF only") << QByteArray("\xEF\xBB\xBF"
                                                                "4\n\n2\n");
    }
    void shortAndMarkedFiles()
    {
        QFETCH(QByteArray, bytes);
        const PreferredNumberList list = ValueListFile::decode(bytes);
        QCOMPARE(list.size(), size_t(75));
        QCOMPARE(list[0], (PreferredNumber{true, "4"}));
        QCOMPARE(list[1], (PreferredNumber{false, "1"}));
        QCOMPARE(list[2], (PreferredNumber{true, "2"}));
        for (size_t n = 3; n < 75; ++n)
            QCOMPARE(list[n], (PreferredNumber{false, "1"}));
    }

    // No byte-order mark, no UTF-16: a NUL in the first weight once made Qt guess UTF-16.
    void onlyAByteOrderMarkMeansUtf16()
    {
        const PreferredNumberList list = ValueListFile::decode(QByteArray("\0"
                                                                          "7\r\n5\r\n",
            7));
        QCOMPARE(list[0],
            (PreferredNumber{true,
                QString::fromLatin1("\0"
                                    "7",
                    2)}));
        QCOMPARE(list[1], (PreferredNumber{true, "5"}));
        QCOMPARE(ValueListFile::decode(QByteArray("\xff\xfe"
                                                  "5\0\r\0\n\0",
                     8))[0],
            (PreferredNumber{true, "5"}));
    }

    void luckyNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<quint32>("state");
        QTest::newRow("77") << "77" << true << quint32(77);
        QTest::newRow("the caption's highest") << "99999999" << true << quint32(99999999);
        // Only the range the input box asks for (1-99999999) is taken.
        QTest::newRow("-5") << "-5" << false << quint32(0);
        QTest::newRow("0") << "0" << false << quint32(0);
        QTest::newRow("beyond the caption's range") << "100000000" << false << quint32(0);
        QTest::newRow("abc") << "abc" << false << quint32(0);
        QTest::newRow("too large") << "2147483648" << false << quint32(0);
    }
    void luckyNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        QFETCH(quint32, state);
        RandomSource random(0);
        const std::optional<qint32> seed = LuckyNumber::apply(random, text);
        QCOMPARE(seed.has_value(), taken);
        if (taken) {
            QCOMPARE(random.state(), state);
            QCOMPARE(LuckyNumber::statusText(MessageTable(), *seed), QStringLiteral("Glückszahl %1 gesetzt").arg(text));
        } else {
            QVERIFY(random.state() != 0); // seeded again from the counter
        }
    }

    void proposalDrawsBelow99999()
    {
        RandomSource random(1);
        RandomSource copy(1);
        QCOMPARE(LuckyNumber::proposal(random), QString::number(copy.below(99999)));
        QCOMPARE(random.state(), copy.state());
        // A draw of 0 lies outside the range and proposes the highest draw instead.
        RandomSource drawsZero(649090867u);
        QCOMPARE(LuckyNumber::proposal(drawsZero), QStringLiteral("99999"));
        QCOMPARE(LuckyNumber::inRange(0xFFFFFFFFu), qint32(0xFFFFFFFFu % 99999999u) + 1);
        QCOMPARE(LuckyNumber::inRange(12345), 12345);
    }
};

QTEST_GUILESS_MAIN(PreferredNumbersTest)
#include "preferred_numbers_test.moc"
