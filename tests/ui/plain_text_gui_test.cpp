// Texts from outside the program (language files, settings values, answers of the draw
// service) are shown as the text they are, never as rich text.
#include "ui/window_fixture.h"

#include "analysis/ui/chart_page.h"
#include "app/language_files.h"
#include "app/message_table.h"
#include "ui/form_builder.h"
#include "ui/platform_services.h"

#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QGraphicsTextItem>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {
// Taken for rich text it would show bold; an image tag would make Qt read a file.
const QString Hostile = QStringLiteral("<b>Kopf</b> & <i>Fuß</i>");

void writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly)
        || file.write(lines.join(QStringLiteral("\r\n")).toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class PlainTextTest : public QObject {
    Q_OBJECT

private slots:
    // Every caption, hint and message of the stored language, and the ticket number.
    void theWindowShowsOutsideTextsAsText()
    {
        WindowFixture f;
        const QString land = f.programFolder() + QStringLiteral("/land/");
        writeLines(f.programFolder() + QStringLiteral("/Land/DevuDirurero.txt"),
            LanguageFiles::readLines(
                QStringLiteral(DEVU_SOURCE_DIR "/resources/runtime/Land/DevuDirurero.txt"), MessageTable())
                .value());
        writeLines(land + QStringLiteral("Mega_en.txt"), QStringList(2000, Hostile)); // more than every component's two
        writeLines(land + QStringLiteral("Mega_en.txt.meld"), QStringList(MessageTable::DefaultCount, Hostile));
        f.useBundledHistory();
        f.settings->writeInteger(QStringLiteral("Sprache"), 2);
        f.settings->writeString(QStringLiteral("Losnummer"), Hostile);
        MainWindow &w = f.create();
        w.afterCreation();
        int shown = 0;
        for (const WindowRegistry::Window &window : w.windows().windows())
            for (QLabel *label : window.widget->findChildren<QLabel *>())
                if (label->text().contains(Hostile)) {
                    QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
                    ++shown;
                }
        QVERIFY(shown > 20);
        QCOMPARE(f.get<QLabel>(QStringLiteral("Losnummer"))->text(), Hostile);
        // The chart renders its titles as rich text: the caption arrives escaped.
        w.charts()->Chart1->grab();
        bool chartShowsIt = false;
        for (QGraphicsItem *item : w.charts()->Chart1->scene()->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item))
                chartShowsIt = chartShowsIt || text->toPlainText().contains(QStringLiteral("<b>Kopf</b>"));
        QVERIFY(chartShowsIt);
    }

    void messageBoxesAndToolTipsShowPlainText()
    {
        WidgetUserDialogs dialogs;
        for (const auto &show : std::initializer_list<std::function<void()>>{[&] { dialogs.showMessage(Hostile); },
                 [&] { dialogs.showError(Hostile); }, [&] { dialogs.askYesNo(Hostile, QString()); },
                 [&] { dialogs.inputText(QString(), Hostile, QString()); }}) {
            bool plain = false;
            QTimer::singleShot(0, qApp, [&plain] {
                QWidget *modal = QApplication::activeModalWidget();
                for (QLabel *label : modal->findChildren<QLabel *>())
                    plain = plain || (label->text() == Hostile && label->textFormat() == Qt::PlainText);
                modal->close();
            });
            show();
            QVERIFY(plain);
        }
        PlainToolTips filter;
        qApp->installEventFilter(&filter);
        QWidget widget;
        widget.setToolTip(Hostile);
        widget.show();
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), widget.mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(&widget, &help);
        QVERIFY2(QToolTip::text().contains(QStringLiteral("&lt;b&gt;Kopf")), qPrintable(QToolTip::text()));
    }
};

QTEST_MAIN(PlainTextTest)
#include "plain_text_gui_test.moc"
