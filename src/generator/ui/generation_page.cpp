#include "generator/ui/generation_page.h"

#include "ui/form_builder.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Check boxes whose hint also goes to the status bar.
constexpr int statusHintBoxes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 23, 24, 27, 28};

// The spaces in a caption mark where the spin edits sit: "Tipp darf keinen      er aus ...".
QStringList captionParts(const QString &caption)
{
    return caption.split(QRegularExpression(QStringLiteral(" {3,}")));
}

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QWidget *pageOf(QLayout *layout)
{
    layout->setContentsMargins(6, 6, 6, 6);
    auto *page = new QWidget;
    page->setLayout(layout);
    return page;
}
} // namespace

GenerationPage::GenerationPage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    buildControls(builder);
    installCoupledLimits();

    PageControl2 = builder.components().add(new QTabWidget, QStringLiteral("PageControl2"), ComponentKind::Other);
    ComponentList &components = builder.components();
    const auto addPage = [&](QWidget *page, const QString &name, const QString &caption) {
        components.add(page, name, ComponentKind::TabSheet);
        PageControl2->addTab(page, caption);
    };
    addPage(buildMathematisch(), QStringLiteral("TabSheet7"), QStringLiteral("Mathematisch"));
    addPage(buildStatistisch(), QStringLiteral("TabSheet8"), QStringLiteral("Statistisch"));
    addPage(buildScheinOptimierung(), QStringLiteral("TabSheet9"), QStringLiteral("Schein Optimierung"));
    addPage(buildAllgemein(), QStringLiteral("TabSheet10"), QStringLiteral("Allgemein"));
    addPage(buildMegaBall(), QStringLiteral("TabSheet11"), QStringLiteral("MegaBall"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl2);
}

void GenerationPage::buildControls(FormBuilder &builder)
{
    for (const CheckBoxOption &option : GenerationOptions::checkBoxes()) {
        const QString caption = captionParts(QString::fromUtf16(option.caption)).constFirst();
        QCheckBox *box = builder.checkBox(
            QStringLiteral("CheckBox%1").arg(option.number), caption, QString::fromUtf16(option.hint));
        box->setChecked(option.checkedByDefault);
        if (std::find(std::begin(statusHintBoxes), std::end(statusHintBoxes), option.number)
            != std::end(statusHintBoxes))
            FormWidgets::setHint(box, box->toolTip(), true);
        m_checkBoxes[option.number] = box;
    }
    for (const SpinOption &option : GenerationOptions::spins()) {
        if (option.page == OptionPage::TipSheet)
            continue;
        QSpinBox *spin = builder.spin(option);
        m_spins[option.number] = spin;
    }
    for (int number : {4, 5, 6, 11, 17, 18}) // their edits Edit40..42, Edit84, Edit91, Edit92
        FormWidgets::setHint(m_spins[number], m_spins[number]->toolTip(), true);
    for (int number : {12, 13, 14})
        FormWidgets::setHint(m_spins[number], m_spins[number]->toolTip(), true);
    for (const RadioOption &option : GenerationOptions::radioButtons()) {
        QRadioButton *radio = builder.radioButton(
            QStringLiteral("RadioButton%1").arg(option.number), QString::fromUtf16(option.caption));
        radio->setChecked(option.number == 1);
        m_radios[option.number] = radio;
    }
    // Clicking one Megaball choice clears the other two.
    for (auto [number, radio] : m_radios) {
        connect(radio, &QRadioButton::clicked, this, [this, number = number] {
            for (auto [other, button] : m_radios)
                button->setChecked(other == number);
        });
    }

    const auto chartButton = [&](const QString &name) {
        QToolButton *button = builder.speedButton(name, QString(), QStringLiteral("Diagramm anzeigen"));
        button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        return button;
    };
    SpeedButton26 = chartButton(QStringLiteral("SpeedButton26"));
    SpeedButton22 = chartButton(QStringLiteral("SpeedButton22"));
    SpeedButton23 = chartButton(QStringLiteral("SpeedButton23"));
    SpeedButton24 = chartButton(QStringLiteral("SpeedButton24"));
    SpeedButton25 = chartButton(QStringLiteral("SpeedButton25"));
    const auto chartLabel = [&](const QString &name, const QString &text) {
        QLabel *label = builder.label(name, QStringLiteral("<a href=\"#\">%1</a>").arg(text));
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(label, &QLabel::linkActivated, this, [this, label] { emit labelClicked(label); });
        return label;
    };
    Label88 = chartLabel(QStringLiteral("Label88"), QStringLiteral("Quersummen"));
    Label89 = chartLabel(QStringLiteral("Label89"), QStringLiteral("Paare"));
    Label91 = chartLabel(QStringLiteral("Label91"), QStringLiteral("Dreier"));
    Label90 = chartLabel(QStringLiteral("Label90"), QStringLiteral("Vierer"));
    Superselten = builder.speedButton(QStringLiteral("Superselten"), QStringLiteral("Häufigkeit der Megabälle"));
    SuperAus = builder.speedButton(QStringLiteral("SuperAus"), QStringLiteral("Ausstehende Megabälle"));
    for (QToolButton *button : {Superselten, SuperAus})
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

QWidget *GenerationPage::optionRow(
    int checkBox, std::initializer_list<int> spins, std::initializer_list<QWidget *> extras)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    const CheckBoxOption *option = GenerationOptions::checkBox(checkBox);
    const QStringList parts = captionParts(QString::fromUtf16(option->caption));
    row->addWidget(m_checkBoxes.at(checkBox));
    qsizetype part = 1;
    for (int spin : spins) {
        row->addWidget(m_spins.at(spin));
        if (part < parts.size() && !parts[part].trimmed().isEmpty())
            row->addWidget(new QLabel(parts[part]));
        ++part;
    }
    for (QWidget *extra : extras)
        row->addWidget(extra);
    row->addStretch();
    auto *widget = new QWidget;
    widget->setLayout(row);
    return widget;
}

