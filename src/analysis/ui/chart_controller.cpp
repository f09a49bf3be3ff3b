#include "analysis/ui/chart_controller.h"

#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/ui/main_window.h"
#include "ui/platform.h"
#include "ui/wait_cursor.h"
#include "draws/ui/database_page.h"
#include "draws/draw_store.h"
#include "generator/ui/generation_page.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using DrawStatistics::ChartKind;

ChartController::ChartController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    connectButtons();
    connect(window.tipCheck(), &TipCheckController::searchFinished, this, &ChartController::showSearchTotals);
}

void ChartController::connectButtons()
{
    const auto on = [this](QAbstractButton *button, ChartKind kind, bool switchFirst) {
        connect(button, &QAbstractButton::clicked, this, [this, kind, switchFirst] {
            if (switchFirst)
                m_window.showPage(m_window.charts());
            showChart(kind);
        });
    };
    ChartPage *charts = m_window.charts();
    DatabasePage *database = m_window.database();
    GenerationPage *generation = m_window.generation();
    on(charts->SpeedButton2, ChartKind::NumberDistribution, false);
    on(generation->SpeedButton26, ChartKind::NumberDistribution, true);
    on(database->Button2, ChartKind::Pairs, false);
    on(charts->SpeedButton1, ChartKind::Pairs, false);
    on(generation->SpeedButton23, ChartKind::Pairs, true);
    on(database->Button3, ChartKind::Triples, false);
    on(charts->SpeedButton3, ChartKind::Triples, false);
    on(generation->SpeedButton24, ChartKind::Triples, true);
    on(database->Button4, ChartKind::Quads, false);
    on(charts->SpeedButton12, ChartKind::Quads, false);
    on(generation->SpeedButton25, ChartKind::Quads, true);
    on(database->Button5, ChartKind::Overdue, false);
    on(charts->SpeedButton19, ChartKind::Overdue, false);
    on(generation->SpeedButton22, ChartKind::Overdue, true);
    on(charts->SpeedButton9, ChartKind::SumDistribution, false);
    on(database->Button8, ChartKind::MegaballOverdue, false);
    on(charts->SpeedButton21, ChartKind::MegaballOverdue, false);
    on(generation->SuperAus, ChartKind::MegaballOverdue, false);
    on(charts->SpeedButton20, ChartKind::MegaballFrequency, true);
    on(generation->Superselten, ChartKind::MegaballFrequency, true);
    connect(m_window.tipSheet()->distributionButton(), &QAbstractButton::clicked, this,
        &ChartController::showTipDistribution);

    connect(generation, &GenerationPage::labelClicked, this, [this, generation](QLabel *label) {
        m_window.showPage(m_window.charts());
        if (label == generation->Label88)
            showChart(ChartKind::SumDistribution);
        else if (label == generation->Label89)
            showChart(ChartKind::Pairs);
        else if (label == generation->Label91)
            showChart(ChartKind::Triples);
        else if (label == generation->Label90)
            showChart(ChartKind::Quads);
    });
}

void ChartController::showChart(ChartKind kind)
{
    WaitCursor wait;
    const auto draws = DrawStore(m_window.drawStorePath()).readAll();
    if (!draws) {
        m_window.services().dialogs->showError(draws.error());
        return;
    }
    showChart(kind, *draws);
}

void ChartController::showChart(ChartKind kind, std::span<const Draw> draws)
{
    SessionState &state = m_window.state();
    state.selectedDate = m_window.charts()->DateTimePicker2->date();
    const StatisticsWindow window{state.selectedDate, m_window.database()->DateTimePicker1->date()};
    apply(DrawStatistics::chart(kind, draws, window, m_window.messages()));
}

void ChartController::showTipDistribution()
{
    std::vector<QString> texts;
    TipSheetPage *sheet = m_window.tipSheet();
    for (int row = 1; row <= TipRows::RowCount; ++row)
        for (int slot = 0; slot < TipRows::MainFields; ++slot)
            texts.push_back(sheet->field(row, slot)->text());
    apply(DrawStatistics::tipChart(texts, m_window.messages()));
}

void ChartController::apply(const DrawStatistics::ChartResult &result)
{
    m_window.charts()->showChart(result);
    const bool switchPage = result.pageSwitch == DrawStatistics::PageSwitch::Always
        || (result.pageSwitch == DrawStatistics::PageSwitch::UnlessGenerating && !m_window.state().generationRunning);
    if (switchPage)
        m_window.showPage(m_window.charts());
}

void ChartController::showSearchTotals(const std::array<int, 12> &totals)
{
    std::vector<DrawStatistics::ChartPoint> points;
    for (size_t row = 0; row < totals.size(); ++row)
        points.push_back({int(row) + 1, totals[row], DrawStatistics::BarColour::Series});
    m_window.charts()->showBars(points, QStringLiteral("Treffer je Tippreihe in der Datenbank"));
}
