#include "app/ui/main_window.h"

#include "analysis/ui/chart_controller.h"
#include "analysis/ui/chart_page.h"
#include "analysis/ui/tip_check_controller.h"
#include "app/clock.h"
#include "ui/form_builder.h"
#include "draws/ui/internet_page.h"
#include "ui/platform.h"
#include "app/program_directory.h"
#include "app/settings_store.h"
#include "draws/ui/database_page.h"
#include "draws/ui/draw_controller.h"
#include "draws/draw_store.h"
#include "draws/ui/draw_update_controller.h"
#include "generator/ui/generation_controller.h"
#include "generator/ui/generation_page.h"
#include "generator/generation_settings_store.h"
#include "generator/random_source.h"
#include "tipsheet/ui/number_choice_dialog.h"
#include "tipsheet/ui/tip_picker_controller.h"
#include "tipsheet/ui/tip_sheet_page.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>

#include <array>

namespace {
struct LanguageEntry {
    const char *name;
    const char16_t *caption;
};
constexpr std::array<LanguageEntry, 8> languageEntries{{
    {"Deutsch1", u"Deutsch"},
    {"Englich1", u"English"},
    {"Franz1", u"français"},
    {"Spanisch1", u"espagnol"},
    {"Italenisch1", u"italiano"},
    {"Russisch1", u"русский"},
    {"Porugiesisch1", u"português"},
    {"N2", u"中国的"},
}};

const QString defaultUrl = QStringLiteral("http://127.0.0.1:8787/");

// Reads values in order until one has the wrong type; the rest of the group is then
// skipped and keeps its design values. Absent values are skipped without ending it.
class GroupReader {
public:
    explicit GroupReader(const SettingsStore &store)
        : m_store(store)
    { }
    bool failed() const { return m_failed; }

    template <typename Apply> void integer(const QString &name, Apply apply) { read(m_store.readInteger(name), apply); }
    template <typename Apply> void text(const QString &name, Apply apply) { read(m_store.readString(name), apply); }
    void failed(bool value) { m_failed = m_failed || value; }

private:
    template <typename T, typename Apply> void read(const Result<std::optional<T>> &value, Apply apply)
    {
        if (m_failed)
            return;
        if (!value) {
            m_failed = true;
            return;
        }
        if (value->has_value())
            apply(**value);
    }

    const SettingsStore &m_store;
    bool m_failed = false;
};
} // namespace

MainWindow::MainWindow(const QString &programDirectory, Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
{
    m_components.add(this, QStringLiteral("Form1"), ComponentKind::Window);
    setWindowTitle(QStringLiteral("Morvaks DevuDirurero"));
    m_state.programDirectory = ProgramDirectory(programDirectory).path();

    buildMenu();
    buildPages();
    buildStatusBar();
    routeStatusHints();
    resize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());

    m_tipCheck = std::make_unique<TipCheckController>(*this);
    m_chartControl = std::make_unique<ChartController>(*this);
    m_drawControl = std::make_unique<DrawController>(*this);
    m_drawUpdate = std::make_unique<DrawUpdateController>(*this);
    m_tipPicker = std::make_unique<TipPickerController>(*this);
    m_generationControl = std::make_unique<GenerationController>(*this);

    formCreate();
}

MainWindow::~MainWindow() = default;

NumberChoiceDialog *MainWindow::numberDialog() const
{
    return m_tipPicker ? m_tipPicker->dialog() : nullptr;
}

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
    for (size_t i = 0; i < languageEntries.size(); ++i) {
        // The entries always show their own language's name: tag 1 keeps them untranslated.
        const bool chinese = i == 7;
        auto *entry = m_components.add(new QAction(QString::fromUtf16(languageEntries[i].caption), this),
            QString::fromLatin1(languageEntries[i].name), ComponentKind::MenuItem, chinese ? 0 : 1);
        entry->setCheckable(true);
        const int index = int(i) + 1;
        connect(entry, &QAction::triggered, this, [this, index] { chooseLanguage(index); });
        m_languageMenu->addAction(entry);
    }
    QAction *separator
        = m_components.add(m_languageMenu->addSeparator(), QStringLiteral("N1"), ComponentKind::MenuItem);
    separator->setVisible(false);
    for (auto [name, caption] :
        {std::pair{"Dateispeichern1", "Datei &speichern"}, std::pair{"DateiLaden1", "Datei &laden"}}) {
        QAction *tool = action(QString::fromLatin1(name), QString::fromLatin1(caption));
        tool->setVisible(false);
        tool->setEnabled(false);
        m_languageMenu->addAction(tool);
    }

    QAction *submit
        = action(QStringLiteral("Abgeben1"), QStringLiteral("&Abgeben"), QKeySequence(Qt::CTRL | Qt::Key_G));
    submit->setVisible(false);
    submit->setEnabled(false);
    bar->addAction(submit);
    QAction *closeAction = action(QStringLiteral("Schlieen1"), QStringLiteral("&Schließen"));
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    bar->addAction(closeAction);
}

