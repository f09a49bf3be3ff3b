#include "generator/ui/generation_page.h"

#include "ui/form_builder.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {
// Check boxes whose hint also goes to the status bar.
constexpr int statusHintBoxes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 23, 24, 27, 28};

QWidget *pageOf(QWidget *sheet, QLayout *layout)
{
    layout->setContentsMargins(6, 6, 6, 6);
    sheet->setLayout(layout);
    return sheet;
}
} // namespace

GenerationPage::GenerationPage(FormBuilder &builder, QWidget *parent)
    : QWidget(parent)
{
    PageControl2 = builder.components().add(new QTabWidget, QStringLiteral("PageControl2"), ComponentKind::Other);
    // Each sheet is registered before the controls on it, and those in the order they
    // stand on the sheet.
    const auto addPage
        = [&](QWidget *(GenerationPage::*build)(FormBuilder &, QWidget *), const char *name, const QString &caption) {
              QWidget *sheet = builder.tabSheet(QString::fromLatin1(name), new QWidget);
              PageControl2->addTab((this->*build)(builder, sheet), caption);
          };
    addPage(&GenerationPage::buildMathematisch, "TabSheet7", QStringLiteral("Mathematisch"));
    addPage(&GenerationPage::buildStatistisch, "TabSheet8", QStringLiteral("Statistisch"));
    addPage(&GenerationPage::buildScheinOptimierung, "TabSheet9", QStringLiteral("Schein Optimierung"));
    addPage(&GenerationPage::buildAllgemein, "TabSheet10", QStringLiteral("Allgemein"));
    addPage(&GenerationPage::buildMegaBall, "TabSheet11", QStringLiteral("MegaBall"));
    installCoupledLimits();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl2);
}

CaptionCheckBox *GenerationPage::makeCheckBox(FormBuilder &builder, int number)
{
    const CheckBoxOption &option = *GenerationOptions::checkBox(number);
    CaptionCheckBox *box = builder.captionCheckBox(
        QStringLiteral("CheckBox%1").arg(number), QString::fromUtf16(option.caption), QString::fromUtf16(option.hint));
    box->setChecked(option.checkedByDefault);
    if (std::find(std::begin(statusHintBoxes), std::end(statusHintBoxes), number) != std::end(statusHintBoxes))
        FormWidgets::setHint(box, box->toolTip(), true);
    m_checkBoxes[number] = box;
    return box;
}

QSpinBox *GenerationPage::makeSpin(FormBuilder &builder, int number)
{
    const SpinOption &option = *GenerationOptions::spin(number);
    QSpinBox *spin = builder.spin(GenerationOptions::spinValueName(number), option.minimum, option.maximum,
        option.defaultValue, QStringLiteral("Edit%1").arg(option.editNumber));
    // The edits Edit40..42, Edit84..87, Edit91 and Edit92 show their hints in the status bar.
    for (int statusHint : {4, 5, 6, 11, 12, 13, 14, 17, 18})
        if (number == statusHint)
            FormWidgets::setHint(spin, spin->toolTip(), true);
    m_spins[number] = spin;
    return spin;
}

QToolButton *GenerationPage::makeChartButton(FormBuilder &builder, const QString &name)
{
    QToolButton *button = builder.speedButton(name, QString(), QStringLiteral("Diagramm anzeigen"));
    button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    return button;
}

LinkLabel *GenerationPage::makeChartLabel(FormBuilder &builder, const QString &name, const QString &text)
{
    LinkLabel *label = builder.linkLabel(name, text);
    connect(label, &LinkLabel::clicked, this, [this, label] { emit labelClicked(label); });
    return label;
}

