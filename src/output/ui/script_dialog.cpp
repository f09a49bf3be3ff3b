#include "output/ui/script_dialog.h"

#include "output/click_script.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

ScriptDialog::ScriptDialog(QWidget *parent)
    : QDialog(parent)
{
    using namespace ScriptDialogTexts;
    m_components.add(static_cast<QDialog *>(this), QStringLiteral("XRTForm"), ComponentKind::Window);
    setWindowTitle(Caption);

    // Each field's label is its own component, named after the field, so that a language
    // can reach it.
    const auto fieldLabel = [this](const QString &field, const QString &caption) {
        return m_components.add(new QLabel(caption), field + QStringLiteral("Label"), ComponentKind::Label);
    };
    QLabel *scriptLabel = fieldLabel(QStringLiteral("LabeledEdit1"), ScriptLabel);
    LabeledEdit1 = m_components.add(new QComboBox, QStringLiteral("LabeledEdit1"), ComponentKind::Edit);
    LabeledEdit1->setEditable(true);
    LabeledEdit1->setInsertPolicy(QComboBox::NoInsert);
    LabeledEdit1->setMinimumContentsLength(40);
    LabeledEdit1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    scriptLabel->setBuddy(LabeledEdit1);
    BitBtn1 = m_components.add(
        new QPushButton(QStringLiteral("…")), QStringLiteral("BitBtn1"), ComponentKind::BitmapButton);
    BitBtn1->setToolTip(QStringLiteral("Click-Script auswählen"));
    BitBtn1->setFixedWidth(BitBtn1->fontMetrics().horizontalAdvance(QStringLiteral("……")) + 16);
    QLabel *parameterLabel
        = m_components.add(new QLabel(ParameterLabel), QStringLiteral("Label1"), ComponentKind::Label);

    auto *parameterGrid = new QGridLayout;
    const auto parameterField = [&](const QString &name, const QString &caption, int column) {
        QLabel *label = fieldLabel(name, caption);
        auto *edit = m_components.add(new QLineEdit, name, ComponentKind::Edit);
        label->setBuddy(edit);
        parameterGrid->addWidget(label, 0, column);
        parameterGrid->addWidget(edit, 1, column);
        return edit;
    };
    LabeledEdit2 = parameterField(QStringLiteral("LabeledEdit2"), Zahl1Label, 0);
    LabeledEdit3 = parameterField(QStringLiteral("LabeledEdit3"), Zahl2Label, 1);
    LabeledEdit4 = parameterField(QStringLiteral("LabeledEdit4"), Text1Label, 2);
    LabeledEdit5 = parameterField(QStringLiteral("LabeledEdit5"), Text2Label, 3);

    BitBtn3 = m_components.add(
        new QPushButton(QStringLiteral("Abbrechen")), QStringLiteral("BitBtn3"), ComponentKind::BitmapButton);
    BitBtn2 = m_components.add(
        new QPushButton(QStringLiteral("OK")), QStringLiteral("BitBtn2"), ComponentKind::BitmapButton);
    BitBtn2->setDefault(true);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &ScriptDialog::confirm);

    auto *scriptRow = new QHBoxLayout;
    scriptRow->addWidget(LabeledEdit1, 1);
    scriptRow->addWidget(BitBtn1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn3);
    buttons->addWidget(BitBtn2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scriptLabel);
    layout->addLayout(scriptRow);
    layout->addSpacing(6);
    layout->addWidget(parameterLabel);
    layout->addLayout(parameterGrid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

ScriptParameters ScriptDialog::parameters() const
{
    return {scriptPath(), LabeledEdit2->text(), LabeledEdit4->text(), LabeledEdit3->text(), LabeledEdit5->text()};
}

void ScriptDialog::setParameters(const ScriptParameters &parameters)
{
    setScriptPath(parameters.script);
    LabeledEdit2->setText(parameters.zahl1);
    LabeledEdit3->setText(parameters.zahl2);
    LabeledEdit4->setText(parameters.text1);
    LabeledEdit5->setText(parameters.text2);
}

QString ScriptDialog::scriptPath() const
{
    return LabeledEdit1->currentText();
}

void ScriptDialog::setScriptPath(const QString &path)
{
    LabeledEdit1->setEditText(path);
}

void ScriptDialog::setScriptList(const QStringList &entries)
{
    const QString current = scriptPath();
    // Filling the list changes the box's text to the first entry; the rule decides.
    LabeledEdit1->clear();
    LabeledEdit1->addItems(entries);
    setScriptPath(ScriptList::boxText(current, entries));
}

void ScriptDialog::setBusy(bool busy)
{
    BitBtn2->setEnabled(!busy);
    BitBtn1->setEnabled(!busy);
}

void ScriptDialog::confirm()
{
    emit okPressed();
    if (isVisible())
        accept();
}

void ScriptDialog::done(int result)
{
    const ScriptParameters defaulted = parameters().withNumberDefaults();
    LabeledEdit2->setText(defaulted.zahl1);
    LabeledEdit3->setText(defaulted.zahl2);
    QDialog::done(result);
}
