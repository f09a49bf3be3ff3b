// The Internet update in the main window against the local draw-results service, run
// in-process on a free loopback port: buttons, stop, date cursor, labels and status
// bar, the sheet evaluation at the end, the failures, rebuilding the store and the
// service address setting.
#include "draw_service.h"

#include "app/clock.h"
#include "draws/draw_store.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_update_controller.h"
#include "draws/ui/internet_page.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/window_fixture.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {
constexpr int Patience = 20000; // ms; a generous upper bound, normally reached in milliseconds

// A Tuesday in the store, and the three draws after it that the service knows.
Draw stored()
{
    return TestData::draw("2015-03-03 1 2 3 4 5 7 2");
}
Draw friday()
{
    return TestData::draw("2015-03-06 10 20 30 40 50 5 3");
}
Draw tuesday()
{
    return TestData::draw("2015-03-10 11 21 31 41 51 6 4");
}
Draw lastFriday()
{
    return TestData::draw("2015-03-13 12 22 32 42 52 8 1");
}

TipRowTexts rowOf(const Draw &draw)
{
    TipRowTexts texts;
    for (size_t i = 0; i < draw.numbers.size(); ++i)
        texts[i] = QString::number(draw.numbers[i]);
    texts[TipRows::MegaballSlot] = QString::number(draw.megaball);
    return texts;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the window shows at one moment of the update.
struct Snapshot {
    QDate picker;
    QDate selected;
    QString status0;
    bool commandsEnabled = false; // any of the three update commands
    bool stopShown = false;
};
} // namespace

class DrawUpdateWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<DrawService> m_service;

    MainWindow &window() { return m_fixture->window(); }
    DrawUpdateController *controller() { return window().drawUpdate(); }
    DatabasePage *page() { return window().database(); }
    QAction *menuEntry() { return window().menuAction(QStringLiteral("Aktualisieren1")); }
    std::vector<Draw> storedDraws() const
    {
        const auto draws = DrawStore(m_fixture->storePath()).readAll();
        return draws ? *draws : std::vector<Draw>{};
    }

    MainWindow &openWindow(const std::vector<Draw> &history)
    {
        m_fixture->useHistory(history);
        MainWindow &w = m_fixture->create();
        w.internet()->DrawServiceUrlEdit->setText(m_service->url().toString());
        w.drawUpdate()->setTimeouts(1000, 1000);
        return w;
    }

    Snapshot snapshot()
    {
        Snapshot s;
        s.picker = page()->DateTimePicker1->date();
        s.selected = window().shownDraw().selectedDate();
        s.status0 = window().statusText(0);
        s.commandsEnabled = page()->BitBtn1->isEnabled() || window().tipSheet()->updateButton()->isEnabled()
            || menuEntry()->isEnabled();
        s.stopShown = !page()->SpeedButton8->isHidden();
        return s;
    }

    void expectIdle()
    {
        QVERIFY(!controller()->isRunning());
        QVERIFY(page()->BitBtn1->isEnabled());
        QVERIFY(page()->BitBtn2->isEnabled());
        QVERIFY(window().tipSheet()->updateButton()->isEnabled());
        QVERIFY(menuEntry()->isEnabled());
        QVERIFY(page()->SpeedButton8->isHidden());
    }

    // Runs `start` and waits until the update has ended.
    template <typename Start> void runUpdate(Start start)
    {
        QSignalSpy finished(controller(), &DrawUpdateController::finished);
        start();
        if (!finished.wait(Patience))
            qFatal("the update did not finish");
        QCOMPARE(finished.size(), 1);
    }
    void runUpdate()
    {
        runUpdate([this] { click(page()->BitBtn1); });
    }

