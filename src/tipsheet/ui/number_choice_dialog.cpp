#include "tipsheet/ui/number_choice_dialog.h"

#include "generator/random_source.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int Columns = 15;
constexpr int DataTag = 8;
const QColor highlightColour(255, 255, 0);
} // namespace

NumberChoiceDialog::NumberChoiceDialog(RandomSource &random, QWidget *parent)
    : QDialog(parent)
    , m_random(random)
{
    m_components.add(static_cast<QDialog *>(this), QStringLiteral("Form6"), ComponentKind::Window);
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int number = 1; number <= BoxCount; ++number) {
        // Tag 8: the boxes' captions are their numbers and their hints the list's weights,
        // data that no language may replace.
        auto *box = m_components.add(new QCheckBox(QString::number(number)), QStringLiteral("CheckBox%1").arg(number),
            ComponentKind::CheckBox, DataTag);
        box->setChecked(true);
        box->setAutoFillBackground(true);
        m_boxes[size_t(number - 1)] = box;
        connect(box, &QCheckBox::toggled, this, &NumberChoiceDialog::updatePickLimit);
        grid->addWidget(box, (number - 1) / Columns, (number - 1) % Columns);
    }
    resetBoxes(BoxCount);
    for (int number = 1; number <= BoxCount; ++number)
        box(number)->setChecked(true);

    SpeedButton1 = m_components.add(new QToolButton, QStringLiteral("SpeedButton1"), ComponentKind::SpeedButton);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    SpeedButton1->setToolTip(QStringLiteral("Speichern der Liste"));
    SpeedButton2 = m_components.add(new QToolButton, QStringLiteral("SpeedButton2"), ComponentKind::SpeedButton);
    SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    SpeedButton2->setToolTip(QStringLiteral("Laden der Liste"));
    BitBtn1 = m_components.add(
        new QPushButton(QStringLiteral("OK")), QStringLiteral("BitBtn1"), ComponentKind::BitmapButton);
    BitBtn2 = m_components.add(
        new QPushButton(QStringLiteral("Abbrechen")), QStringLiteral("BitBtn2"), ComponentKind::BitmapButton);
    BitBtn3 = m_components.add(
        new QPushButton(QStringLiteral("&Rechnen")), QStringLiteral("BitBtn3"), ComponentKind::BitmapButton);
    BitBtn4 = m_components.add(
        new QPushButton(QStringLiteral("&Zufall")), QStringLiteral("BitBtn4"), ComponentKind::BitmapButton);
    BitBtn4->setVisible(false);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(25);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { done(Ok); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { done(Abort); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { done(Recalculate); });
    connect(BitBtn4, &QPushButton::clicked, this, &NumberChoiceDialog::randomButtonClicked);
    connect(Timer1, &QTimer::timeout, this, &NumberChoiceDialog::timerTick);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

std::vector<int> NumberChoiceDialog::checkedNumbers() const
{
    std::vector<int> numbers;
    for (int number = 1; number <= BoxCount; ++number)
        if (box(number)->isChecked())
            numbers.push_back(number);
    return numbers;
}

void NumberChoiceDialog::setBoxMarked(int number, bool marked)
{
    QCheckBox *target = box(number);
    target->setChecked(marked);
    QPalette palette = target->palette();
    palette.setColor(QPalette::Window, marked ? highlightColour : this->palette().color(QPalette::ToolTipBase));
    target->setPalette(palette);
}

bool NumberChoiceDialog::isBoxHighlighted(int number) const
{
    return box(number)->palette().color(QPalette::Window) == highlightColour;
}

void NumberChoiceDialog::resetBoxes(int upTo)
{
    for (int number = 1; number <= std::min(upTo, BoxCount); ++number)
        setBoxMarked(number, false);
}

PreferredNumberList NumberChoiceDialog::preferredList() const
{
    PreferredNumberList list;
    for (const QCheckBox *entry : m_boxes)
        list.push_back({entry->isChecked(), entry->toolTip()});
    return list;
}

void NumberChoiceDialog::setPreferredList(const PreferredNumberList &list)
{
    for (size_t i = 0; i < m_boxes.size() && i < list.size(); ++i) {
        m_boxes[i]->setChecked(list[i].checked);
        m_boxes[i]->setToolTip(list[i].weight);
    }
}

void NumberChoiceDialog::beginPickMode(const QString &idleCaption, const QString &runningWord, int count, int highest)
{
    m_idleCaption = idleCaption;
    m_runningWord = runningWord;
    m_count = count;
    m_highest = std::clamp(highest, count, int(BoxCount));
    m_nextToFreeze = 1;
    m_pickMode = true;
    BitBtn4->setText(idleCaption);
    BitBtn4->setVisible(true);
    BitBtn3->setVisible(false);
    updatePickLimit();
}

// A row takes five numbers: once as many boxes are checked, the others cannot be, so
// that a sixth tick is not silently dropped on OK. The random draw sets boxes itself.
void NumberChoiceDialog::updatePickLimit()
{
    const bool limited = m_pickMode && !isRandomRunning();
    const int checked = limited ? int(checkedNumbers().size()) : 0;
    for (QCheckBox *entry : m_boxes)
        entry->setEnabled(!limited || entry->isChecked() || checked < m_count);
}

void NumberChoiceDialog::endPickMode(const QString &caption)
{
    stopRandom();
    m_pickMode = false;
    updatePickLimit();
    BitBtn4->setVisible(false);
    BitBtn3->setVisible(true);
    for (int number = 1; number <= BoxCount; ++number) {
        QPalette palette = box(number)->palette();
        palette.setColor(QPalette::Window, this->palette().color(QPalette::ToolTipBase));
        box(number)->setPalette(palette);
    }
    setWindowTitle(caption);
}

bool NumberChoiceDialog::isRandomRunning() const
{
    return Timer1->isActive();
}

void NumberChoiceDialog::randomButtonClicked()
{
    if (!isRandomRunning()) {
        resetBoxes(m_highest);
        m_frozen.clear();
        m_shown.clear();
        m_nextToFreeze = 1;
        Timer1->start();
        updatePickLimit();
        return;
    }
    // The number shown at the position being frozen is the one the user saw.
    const size_t position = size_t(m_nextToFreeze - 1);
    if (position < m_shown.size())
        m_frozen.push_back(m_shown[position]);
    if (m_nextToFreeze >= m_count) {
        stopRandom();
        return;
    }
    ++m_nextToFreeze;
}

void NumberChoiceDialog::timerTick()
{
    BitBtn4->setText(QString::number(m_nextToFreeze) + QLatin1Char(' ') + m_runningWord);
    resetBoxes(BoxCount);
    m_shown = m_frozen;
    for (int number : m_frozen)
        setBoxMarked(number, true);
    for (int position = m_nextToFreeze; position <= m_count; ++position) {
        int number = 0;
        do {
            number = 1 + int(m_random.below(quint32(m_highest)));
        } while (box(number)->isChecked());
        setBoxMarked(number, true);
        m_shown.push_back(number);
    }
}

void NumberChoiceDialog::stopRandom()
{
    Timer1->stop();
    BitBtn4->setText(m_idleCaption);
    m_nextToFreeze = 1;
    updatePickLimit();
}

void NumberChoiceDialog::done(int result)
{
    stopRandom();
    QDialog::done(result);
}