QLabel *GenerationPage::heading(FormBuilder &builder, const QString &name, const QString &text)
{
    QLabel *label = builder.label(name, text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

// A check box, its spins and the pieces of its caption between them, on one line.
QWidget *GenerationPage::optionRow(FormBuilder &builder, int checkBox, const std::vector<int> &spins)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    CaptionCheckBox *box = makeCheckBox(builder, checkBox);
    row->addWidget(box);
    int piece = 1;
    for (int spin : spins) {
        row->addWidget(makeSpin(builder, spin));
        row->addWidget(box->piece(piece++));
    }
    row->addStretch();
    auto *widget = new QWidget;
    widget->setLayout(row);
    return widget;
}

QWidget *GenerationPage::buildMathematisch(FormBuilder &builder, QWidget *sheet)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(builder, QStringLiteral("Label100"),
        QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt")));
    auto *sums = new QHBoxLayout;
    sums->addWidget(builder.label(QStringLiteral("Label101"), QStringLiteral("Quersummen von")));
    sums->addWidget(makeSpin(builder, 1));
    sums->addWidget(builder.label(QStringLiteral("Label102"), QStringLiteral("bis")));
    sums->addWidget(makeSpin(builder, 2));
    sums->addWidget(builder.label(QStringLiteral("Label103"), QStringLiteral("im Tipp zulassen")));
    Label88 = makeChartLabel(builder, QStringLiteral("Label88"), QStringLiteral("Quersummen"));
    sums->addWidget(Label88);
    sums->addStretch();
    layout->addLayout(sums);
    layout->addWidget(optionRow(builder, 22, {10}));
    layout->addWidget(optionRow(builder, 25, {15}));
    layout->addWidget(optionRow(builder, 26, {16}));
    layout->addWidget(optionRow(builder, 8, {}));
    layout->addWidget(optionRow(builder, 18, {}));
    layout->addStretch();
    return pageOf(sheet, layout);
}

QWidget *GenerationPage::buildStatistisch(FormBuilder &builder, QWidget *sheet)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(
        heading(builder, QStringLiteral("Label104"), QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen")));
    // One grid, so that the spins, the "seltensten" boxes and the chart links line up.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    int percentLabel = 105;
    const auto withUnit = [&](int spin) {
        auto *box = new QWidget;
        auto *unit = new QHBoxLayout(box);
        unit->setContentsMargins(0, 0, 0, 0);
        unit->addWidget(makeSpin(builder, spin));
        unit->addWidget(builder.label(QStringLiteral("Label%1").arg(percentLabel++), QStringLiteral("%")));
        unit->addStretch();
        return box;
    };
    const auto row = [&](int line, std::initializer_list<QWidget *> widgets) {
        int column = 0;
        for (QWidget *widget : widgets) {
            if (widget)
                grid->addWidget(widget, line, column);
            ++column;
        }
    };
    // Built line by line, so that the controls are created in the order they stand.
    QWidget *box = makeCheckBox(builder, 2);
    QWidget *spin = withUnit(12);
    SpeedButton26 = makeChartButton(builder, QStringLiteral("SpeedButton26"));
    row(0, {box, spin, nullptr, SpeedButton26});
    box = makeCheckBox(builder, 14);
    row(1, {box, withUnit(14)});
    box = makeCheckBox(builder, 10);
    spin = withUnit(13);
    SpeedButton22 = makeChartButton(builder, QStringLiteral("SpeedButton22"));
    row(2, {box, spin, nullptr, SpeedButton22});
    const auto groupRow
        = [&](int line, int frequent, int rare, const char *labelName, const QString &text, const char *buttonName) {
              QWidget *first = makeCheckBox(builder, frequent);
              QWidget *second = makeCheckBox(builder, rare);
              LinkLabel *label = makeChartLabel(builder, QString::fromLatin1(labelName), text);
              QToolButton *button = makeChartButton(builder, QString::fromLatin1(buttonName));
              row(line, {first, second, label, button});
              return std::pair{label, button};
          };
    std::tie(Label89, SpeedButton23) = groupRow(3, 1, 11, "Label89", QStringLiteral("Paare"), "SpeedButton23");
    std::tie(Label91, SpeedButton24) = groupRow(4, 6, 12, "Label91", QStringLiteral("Dreier"), "SpeedButton24");
    std::tie(Label90, SpeedButton25) = groupRow(5, 7, 13, "Label90", QStringLiteral("Vierer"), "SpeedButton25");
    row(6, {makeCheckBox(builder, 19)});
    grid->setColumnStretch(4, 1);
    layout->addLayout(grid);
    layout->addStretch();
    return pageOf(sheet, layout);
}

QWidget *GenerationPage::buildScheinOptimierung(FormBuilder &builder, QWidget *sheet)
{
    auto *layout = new QVBoxLayout;
    layout->setSpacing(2);
    for (auto [box, spins] : std::initializer_list<std::pair<int, std::vector<int>>>{{3, {3}}, {24, {9}}, {27, {}},
             {9, {6}}, {28, {17, 18}}, {4, {4}}, {5, {5}}, {23, {11}}, {31, {}}, {29, {}}, {30, {}}})
        layout->addWidget(optionRow(builder, box, spins));
    layout->addStretch();
    return pageOf(sheet, layout);
}

QWidget *GenerationPage::buildAllgemein(FormBuilder &builder, QWidget *sheet)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(heading(builder, QStringLiteral("Label108"), QStringLiteral("Allgemeine Berechnungsoptionen")));
    layout->addWidget(optionRow(builder, 15, {}));
    layout->addWidget(optionRow(builder, 20, {}));
    auto *limit = new QHBoxLayout;
    limit->addWidget(builder.label(QStringLiteral("Label109"), QStringLiteral("Maximale Berechnungsläufe")));
    limit->addWidget(makeSpin(builder, 7));
    limit->addWidget(builder.label(QStringLiteral("Label110"), QStringLiteral("Tausend")));
    limit->addStretch();
    layout->addLayout(limit);
    QLabel *explanation = builder.label(QStringLiteral("Label111"),
        QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit "
                       "Ihren Einstellungen nicht alle Reihen berechnet werden konnten. "));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    layout->addStretch();
    return pageOf(sheet, layout);
}

QWidget *GenerationPage::buildMegaBall(FormBuilder &builder, QWidget *sheet)
{
    auto *layout = new QVBoxLayout;
    layout->addWidget(
        heading(builder, QStringLiteral("Label112"), QStringLiteral("Berechnungsoptionen für  den Megaball")));
    RadioGroup1 = builder.radioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Megaball Option"));
    auto *radios = new QVBoxLayout(RadioGroup1);
    for (const RadioOption &option : GenerationOptions::radioButtons()) {
        QRadioButton *radio = builder.radioButton(
            QStringLiteral("RadioButton%1").arg(option.number), QString::fromUtf16(option.caption));
        radio->setChecked(option.number == 1);
        m_radios[option.number] = radio;
        radios->addWidget(radio);
    }
    // Clicking one Megaball choice clears the other two.
    for (auto [number, radio] : m_radios) {
        connect(radio, &QRadioButton::clicked, this, [this, number = number] {
            for (auto [other, button] : m_radios)
                button->setChecked(other == number);
        });
    }
    layout->addWidget(RadioGroup1);
    layout->addWidget(optionRow(builder, 16, {19}));
    Superselten = builder.speedButton(QStringLiteral("Superselten"), QStringLiteral("Häufigkeit der Megabälle"));
    SuperAus = builder.speedButton(QStringLiteral("SuperAus"), QStringLiteral("Ausstehende Megabälle"));
    auto *charts = new QHBoxLayout;
    for (QToolButton *button : {Superselten, SuperAus}) {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        charts->addWidget(button);
    }
    charts->addStretch();
    layout->addLayout(charts);
    layout->addStretch();
    return pageOf(sheet, layout);
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
