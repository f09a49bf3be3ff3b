// The generation controller on its pages and models, without the main window: a run
// that options excluding each other refuse, and one whose pool is empty.
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "generator/ui/generation_controller.h"
#include "generator/ui/generation_options_form.h"
#include "generator/ui/generation_page.h"
#include "generator/ui/preferred_list_controller.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/controller_parts.h"
#include "ui/long_work.h"
#include "ui/status_panels.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {
const QString StartCaption = QStringLiteral("Tipps berechnen");
const QString BudgetUsedUp = QStringLiteral("Ändern Sie die Parameter, um 5 Tipps zu berechnen");

bool rowEmpty(const TipSheetPage *sheet, int row)
{
    return sheet->rowTexts(row) == TipRowTexts{};
}
} // namespace

class GenerationControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ControllerParts> m_parts;
    std::unique_ptr<NumberChoiceDialog> m_numberDialog;
    std::unique_ptr<TipCheckController> m_checks;
    std::unique_ptr<PreferredListController> m_preferredList;
    std::unique_ptr<GenerationController> m_controller;

    TipSheetPage *sheet() { return m_parts->sheet; }
    GenerationPage *options() { return m_parts->generation; }
    void generate() { sheet()->generateButton()->click(); }

private slots:
    void initTestCase() { Clock::setToday(QDate(2017, 10, 31)); }

    void init()
    {
        m_parts = std::make_unique<ControllerParts>();
        ControllerParts &p = *m_parts;
        p.useBundledHistory();
        m_numberDialog = std::make_unique<NumberChoiceDialog>(p.random);
        m_checks = std::make_unique<TipCheckController>(TipCheckWiring{*p.sheet, *p.view, *p.dates, *p.history, p.shown,
            p.gate, p.folder, p.dialogs, p.sound, p.messages, *p.options, *p.work});
        m_preferredList = std::make_unique<PreferredListController>(
            *m_numberDialog, p.dialogs, *p.status, *p.pages, p.sheet, p.folder);
        m_controller = std::make_unique<GenerationController>(
            GenerationWiring{*p.sheet, *p.options, *p.dates, *p.history, p.shown, p.gate, *p.status, p.dialogs,
                p.random, p.messages, *p.pages, *m_checks, *m_preferredList, *p.work});
    }
    void cleanup()
    {
        m_controller.reset();
        m_preferredList.reset();
        m_checks.reset();
        m_numberDialog.reset();
        m_parts.reset();
    }

    // Options that exclude each other: named in a message before anything is cleared.
    void contradictoryOptionsAreNamedBeforeTheRun()
    {
        sheet()->setRowTexts(3, {"1", "2", "3", "4", "5", "6", ""});
        options()->upDown(1)->setValue(279);
        options()->upDown(2)->setValue(239);
        generate();
        const QString named = QStringLiteral("Die Quersumme von 279 liegt über der Quersumme bis 239.");
        QCOMPARE(m_parts->dialogs.messages,
            QStringList{QStringLiteral("Diese Einstellungen widersprechen sich, es wird nichts berechnet:\n") + named});
        QCOMPARE(m_parts->status->text(1), named);
        QCOMPARE(sheet()->rowTexts(3), (TipRowTexts{"1", "2", "3", "4", "5", "6", ""}));
    }

    void poolWithoutNumbersEndsAtOnce()
    {
        options()->checkBox(15)->setChecked(true);
        options()->checkBox(10)->setChecked(false);
        generate();
        QCOMPARE(m_parts->status->text(1), BudgetUsedUp);
        QCOMPARE(m_controller->lastOutcome().attempts, 0);
        QCOMPARE(sheet()->generateButton()->text(), StartCaption);
        for (int row = 1; row <= 12; ++row)
            QVERIFY(rowEmpty(sheet(), row));
    }
};

QTEST_MAIN(GenerationControllerTest)
#include "generation_controller_gui_test.moc"