private slots:
    void init()
    {
        Clock::setToday(lastFriday().date);
        m_service = std::make_unique<DrawService>();
        const auto port = m_service->listen(QHostAddress::LocalHost, 0);
        QVERIFY2(port.ok(), qPrintable(port.error()));
        m_service->setDraws({friday(), tuesday(), lastFriday()});
        m_fixture = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        m_fixture.reset();
        m_service.reset();
        Clock::setToday(std::nullopt);
    }

    void showsItsProgressAndEvaluatesAtTheEnd_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("Datenbank aktualisieren") << "BitBtn1";
        QTest::newRow("speed button of the tip page") << "SpeedButton10";
        QTest::newRow("menu entry") << "Aktualisieren1";
    }
    void showsItsProgressAndEvaluatesAtTheEnd()
    {
        QFETCH(QString, command);
        MainWindow &w = openWindow({stored()});
        w.tipSheet()->setRowTexts(1, rowOf(lastFriday()));
        QList<Snapshot> atRequest;
        QStringList labels;
        QList<Draw> shown;
        QStringList disclaimers;
        DrawUpdater *updater = controller()->updater();
        connect(updater, &DrawUpdater::requestStarted, this, [&] { atRequest.append(snapshot()); });
        // Every part of the shown draw belongs to the draw just loaded, on both pages.
        connect(updater, &DrawUpdater::drawStored, this, [&] {
            labels.append(page()->Label29->text() + QLatin1Char('|') + page()->Label13->text());
            QCOMPARE(w.tipSheet()->drawLabel()->text(), page()->Label29->text());
            shown.append(w.shownDraw().draw());
        });
        connect(updater, &DrawUpdater::requestFinished, this, [&] { disclaimers.append(w.statusText(1)); });

        runUpdate([&] {
            if (command == QLatin1String("Aktualisieren1"))
                menuEntry()->trigger();
            else
                click(m_fixture->get<QAbstractButton>(command));
        });

        QCOMPARE(atRequest.size(), 3);
        const QList<QDate> requested{friday().date, tuesday().date, lastFriday().date};
        QCOMPARE(m_service->requestedDates(), requested);
        for (int i = 0; i < atRequest.size(); ++i) {
            QCOMPARE(atRequest[i].picker, requested[i]);
            QCOMPARE(atRequest[i].status0, QStringLiteral("Loading"));
            QVERIFY(!atRequest[i].commandsEnabled);
            QVERIFY(atRequest[i].stopShown);
        }
        // The first cursor date, then the date of each stored draw.
        QCOMPARE(atRequest[0].selected, friday().date);
        QCOMPARE(atRequest[2].selected, tuesday().date);
        QCOMPARE(labels,
            (QStringList{"Fr 06.03.15    10  20  30  40  50   MB: 5 MP: 3|Quersumme: 150",
                "Di 10.03.15    11  21  31  41  51   MB: 6 MP: 4|Quersumme: 155",
                "Fr 13.03.15    12  22  32  42  52   MB: 8 MP: 1|Quersumme: 160"}));
        QCOMPARE(shown, (QList<Draw>{friday(), tuesday(), lastFriday()}));
        QCOMPARE(disclaimers, QStringList(3, QStringLiteral("Keine Gewähr für die Richtigkeit der Zahlen!")));

        expectIdle();
        QCOMPARE(storedDraws(), (std::vector<Draw>{stored(), friday(), tuesday(), lastFriday()}));
        QCOMPARE(w.statusText(0), QStringLiteral("Ziehungen geladen: 3"));
        QCOMPARE(controller()->lastSummary().outcome, DrawUpdateSummary::Outcome::Completed);
        // ShowAndEvaluate moved everything to the newest draw; Komplettcheck ran after it.
        QCOMPARE(w.shownDraw().draw(), lastFriday());
        QCOMPARE(page()->DateTimePicker1->date(), lastFriday().date);
        QCOMPARE(page()->Label29->text(), QStringLiteral("Fr 13.03.15    12  22  32  42  52   MB: 8 MP: 1"));
        QCOMPARE(w.tipSheet()->drawLabel()->text(), page()->Label29->text());
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("5 + MB"));
        QCOMPARE(m_fixture->sound.played.size(), 2);
        QVERIFY(m_fixture->dialogs.errors.isEmpty());
        QVERIFY(m_fixture->dialogs.messages.isEmpty());
    }

    void secondStartWhileRunningIsIgnored()
    {
        openWindow({stored()});
        int starts = 0;
        connect(controller()->updater(), &DrawUpdater::requestStarted, this, [&] {
            ++starts;
            controller()->ziehwerkClick();
            controller()->rebuildStore();
            menuEntry()->trigger();
        });
        runUpdate();
        QCOMPARE(starts, 3);
        QCOMPARE(m_service->requestedDates().size(), 3);
        QVERIFY(m_fixture->dialogs.questions.isEmpty());
        QCOMPARE(storedDraws().size(), size_t(4));
        expectIdle();
    }

    void stopEndsBeforeTheNextRequest()
    {
        MainWindow &w = openWindow({stored()});
        w.tipSheet()->setRowTexts(1, rowOf(friday()));
        bool hiddenAtOnce = false;
        connect(controller()->updater(), &DrawUpdater::drawStored, this, [&] {
            if (page()->SpeedButton8->isHidden())
                return;
            click(page()->SpeedButton8);
            hiddenAtOnce = page()->SpeedButton8->isHidden();
        });
        runUpdate();
        QVERIFY(hiddenAtOnce);
        QCOMPARE(controller()->lastSummary().outcome, DrawUpdateSummary::Outcome::Stopped);
        QCOMPARE(m_service->requestedDates(), QList<QDate>{friday().date});
        QCOMPARE(storedDraws(), (std::vector<Draw>{stored(), friday()}));
        expectIdle();
        QCOMPARE(w.shownDraw().draw(), friday());
        QCOMPARE(w.tipSheet()->drawLabel()->text(), page()->Label29->text());
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("5 + MB"));
        QCOMPARE(m_fixture->sound.played.size(), 2); // ShowAndEvaluate and Komplettcheck
        QCOMPARE(w.statusText(0), QStringLiteral("Ziehungen geladen: 1 (Aktualisierung gestoppt)"));
    }

    void stopAlsoEndsAWaitingRequest()
    {
        openWindow({stored()});
        DrawServiceFaults faults;
        faults.delayMs = 60000; // only the stop can end this wait within the test
        m_service->setFaults(faults);
        controller()->setTimeouts(60000, 60000);
        connect(controller()->updater(), &DrawUpdater::requestStarted, this,
            [this] { QTimer::singleShot(50, page()->SpeedButton8, &QAbstractButton::click); });
        runUpdate();
        QCOMPARE(controller()->lastSummary().outcome, DrawUpdateSummary::Outcome::Stopped);
        QCOMPARE(storedDraws(), std::vector<Draw>{stored()});
        expectIdle();
        // "Loading" does not stay behind once the update is over.
        QCOMPARE(window().statusText(0), QStringLiteral("Ziehungen geladen: 0 (Aktualisierung gestoppt)"));
    }

    void requestsWithoutAnswerAreSummedUpOnce_data()
    {
        QTest::addColumn<bool>("reachable");
        QTest::newRow("service unreachable") << false;
        QTest::newRow("service answers 500") << true;
    }
    void requestsWithoutAnswerAreSummedUpOnce()
    {
        QFETCH(bool, reachable);
        MainWindow &w = openWindow({stored()});
        QString url = m_service->url().toString();
        if (reachable) {
            DrawServiceFaults faults;
            faults.internalError = true;
            m_service->setFaults(faults);
        } else {
            // A port nobody listens on: every request is refused at once.
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            url = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
            closed.close();
            w.internet()->DrawServiceUrlEdit->setText(url);
        }
        runUpdate();
        expectIdle();
        QCOMPARE(storedDraws(), std::vector<Draw>{stored()});
        QCOMPARE(w.statusText(0), QStringLiteral("Ziehungen geladen: 0"));
        QCOMPARE(m_fixture->dialogs.messages.size(), 1);
        const QString message = m_fixture->dialogs.messages.first();
        QVERIFY2(message.startsWith(QStringLiteral("Für 3 von 3 Ziehungstagen kam keine Antwort vom Ziehungsdienst ")),
            qPrintable(message));
        QVERIFY2(message.contains(url), qPrintable(message));
        // The reason is in the window's language, as the rest of the message.
        QVERIFY2(message.contains(reachable ? QStringLiteral("500") : QStringLiteral("Keine Antwort: ")),
            qPrintable(message));
    }

    void unparsableAnswerIsShown_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("six fields") << QByteArray("11,21,31,41,51,6\r\n");
        QTest::newRow("an error page") << QByteArray("<html><body>Wartung</body></html>");
    }
    void unparsableAnswerIsShown()
    {
        QFETCH(QByteArray, body);
        MainWindow &w = openWindow({stored()});
        w.tipSheet()->setRowTexts(1, rowOf(friday()));
        m_service->setCannedBody(tuesday().date, body);
        runUpdate();
        QCOMPARE(controller()->lastSummary().outcome, DrawUpdateSummary::Outcome::Unparsable);
        QCOMPARE(m_fixture->dialogs.messages, QStringList{QString::fromUtf8(body)});
        QCOMPARE(m_service->requestedDates(), (QList<QDate>{friday().date, tuesday().date}));
        QCOMPARE(storedDraws(), (std::vector<Draw>{stored(), friday()}));
        expectIdle();
        // ShowAndEvaluate, whose own evaluation is the only one: no Komplettcheck after it.
        QCOMPARE(w.shownDraw().draw(), friday());
        QCOMPARE(w.tipSheet()->drawLabel()->text(), page()->Label29->text());
        QCOMPARE(w.tipSheet()->hitLabel(1)->text(), QStringLiteral("5 + MB"));
        QCOMPARE(m_fixture->sound.played.size(), 1);
    }

    void badSettingsEndAtOnce_data()
    {
        QTest::addColumn<QString>("proxyHost");
        QTest::addColumn<QString>("proxyPort");
        QTest::addColumn<QString>("serviceUrl"); // empty: the running service
        QTest::addColumn<QString>("mentioned");
        const auto row
            = [](const char *name, const char *host, const char *port, const char *url, const char *mentioned) {
                  QTest::newRow(name) << QString::fromUtf8(host) << QString::fromUtf8(port) << QString::fromUtf8(url)
                                      << QString::fromUtf8(mentioned);
              };
        row("proxy port not a number", "127.0.0.1", "acht", "", "\"acht\"");
        row("proxy port 0", "127.0.0.1", "0", "", "Proxy-Port");
        row("proxy port 65536", "127.0.0.1", "65536", "", "Proxy-Port");
        row("service not http", "", "80", "ftp://127.0.0.1:8787", "ftp://127.0.0.1:8787");
        row("service without scheme", "", "80", "localhost:8787", "localhost:8787");
        row("service not an address", "", "80", "Ziehungsdienst", "Ziehungsdienst");
        row("service blank", "", "80", " ", "Ziehungsdienstes");
    }
    void badSettingsEndAtOnce()
    {
        QFETCH(QString, proxyHost);
        QFETCH(QString, proxyPort);
        QFETCH(QString, serviceUrl);
        QFETCH(QString, mentioned);
        MainWindow &w = openWindow({stored()});
        const QByteArray before = fileBytes(m_fixture->storePath());
        w.internet()->ProxyHostEdit->setText(proxyHost);
        w.internet()->ProxyPortEdit->setText(proxyPort);
        if (!serviceUrl.isEmpty())
            w.internet()->DrawServiceUrlEdit->setText(serviceUrl);
        QSignalSpy finished(controller(), &DrawUpdateController::finished);
        click(page()->BitBtn1);
        if (controller()->isRunning())
            QVERIFY(finished.wait(Patience));
        QCOMPARE(m_fixture->dialogs.errors.size(), 1);
        QVERIFY2(m_fixture->dialogs.errors.first().contains(mentioned), qPrintable(m_fixture->dialogs.errors.first()));
        expectIdle();
        QVERIFY(m_service->requests().isEmpty());
        QCOMPARE(fileBytes(m_fixture->storePath()), before);
    }

    void fileErrorIsShown()
    {
        m_fixture->create();
        controller()->setTimeouts(1000, 1000);
        window().internet()->DrawServiceUrlEdit->setText(m_service->url().toString());
        QVERIFY(QDir().mkpath(m_fixture->storePath())); // a folder where the store belongs
        runUpdate();
        QCOMPARE(controller()->lastSummary().outcome, DrawUpdateSummary::Outcome::FileError);
        QCOMPARE(m_fixture->dialogs.errors.size(), 1);
        QVERIFY(m_fixture->dialogs.errors.first().contains(QLatin1String(DrawStore::FileName)));
        expectIdle();
    }

    void rebuildAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("service"); // "running", "unreachable" or "bad proxy"
        QTest::addColumn<bool>("rebuilt");
        QTest::newRow("No keeps the store") << false << "running" << false;
        QTest::newRow("Yes rebuilds it") << true << "running" << true;
        QTest::newRow("Yes, but nothing comes") << true << "unreachable" << false;
        QTest::newRow("Yes, but the proxy port is bad") << true << "bad proxy" << false;
    }
    void rebuildAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QString, service);
        QFETCH(bool, rebuilt);
        Clock::setToday(QDate(2000, 6, 10));
        // The first request is for 21.05.2000, then every 3 or 4 days.
        const std::vector<Draw> served = TestData::draws({"2000-05-25 1 2 3 4 5 1 0", "2000-06-06 6 7 8 9 10 2 1"});
        m_service->setDraws(served);
        MainWindow &w = openWindow({stored(), friday()});
        const QByteArray before = fileBytes(m_fixture->storePath());
        if (service == QLatin1String("unreachable")) {
            QTcpServer closed;
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            w.internet()->DrawServiceUrlEdit->setText(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
        } else if (service == QLatin1String("bad proxy")) {
            w.internet()->ProxyHostEdit->setText(QStringLiteral("127.0.0.1"));
            w.internet()->ProxyPortEdit->setText(QStringLiteral("acht"));
        }
        m_fixture->dialogs.answers = {yes};
        page()->BitBtn2->setVisible(true); // hidden by design; the handler is the same
        QSignalSpy finished(controller(), &DrawUpdateController::finished);
        click(page()->BitBtn2);
        QCOMPARE(m_fixture->dialogs.questions,
            QStringList{"Datenbank neu anlegen|Soll die Datenbank gelöscht und neu aus dem Internet geladen werden?"});
        if (yes)
            QVERIFY(finished.wait(Patience));
        expectIdle();
        const QString backup = w.programDirectory().filePath(QString::fromLatin1(DrawUpdateController::BackupFileName));
        if (rebuilt) {
            QCOMPARE(storedDraws(), served);
            QCOMPARE(fileBytes(backup), before);
        } else {
            QCOMPARE(fileBytes(m_fixture->storePath()), before);
            QVERIFY(!QFile::exists(backup));
        }
        if (!yes)
            QVERIFY(m_service->requests().isEmpty());
        if (yes && !rebuilt)
            QVERIFY(m_fixture->dialogs.messages.contains(
                QStringLiteral("Es wurden keine Ziehungen geladen. Die bisherige Datenbank bleibt erhalten.")));
    }

    void serviceAddressIsASetting_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("portReadable");
        QTest::addColumn<QString>("shown");
        QTest::newRow("absent: the default") << false << true << "http://127.0.0.1:8787";
        QTest::newRow("stored") << true << true << "https://draws.example:8443";
        QTest::newRow("the group ended before it") << true << false << "http://127.0.0.1:8787";
    }
    void serviceAddressIsASetting()
    {
        QFETCH(bool, stored);
        QFETCH(bool, portReadable);
        QFETCH(QString, shown);
        if (stored)
            m_fixture->settings->writeString(
                QStringLiteral("DrawServiceUrl"), QStringLiteral("https://draws.example:8443"));
        if (!portReadable)
            m_fixture->settings->writeInteger(QStringLiteral("ProxyPortEdit"), 8080); // wrong type
        MainWindow &w = m_fixture->create();
        QCOMPARE(w.internet()->DrawServiceUrlEdit->text(), shown);

        w.internet()->DrawServiceUrlEdit->setText(QStringLiteral("http://192.0.2.7:9000"));
        // An empty store shows the order of writing.
        for (const QString &name : m_fixture->settings->valueNames())
            m_fixture->settings->removeValue(name);
        m_fixture->close();
        QCOMPARE(m_fixture->settings->readString(QStringLiteral("DrawServiceUrl"))->value(),
            QStringLiteral("http://192.0.2.7:9000"));
        const QStringList names = m_fixture->settings->valueNames();
        QCOMPARE(names.indexOf(QStringLiteral("DrawServiceUrl")), names.indexOf(QStringLiteral("ProxyPortEdit")) + 1);
    }
};

QTEST_MAIN(DrawUpdateWindowTest)
#include "draw_update_gui_test.moc"
