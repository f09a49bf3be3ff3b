// The draw store under a failing disk: a write that fails at any byte leaves the file
// as it was and says why, and a rewrite copies the records it does not change byte for
// byte.
#include "app/atomic_file.h"
#include "app/serial_date.h"
#include "draws/draw_store.h"
#include "test_data.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {
using Operation = std::function<bool(const DrawStore &)>;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A record as no writer of the program would make it: any date double, a sixth slot and
// reserved bytes that are not zero.
QByteArray oddRecord(double date, std::uint8_t fill)
{
    QByteArray record(DrawRecord::Size, char(fill));
    std::uint64_t bits = 0;
    std::memcpy(&bits, &date, sizeof bits);
    qToLittleEndian(bits, record.data());
    for (int i = 0; i < 5; ++i)
        record[8 + i] = char(10 * (i + 1));
    record[14] = 7;
    record[15] = 2;
    return record;
}

double serial(QDate date)
{
    return SerialDate::fromDate(date);
}

const QDate March3(2015, 3, 3);
const QDate March6(2015, 3, 6);
const QDate March10(2015, 3, 10);
const QDate March13(2015, 3, 13);

Draw drawOn(QDate date, int first = 3)
{
    Draw draw = TestData::draw("2000-01-01 3 8 12 40 75 7 2");
    draw.date = date;
    draw.numbers[0] = std::uint8_t(first);
    return draw;
}

// Every writing operation, on a store of the draws of March 3 and March 10.
std::map<QString, Operation> operations()
{
    return {
        {"insert", [](const DrawStore &s) { return s.store(drawOn(March6)).ok(); }},
        {"replace", [](const DrawStore &s) { return s.store(drawOn(March10, 1)).ok(); }},
        {"append newest", [](const DrawStore &s) { return s.store(drawOn(March13)).ok(); }},
        {"remove", [](const DrawStore &s) { return s.removeDate(March3).ok(); }},
        {"import",
            [](const DrawStore &s) {
                return s.import({drawOn(March6), drawOn(March10, 2)}).ok();
            }},
        {"rewrite",
            [](const DrawStore &s) {
                return s.rewrite({drawOn(March6), drawOn(March13)}).ok();
            }},
        {"append list",
            [](const DrawStore &s) {
                return s.append({drawOn(March13), drawOn(March13.addDays(4))}).ok();
            }},
    };
}

} // namespace

class DrawStoreFaultsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString storePath() const { return m_dir.filePath(QStringLiteral("Devudirurero.dat")); }
    // Written plainly: the write layer's flush to the disk would make the loops slow.
    void seed() const
    {
        writeBytes(storePath(), DrawRecord::encode(drawOn(March3)) + DrawRecord::encode(drawOn(March10)));
    }
    QStringList leftInFolder() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

private slots:
    void init()
    {
        AtomicFile::Faults::clear();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }
    void cleanup() { AtomicFile::Faults::clear(); }

    void everyByteOfAWriteCanFail_data()
    {
        QTest::addColumn<QString>("operation");
        for (const auto &[name, run] : operations())
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyByteOfAWriteCanFail()
    {
        QFETCH(QString, operation);
        const Operation run = operations().at(operation);
        seed();
        const QByteArray before = fileBytes(storePath());
        QVERIFY(run(DrawStore(storePath())));
        const QByteArray after = fileBytes(storePath());
        // An append writes only its new records; a rewrite writes the whole file.
        const bool appends = after.startsWith(before) && after.size() > before.size();
        const qsizetype written = appends ? after.size() - before.size() : after.size();
        QVERIFY(written > 0);

        for (qsizetype failAt = 0; failAt <= written; ++failAt) {
            seed();
            // Past the last byte the data is written and the flush to the disk fails.
            if (failAt < written)
                AtomicFile::Faults::failAfterBytes(failAt);
            else
                AtomicFile::Faults::failNextSync(ENOSPC);
            QVERIFY2(!run(DrawStore(storePath())), qPrintable(QStringLiteral("byte %1").arg(failAt)));
            AtomicFile::Faults::clear();
            QCOMPARE(fileBytes(storePath()), before);
            QCOMPARE(leftInFolder(), QStringList{QStringLiteral("Devudirurero.dat")});
        }
    }

    void aFullDiskIsNamedInTheMessage()
    {
        seed();
        AtomicFile::Faults::failAfterBytes(40);
        const auto stored = DrawStore(storePath()).store(drawOn(March6));
        QVERIFY(!stored.ok());
        QVERIFY2(stored.error().contains(QLatin1String("no space left on device")), qPrintable(stored.error()));
        QVERIFY2(stored.error().contains(QLatin1String("Devudirurero.dat")), qPrintable(stored.error()));
        QVERIFY(stored.error().contains(QStringLiteral("unverändert")));
    }

    void unchangedRecordsAreCopiedByteForByte_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("expected"); // rN: record N as it was; a date: a new record
        // The store: a NaN date, a date with a fraction of a day (March 3, 18:00), an
        // infinite date and March 10, each with reserved bytes that are not zero.
        QTest::newRow("insert") << "insert" << QStringList{"r0", "r1", "r2", "2015-03-06", "r3"};
        QTest::newRow("replace another") << "replace" << QStringList{"r0", "r1", "r2", "2015-03-10"};
        QTest::newRow("append") << "append newest" << QStringList{"r0", "r1", "r2", "r3", "2015-03-13"};
        QTest::newRow("remove another") << "remove" << QStringList{"r0", "r2", "r3"};
        QTest::newRow("import") << "import" << QStringList{"r0", "r1", "r2", "2015-03-06", "2015-03-10"};
        QTest::newRow("import nothing") << "import nothing" << QStringList{"r0", "r1", "r2", "r3"};
    }
    void unchangedRecordsAreCopiedByteForByte()
    {
        QFETCH(QString, operation);
        QFETCH(QStringList, expected);
        const std::vector<QByteArray> records{oddRecord(std::numeric_limits<double>::quiet_NaN(), 0xab),
            oddRecord(serial(March3) + 0.75, 0x01), oddRecord(std::numeric_limits<double>::infinity(), 0xff),
            oddRecord(serial(March10), 0x5a)};
        QByteArray bytes;
        for (const QByteArray &record : records)
            bytes += record;
        writeBytes(storePath(), bytes);

        const DrawStore store(storePath());
        if (operation == QLatin1String("import nothing"))
            QVERIFY(store.import({}).ok());
        else
            QVERIFY(operations().at(operation)(store));

        // The new records: the draws the operations store, with March 10 from the import.
        const std::map<QString, Draw> created{{"2015-03-06", drawOn(March6)},
            {"2015-03-10", operation == QLatin1String("import") ? drawOn(March10, 2) : drawOn(March10, 1)},
            {"2015-03-13", drawOn(March13)}};
        QByteArray wanted;
        for (const QString &token : expected)
            wanted += token.startsWith(u'r') ? records[size_t(token.mid(1).toInt())]
                                             : DrawRecord::encode(created.at(token));
        QCOMPARE(fileBytes(storePath()).toHex(' '), wanted.toHex(' '));
    }
};

QTEST_GUILESS_MAIN(DrawStoreFaultsTest)
#include "draw_store_faults_test.moc"
