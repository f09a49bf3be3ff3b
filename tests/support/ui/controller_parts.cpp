#include "ui/controller_parts.h"

#include "analysis/ui/chart_page.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_view.h"
#include "draws/ui/internet_page.h"
#include "generator/ui/generation_options_form.h"
#include "generator/ui/generation_page.h"
#include "test_data.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/form_builder.h"
#include "ui/long_work.h"
#include "ui/page_switcher.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>

ControllerParts::ControllerParts()
    : pageControl(std::make_unique<QTabWidget>())
    , statusBar(std::make_unique<QStatusBar>())
{
    messages.install();
    FormBuilder builder(components);
    pageControl->addTab(sheet = new TipSheetPage(builder, sheetModel), QStringLiteral("TabSheet1"));
    pageControl->addTab(internet = new InternetPage(builder), QStringLiteral("TabSheet3"));
    pageControl->addTab(database = new DatabasePage(builder), QStringLiteral("TabSheet4"));
    pageControl->addTab(charts = new ChartPage(builder), QStringLiteral("TabSheet5"));
    pageControl->addTab(generation = new GenerationPage(builder), QStringLiteral("TabSheet6"));

    history = std::make_unique<DrawHistory>(folder.path());
    status = std::make_unique<StatusPanels>(*statusBar);
    pages = std::make_unique<PageSwitcher>(*pageControl);
    dates = std::make_unique<WindowDates>(*database->DateTimePicker1, *charts->DateTimePicker2);
    view = std::make_unique<DrawView>(*database, *sheet->drawLabel(), messages);
    options = std::make_unique<GenerationOptionsForm>(*generation, *sheet->rowCountSpin());
    work = std::make_unique<LongWork>(dialogs);
    shown.setEvaluationEnabled(true);
}

ControllerParts::~ControllerParts() = default;

void ControllerParts::useBundledHistory()
{
    if (!QFile::copy(TestData::bundledStorePath(), history->storePath()))
        qFatal("cannot copy the bundled history");
    QFile(history->storePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void ControllerParts::useHistory(const std::vector<Draw> &draws)
{
    TestData::writeStore(history->storePath(), draws);
}
