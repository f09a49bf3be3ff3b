#include "analysis/ui/chart_controller.h"

#include "analysis/shown_draw_model.h"
#include "analysis/ui/chart_page.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "draws/draw_history.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/page_switcher.h"
#include "ui/platform.h"
#include "ui/wait_cursor.h"
#include "ui/window_dates.h"

#include <QLineEdit>
#include <QToolButton>

using DrawStatistics::ChartKind;

ChartController::ChartController(const ChartWiring &wiring, QObject *parent)
    : QObject(parent)
    , m_wiring(wiring)
{
    ChartPage &charts = wiring.page;
    connectButton(charts.SpeedButton2, ChartKind::NumberDistribution, false);
    connectButton(charts.SpeedButton1, ChartKind::Pairs, false);
    connectButton(charts.SpeedButton3, ChartKind::Triples, false);
    connectButton(charts.SpeedButton12, ChartKind::Quads, false);
    connectButton(charts.SpeedButton19, ChartKind::Overdue, false);
    connectButton(charts.SpeedButton9, ChartKind::SumDistribution, false);
    connectButton(charts.SpeedButton21, ChartKind::MegaballOverdue, false);
    connectButton(charts.SpeedButton20, ChartKind::MegaballFrequency, true);
}

void ChartController::connectButton(QAbstractButton *button, ChartKind kind, bool switchFirst)
{
    connect(button, &QAbstractButton::clicked, this, [this, kind, switchFirst] {
        if (switchFirst)
            showOnChartPage(kind);
        else
            showChart(kind);
    });
}

void ChartController::showOnChartPage(ChartKind kind)
{
    m_wiring.pages.show(&m_wiring.page);
    showChart(kind);
}

void ChartController::showChart(ChartKind kind)
{
    WaitCursor wait;
    const auto draws = m_wiring.history.draws();
    if (!draws) {
        m_wiring.dialogs.showError(draws.error());
        return;
    }
    showChart(kind, **draws);
}

void ChartController::showChart(ChartKind kind, std::span<const Draw> draws)
{
    m_wiring.shown.setSelectedDate(m_wiring.dates.statisticsStart());
    const auto window = m_wiring.dates.statisticsWindow();
    apply(DrawStatistics::chart(kind, draws, window, m_wiring.messages));
    m_redraw = [this, kind, window] {
        if (const auto draws = m_wiring.history.draws())
            m_wiring.page.showChart(DrawStatistics::chart(kind, **draws, window, m_wiring.messages));
    };
}

void ChartController::showTipDistribution()
{
    std::vector<QString> texts;
    for (int row = 1; row <= TipRows::RowCount; ++row)
        for (int slot = 0; slot < TipRows::MainFields; ++slot)
            texts.push_back(m_wiring.sheet.field(row, slot)->text());
    apply(DrawStatistics::tipChart(texts, m_wiring.messages));
    m_redraw = [this, texts] { m_wiring.page.showChart(DrawStatistics::tipChart(texts, m_wiring.messages)); };
}

void ChartController::apply(const DrawStatistics::ChartResult &result)
{
    m_wiring.page.showChart(result);
    const bool switchPage = result.pageSwitch == DrawStatistics::PageSwitch::Always
        || (result.pageSwitch == DrawStatistics::PageSwitch::UnlessGenerating
            && !m_wiring.gate.isActive(CommandGate::Activity::Generation));
    if (switchPage)
        m_wiring.pages.show(&m_wiring.page);
}

void ChartController::showSearchTotals(const std::array<int, 12> &totals)
{
    std::vector<DrawStatistics::ChartPoint> points;
    for (size_t row = 0; row < totals.size(); ++row)
        points.push_back({int(row) + 1, totals[row], DrawStatistics::BarColour::Series});
    m_wiring.page.showBars(points, m_wiring.messages.text(Msg::SearchTotalsTitle));
    m_redraw = [this, points] { m_wiring.page.showBars(points, m_wiring.messages.text(Msg::SearchTotalsTitle)); };
}

void ChartController::languageApplied()
{
    if (m_redraw)
        m_redraw();
}
