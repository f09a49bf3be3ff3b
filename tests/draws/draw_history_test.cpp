// The shared copy of the draw history: read once while the store stays as it is, read
// again after a writer's reload or when another program changed the file.
#include "draws/draw_history.h"
#include "test_data.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class DrawHistoryTest : public QObject {
    Q_OBJECT

    // The store's time stamp moved back, as if written long ago.
    static void age(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }

private slots:
    void copyFollowsTheStore_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("readAgain");
        QTest::newRow("unchanged") << "none" << false;
        QTest::newRow("a writer reloads") << "reload" << true;
        QTest::newRow("another program appends") << "append" << true;
        QTest::newRow("the store is removed") << "remove" << true;
    }
    void copyFollowsTheStore()
    {
        QFETCH(QString, change);
        QFETCH(bool, readAgain);
        QTemporaryDir dir;
        DrawHistory history(dir.path());
        TestData::writeStore(history.storePath(), TestData::draws({"2015-03-03 1 2 3 4 5 6 2"}));
        age(history.storePath());
        const auto first = history.draws();
        QVERIFY(first);
        QSignalSpy changed(&history, &DrawHistory::changed);
        if (change == QLatin1String("reload")) {
            history.reload();
        } else if (change == QLatin1String("append")) {
            QVERIFY(history.store().append(TestData::draws({"2015-03-06 7 8 9 10 11 12 3"}).front()));
            age(history.storePath());
        } else if (change == QLatin1String("remove")) {
            QVERIFY(QFile::remove(history.storePath()));
        }
        const auto second = history.draws();
        QCOMPARE(changed.count(), change == QLatin1String("reload") ? 1 : 0);
        QCOMPARE(second.ok(), change != QLatin1String("remove"));
        if (second)
            QCOMPARE(*second == *first, !readAgain);
        // The list a command holds stays as it was read.
        QCOMPARE((*first)->size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(DrawHistoryTest)
#include "draw_history_test.moc"
