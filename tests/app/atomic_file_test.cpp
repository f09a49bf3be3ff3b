// The one file-writing layer: whole files replace the old one only when every byte and
// the flush to the disk went through, appends are all or nothing, and the messages name
// the file and, for a full disk, say so.
#include "app/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writePlain(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QByteArray Old = QByteArrayLiteral("the earlier contents\r\n");
} // namespace

class AtomicFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString target() const { return m_dir.filePath(QStringLiteral("Tipp.txt")); }
    QStringList folder() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void init()
    {
        AtomicFile::Faults::clear();
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }
    void cleanup() { AtomicFile::Faults::clear(); }

    void failureAtAnyByteKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("existed");
        QTest::addColumn<bool>("appending");
        QTest::newRow("replace") << true << false;
        QTest::newRow("create") << false << false;
        QTest::newRow("append") << true << true;
        QTest::newRow("append to nothing") << false << true;
    }
    void failureAtAnyByteKeepsTheOldFile()
    {
        QFETCH(bool, existed);
        QFETCH(bool, appending);
        const QByteArray bytes = QByteArrayLiteral("twelve rows of five numbers and a Megaball\r\n");
        // Past the last byte, the flush to the disk fails instead.
        for (qsizetype failAt = 0; failAt <= bytes.size(); ++failAt) {
            QFile::remove(target());
            if (existed)
                writePlain(target(), Old);
            if (failAt < bytes.size())
                AtomicFile::Faults::failAfterBytes(failAt);
            else
                AtomicFile::Faults::failNextSync(EIO);
            const auto written = appending ? AtomicFile::append(target(), bytes) : AtomicFile::write(target(), bytes);
            AtomicFile::Faults::clear();
            QVERIFY2(!written.ok(), qPrintable(QString::number(failAt)));
            QVERIFY(written.error().contains(QLatin1String("Tipp.txt")));
            QVERIFY2(written.error().contains(failAt < bytes.size() ? QLatin1String("no space left on device")
                                                                    : QLatin1String("input/output error")),
                qPrintable(written.error()));
            // An append to a missing file leaves an empty one: nothing of the bytes.
            QCOMPARE(fileBytes(target()), existed ? Old : QByteArray());
            QCOMPARE(folder(), existed || appending ? QStringList{QStringLiteral("Tipp.txt")} : QStringList{});
        }
        const auto written = appending ? AtomicFile::append(target(), bytes) : AtomicFile::write(target(), bytes);
        QVERIFY(written.ok());
        QCOMPARE(fileBytes(target()), appending && existed ? Old + bytes : bytes);
        QCOMPARE(folder(), QStringList{QStringLiteral("Tipp.txt")});
    }

    void messagesSayWhatHappened_data()
    {
        QTest::addColumn<int>("osError");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << ENOSPC << "Kein Speicherplatz mehr auf dem Datenträger (no space left on device)";
        QTest::newRow("quota") << EDQUOT << "Speicherplatz-Kontingent erschöpft (disk quota exceeded)";
        QTest::newRow("read-only") << EROFS << "Datenträger ist schreibgeschützt (read-only file system)";
        QTest::newRow("denied") << EACCES << "Zugriff verweigert (permission denied)";
    }
    void messagesSayWhatHappened()
    {
        QFETCH(int, osError);
        QFETCH(QString, text);
        QCOMPARE(AtomicFile::describeError(QStringLiteral("/daten/Tipp.txt"), osError),
            QStringLiteral("/daten/Tipp.txt: ") + text);
    }

    void aReplacedFileKeepsItsPermissions()
    {
        writePlain(target(), Old);
        QVERIFY(QFile::setPermissions(target(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(AtomicFile::write(target(), "new").ok());
        const QFileDevice::Permissions ownerGroupOther(0x7077);
        QCOMPARE(QFile::permissions(target()) & ownerGroupOther, QFile::ReadOwner | QFile::WriteOwner);
    }

    void aSymbolicLinkStaysALink()
    {
        const QString real = m_dir.filePath(QStringLiteral("real.txt"));
        writePlain(real, Old);
        QVERIFY(QFile::link(real, target()));
        QVERIFY(AtomicFile::write(target(), "new").ok());
        QVERIFY(QFileInfo(target()).isSymLink());
        QCOMPARE(fileBytes(real), QByteArray("new"));
    }

    void impossibleTargetsFailWithTheirReason_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/Tipp.txt";
        QTest::newRow("a folder") << "a folder";
    }
    void impossibleTargetsFailWithTheirReason()
    {
        QFETCH(QString, relative);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("a folder")));
        const auto written = AtomicFile::write(m_dir.filePath(relative), "x");
        QVERIFY(!written.ok());
        QVERIFY2(
            written.error().startsWith(m_dir.filePath(relative) + QLatin1String(": ")), qPrintable(written.error()));
        QCOMPARE(folder(), QStringList{QStringLiteral("a folder")});
    }
};

QTEST_GUILESS_MAIN(AtomicFileTest)
#include "atomic_file_test.moc"