void MainWindow::buildPages()
{
    FormBuilder builder(m_components);
    m_pageControl = m_components.add(new QTabWidget, QStringLiteral("PageControl1"), ComponentKind::Other);
    const auto addPage = [&](QWidget *content, const QString &name, const QString &caption) {
        // Each page scrolls rather than forcing the window to grow when it is scaled up.
        auto *scroll = new QScrollArea;
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(content);
        m_components.add(scroll, name, ComponentKind::TabSheet);
        return m_pageControl->addTab(scroll, caption);
    };

    m_tipSheet = new TipSheetPage(builder);
    addPage(m_tipSheet, QStringLiteral("TabSheet1"), QStringLiteral("Tipp-Übersicht"));
    const int hidden = addPage(new QWidget, QStringLiteral("TabSheet2"), QStringLiteral("Zahlen der letzten Ziehung"));
    m_pageControl->setTabVisible(hidden, false);
    m_internet = new InternetPage(builder);
    addPage(m_internet, QStringLiteral("TabSheet3"), QStringLiteral("Internet-Optionen"));
    m_database = new DatabasePage(builder);
    addPage(m_database, QStringLiteral("TabSheet4"), QStringLiteral("Datenbank"));
    m_charts = new ChartPage(builder);
    addPage(m_charts, QStringLiteral("TabSheet5"), QStringLiteral("Diagramm"));
    m_generation = new GenerationPage(builder);
    addPage(m_generation, QStringLiteral("TabSheet6"), QStringLiteral("Berechnung"));
    setCentralWidget(m_pageControl);

    connect(m_generation->upDown(7), &QSpinBox::valueChanged, this,
        [this](int value) { m_state.attemptLimit = value * 1000; });
}

void MainWindow::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    for (size_t i = 0; i < m_statusPanels.size(); ++i) {
        m_statusPanels[i] = new QLabel;
        m_statusPanels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
    }
    m_statusPanels[0]->setFixedWidth(150);
    m_statusPanels[1]->setMinimumWidth(50);
    bar->addWidget(m_statusPanels[0]);
    bar->addWidget(m_statusPanels[1], 1);
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
            setStatusText(1, widget->toolTip());
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::setStatusText(int panel, const QString &text)
{
    m_statusPanels.at(size_t(panel))->setText(text);
}

QString MainWindow::statusText(int panel) const
{
    return m_statusPanels.at(size_t(panel))->text();
}

void MainWindow::showPage(QWidget *page)
{
    for (int i = 0; i < m_pageControl->count(); ++i) {
        auto *scroll = qobject_cast<QScrollArea *>(m_pageControl->widget(i));
        if (m_pageControl->widget(i) == page || (scroll && scroll->widget() == page)) {
            m_pageControl->setCurrentIndex(i);
            return;
        }
    }
}

QString MainWindow::dataFilePath(const QString &name) const
{
    return ProgramDirectory(m_state.programDirectory).filePath(name);
}
QString MainWindow::drawStorePath() const
{
    return dataFilePath(QString::fromLatin1(DrawStore::FileName));
}
QString MainWindow::hitSoundPath() const
{
    return dataFilePath(QStringLiteral("yippee.wav"));
}

QAction *MainWindow::menuAction(const QString &name) const
{
    return m_components.get<QAction>(name);
}

