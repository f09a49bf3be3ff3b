// The program directory: names found regardless of case, and the per-user folder that
// an installed program seeds from its installed data.
#include "app/program_directory.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class ProgramDirectoryTest : public QObject {
    Q_OBJECT

    static void write(const QString &path, const QByteArray &content)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(content);
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void namesAreFoundRegardlessOfCase()
    {
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("Land/DevuDirurero.txt")), "x");
        const ProgramDirectory program(dir.path());
        QVERIFY(program.path().endsWith(QLatin1Char('/')));
        QCOMPARE(program.filePath(QStringLiteral("land/devudirurero.TXT")),
            dir.filePath(QStringLiteral("Land/DevuDirurero.txt")));
        QCOMPARE(
            program.filePath(QStringLiteral("land\\Mega_en.txt")), dir.filePath(QStringLiteral("Land/Mega_en.txt")));
        // A name that does not exist yet keeps the spelling asked for.
        QCOMPARE(program.filePath(QStringLiteral("Tipps/neu.hlt")), dir.filePath(QStringLiteral("Tipps/neu.hlt")));
    }

    void seedCopiesOnlyWhatIsMissing()
    {
        QTemporaryDir installed;
        QTemporaryDir user;
        write(installed.filePath(QStringLiteral("Devudirurero.dat")), "bundled");
        write(installed.filePath(QStringLiteral("Script/lotto.xrt")), "script");
        write(user.filePath(QStringLiteral("Devudirurero.dat")), "the user's own history");
        const auto copied = ProgramDirectory::seed(installed.path(), user.path());
        QVERIFY(copied.ok());
        QCOMPARE(*copied, 1);
        QCOMPARE(read(user.filePath(QStringLiteral("Devudirurero.dat"))), QByteArray("the user's own history"));
        QCOMPARE(read(user.filePath(QStringLiteral("Script/lotto.xrt"))), QByteArray("script"));
        QCOMPARE(*ProgramDirectory::seed(installed.path(), user.path()), 0);
        QCOMPARE(*ProgramDirectory::seed(installed.filePath(QStringLiteral("missing")), user.path()), 0);
    }

    void resolveUsesAWritableExecutableFolder()
    {
        QTemporaryDir dir;
        QCOMPARE(ProgramDirectory::resolve(dir.path()), dir.path());
    }

    void resolveFallsBackToTheSeededUserFolder()
    {
        // An installation: <prefix>/bin without a usable folder, data in <prefix>/share.
        QTemporaryDir prefix;
        write(prefix.filePath(QStringLiteral("share/devudirurero/Devudirurero.dat")), "bundled");
        const QString userFolder = ProgramDirectory::userDataFolder();
        QDir(userFolder).removeRecursively();
        QCOMPARE(ProgramDirectory::resolve(prefix.filePath(QStringLiteral("bin"))), userFolder);
        QCOMPARE(read(userFolder + QStringLiteral("/Devudirurero.dat")), QByteArray("bundled"));
        QDir(userFolder).removeRecursively();
    }

    void resolveTakesAWritableInstallationForOne()
    {
        // Installed below the home folder, or run as root: bin/ is writable, yet the
        // user's files belong in the per-user folder, not beside the programs.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        write(prefix.filePath(QStringLiteral("share/devudirurero/Devudirurero.dat")), "bundled");
        const QString userFolder = ProgramDirectory::userDataFolder();
        QDir(userFolder).removeRecursively();
        QCOMPARE(ProgramDirectory::resolve(prefix.filePath(QStringLiteral("bin"))), userFolder);
        QCOMPARE(read(userFolder + QStringLiteral("/Devudirurero.dat")), QByteArray("bundled"));
        QDir(userFolder).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(ProgramDirectoryTest)
#include "program_directory_test.moc"
