// Two writers of the draw store: the second waits for the lock beside the store, then
// gives up with a message that says what to do; a lock left by a writer that died is
// taken over.
#include "app/atomic_file.h"
#include "app/serial_date.h"
#include "draws/draw_store.h"
#include "test_data.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
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

class DrawStoreLockTest : public QObject {
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

    void aSecondWriterWaitsThenGivesUp_data()
    {
        QTest::addColumn<QString>("operation");
        for (const auto &[name, run] : operations())
            QTest::newRow(qPrintable(name)) << name;
        QTest::newRow("cut partial record") << "cut";
    }
    void aSecondWriterWaitsThenGivesUp()
    {
        QFETCH(QString, operation);
        seed();
        const QByteArray before = fileBytes(storePath());
        DrawStore store(storePath());
        QLockFile other(store.lockPath());
        QVERIFY(other.tryLock());
        store.setLockWait(std::chrono::milliseconds(300));
        QElapsedTimer clock;
        clock.start();
        if (operation == QLatin1String("cut")) {
            const auto cut = store.cutPartialRecord();
            QVERIFY(!cut.ok());
            QVERIFY2(cut.error().contains(QLatin1String("locked by another writer")), qPrintable(cut.error()));
        } else {
            QVERIFY(!operations().at(operation)(store));
        }
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(fileBytes(storePath()), before);
        other.unlock();
        if (operation != QLatin1String("cut"))
            QVERIFY(operations().at(operation)(store));
    }

    void theLockMessageSaysWhatToDo()
    {
        seed();
        DrawStore store(storePath());
        QLockFile other(store.lockPath());
        QVERIFY(other.tryLock());
        store.setLockWait(std::chrono::milliseconds(100));
        const auto stored = store.store(drawOn(March6));
        QVERIFY(!stored.ok());
        QVERIFY2(stored.error().contains(QLatin1String("Devudirurero.dat")), qPrintable(stored.error()));
        QVERIFY2(
            stored.error().contains(QString::number(QCoreApplication::applicationPid())), qPrintable(stored.error()));
        QVERIFY2(stored.error().contains(QStringLiteral("später noch einmal")), qPrintable(stored.error()));
    }

    // Lock files that no wait can lift are named at once with what is wrong with them;
    // who may write anyway (the administrator) takes a dead writer's lock over.
    void aLockThatCannotClearIsNamed_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("named");
        for (const auto &[kind, named] : {std::pair{"folder", "ist ein Ordner"}, {"link", "fehlende Ziel"},
                 {"read-only lock", "ist schreibgeschützt"}, {"read-only folder", "Ordner ist schreibgeschützt"}})
            QTest::newRow(kind) << QString::fromUtf8(kind) << QString::fromUtf8(named);
    }
    void aLockThatCannotClearIsNamed()
    {
        QFETCH(QString, kind);
        QFETCH(QString, named);
        seed();
        const DrawStore store(storePath());
        const QString lock = store.lockPath();
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(lock));
        else if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("gone")), lock));
        else
            writeBytes(lock, "999999999\ndevudirurero\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        const bool readOnlyRow = kind.startsWith(QLatin1String("read-only"));
        const QString readOnly = kind == QLatin1String("read-only lock") ? lock : m_dir.path();
        const QFile::Permissions before = QFile::permissions(readOnly);
        if (readOnlyRow)
            QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
        const bool stuck = !readOnlyRow || !QFileInfo(readOnly).isWritable();
        const auto stored = store.store(drawOn(March13));
        QFile::setPermissions(readOnly, before);
        QCOMPARE(stored.ok(), !stuck);
        QVERIFY2(!stuck
                || (stored.error().contains(QDir::toNativeSeparators(lock) + QLatin1Char(' '))
                    && stored.error().contains(named) && !stored.error().contains(QStringLiteral("später"))),
            qPrintable(stored.error()));
    }

    void aLockLeftByADeadWriterIsTakenOver()
    {
        seed();
        // The lock file of a writer that was killed mid-way: its process is gone.
        QProcess gone;
        gone.start(QStringLiteral("true"), {});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        const DrawStore store(storePath());
        writeBytes(
            store.lockPath(), QByteArray::number(pid) + "\ntrue\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QElapsedTimer clock;
        clock.start();
        const auto stored = store.store(drawOn(March6));
        QVERIFY2(stored.ok(), qPrintable(stored.error()));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY(!QFile::exists(store.lockPath()));
    }
};

QTEST_GUILESS_MAIN(DrawStoreLockTest)
#include "draw_store_lock_test.moc"
