// The analysis controller on its pages and models, without the main window.
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "draws/ui/database_page.h"
#include "generator/ui/generation_options_form.h"
#include "history/ui/analysis_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/controller_parts.h"
#include "ui/long_work.h"

#include <QDateEdit>
#include <QFile>
#include <QPushButton>
#include <QTest>

class AnalysisControllerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void badStopLevelShowsTheConversionError()
    {
        using Command = CommandGate::Command;
        ControllerParts p;
        p.useBundledHistory();
        TipCheckController checks(TipCheckWiring{*p.sheet, *p.view, *p.dates, *p.history, p.shown, p.gate, p.folder,
            p.dialogs, p.sound, p.messages, *p.options, *p.work});
        AnalysisController analyses(AnalysisWiring{*p.sheet, *p.database, *p.view, *p.dates, *p.history, p.shown,
            p.gate, *p.charts, p.folder, *p.status, p.dialogs, p.shell, p.random, p.messages, *p.options, *p.options,
            checks, *p.pages, *p.work, [] { return QString(); }, [] { return QStringLiteral("1,00"); }});
        p.database->DateTimePicker1->setDate(QDate(2017, 6, 1));
        p.dialogs.answers.push_back(true);
        p.dialogs.inputs.push_back(QStringLiteral("fünf"));
        p.database->BitBtn19->click();
        QCOMPARE(p.dialogs.errors, QStringList{QStringLiteral("'fünf' ist kein gültiger Integer-Wert")});
        QVERIFY(!QFile::exists(p.directory.filePath(QStringLiteral("Test.rtf"))));
        QVERIFY(p.gate.allows(Command::Analyses));
        QVERIFY(p.gate.allows(Command::Generate));
    }
};

QTEST_MAIN(AnalysisControllerTest)
#include "analysis_controller_gui_test.moc"
