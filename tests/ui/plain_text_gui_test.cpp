// Texts from outside the program (language files, settings values, answers of the draw
// service) are shown as the text they are: labels, the chart, message boxes, input boxes
// and tool tips never take them for rich text.
#include "ui/window_fixture.h"

#include "analysis/ui/chart_page.h"
#include "app/language_files.h"
#include "app/message_table.h"
#include "ui/form_builder.h"
#include "ui/platform_services.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QGraphicsTextItem>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace {
// Shown as rich text, it would render bold; an image tag here would make Qt read a file.
const QString Hostile = QStringLiteral("<b>Kopf</b> & <i>Fuß</i>");
const QString Escaped = QStringLiteral("&lt;b&gt;Kopf");
const QString Shipped = QStringLiteral(DEVU_SOURCE_DIR "/resources/runtime");

void writeLines(const QString &path, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// English whose every caption, hint and message is the hostile text.
void writeHostileEnglish(const QString &programFolder)
{
    const QString master = QStringLiteral("/Land/DevuDirurero.txt");
    QDir().mkpath(programFolder + QStringLiteral("/Land"));
    if (!QFile::copy(Shipped + master, programFolder + master))
        qFatal("cannot copy the master list");
    const auto masterLines = LanguageFiles::readLines(Shipped + master);
    const auto groups = LanguageFiles::parseMasterList(masterLines.value());
    writeLines(programFolder + QStringLiteral("/land/Mega_en.txt"), QStringList(qsizetype(groups.size()) * 2, Hostile));
    writeLines(
        programFolder + QStringLiteral("/land/Mega_en.txt.meld"), QStringList(MessageTable::DefaultCount, Hostile));
}

// Runs `check` on the modal dialog that `show` opens, then closes it.
void onModal(const std::function<void()> &show, const std::function<void(QWidget *)> &check)
{
    bool checked = false;
    QTimer::singleShot(0, qApp, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        check(modal);
        checked = true;
        modal->close();
    });
    show();
    QVERIFY(checked);
}
} // namespace

class PlainTextTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowShowsOutsideTextsAsText()
    {
        WindowFixture f;
        writeHostileEnglish(f.programFolder());
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 2);
        f.settings->writeString(QStringLiteral("Losnummer"), Hostile);
        MainWindow &w = f.create();
        w.afterCreation();
        int shown = 0;
        for (const WindowRegistry::Window &window : w.windows().windows()) {
            for (QLabel *label : window.widget->findChildren<QLabel *>()) {
                if (qobject_cast<LinkLabel *>(label)) {
                    QVERIFY2(!label->text().contains(Hostile), qPrintable(label->objectName()));
                } else if (label->text().contains(Hostile)) {
                    QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
                    ++shown;
                }
            }
        }
        QVERIFY(shown > 20);
        QCOMPARE(f.get<QLabel>(QStringLiteral("Losnummer"))->text(), Hostile);
        // The chart renders its titles as rich text: the caption arrives escaped.
        bool chartShowsIt = false;
        w.charts()->Chart1->grab(); // lays the chart out
        for (QGraphicsItem *item : w.charts()->Chart1->scene()->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item))
                chartShowsIt = chartShowsIt || text->toPlainText().contains(QStringLiteral("<b>Kopf</b>"));
        QVERIFY(chartShowsIt);
    }

    void dialogsShowPlainText()
    {
        WidgetUserDialogs dialogs;
        const auto plainBox = [](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), Hostile);
        };
        onModal([&] { dialogs.showMessage(Hostile); }, plainBox);
        onModal([&] { dialogs.showError(Hostile); }, plainBox);
        onModal([&] { dialogs.askYesNo(Hostile, QStringLiteral("Frage")); }, plainBox);
        onModal([&] { dialogs.inputText(QStringLiteral("Eingabe"), Hostile, QStringLiteral("5")); },
            [](QWidget *modal) {
                QVERIFY(qobject_cast<QInputDialog *>(modal));
                const auto labels = modal->findChildren<QLabel *>();
                QCOMPARE(labels.size(), 1);
                QCOMPARE(labels.first()->text(), Hostile);
                QCOMPARE(labels.first()->textFormat(), Qt::PlainText);
            });
    }

    void toolTipsShowPlainText_data()
    {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup is shown escaped") << Hostile << Escaped;
        QTest::newRow("a plain tip as it is") << QStringLiteral("Tipps berechnen") << QStringLiteral("Tipps berechnen");
    }
    void toolTipsShowPlainText()
    {
        QFETCH(QString, tip);
        QFETCH(QString, shown);
        PlainToolTips filter;
        qApp->installEventFilter(&filter);
        QWidget widget;
        widget.setToolTip(tip);
        widget.resize(100, 40);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&widget, &help);
        QVERIFY2(QToolTip::text().contains(shown), qPrintable(QToolTip::text()));
        QToolTip::hideText();
    }
};

QTEST_MAIN(PlainTextTest)
#include "plain_text_gui_test.moc"