QWidget *GenerationPage::buildMathematisch()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt")));
    auto *sums = new QHBoxLayout;
    sums->addWidget(new QLabel(QStringLiteral("Quersummen von")));
    sums->addWidget(m_spins.at(1));
    sums->addWidget(new QLabel(QStringLiteral("bis")));
    sums->addWidget(m_spins.at(2));
    sums->addWidget(new QLabel(QStringLiteral("im Tipp zulassen")));
    sums->addWidget(Label88);
    sums->addStretch();
    layout->addLayout(sums);
    layout->addWidget(optionRow(22, {10}));
    layout->addWidget(optionRow(25, {15}));
    layout->addWidget(optionRow(26, {16}));
    layout->addWidget(optionRow(8, {}));
    layout->addWidget(optionRow(18, {}));
    layout->addStretch();
    return pageOf(layout);
}

QWidget *GenerationPage::buildStatistisch()
{
    // One grid, so that the spins, the "seltensten" boxes and the chart links line up.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    const auto percent = [] { return new QLabel(QStringLiteral("%")); };
    const auto row = [&](int line, std::initializer_list<QWidget *> widgets) {
        int column = 0;
        for (QWidget *widget : widgets) {
            if (widget)
                grid->addWidget(widget, line, column);
            ++column;
        }
    };
    const auto withUnit = [&](int spin) {
        auto *box = new QWidget;
        auto *layout = new QHBoxLayout(box);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_spins.at(spin));
        layout->addWidget(percent());
        layout->addStretch();
        return box;
    };
    row(0, {m_checkBoxes.at(2), withUnit(12), nullptr, SpeedButton26});
    row(1, {m_checkBoxes.at(14), withUnit(14)});
    row(2, {m_checkBoxes.at(10), withUnit(13), nullptr, SpeedButton22});
    row(3, {m_checkBoxes.at(1), m_checkBoxes.at(11), Label89, SpeedButton23});
    row(4, {m_checkBoxes.at(6), m_checkBoxes.at(12), Label91, SpeedButton24});
    row(5, {m_checkBoxes.at(7), m_checkBoxes.at(13), Label90, SpeedButton25});
    row(6, {m_checkBoxes.at(19)});
    grid->setColumnStretch(4, 1);

    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen")));
    layout->addLayout(grid);
    layout->addStretch();
    return pageOf(layout);
}