GenerationSettings MainWindow::generationSettings() const
{
    GenerationSettings settings;
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        settings.setCheckBox(option.number, m_generation->checkBox(option.number)->isChecked());
    for (const SpinOption &option : GenerationOptions::spins()) {
        const QSpinBox *spin = option.number == 8 ? m_tipSheet->rowCountSpin() : m_generation->upDown(option.number);
        settings.setUpDown(option.number, spin->value());
    }
    settings.megaballOption = 1;
    for (const RadioOption &option : GenerationOptions::radioButtons())
        if (m_generation->radioButton(option.number)->isChecked())
            settings.megaballOption = option.number;
    return settings;
}

void MainWindow::applyGenerationSettings(const GenerationSettings &settings)
{
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        m_generation->checkBox(option.number)->setChecked(settings.checkBox(option.number));
    for (const RadioOption &option : GenerationOptions::radioButtons())
        m_generation->radioButton(option.number)->setChecked(settings.megaballOption == option.number);
    for (const SpinOption &option : GenerationOptions::spins()) {
        QSpinBox *spin = option.number == 8 ? m_tipSheet->rowCountSpin() : m_generation->upDown(option.number);
        spin->setValue(settings.upDown(option.number));
    }
}

void MainWindow::formCreate()
{
    m_state.designHeight = height();
    m_state.attemptLimit = 100000;
    m_state.editChecksEnabled = false;

    std::unique_ptr<SettingsStore> store = m_services.openSettings ? m_services.openSettings() : nullptr;
    if (store)
        readSettings(*store);

    m_state.attemptLimit = m_generation->upDown(7)->value() * 1000;
    if (m_internet->ProxyHostEdit->text().isEmpty())
        m_internet->ProxyPortEdit->setText(QStringLiteral("80"));
    if (m_services.random)
        m_services.random->seedFromCounter();
    m_state.selectedDate = m_charts->DateTimePicker2->date();
    m_database->DateTimePicker1->setDate(Clock::today());
}

void MainWindow::readSettings(SettingsStore &store)
{
    if (const auto ticket = store.readString(QStringLiteral("Losnummer")); ticket && ticket->has_value())
        m_tipSheet->ticketLabel()->setText(**ticket);
    if (const auto neuerSchein = store.readInteger(QStringLiteral("NeuerSchein"));
        neuerSchein && neuerSchein->has_value())
        m_neuerSchein = **neuerSchein;

    // First group: the options, then the window's own values and the language.
    const StoredGenerationSettings options = GenerationSettingsStore::read(store);
    // Applying CheckBox31 also sets the maximum of UpDown6, before the spins are set.
    applyGenerationSettings(options.settings);

    GroupReader first(store);
    first.failed(!options.checkGroupComplete);
    first.integer(QStringLiteral("Land"), [this](int value) { m_land = value; });
    int storedHeight = height();
    int storedWidth = width();
    first.integer(QStringLiteral("height"), [&](int value) { storedHeight = value; });
    first.integer(QStringLiteral("width"), [&](int value) { storedWidth = value; });
    if (!first.failed())
        resize(storedWidth, storedHeight);
    first.integer(QStringLiteral("TippTop"), [this](int value) { m_tippTop = value; });
    first.integer(QStringLiteral("TippLeft"), [this](int value) { m_tippLeft = value; });
    if (!first.failed()) {
        m_state.languageIndex = 2;
        first.integer(QStringLiteral("Sprache"), [this](int value) { m_state.languageIndex = value; });
    }

    // Second group: the spin positions (read with the options above), then the tip fields.
    GroupReader second(store);
    second.failed(!options.spinGroupComplete);
    for (const QString &name : TipRows::storedFieldNames()) {
        auto *field = m_components.get<QLineEdit>(name);
        second.text(name, [field](const QString &value) { field->setText(value); });
    }

    GroupReader third(store);
    third.text(QStringLiteral("ZWEIPREIS"), [this](const QString &value) { m_internet->Edit81->setText(value); });
    third.text(QStringLiteral("EINPREIS"), [this](const QString &value) { m_internet->Edit82->setText(value); });
    if (const auto browser = store.value(QStringLiteral("Browser"))) {
        // A text stored here by older versions reads as unchecked.
        if (browser->type == RegistryValue::Type::Integer)
            m_internet->CheckBox21->setChecked(browser->integer != 0);
        else if (browser->type == RegistryValue::Type::String)
            m_internet->CheckBox21->setChecked(false);
    }

    m_state.editChecksEnabled = true;

    m_internet->URLEdit->setText(defaultUrl);
    GroupReader fourth(store);
    fourth.text(QStringLiteral("URLEdit"), [this](const QString &value) { m_internet->URLEdit->setText(value); });
    fourth.text(
        QStringLiteral("ProxyHostEdit"), [this](const QString &value) { m_internet->ProxyHostEdit->setText(value); });
    fourth.text(
        QStringLiteral("ProxyPortEdit"), [this](const QString &value) { m_internet->ProxyPortEdit->setText(value); });
    fourth.text(QStringLiteral("DrawServiceUrl"),
        [this](const QString &value) { m_internet->DrawServiceUrlEdit->setText(value); });

    QDateEdit *start = m_charts->DateTimePicker2;
    const auto storedStart = store.readDate(QStringLiteral("DateTimePicker2"));
    start->setDate(storedStart && storedStart->has_value() ? **storedStart : start->minimumDate());
    if (start->date() > Clock::today().addDays(-7))
        start->setDate(ChartPage::startPickerMinimum());
}

