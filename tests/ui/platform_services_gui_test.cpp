// The desktop's "open" reports whether a program took the file: on Linux that is what
// xdg-open's exit status says, which an xdg-open of the test's own stands in for.
#include "ui/platform_services.h"

#include <QFile>
#include <QObject>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

class PlatformServicesTest : public QObject {
    Q_OBJECT

private slots:
    void openReportsWhetherAProgramTookTheFile_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("taken");
        QTest::newRow("opened") << 0 << true;
        QTest::newRow("no program for the type") << 3 << false;
    }
    void openReportsWhetherAProgramTookTheFile()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, taken);
        if (QSysInfo::kernelType() != QLatin1String("linux"))
            QSKIP("the desktop's opener is xdg-open only on Linux");
        QTemporaryDir dir;
        const QString opener = dir.filePath(QStringLiteral("xdg-open"));
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1/argument'\nexit %2\n")
                         .arg(dir.path())
                         .arg(exitCode)
                         .toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ':' + path);
        const QString file = dir.filePath(QStringLiteral("Test mit Blank.rtf"));
        QFile(file).open(QIODevice::WriteOnly);

        std::optional<bool> reported;
        QtDesktopShell shell;
        shell.open(file, this, [&](bool took) { reported = took; });
        QTRY_VERIFY(reported.has_value());
        qputenv("PATH", path);
        QCOMPARE(*reported, taken);
        QFile argument(dir.filePath(QStringLiteral("argument")));
        QVERIFY(argument.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(argument.readAll()), file);
    }
};

QTEST_MAIN(PlatformServicesTest)
#include "platform_services_gui_test.moc"
