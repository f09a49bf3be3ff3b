#include "app/ui/main_window.h"

#include "analysis/shown_draw_model.h"
#include "analysis/ui/chart_controller.h"
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "app/command_gate.h"
#include "app/program_directory.h"
#include "app/settings_store.h"
#include "app/ui/localizer.h"
#include "draws/draw_history.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_controller.h"
#include "draws/ui/draw_entry_dialog.h"
#include "draws/ui/draw_update_controller.h"
#include "draws/ui/draw_view.h"
#include "draws/ui/internet_page.h"
#include "generator/random_source.h"
#include "generator/ui/generation_controller.h"
#include "generator/ui/generation_options_form.h"
#include "generator/ui/generation_page.h"
#include "generator/ui/preferred_list_controller.h"
#include "history/ui/analysis_controller.h"
#include "output/ui/handoff_controller.h"
#include "output/ui/script_dialog.h"
#include "output/ui/tip_output_controller.h"
#include "output/ui/web_link_controller.h"
#include "tipsheet/tip_sheet_model.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_picker_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"
#include "ui/date_field.h"
#include "ui/form_builder.h"
#include "ui/long_work.h"
#include "ui/page_switcher.h"
#include "ui/platform.h"
#include "ui/status_panels.h"
#include "ui/window_dates.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include <QGuiApplication>
#include <QScreen>

#include <array>