void MainWindow::writeSettings(SettingsStore &store) const
{
    store.writeInteger(QStringLiteral("NeuerSchein"), m_neuerSchein);
    const GenerationSettings settings = generationSettings();
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes())
        store.writeBool(GenerationOptions::checkBoxValueName(option.number), settings.checkBox(option.number));
    for (const RadioOption &option : GenerationOptions::radioButtons())
        store.writeBool(GenerationOptions::radioValueName(option.number), settings.megaballOption == option.number);
    if (!isMaximized() && !isMinimized() && !isFullScreen()) {
        store.writeInteger(QStringLiteral("height"), height());
        store.writeInteger(QStringLiteral("width"), width());
    }
    store.writeInteger(QStringLiteral("Sprache"), m_state.languageIndex);
    store.writeInteger(QStringLiteral("TippTop"), m_tippTop);
    store.writeInteger(QStringLiteral("TippLeft"), m_tippLeft);
    for (const SpinOption &option : GenerationOptions::spins())
        store.writeInteger(GenerationOptions::spinValueName(option.number), settings.upDown(option.number));
    for (const QString &name : TipRows::storedFieldNames())
        store.writeString(name, m_components.get<QLineEdit>(name)->text());
    store.writeString(QStringLiteral("ZWEIPREIS"), m_internet->Edit81->text());
    store.writeString(QStringLiteral("EINPREIS"), m_internet->Edit82->text());
    store.writeBool(QStringLiteral("Browser"), m_internet->CheckBox21->isChecked());
    store.writeString(QStringLiteral("URLEdit"), m_internet->URLEdit->text());
    store.writeString(QStringLiteral("ProxyHostEdit"), m_internet->ProxyHostEdit->text());
    store.writeString(QStringLiteral("ProxyPortEdit"), m_internet->ProxyPortEdit->text());
    store.writeString(QStringLiteral("DrawServiceUrl"), m_internet->DrawServiceUrlEdit->text());
    store.writeDate(QStringLiteral("DateTimePicker2"), m_charts->DateTimePicker2->date());
    store.writeInteger(QStringLiteral("Land"), m_land);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    m_generationControl->stopForClose();
    if (m_services.openSettings) {
        if (std::unique_ptr<SettingsStore> store = m_services.openSettings()) {
            writeSettings(*store);
            // A failed save loses only this session's changes; closing goes on.
            (void)store->save();
        }
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::afterCreation()
{
    if (m_state.languageIndex >= 1 && m_state.languageIndex <= int(languageEntries.size()))
        chooseLanguage(m_state.languageIndex);
    m_tipCheck->showAndEvaluate();
    m_chartControl->showChart(DrawStatistics::ChartKind::NumberDistribution);
}

void MainWindow::chooseLanguage(int index)
{
    for (size_t i = 0; i < languageEntries.size(); ++i)
        menuAction(QString::fromLatin1(languageEntries[i].name))->setChecked(int(i) + 1 == index);
    m_state.languageIndex = index;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    const int newHeight = event->size().height();
    if (m_state.designHeight > 0 && newHeight != m_state.designHeight) {
        scalePages(double(newHeight) / m_state.designHeight);
        m_state.designHeight = newHeight;
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
