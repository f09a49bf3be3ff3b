// The main window `Form1` and the composition root of the window layer: it builds the
// page control with its six pages, the menu and the status bar, creates the dialogs
// `Form3`, `Form6` and `XRTForm`, hands every controller the pages and services it works with, and
// connects what one subsystem does in reaction to another. It reads the settings when
// it is created and writes them when it closes. No other file knows every page.
#pragma once

#include "app/message_table.h"
#include "app/program_directory.h"
#include "app/ui/main_window_settings.h"
#include "ui/component_list.h"
#include "ui/shared_file_dialog.h"
#include "ui/window_registry.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class AnalysisController;
class ChartController;
class ChartPage;
class CommandGate;
class DatabasePage;
class DesktopShell;
class DrawController;
class DrawEntryDialog;
class DrawHistory;
class DrawUpdateController;
class DrawView;
class GenerationController;
class GenerationOptionsForm;
class GenerationPage;
class HandoffController;
class HttpClient;
class InternetPage;
class Localizer;
class LongWork;
class NumberChoiceDialog;
class PageSwitcher;
class PreferredListController;
class QAction;
class QMenu;
class QTabWidget;
class RandomSource;
class ScriptDialog;
class ShownDrawModel;
class SettingsStore;
class SoundPlayer;
class StatusPanels;
class TipCheckController;
class TipPickerController;
class TipOutputController;
class TipSheetModel;
class TipSheetPage;
class UserDialogs;
class WebLinkController;
class WindowDates;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // The platform services, made by main() (or a test) and outliving the window.
    struct Services {
        UserDialogs *dialogs = nullptr;
        SoundPlayer *sound = nullptr;
        DesktopShell *shell = nullptr;
        RandomSource *random = nullptr;
        HttpClient *http = nullptr;
        // Opens (creating when missing) the program's settings key.
        std::function<std::unique_ptr<SettingsStore>()> openSettings;
        // Opens (creating when missing) the current user's key of the click-script parameters.
        std::function<std::unique_ptr<SettingsStore>()> openScriptSettings;
    };

    MainWindow(const QString &programDirectory, Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs once all windows exist: the stored language, the draw of today, the chart.
    void afterCreation();

    // The pages are laid out for 547 × 456; the window opens wider by default so that
    // the status texts and hints fit their panels in every language.
    static constexpr int DefaultClientWidth = 1000;
    static constexpr int DesignClientHeight = 456;

    // For the tests and the localization: the window's folder, texts and parts.
    const ProgramDirectory &programDirectory() const { return m_directory; }
    MessageTable &messages() { return m_messages; }
    ComponentList &components() { return m_components; }
    const WindowRegistry &windows() const { return m_windows; }
    Localizer &localizer() { return *m_localizer; }
    ShownDrawModel &shownDraw() const { return *m_shown; }
    CommandGate &gate() const { return *m_gate; }

    TipSheetPage *tipSheet() const { return m_tipSheet; }
    DatabasePage *database() const { return m_database; }
    ChartPage *charts() const { return m_charts; }
    GenerationPage *generation() const { return m_generation; }
    InternetPage *internet() const { return m_internet; }
    QTabWidget *pageControl() const { return m_pageControl; }
    NumberChoiceDialog *numberDialog() const { return m_numberDialog; }
    ScriptDialog *scriptDialog() const { return m_scriptDialog; }
    SharedFileDialogs &fileDialogs() { return m_fileDialogs; }
    StatusPanels &status() const { return *m_status; }
    ChartController *chartControl() const { return m_chartControl.get(); }
    DrawUpdateController *drawUpdate() const { return m_drawUpdate.get(); }
    GenerationController *generationControl() const { return m_generationControl.get(); }
    HandoffController *handoff() const { return m_handoff.get(); }
    AnalysisController *analyses() const { return m_analysis.get(); }

    QString statusText(int panel) const;
    // The generation options as the controls hold them now.
    GenerationSettings generationSettings() const;
    void applyGenerationSettings(const GenerationSettings &settings);
    // Language entries of the menu: checks entry `index` (1..8) and remembers it.
    void chooseLanguage(int index);
    QAction *menuAction(const QString &name) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    void buildPages();
    void buildControllers();
    void connectSubsystems();
    void connectGate();
    void routeStatusHints();
    void formCreate();
    void applySettings(const StoredMainWindow &stored);
    MainWindowValues currentValues() const;
    void scalePages(double ratio);

    Services m_services;
    ProgramDirectory m_directory;
    int m_designHeight = 0; // the height the pages were last scaled against
    MessageTable m_messages;
    ComponentList m_components;
    WindowRegistry m_windows;
    // Values carried from start-up to shutdown unchanged (and the ones the controls hold
    // are refreshed from them when the window closes).
    MainWindowValues m_stored;

    QTabWidget *m_pageControl = nullptr;
    TipSheetPage *m_tipSheet = nullptr;
    InternetPage *m_internet = nullptr;
    DatabasePage *m_database = nullptr;
    ChartPage *m_charts = nullptr;
    GenerationPage *m_generation = nullptr;
    QMenu *m_languageMenu = nullptr;
    std::array<QAction *, 8> m_languageEntries{};
    DrawEntryDialog *m_entryDialog = nullptr;
    NumberChoiceDialog *m_numberDialog = nullptr;
    ScriptDialog *m_scriptDialog = nullptr;
    // The shared save and open dialogs of the window, as the commands borrow them.
    SharedFileDialogs m_fileDialogs;
    double m_zoom = 1.0;
    double m_baseFontSize = 0;

    // What the controllers share; made after the pages, before the controllers.
    std::unique_ptr<DrawHistory> m_history;
    std::unique_ptr<ShownDrawModel> m_shown;
    std::unique_ptr<CommandGate> m_gate;
    std::unique_ptr<TipSheetModel> m_sheetModel;
    StatusPanels *m_status = nullptr;
    std::unique_ptr<PageSwitcher> m_pages;
    std::unique_ptr<WindowDates> m_dates;
    std::unique_ptr<DrawView> m_drawView;
    std::unique_ptr<GenerationOptionsForm> m_options;
    std::unique_ptr<LongWork> m_work;
    std::unique_ptr<Localizer> m_localizer;

    std::unique_ptr<TipCheckController> m_tipCheck;
    std::unique_ptr<ChartController> m_chartControl;
    std::unique_ptr<DrawController> m_drawControl;
    std::unique_ptr<DrawUpdateController> m_drawUpdate;
    std::unique_ptr<TipPickerController> m_tipPicker;
    std::unique_ptr<PreferredListController> m_preferredList;
    std::unique_ptr<GenerationController> m_generationControl;
    std::unique_ptr<TipOutputController> m_tipOutput;
    std::unique_ptr<HandoffController> m_handoff;
    std::unique_ptr<WebLinkController> m_webLinks;
    std::unique_ptr<AnalysisController> m_analysis;
};
