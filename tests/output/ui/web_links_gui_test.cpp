// The web labels: the strips at the tip page's edges open the maker's home page, the
// labels on "Internet-Optionen" the address their caption shows, whatever a language
// makes the caption; the strips route their hints to the status bar and are never
// translated.
#include "draws/ui/internet_page.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/form_builder.h"
#include "ui/window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>

class WebLinksTest : public QObject {
    Q_OBJECT

    // Clicks the first letters of a label, where its link text is.
    static void clickText(QWidget *label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
    }

private slots:
    void theStripsOpenTheMakersSite()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        TipSheetPage *sheet = w.tipSheet();
        QCOMPARE(sheet->addressLabel()->caption(), QStringLiteral("w w w . m o r v a k . e x a m p l e"));
        QVERIFY(sheet->productLabel()->caption().startsWith(QStringLiteral("D e v u D i r u r e r o   ")));
        QTest::mouseClick(sheet->addressLabel(), Qt::LeftButton);
        QTest::mouseClick(sheet->productLabel(), Qt::LeftButton);
        QTest::mouseClick(sheet->leftStrip(), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseClick(sheet->rightStrip(), Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(f.shell.opened, QStringList(4, QStringLiteral("https://www.morvak.example/")));
        // A right click is no click on a link.
        QTest::mouseClick(sheet->addressLabel(), Qt::RightButton);
        QCOMPARE(f.shell.opened.size(), 4);
    }

    void theInternetLabelsOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("Label52") << "Label52"
                                 << "https://www.morvak.example/devudirurero/";
        QTest::newRow("Label54") << "Label54"
                                 << "https://www.megamillions.com/";
        QTest::newRow("Label56") << "Label56"
                                 << "https://www.morvak.example/skriptomat/";
    }
    void theInternetLabelsOpenTheirAddresses()
    {
        QFETCH(QString, name);
        QFETCH(QString, address);
        WindowFixture f;
        MainWindow &w = f.create();
        w.show();
        w.pageControl()->setCurrentIndex(2);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *label = f.get<LinkLabel>(name);
        QCOMPARE(label->caption(), address);
        QVERIFY(label->isVisible());
        clickText(label);
        QCOMPARE(f.shell.opened, QStringList{address});
        // A language may change what the label says, never where it leads.
        label->setCaption(QStringLiteral("file:///tmp/payload.sh"));
        clickText(label);
        QCOMPARE(f.shell.opened, QStringList(2, address));
    }

    void theStripsAreNeverTranslated()
    {
        WindowFixture f;
        MainWindow &w = f.create();
        for (const char *name : {"Label43", "Label44"})
            QCOMPARE(w.components().component(QString::fromLatin1(name))->tag, 8);
        for (const char *name : {"Panel2", "Panel5", "Label52", "Label54", "Label56"})
            QCOMPARE(w.components().component(QString::fromLatin1(name))->tag, 0);
    }

    void hintsGoToTheStatusBar_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("Label43") << "Label43"
                                 << "Besuchen Sie Morvak im Internet";
        QTest::newRow("Label44") << "Label44"
                                 << "Besuchen Sie Morvak im Internet";
        QTest::newRow("OnlineTipp") << "OnlineTipp"
                                    << "Hier können Sie den Tipp Online abgeben";
        QTest::newRow("BitBtn7") << "BitBtn7"
                                 << "Drucken SIe hier die berechneten Tipps aus";
        QTest::newRow("SpeedButton15") << "SpeedButton15"
                                       << "Speichern des Tipps";
        QTest::newRow("SpeedButton16") << "SpeedButton16"
                                       << "Tipp laden aus Datei";
    }
    void hintsGoToTheStatusBar()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        WindowFixture f;
        MainWindow &w = f.create();
        auto *widget = f.get<QWidget>(name);
        QVERIFY(widget->isEnabled());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(widget, &enter);
        QCOMPARE(w.statusText(1), hint);
    }

    // The page with its two strips keeps the design width without cutting a row short.
    void theTipPageFitsTheDesignWidth()
    {
        // The program's face, as its start sets it.
        const QFont before = QApplication::font();
        QFont font = before;
        font.setPointSizeF(std::min(font.pointSizeF(), 8.0));
        QApplication::setFont(font);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        WindowFixture f;
        MainWindow &w = f.create();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.width(), MainWindow::DefaultClientWidth);
        TipSheetPage *sheet = w.tipSheet();
        sheet->setHitLabel(12, QStringLiteral("5 + MB"), true);
        sheet->sumLabel(12)->setText(QStringLiteral("375"));
        QTest::qWait(20);
        QVERIFY2(sheet->width() <= w.pageControl()->currentWidget()->width(),
            qPrintable(QStringLiteral("the page is %1 wide, its sheet %2")
                           .arg(sheet->width())
                           .arg(w.pageControl()->currentWidget()->width())));
        const QRect right = sheet->rightStrip()->geometry();
        for (QWidget *part : std::initializer_list<QWidget *>{sheet->field(12, 5), sheet->hitLabel(12),
                 sheet->sumLabel(12), sheet->onlineTipButton(), sheet->printButton()}) {
            const QRect r(part->mapTo(sheet, QPoint(0, 0)), part->size());
            QVERIFY2(r.right() < right.left(), qPrintable(part->objectName()));
            QVERIFY2(part->width() >= part->minimumSizeHint().width(), qPrintable(part->objectName()));
        }
        QVERIFY(sheet->leftStrip()->geometry().right() < sheet->lockLabel(1)->mapTo(sheet, QPoint(0, 0)).x());
    }
};

QTEST_MAIN(WebLinksTest)
#include "web_links_gui_test.moc"
