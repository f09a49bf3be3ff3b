// Every writer of the core on a full disk: the settings file, a value list, the export,
// the draw store's rewrite and append, and the command-line tool's import and export.
// Each fails with "no space left on device" and leaves the earlier file as it was. The
// write layer's test hook makes any byte the last one that fits; where the machine
// offers a small file system to fill for real (DEVU_FULL_FS names its mount point,
// .ci/run prepares one), the same writers meet a disk that is really full.
#include "app/atomic_file.h"
#include "app/reg_file_settings_store.h"
#include "cli_runner.h"
#include "draws/draw_store.h"
#include "draws/draw_text.h"
#include "generator/preferred_numbers.h"
#include "test_data.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {
const QString Section = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Morvak\\DevuDirurero");
constexpr qint64 LargestFileSystemToFill = 64 * 1024 * 1024;

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

struct Outcome {
    bool ok = false;
    QString message;
};

// One writer: the file it replaces or extends, how to make that file, how to write.
struct Writer {
    QString fileName;
    std::function<QByteArray()> earlier;
    std::function<Outcome(const QString &folder)> write;
};

QByteArray bundledStore()
{
    return fileBytes(TestData::bundledStorePath());
}

// Three whole blocks of records: an appended record needs a new block.
QByteArray blockAlignedStore()
{
    return bundledStore().left(3 * 4096);
}

std::map<QString, Writer> writers()
{
    const auto settings = [](const QString &folder) {
        auto store = RegFileSettingsStore::load(
            folder + QStringLiteral("/DevuDirurero.reg"), Section, RegFileSettingsStore::Access::ReadWrite);
        // More than a block, so that it cannot slip into the last free one.
        for (int i = 1; i <= 400; ++i)
            store->writeString(QStringLiteral("Wert%1").arg(i), QStringLiteral("ein Text von einiger Länge"));
        const auto saved = store->save();
        return Outcome{saved.ok(), saved.error()};
    };
    const auto valueList = [](const QString &folder) {
        PreferredNumberList list(75, PreferredNumber{true, QString(100, QLatin1Char('1'))});
        const auto saved = ValueListFile::save(folder + QStringLiteral("/liste.hlw"), list);
        return Outcome{saved.ok(), saved.error()};
    };
    const auto exportText = [](const QString &folder) {
        const auto saved = AtomicFile::write(
            folder + QStringLiteral("/Zahlen.txt"), DrawText::exportText(DrawStore::decode(bundledStore())));
        return Outcome{saved.ok(), saved.error()};
    };
    const auto manualEntry = [](const QString &folder) {
        const auto stored = DrawStore(folder + QStringLiteral("/Devudirurero.dat"))
                                .store(TestData::draw("2015-03-04 3 8 12 40 75 7 2"));
        return Outcome{stored.ok(), stored.error()};
    };
    const auto update = [](const QString &folder) {
        const auto appended = DrawStore(folder + QStringLiteral("/Devudirurero.dat"))
                                  .append(TestData::draw("2018-01-02 3 8 12 40 75 7 2"));
        return Outcome{appended.ok(), appended.error()};
    };
    const auto cli = [](const QStringList &command) {
        return [command](const QString &folder) {
            QStringList arguments{QStringLiteral("--dir"), folder};
            for (const QString &part : command)
                arguments << QString(part).replace(QLatin1String("{dir}"), folder);
            const CliRun run = runCli(arguments);
            return Outcome{run.exitCode == 0, run.err};
        };
    };
    const auto oldSettings = []() -> QByteArray {
        return QByteArray("Windows Registry Editor Version 5.00\r\n\r\n[") + Section.toUtf8()
            + "]\r\n\"Edit1\"=\"7\"\r\n\r\n";
    };
    return {
        {"settings file", {"DevuDirurero.reg", oldSettings, settings}},
        {"value list", {"liste.hlw", [] { return QByteArray("1\r\n\r\n3\r\n"); }, valueList}},
        {"export text", {"Zahlen.txt", [] { return QByteArray("20171027;17;27;41;51;52;13;5;\r\n"); }, exportText}},
        {"manual entry", {"Devudirurero.dat", bundledStore, manualEntry}},
        {"update append", {"Devudirurero.dat", blockAlignedStore, update}},
        {"cli import", {"Devudirurero.dat", bundledStore, cli({"import", "{dir}/neu.csv"})}},
        {"cli export",
            {"Zahlen.txt", [] { return QByteArray("20171027;17;27;41;51;52;13;5;\r\n"); },
                cli({"export", "{dir}/Zahlen.txt"})}},
    };
}