MainWindow::MainWindow(const QString &programDirectory, Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
    , m_directory(programDirectory)
{
    m_components.add(this, QStringLiteral("Form1"), ComponentKind::Window);
    setWindowTitle(QStringLiteral("Morvaks DevuDirurero"));
    m_history = std::make_unique<DrawHistory>(m_directory.path());
    m_shown = std::make_unique<ShownDrawModel>();
    m_gate = std::make_unique<CommandGate>();
    m_sheetModel = std::make_unique<TipSheetModel>();
    // The core's own texts (file and download errors) follow this window's language.
    m_messages.install();

    // The components register themselves as they are made, so this order is the order
    // in which localization walks them: the menu, then the pages from left to right.
    buildMenu();
    buildPages();
    m_status = new StatusPanels(*statusBar());
    routeStatusHints();
    resize(DefaultClientWidth, DesignClientHeight + menuBar()->sizeHint().height());

    // The dialogs follow the main window, as the windows list them.
    m_entryDialog = new DrawEntryDialog(m_messages, this);
    m_numberDialog = new NumberChoiceDialog(*m_services.random, this);
    m_scriptDialog = new ScriptDialog(this);
    m_windows.add(QStringLiteral("Form1"), this, m_components);
    m_windows.add(QStringLiteral("Form3"), m_entryDialog, m_entryDialog->components());
    m_windows.add(QStringLiteral("Form6"), m_numberDialog, m_numberDialog->components());
    m_windows.add(QStringLiteral("XRTForm"), m_scriptDialog, m_scriptDialog->components());

    m_localizer = std::make_unique<Localizer>(m_windows, m_messages, m_directory, *m_services.dialogs);
    m_localizer->setEntries(m_languageEntries);
    // Qt's own buttons speak the language of the design texts until one is chosen.
    m_localizer->applyDesignLanguage();
    connect(
        menuAction(QStringLiteral("Dateispeichern1")), &QAction::triggered, m_localizer.get(), &Localizer::saveTool);
    connect(menuAction(QStringLiteral("DateiLaden1")), &QAction::triggered, m_localizer.get(), &Localizer::load);

    buildControllers();
    connectSubsystems();
    formCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    const auto action = [this](const QString &name, const QString &caption, const QKeySequence &shortcut = {}) {
        auto *a = m_components.add(new QAction(caption, this), name, ComponentKind::MenuItem);
        a->setShortcut(shortcut);
        return a;
    };
    QMenuBar *bar = menuBar();
    bar->addAction(action(
        QStringLiteral("Aktualisieren1"), QStringLiteral("&Ziehungsdaten laden"), QKeySequence(Qt::CTRL | Qt::Key_A)));
    bar->addAction(
        action(QStringLiteral("Berechnen1"), QStringLiteral("&Berechnen"), QKeySequence(Qt::CTRL | Qt::Key_R)));

    m_languageMenu = bar->addMenu(QStringLiteral("Sprache/&Language"));
    m_components.add(m_languageMenu->menuAction(), QStringLiteral("Sprache1"), ComponentKind::MenuItem);
    const auto &languages = Localizer::languages();
    for (size_t i = 0; i < languages.size(); ++i) {
        // The entries always show their own language's name: tag 1 keeps them untranslated.
        const bool chinese = i == 7;
        auto *entry = m_components.add(new QAction(QString::fromUtf16(languages[i].caption), this),
            QString::fromLatin1(languages[i].entry), ComponentKind::MenuItem, chinese ? 0 : 1);
        entry->setCheckable(true);
        const int index = int(i) + 1;
        connect(entry, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
        m_languageMenu->addAction(entry);
        m_languageEntries[i] = entry;
    }
    // The translation tool and the load on its own are for translators: hidden unless the
    // program runs with DEVU_TRANSLATION_TOOLS=1.
    const bool tools = qEnvironmentVariableIntValue("DEVU_TRANSLATION_TOOLS") == 1;
    QAction *separator
        = m_components.add(m_languageMenu->addSeparator(), QStringLiteral("N1"), ComponentKind::MenuItem);
    separator->setVisible(tools);
    for (auto [name, caption] :
        {std::pair{"Dateispeichern1", "Datei &speichern"}, std::pair{"DateiLaden1", "Datei &laden"}}) {
        QAction *tool = action(QString::fromLatin1(name), QString::fromLatin1(caption));
        tool->setVisible(tools);
        m_languageMenu->addAction(tool);
    }

    QAction *submit
        = action(QStringLiteral("Abgeben1"), QStringLiteral("&Abgeben"), QKeySequence(Qt::CTRL | Qt::Key_G));
    // Hidden in the menu bar, yet its shortcut works: a hidden action would be disabled,
    // so it belongs to the window instead of the bar.
    addAction(submit);
    QAction *closeAction = action(QStringLiteral("Schlieen1"), QStringLiteral("&Schließen"));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    bar->addAction(closeAction);
}

void MainWindow::buildPages()
{
    FormBuilder builder(m_components);
    m_pageControl = m_components.add(new QTabWidget, QStringLiteral("PageControl1"), ComponentKind::Other);
    // A page's sheet is registered before the controls on it. Each page scrolls rather
    // than forcing the window to grow when it is scaled up.
    const auto addPage = [&](const QString &name, const QString &caption, const auto &build) {
        auto *scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        builder.tabSheet(name, scroll);
        const int index = m_pageControl->addTab(scroll, caption);
        QWidget *content = build();
        scroll->setWidget(content);
        return index;
    };

    addPage(QStringLiteral("TabSheet1"), QStringLiteral("Tipp-Übersicht"),
        [&] { return m_tipSheet = new TipSheetPage(builder, *m_sheetModel); });
    const int hidden = addPage(
        QStringLiteral("TabSheet2"), QStringLiteral("Zahlen der letzten Ziehung"), [] { return new QWidget; });
    m_pageControl->setTabVisible(hidden, false);
    addPage(QStringLiteral("TabSheet3"), QStringLiteral("Internet-Optionen"),
        [&] { return m_internet = new InternetPage(builder); });
    addPage(QStringLiteral("TabSheet4"), QStringLiteral("Datenbank"),
        [&] { return m_database = new DatabasePage(builder); });
    addPage(QStringLiteral("TabSheet5"), QStringLiteral("Diagramm"), [&] { return m_charts = new ChartPage(builder); });
    addPage(QStringLiteral("TabSheet6"), QStringLiteral("Berechnung"),
        [&] { return m_generation = new GenerationPage(builder); });
    setCentralWidget(m_pageControl);
}

// Every controller gets the pages it drives and the narrow services it needs. The tip
// check comes first: the draw update and the generation ask it to evaluate the sheet.
void MainWindow::buildControllers()
{
    UserDialogs &dialogs = *m_services.dialogs;
    m_pages = std::make_unique<PageSwitcher>(*m_pageControl);
    m_dates = std::make_unique<WindowDates>(*m_database->DateTimePicker1, *m_charts->DateTimePicker2);
    m_drawView = std::make_unique<DrawView>(*m_database, *m_tipSheet->drawLabel(), m_messages);
    m_options = std::make_unique<GenerationOptionsForm>(*m_generation, *m_tipSheet->rowCountSpin());
    m_work = std::make_unique<LongWork>(dialogs);

    m_tipCheck = std::make_unique<TipCheckController>(TipCheckWiring{*m_tipSheet, *m_drawView, *m_dates, *m_history,
        *m_shown, *m_gate, m_directory, dialogs, *m_services.sound, m_messages, *m_options, *m_work});
    m_chartControl = std::make_unique<ChartController>(
        ChartWiring{*m_charts, *m_tipSheet, *m_dates, *m_history, *m_shown, *m_gate, dialogs, m_messages, *m_pages});
    m_drawControl = std::make_unique<DrawController>(*m_database, *m_entryDialog, *m_drawView, *m_dates, *m_history,
        *m_shown, *m_gate, dialogs, m_fileDialogs.save, m_messages, m_directory.path());
    m_drawUpdate
        = std::make_unique<DrawUpdateController>(DrawUpdateWiring{*m_database, *m_internet, *m_drawView, *m_dates,
            *m_history, *m_shown, *m_gate, m_directory, *m_status, dialogs, m_messages, *m_services.http, *m_tipCheck});
    m_tipPicker
        = std::make_unique<TipPickerController>(*m_tipSheet, *m_numberDialog, dialogs, *m_services.random, m_messages);
    m_preferredList = std::make_unique<PreferredListController>(
        *m_numberDialog, dialogs, *m_status, *m_pages, m_tipSheet, m_directory);
    m_generationControl = std::make_unique<GenerationController>(
        GenerationWiring{*m_tipSheet, *m_options, *m_dates, *m_history, *m_shown, *m_gate, *m_status, dialogs,
            *m_services.random, m_messages, *m_pages, *m_tipCheck, *m_preferredList, *m_work});
    m_tipOutput = std::make_unique<TipOutputController>(TipOutputWiring{*m_tipSheet, *m_dates, *m_shown, m_directory,
        dialogs, *m_services.shell, m_messages, m_fileDialogs, *m_tipCheck, *m_status});
    m_handoff = std::make_unique<HandoffController>(
        HandoffWiring{*m_tipSheet, *m_scriptDialog, *m_dates, m_directory, dialogs, *m_services.shell, *m_services.http,
            *m_options, m_fileDialogs.save, *m_status, m_messages, m_services.openScriptSettings});
    m_webLinks = std::make_unique<WebLinkController>(*m_tipSheet, *m_internet, *m_services.shell);
    m_analysis = std::make_unique<AnalysisController>(AnalysisWiring{*m_tipSheet, *m_database, *m_drawView, *m_dates,
        *m_history, *m_shown, *m_gate, *m_charts, m_directory, *m_status, dialogs, *m_services.shell,
        *m_services.random, m_messages, *m_options, *m_options, *m_tipCheck, *m_pages, *m_work,
        [this] { return m_localizer->localeName(); }, [this] { return m_stored.einpreis; }});
}

// What one subsystem does when another has acted, in one place.
void MainWindow::connectSubsystems()
{
    using DrawStatistics::ChartKind;

    // Texts set at run time follow a new language: the generation button's captions, the
    // chart on show, the shown draw's cross sum and the status bar.
    connect(m_localizer.get(), &Localizer::applied, m_status, &StatusPanels::retranslate);
    connect(m_localizer.get(), &Localizer::applied, m_generationControl.get(), &GenerationController::languageApplied);
    connect(m_localizer.get(), &Localizer::applied, m_chartControl.get(), &ChartController::languageApplied);
    connect(m_localizer.get(), &Localizer::applied, this, [this] { m_drawView->languageApplied(); });

    // The draw update starts from three places.
    connect(m_tipSheet->updateButton(), &QAbstractButton::clicked, m_drawUpdate.get(),
        &DrawUpdateController::ziehwerkClick);
    connect(menuAction(QStringLiteral("Aktualisieren1")), &QAction::triggered, m_drawUpdate.get(),
        &DrawUpdateController::ziehwerkClick);
    connectGate();

    connect(menuAction(QStringLiteral("Berechnen1")), &QAction::triggered, m_generationControl.get(),
        &GenerationController::startOrStop);
    connect(
        menuAction(QStringLiteral("Abgeben1")), &QAction::triggered, m_handoff.get(), &HandoffController::onlineTip);
    connect(m_generationControl.get(), &GenerationController::chartComputed, m_chartControl.get(),
        [this](ChartKind kind, const std::vector<Draw> &draws) { m_chartControl->showChart(kind, draws); });

    connect(
        m_database->SpeedButton5, &QAbstractButton::clicked, m_tipCheck.get(), &TipCheckController::showAndEvaluate);
    connect(
        m_drawControl.get(), &DrawController::shownDrawChanged, m_tipCheck.get(), &TipCheckController::komplettcheck);
    connect(m_drawControl.get(), &DrawController::storeChanged, m_tipCheck.get(), &TipCheckController::showAndEvaluate);
    connect(m_tipCheck.get(), &TipCheckController::searchFinished, m_chartControl.get(),
        &ChartController::showSearchTotals);

    // The chart buttons of the other pages.
    ChartController *charts = m_chartControl.get();
    charts->connectButton(m_database->Button2, ChartKind::Pairs, false);
    charts->connectButton(m_database->Button3, ChartKind::Triples, false);
    charts->connectButton(m_database->Button4, ChartKind::Quads, false);
    charts->connectButton(m_database->Button5, ChartKind::Overdue, false);
    charts->connectButton(m_database->Button8, ChartKind::MegaballOverdue, false);
    charts->connectButton(m_generation->SpeedButton26, ChartKind::NumberDistribution, true);
    charts->connectButton(m_generation->SpeedButton23, ChartKind::Pairs, true);
    charts->connectButton(m_generation->SpeedButton24, ChartKind::Triples, true);
    charts->connectButton(m_generation->SpeedButton25, ChartKind::Quads, true);
    charts->connectButton(m_generation->SpeedButton22, ChartKind::Overdue, true);
    charts->connectButton(m_generation->SuperAus, ChartKind::MegaballOverdue, false);
    charts->connectButton(m_generation->Superselten, ChartKind::MegaballFrequency, true);
    connect(m_tipSheet->distributionButton(), &QAbstractButton::clicked, charts, &ChartController::showTipDistribution);
    connect(m_generation, &GenerationPage::labelClicked, charts, [this](QLabel *label) {
        const QLabel *links[]
            = {m_generation->Label88, m_generation->Label89, m_generation->Label91, m_generation->Label90};
        const ChartKind kinds[] = {ChartKind::SumDistribution, ChartKind::Pairs, ChartKind::Triples, ChartKind::Quads};
        for (size_t i = 0; i < std::size(links); ++i)
            if (label == links[i])
                m_chartControl->showOnChartPage(kinds[i]);
    });

    connect(m_generation->upDown(7), &QSpinBox::valueChanged, this,
        [this] { m_generationControl->setAttemptLimit(generationSettings().attemptLimit()); });

    // A typed date that a date field does not take is named in the status bar with why.
    for (QDateEdit *picker : {m_database->DateTimePicker1, m_charts->DateTimePicker2}) {
        auto *field = qobject_cast<DateField *>(picker);
        if (!field)
            continue;
        connect(field, &DateField::refused, this, [this, field](const QString &typed, DateField::Refusal why) {
            m_status->setText(0,
                DateField::refusalText(
                    m_messages, typed, why, field->minimumDate(), field->maximumDate(), field->date()));
        });
    }
}

// The buttons and menu entries of each command the gate holds back.
void MainWindow::connectGate()
{
    using Command = CommandGate::Command;
    const auto action = [this](const char *name) { return menuAction(QString::fromLatin1(name)); };
    const std::pair<Command, std::vector<QObject *>> commands[] = {
        {Command::Generate, {m_tipSheet->generateButton(), action("Berechnen1")}},
        {Command::HistorySearch, {m_tipSheet->searchButton()}},
        {Command::Update, {m_tipSheet->updateButton(), m_database->BitBtn1, action("Aktualisieren1")}},
        {Command::RebuildStore, {m_database->BitBtn2}},
        {Command::DeleteDraw, {m_database->BitBtn6}},
        {Command::EnterDraw, {m_database->BitBtn8}},
        {Command::Analyses, {m_database->BitBtn9, m_database->BitBtn19}},
    };
    connect(m_gate.get(), &CommandGate::changed, this, [this, commands] {
        for (const auto &[command, objects] : commands) {
            const bool allowed = m_gate->allows(command);
            for (QObject *object : objects) {
                if (auto *widget = qobject_cast<QWidget *>(object))
                    widget->setEnabled(allowed);
                else if (auto *entry = qobject_cast<QAction *>(object))
                    entry->setEnabled(allowed);
            }
        }
    });
}

void MainWindow::routeStatusHints()
{
    for (const Component &component : m_components.components()) {
        auto *widget = qobject_cast<QWidget *>(component.object.data());
        if (widget && widget->property(FormWidgets::StatusHintProperty).toBool()) {
            widget->setAttribute(Qt::WA_Hover);
            widget->installEventFilter(this);
        }
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        if (auto *widget = qobject_cast<QWidget *>(watched))
            m_status->setComposedText(
                1, [hovered = QPointer<QWidget>(widget)] { return hovered ? hovered->toolTip() : QString(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::statusText(int panel) const
{
    return m_status->text(panel);
}

QAction *MainWindow::menuAction(const QString &name) const
{
    return m_components.get<QAction>(name);
}

GenerationSettings MainWindow::generationSettings() const
{
    return m_options->generationSettings();
}

void MainWindow::applyGenerationSettings(const GenerationSettings &settings)
{
    m_options->apply(settings);
}

void MainWindow::formCreate()
{
    m_designHeight = height();
    m_generationControl->setAttemptLimit(100000);
    m_shown->setEvaluationEnabled(false);

    if (std::unique_ptr<SettingsStore> store = m_services.openSettings ? m_services.openSettings() : nullptr)
        applySettings(MainWindowSettings::read(*store));
    m_shown->setEvaluationEnabled(true);

    m_generationControl->setAttemptLimit(generationSettings().attemptLimit());
    if (m_services.random)
        m_services.random->seedFromCounter();
    m_shown->setSelectedDate(m_dates->statisticsStart());
    m_dates->setDrawDate(Clock::today());
}

void MainWindow::applySettings(const StoredMainWindow &stored)
{
    const MainWindowValues &values = stored.values;
    m_stored = values;
    m_tipSheet->ticketLabel()->setText(values.ticketNumber);
    // Applying CheckBox31 also sets the maximum of UpDown6, before the spins are set.
    m_options->apply(stored.options.settings);
    if (values.height > 0 || values.width > 0) {
        // A stored size larger than the screen (or absurd, from a damaged settings file)
        // is cut to the screen's free area rather than allocated.
        QSize size(values.width > 0 ? values.width : width(), values.height > 0 ? values.height : height());
        if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
    }
    m_localizer->setStoredLanguage(values.language);
    QStringList repeats;
    for (int row = 1; row <= TipRows::RowCount; ++row) {
        if (m_tipSheet->setRowTexts(row, values.tips[size_t(row - 1)]))
            repeats.append(QString::number(row));
        m_tipSheet->setLocked(row, values.locks[size_t(row - 1)]);
    }
    // Older versions let a row hold a number twice; what they stored is named once.
    if (!repeats.isEmpty())
        m_status->setText(0, m_messages.text(Msg::RepeatsCleared).arg(repeats.join(QStringLiteral(", "))));
    m_internet->Edit81->setText(values.zweipreis);
    // The ticket price is a stored value only: the hidden field shows it, the back-test
    // reads it from the stored values.
    m_internet->Edit82->setText(values.einpreis);
    m_internet->CheckBox21->setChecked(values.browser);
    m_internet->URLEdit->setText(values.connection.urlEdit);
    m_internet->ProxyHostEdit->setText(values.connection.proxyHost);
    m_internet->ProxyPortEdit->setText(values.connection.proxyPort);
    m_internet->DrawServiceUrlEdit->setText(values.connection.drawServiceUrl);
    m_dates->startPicker().setDate(values.statisticsStart);
}

MainWindowValues MainWindow::currentValues() const
{
    MainWindowValues values = m_stored;
    values.height = height();
    values.width = width();
    values.language = m_localizer->languageIndex();
    values.tips = m_tipSheet->sheetTexts();
    for (int row = 1; row <= TipRows::RowCount; ++row)
        values.locks[size_t(row - 1)] = m_tipSheet->isLocked(row);
    values.zweipreis = m_internet->Edit81->text();
    values.browser = m_internet->CheckBox21->isChecked();
    values.connection.urlEdit = m_internet->URLEdit->text();
    values.connection.proxyHost = m_internet->ProxyHostEdit->text();
    values.connection.proxyPort = m_internet->ProxyPortEdit->text();
    values.connection.drawServiceUrl = m_internet->DrawServiceUrlEdit->text();
    values.statisticsStart = m_dates->statisticsStart();
    return values;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_generationControl->stopForClose();
    m_analysis->stopForClose();
    if (m_services.openSettings) {
        if (std::unique_ptr<SettingsStore> store = m_services.openSettings()) {
            const bool normalState = !isMaximized() && !isMinimized() && !isFullScreen();
            MainWindowSettings::write(*store, generationSettings(), currentValues(), normalState);
            // A failed save loses only this session's changes; closing goes on.
            (void)store->save();
        }
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::afterCreation()
{
    if (const int language = m_localizer->languageIndex();
        language >= 1 && language <= int(Localizer::languages().size()))
        chooseLanguage(language);
    m_tipCheck->showAndEvaluate();
    m_chartControl->showChart(DrawStatistics::ChartKind::NumberDistribution);
}

void MainWindow::chooseLanguage(int index)
{
    m_localizer->choose(index);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const int newHeight = event->size().height();
    if (m_designHeight > 0 && newHeight != m_designHeight) {
        scalePages(double(newHeight) / m_designHeight);
        m_designHeight = newHeight;
    }
}

void MainWindow::scalePages(double ratio)
{
    // Child widgets inherit the point size from the page control (their own bold or
    // colour settings stay), so scaling its font scales every page with it.
    if (m_baseFontSize <= 0)
        m_baseFontSize = m_pageControl->font().pointSizeF();
    m_zoom *= ratio;
    QFont font = m_pageControl->font();
    font.setPointSizeF(std::max(1.0, m_baseFontSize * m_zoom));
    m_pageControl->setFont(font);
}
