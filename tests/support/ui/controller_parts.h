// The pages, models and services one controller works with, made as the main window
// makes them but without it, on a temporary program directory with recording platform
// services: a controller test builds its controller from these.
#pragma once

#include "analysis/shown_draw_model.h"
#include "app/command_gate.h"
#include "app/message_table.h"
#include "app/program_directory.h"
#include "draws/draw_history.h"
#include "generator/random_source.h"
#include "tipsheet/tip_sheet_model.h"
#include "ui/component_list.h"
#include "ui/fake_platform.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

class ChartPage;
class DatabasePage;
class DrawView;
class GenerationOptionsForm;
class GenerationPage;
class InternetPage;
class LongWork;
class PageSwitcher;
class QStatusBar;
class QTabWidget;
class StatusPanels;
class TipSheetPage;
class WindowDates;

class ControllerParts {
public:
    ControllerParts();
    ~ControllerParts();

    // Copies the bundled history, or the given draws, into the program directory.
    void useBundledHistory();
    void useHistory(const std::vector<Draw> &draws);

    QTemporaryDir directory;
    MessageTable messages;
    ComponentList components;
    FakeDialogs dialogs;
    FakeSound sound;
    FakeShell shell;
    RandomSource random{12345};
    ProgramDirectory folder{directory.path()};

    TipSheetModel sheetModel;
    // Pages, as the main window's page control holds them.
    std::unique_ptr<QTabWidget> pageControl;
    TipSheetPage *sheet = nullptr;
    DatabasePage *database = nullptr;
    ChartPage *charts = nullptr;
    GenerationPage *generation = nullptr;
    InternetPage *internet = nullptr;
    std::unique_ptr<QStatusBar> statusBar;

    std::unique_ptr<DrawHistory> history;
    ShownDrawModel shown;
    CommandGate gate;
    std::unique_ptr<StatusPanels> status;
    std::unique_ptr<PageSwitcher> pages;
    std::unique_ptr<WindowDates> dates;
    std::unique_ptr<DrawView> view;
    std::unique_ptr<GenerationOptionsForm> options;
    std::unique_ptr<LongWork> work;
};