// The files a writer may find: its own, the import's input and the store to export.
void prepare(const QString &folder, const QString &name, const Writer &writer)
{
    writePlain(folder + QLatin1Char('/') + writer.fileName, writer.earlier());
    if (name == QLatin1String("cli import"))
        writePlain(folder + QStringLiteral("/neu.csv"), "2018-01-02,3,8,12,40,65,7,2\n2018-01-05,1,2,3,4,5,6,1\n");
    if (name == QLatin1String("cli export"))
        writePlain(folder + QStringLiteral("/Devudirurero.dat"), bundledStore());
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void clearFolder(const QString &folder)
{
    for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (!QFile::remove(folder + QLatin1Char('/') + name))
            QDir(folder + QLatin1Char('/') + name).removeRecursively();
}

// Fills the file system with one file until nothing fits, then frees `leave` bytes.
bool fill(const QString &folder, qint64 leave)
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray chunk(64 * 1024, 'f');
    for (qsizetype size = chunk.size(); size > 0; size /= 2)
        while (filler.write(chunk.constData(), size) == size) { }
    filler.close();
    return filler.resize(std::max<qint64>(0, filler.size() - leave));
}
} // namespace

class FullDiskTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup() { AtomicFile::Faults::clear(); }

    void anyByteCanBeTheLastThatFits_data()
    {
        QTest::addColumn<QString>("writer");
        for (const auto &[name, writer] : writers())
            if (!name.startsWith(QLatin1String("cli"))) // the hook lives in this process only
                QTest::newRow(qPrintable(name)) << name;
    }
    void anyByteCanBeTheLastThatFits()
    {
        QFETCH(QString, writer);
        const Writer w = writers().at(writer);
        const QString folder = m_dir.path();
        const QString path = folder + QLatin1Char('/') + w.fileName;
        clearFolder(folder);
        prepare(folder, writer, w);
        const QByteArray before = fileBytes(path);
        const QStringList files = filesIn(folder);
        QVERIFY(w.write(folder).ok);
        const QByteArray after = fileBytes(path);
        const qsizetype written = after.startsWith(before) && after.size() > before.size() && writer.contains(u"append")
            ? after.size() - before.size()
            : after.size();
        // Every byte of small writes; the large ones at each block edge and in between.
        for (qsizetype failAt = 0; failAt < written; failAt += written < 600 ? 1 : 509) {
            clearFolder(folder);
            prepare(folder, writer, w);
            AtomicFile::Faults::failAfterBytes(failAt);
            const Outcome outcome = w.write(folder);
            AtomicFile::Faults::clear();
            QVERIFY2(!outcome.ok, qPrintable(QString::number(failAt)));
            QVERIFY2(outcome.message.contains(QLatin1String("no space left on device")), qPrintable(outcome.message));
            QCOMPARE(fileBytes(path), before);
            QCOMPARE(filesIn(folder), files);
        }
    }

    void aReallyFullDisk_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<qint64>("free");
        if (qEnvironmentVariable("DEVU_FULL_FS").isEmpty()) {
            QTest::newRow("no file system to fill") << QString() << qint64(0);
            return;
        }
        for (const auto &[name, writer] : writers()) {
            QTest::newRow(qPrintable(name + QStringLiteral(", nothing free"))) << name << qint64(0);
            QTest::newRow(qPrintable(name + QStringLiteral(", 4 KB free"))) << name << qint64(4096);
        }
    }
    void aReallyFullDisk()
    {
        QFETCH(QString, writer);
        QFETCH(qint64, free);
        const QString folder = qEnvironmentVariable("DEVU_FULL_FS");
        if (folder.isEmpty())
            QSKIP("DEVU_FULL_FS does not name a small file system to fill (.ci/run mounts one when run as root)");
        const QStorageInfo storage(folder);
        if (!storage.isValid() || storage.isReadOnly() || storage.bytesTotal() > LargestFileSystemToFill)
            QSKIP(qPrintable(QStringLiteral("DEVU_FULL_FS=%1 is no small writable file system").arg(folder)));

        const Writer w = writers().at(writer);
        const QString path = folder + QLatin1Char('/') + w.fileName;
        clearFolder(folder);
        prepare(folder, writer, w);
        const QByteArray before = fileBytes(path);
        const QStringList files = filesIn(folder) + QStringList{QStringLiteral("filler")};
        QVERIFY(fill(folder, free));
        const Outcome outcome = w.write(folder);
        const QStringList left = filesIn(folder);
        QFile::remove(folder + QStringLiteral("/filler"));
        QVERIFY2(!outcome.ok, "a full disk reported success");
        QVERIFY2(outcome.message.contains(QLatin1String("no space left on device")), qPrintable(outcome.message));
        QCOMPARE(fileBytes(path), before);
        QStringList expected = files;
        expected.sort();
        QCOMPARE(left, expected);
        // With room again, the same write goes through.
        const Outcome again = w.write(folder);
        QVERIFY2(again.ok, qPrintable(again.message));
        clearFolder(folder);
    }
};

QTEST_GUILESS_MAIN(FullDiskTest)
#include "full_disk_test.moc"