QWidget *GenerationPage::buildScheinOptimierung()
{
    auto *layout = new QVBoxLayout;
    layout->setSpacing(2);
    for (auto [box, spins] : std::initializer_list<std::pair<int, std::vector<int>>>{{3, {3}}, {24, {9}}, {27, {}},
             {9, {6}}, {28, {17, 18}}, {4, {4}}, {5, {5}}, {23, {11}}, {31, {}}, {29, {}}, {30, {}}}) {
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        const QStringList parts = captionParts(QString::fromUtf16(GenerationOptions::checkBox(box)->caption));
        row->addWidget(m_checkBoxes.at(box));
        for (size_t i = 0; i < spins.size(); ++i) {
            row->addWidget(m_spins.at(spins[i]));
            if (qsizetype(i + 1) < parts.size())
                row->addWidget(new QLabel(parts[qsizetype(i + 1)]));
        }
        row->addStretch();
        layout->addLayout(row);
    }
    layout->addStretch();
    return pageOf(layout);
}

QWidget *GenerationPage::buildAllgemein()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(QStringLiteral("Allgemeine Berechnungsoptionen")));
    layout->addWidget(optionRow(15, {}));
    layout->addWidget(optionRow(20, {}));
    auto *limit = new QHBoxLayout;
    limit->addWidget(new QLabel(QStringLiteral("Maximale Berechnungsläufe")));
    limit->addWidget(m_spins.at(7));
    limit->addWidget(new QLabel(QStringLiteral("Tausend")));
    limit->addStretch();
    layout->addLayout(limit);
    auto *explanation = new QLabel(QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit "
                                                  "Ihren Einstellungen nicht alle Reihen berechnet werden konnten. "));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    layout->addStretch();
    return pageOf(layout);
}

QWidget *GenerationPage::buildMegaBall()
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(QStringLiteral("Berechnungsoptionen für  den Megaball")));
    RadioGroup1 = new QGroupBox(QStringLiteral("Megaball Option"));
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto *radios = new QVBoxLayout(RadioGroup1);
    for (auto [number, radio] : m_radios)
        radios->addWidget(radio);
    layout->addWidget(RadioGroup1);
    layout->addWidget(optionRow(16, {19}));
    auto *charts = new QHBoxLayout;
    charts->addWidget(Superselten);
    charts->addWidget(SuperAus);
    charts->addStretch();
    layout->addLayout(charts);
    layout->addStretch();
    return pageOf(layout);
}

void GenerationPage::installCoupledLimits()
{
    for (int number : {3, 9, 15, 16})
        m_spins.at(number)->installEventFilter(this);
    // Counting the Megaball makes six and seven matches with a draw possible.
    connect(checkBox(31), &QCheckBox::toggled, this,
        [this](bool on) { upDown(6)->setMaximum(GenerationOptions::upDown6Maximum(on)); });
}

bool GenerationPage::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        // Even plus odd may ask for six of five numbers: such settings simply yield no rows.
        if (watched == upDown(15))
            upDown(15)->setMaximum(6 - upDown(16)->value());
        else if (watched == upDown(16))
            upDown(16)->setMaximum(6 - upDown(15)->value());
        else if (watched == upDown(3) && press) {
            upDown(9)->setMaximum(upDown(3)->value());
            upDown(3)->setMinimum(upDown(9)->value());
        } else if (watched == upDown(9) && release)
            upDown(3)->setMinimum(upDown(9)->value());
    }
    return QWidget::eventFilter(watched, event);
}
