// The main window: the page control with its six pages, the main menu, the status bar,
// proportional resizing, and the settings that are read when it is created and written
// when it closes. The subsystems' controllers do the work; the window owns the state
// they share.
#pragma once

#include "ui/component_list.h"
#include "app/message_table.h"
#include "ui/session_state.h"
#include "generator/generation_options.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class ChartController;
class ChartPage;
class DatabasePage;
class DesktopShell;
class DrawController;
class DrawStore;
class DrawUpdateController;
class GenerationController;
class GenerationPage;
class InternetPage;
class NumberChoiceDialog;
class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class RandomSource;
class SettingsStore;
class SoundPlayer;
class TipCheckController;
class TipPickerController;
class TipSheetPage;
class UserDialogs;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    struct Services {
        UserDialogs *dialogs = nullptr;
        SoundPlayer *sound = nullptr;
        DesktopShell *shell = nullptr;
        RandomSource *random = nullptr;
        // Opens (creating when missing) the program's settings key.
        std::function<std::unique_ptr<SettingsStore>()> openSettings;
    };

    MainWindow(const QString &programDirectory, Services services, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Runs once all windows exist: the stored language, the draw of today, the chart.
    void afterCreation();

    static constexpr int DesignClientWidth = 547;
    static constexpr int DesignClientHeight = 456;

    SessionState &state() { return m_state; }
    const SessionState &state() const { return m_state; }
    MessageTable &messages() { return m_messages; }
    const MessageTable &messages() const { return m_messages; }
    ComponentList &components() { return m_components; }
    const Services &services() const { return m_services; }

    TipSheetPage *tipSheet() const { return m_tipSheet; }
    DatabasePage *database() const { return m_database; }
    ChartPage *charts() const { return m_charts; }
    GenerationPage *generation() const { return m_generation; }
    InternetPage *internet() const { return m_internet; }
    QTabWidget *pageControl() const { return m_pageControl; }
    TipCheckController *tipCheck() const { return m_tipCheck.get(); }
    ChartController *chartControl() const { return m_chartControl.get(); }
    DrawController *drawControl() const { return m_drawControl.get(); }
    DrawUpdateController *drawUpdate() const { return m_drawUpdate.get(); }
    TipPickerController *tipPicker() const { return m_tipPicker.get(); }
    GenerationController *generationControl() const { return m_generationControl.get(); }
    NumberChoiceDialog *numberDialog() const;

    // Switches the page control to a page (one of the pages above).
    void showPage(QWidget *page);
    void setStatusText(int panel, const QString &text);
    QString statusText(int panel) const;

    // A file of the program directory, found regardless of the case of its name.
    QString dataFilePath(const QString &name) const;
    QString drawStorePath() const;
    QString hitSoundPath() const;

    // The generation options as the controls hold them now, and back.
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
    void buildStatusBar();
    void routeStatusHints();
    void formCreate();
    void readSettings(SettingsStore &store);
    void writeSettings(SettingsStore &store) const;
    void scalePages(double ratio);

    Services m_services;
    SessionState m_state;
    MessageTable m_messages;
    ComponentList m_components;

    QTabWidget *m_pageControl = nullptr;
    TipSheetPage *m_tipSheet = nullptr;
    InternetPage *m_internet = nullptr;
    DatabasePage *m_database = nullptr;
    ChartPage *m_charts = nullptr;
    GenerationPage *m_generation = nullptr;
    QMenu *m_languageMenu = nullptr;
    std::array<QLabel *, 2> m_statusPanels{};

    // Carried along by the settings store unchanged.
    int m_neuerSchein = 0;
    int m_land = 1;
    int m_tippTop = 39;
    int m_tippLeft = 47;
    double m_zoom = 1.0;
    double m_baseFontSize = 0;

    std::unique_ptr<TipCheckController> m_tipCheck;
    std::unique_ptr<ChartController> m_chartControl;
    std::unique_ptr<DrawController> m_drawControl;
    std::unique_ptr<DrawUpdateController> m_drawUpdate;
    std::unique_ptr<TipPickerController> m_tipPicker;
    std::unique_ptr<GenerationController> m_generationControl;
};
