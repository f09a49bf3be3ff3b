#include "draws/ui/draw_entry_dialog.h"

#include "app/message_table.h"
#include "ui/date_field.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

DrawEntryDialog::DrawEntryDialog(const MessageTable &messages, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
{
    m_components.add(static_cast<QDialog *>(this), QStringLiteral("Form3"), ComponentKind::Window);
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));

    DateTimePicker1 = m_components.add(new DateField, QStringLiteral("DateTimePicker1"), ComponentKind::DatePicker);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setMinimumDate(Game::earliestDate());

    const auto spin = [this](const QString &name, int minimum, int maximum) {
        auto *box = m_components.add(new QSpinBox, name, ComponentKind::SpinControl);
        box->setRange(minimum, maximum);
        connect(box, &QSpinBox::valueChanged, this, &DrawEntryDialog::updateVerdict);
        return box;
    };
    auto *numbers = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        mainNumbers[size_t(i)] = spin(QStringLiteral("UpDown%1").arg(i + 1), 1, Game::MaxMain);
        numbers->addWidget(mainNumbers[size_t(i)]);
    }
    UpDown7 = spin(QStringLiteral("UpDown7"), 1, Game::MaxMegaball);
    // The history holds Megaplier 5; the dialog must be able to keep it when correcting.
    UpDown8 = spin(QStringLiteral("UpDown8"), 0, Game::MaxMegaplier);

    auto *extras = new QHBoxLayout;
    extras->addWidget(
        m_components.add(new QLabel(QStringLiteral("MB:")), QStringLiteral("Label7"), ComponentKind::Label));
    extras->addWidget(UpDown7);
    extras->addWidget(
        m_components.add(new QLabel(QStringLiteral("MP:")), QStringLiteral("Label8"), ComponentKind::Label));
    extras->addWidget(UpDown8);
    extras->addStretch();

    m_problem = new QLabel;
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setStyleSheet(QStringLiteral("color: red"));

    BitBtn2 = m_components.add(
        new QPushButton(QStringLiteral("OK")), QStringLiteral("BitBtn2"), ComponentKind::BitmapButton);
    BitBtn1 = m_components.add(
        new QPushButton(QStringLiteral("Abbrechen")), QStringLiteral("BitBtn1"), ComponentKind::BitmapButton);
    BitBtn2->setDefault(true);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(DateTimePicker1);
    layout->addLayout(numbers);
    layout->addLayout(extras);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);
}

void DrawEntryDialog::setDraw(const Draw &draw)
{
    DateTimePicker1->setDate(draw.date);
    for (size_t i = 0; i < mainNumbers.size(); ++i)
        mainNumbers[i]->setValue(draw.numbers[i]);
    UpDown7->setValue(draw.megaball);
    UpDown8->setValue(draw.megaplier);
    updateVerdict();
}

Draw DrawEntryDialog::draw() const
{
    Draw draw;
    draw.date = DateTimePicker1->date();
    for (size_t i = 0; i < mainNumbers.size(); ++i)
        draw.numbers[i] = std::uint8_t(mainNumbers[i]->value());
    std::sort(draw.numbers.begin(), draw.numbers.end());
    draw.sixth = 0;
    draw.megaball = std::uint8_t(UpDown7->value());
    draw.megaplier = std::uint8_t(UpDown8->value());
    return draw;
}

void DrawEntryDialog::updateVerdict()
{
    // A draw never repeats a main number; storing one would corrupt every statistic.
    const bool valid = draw().isValidGameDraw();
    BitBtn2->setEnabled(valid);
    m_problem->setText(valid ? QString() : m_messages.text(Msg::EachNumberOnce));
}
