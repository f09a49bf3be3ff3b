#include "tipsheet/ui/tip_sheet_page.h"

#include "generator/generation_options.h"
#include "output/web_links.h"
#include "tipsheet/tip_sheet_model.h"
#include "ui/form_builder.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
// A field two or three digits wide whatever the font, so that the rows keep their shape
// when the page is scaled.
class NumberField : public QLineEdit {
public:
    QSize sizeHint() const override
    {
        const QSize base = QLineEdit::sizeHint();
        return {fontMetrics().horizontalAdvance(QStringLiteral("888")) + 12, base.height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

const QString lockHint = QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
const QString webHint = QStringLiteral("Besuchen Sie Morvak im Internet");
// The web labels show the maker's address and the product, never translated.
constexpr int WebLabelTag = 8;
} // namespace

TipSheetPage::TipSheetPage(FormBuilder &builder, TipSheetModel &model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
{
    buildDrawStrip(builder);
    buildRows(builder);
    buildStrips(builder);
    for (int number = 1; number <= TipRows::RowCount; ++number)
        if (m_model.isLocked(number))
            showLock(number);
    connect(&m_model, &TipSheetModel::lockChanged, this, &TipSheetPage::showLock);
    connect(&m_model, &TipSheetModel::fieldMarkChanged, this, &TipSheetPage::showFieldMark);
    connect(&m_model, &TipSheetModel::hitMarkChanged, this, &TipSheetPage::showHitMark);
}

void TipSheetPage::buildDrawStrip(FormBuilder &builder)
{
    m_drawStrip = builder.panel(QStringLiteral("Panel4"));
    m_drawLabel = builder.label(QStringLiteral("Label35"), QString(), DataTag);
    m_drawLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_ticketLabel = builder.label(QStringLiteral("Losnummer"), QString(), DataTag);
    m_updateButton
        = builder.speedButton(QStringLiteral("SpeedButton10"), QString(), QStringLiteral("Ziehungsdaten laden"));
    m_updateButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    FormWidgets::setHint(m_updateButton, m_updateButton->toolTip(), true);
    auto *stripLayout = new QHBoxLayout(m_drawStrip);
    stripLayout->setContentsMargins(4, 1, 4, 1);
    stripLayout->addWidget(m_drawLabel, 1);
    stripLayout->addWidget(m_ticketLabel);
    stripLayout->addWidget(m_updateButton);
}

void TipSheetPage::buildRows(FormBuilder &builder)
{
    ComponentList &components = builder.components();
    for (const TipRows::RowLayout &layout : TipRows::layouts()) {
        Row &row = m_rows[size_t(layout.row - 1)];
        row.lock = builder.label(
            QStringLiteral("Label%1").arg(layout.lockLabel), QStringLiteral("%1. Tipp").arg(layout.row));
        FormWidgets::setHint(row.lock, lockHint, true);
        row.lock->setCursor(Qt::PointingHandCursor);
        row.lock->installEventFilter(this);
        for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot) {
            // The visible fields carry tag 8; the hidden extra field is not shown at all.
            auto *field = components.add(new NumberField, TipRows::fieldName(layout.row, slot), ComponentKind::Edit,
                slot == TipRows::ExtraSlot ? 0 : DataTag);
            field->setAlignment(Qt::AlignCenter);
            field->setMaxLength(11);
            field->setAutoFillBackground(true);
            const int maximum = TipRows::maximumFor(slot);
            connect(field, &QLineEdit::textChanged, field, [field, maximum](const QString &text) {
                const QString valid = TipRows::normalized(text, maximum);
                if (valid != text)
                    field->setText(valid);
            });
            // Only what the user types: code writes whole rows through setRowTexts, and the
            // evaluation's sorting passes through a repeat field by field.
            if (slot < TipRows::MainFields)
                connect(field, &QLineEdit::textEdited, this,
                    [this, rowNumber = layout.row, slot] { removeTypedRepeat(rowNumber, slot, false); });
            field->installEventFilter(this);
            if (slot == TipRows::ExtraSlot) {
                // Not laid out: the page owns it directly.
                field->setParent(this);
                field->setVisible(false);
            }
            row.fields[size_t(slot)] = field;
            if (slot == TipRows::MainFields - 1) {
                const QString hint = layout.row >= 5 && layout.row <= 8
                    ? QStringLiteral("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
                                     "Zufallsgenerator erzeugen wollen")
                    : QStringLiteral(
                        "Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen");
                row.picker
                    = builder.speedButton(QStringLiteral("Tipp%1Edit").arg(layout.row), QStringLiteral("…"), hint);
                FormWidgets::setHint(row.picker, hint, true);
                const int number = layout.row;
                connect(row.picker, &QToolButton::clicked, this, [this, number] { emit pickRequested(number); });
            }
        }
        row.hit = builder.label(QStringLiteral("Label%1").arg(layout.hitLabel), QString(), DataTag);
        row.sum = builder.label(QStringLiteral("Label%1").arg(layout.sumLabel), QString(), DataTag);
    }
}

void TipSheetPage::buildStrips(FormBuilder &builder)
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);
    for (int r = 0; r < TipRows::RowCount; ++r) {
        const Row &row = m_rows[size_t(r)];
        int column = 0;
        grid->addWidget(row.lock, r, column++);
        for (int slot = 0; slot < TipRows::MainFields; ++slot)
            grid->addWidget(row.fields[size_t(slot)], r, column++);
        grid->addWidget(row.picker, r, column++);
        grid->addWidget(row.fields[TipRows::MegaballSlot], r, column++);
        grid->addWidget(row.hit, r, column++);
        grid->addWidget(row.sum, r, column++);
        row.hit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("5 + MB")) + 4);
        row.sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    grid->setColumnStretch(grid->columnCount(), 1);

    m_clearButton
        = builder.speedButton(QStringLiteral("SpeedButton11"), QString(), QStringLiteral("Löschen aller Tipps"));
    m_clearButton->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    connect(m_clearButton, &QToolButton::clicked, this, &TipSheetPage::clearUnlocked);
    m_saveButton
        = builder.speedButton(QStringLiteral("SpeedButton15"), QString(), QStringLiteral("Speichern des Tipps"));
    m_saveButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_loadButton
        = builder.speedButton(QStringLiteral("SpeedButton16"), QString(), QStringLiteral("Tipp laden aus Datei"));
    m_loadButton->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    m_searchButton = builder.speedButton(QStringLiteral("SpeedButton4"), QStringLiteral("Tipps in DB suchen"),
        QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"));
    m_distributionButton = builder.button(QStringLiteral("Button6"), QStringLiteral("Verteilung der Tipps"),
        QStringLiteral("Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden"));
    for (QWidget *w : {static_cast<QWidget *>(m_clearButton), static_cast<QWidget *>(m_saveButton),
             static_cast<QWidget *>(m_loadButton), static_cast<QWidget *>(m_searchButton),
             static_cast<QWidget *>(m_distributionButton)})
        FormWidgets::setHint(w, w->toolTip(), true);
    m_searchButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    auto *sideColumn = new QVBoxLayout;
    auto *fileButtons = new QHBoxLayout;
    fileButtons->addWidget(m_clearButton);
    fileButtons->addWidget(m_saveButton);
    fileButtons->addWidget(m_loadButton);
    fileButtons->addStretch();
    sideColumn->addLayout(fileButtons);
    sideColumn->addWidget(m_searchButton);
    sideColumn->addWidget(m_distributionButton);
    sideColumn->addStretch();

    m_generateButton = builder.bitmapButton(QStringLiteral("BitBtn4"), QStringLiteral("Tipps berechnen"),
        QStringLiteral("Starten Sie hier die Berechnung der Tippreihen."));
    FormWidgets::setHint(m_generateButton, m_generateButton->toolTip(), true);
    const SpinOption &rowCount = *GenerationOptions::spin(8);
    m_rowCountSpin = builder.spin(GenerationOptions::spinValueName(rowCount.number), rowCount.minimum, rowCount.maximum,
        rowCount.defaultValue, QStringLiteral("Edit%1").arg(rowCount.editNumber));
    m_luckyButton = builder.speedButton(QStringLiteral("SpeedButton13"), QStringLiteral("Glückszahl"),
        QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"));
    FormWidgets::setHint(m_luckyButton, m_luckyButton->toolTip(), true);
    m_onlineButton = builder.button(QStringLiteral("OnlineTipp"), QStringLiteral("Tipp abgeben"),
        QStringLiteral("Hier können Sie den Tipp Online abgeben"));
    FormWidgets::setHint(m_onlineButton, m_onlineButton->toolTip(), true);
    m_printButton = builder.bitmapButton(QStringLiteral("BitBtn7"), QStringLiteral("Tipp ausdrucken"),
        QStringLiteral("Drucken SIe hier die berechneten Tipps aus"));
    FormWidgets::setHint(m_printButton, m_printButton->toolTip(), true);

    m_leftStrip = webStrip(builder, QStringLiteral("Panel2"), QStringLiteral("Label43"),
        WebLinks::spacedLetters(QUrl(WebLinks::MakerSite).host()), m_addressLabel);
    m_rightStrip = webStrip(builder, QStringLiteral("Panel5"), QStringLiteral("Label44"),
        WebLinks::spacedLetters(QStringLiteral("DevuDirurero " DEVU_VERSION)), m_productLabel);

    auto *commandStrip = new QHBoxLayout;
    commandStrip->addWidget(m_generateButton);
    commandStrip->addWidget(m_rowCountSpin);
    commandStrip->addWidget(m_luckyButton);
    commandStrip->addStretch();
    commandStrip->addWidget(m_onlineButton);
    commandStrip->addWidget(m_printButton);

    auto *middle = new QHBoxLayout;
    middle->addLayout(grid, 1);
    middle->addLayout(sideColumn);

    auto *content = new QVBoxLayout;
    content->setSpacing(4);
    content->addWidget(m_drawStrip);
    content->addLayout(middle, 1);
    content->addLayout(commandStrip);

    auto *page = new QHBoxLayout(this);
    page->setContentsMargins(2, 4, 2, 4);
    page->setSpacing(3);
    page->addWidget(m_leftStrip);
    page->addLayout(content, 1);
    page->addWidget(m_rightStrip);
}

QFrame *TipSheetPage::webStrip(
    FormBuilder &builder, const QString &panel, const QString &label, const QString &caption, LinkLabel *&created)
{
    QFrame *strip = builder.panel(panel);
    created = builder.verticalLinkLabel(label, caption, WebLabelTag);
    FormWidgets::setHint(created, webHint, true);
    auto *layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(created);
    strip->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return strip;
}

QLineEdit *TipSheetPage::field(int number, int slot) const
{
    return row(number).fields.at(size_t(slot));
}
QLabel *TipSheetPage::lockLabel(int number) const
{
    return row(number).lock;
}
QLabel *TipSheetPage::hitLabel(int number) const
{
    return row(number).hit;
}
QLabel *TipSheetPage::sumLabel(int number) const
{
    return row(number).sum;
}
QToolButton *TipSheetPage::pickerButton(int number) const
{
    return row(number).picker;
}

TipRowTexts TipSheetPage::rowTexts(int number) const
{
    TipRowTexts texts;
    for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
        texts[size_t(slot)] = field(number, slot)->text();
    return texts;
}

bool TipSheetPage::setRowTexts(int number, const TipRowTexts &texts)
{
    bool cleared = false;
    const TipRowTexts once = TipRows::withoutRepeats(texts, &cleared);
    for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot)
        field(number, slot)->setText(once[size_t(slot)]);
    return cleared;
}

void TipSheetPage::removeTypedRepeat(int number, int slot, bool fieldLeft)
{
    if (TipRows::removeTypedRepeat(rowTexts(number), slot, fieldLeft))
        field(number, slot)->clear();
}

TipSheetTexts TipSheetPage::sheetTexts() const
{
    TipSheetTexts sheet;
    for (int number = 1; number <= TipRows::RowCount; ++number)
        sheet[size_t(number - 1)] = rowTexts(number);
    return sheet;
}

bool TipSheetPage::isLocked(int number) const
{
    return m_model.isLocked(number);
}

void TipSheetPage::setLocked(int number, bool locked)
{
    m_model.setLocked(number, locked);
}

void TipSheetPage::showLock(int number)
{
    QLabel *label = lockLabel(number);
    QPalette palette = label->palette();
    palette.setColor(
        QPalette::WindowText, m_model.isLocked(number) ? lockedColour() : this->palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TipSheetPage::toggleLock(int number)
{
    setLocked(number, !isLocked(number));
}

void TipSheetPage::setFieldColour(int number, int slot, FieldColour colour)
{
    m_model.setFieldMark(number, slot, colour);
}

void TipSheetPage::showFieldMark(int number, int slot)
{
    QLineEdit *edit = field(number, slot);
    QPalette palette = edit->palette();
    switch (m_model.fieldMark(number, slot)) {
    case FieldColour::Window:
        palette.setColor(QPalette::Base, this->palette().color(QPalette::Base));
        break;
    case FieldColour::Hit:
        palette.setColor(QPalette::Base, QColor(0, 255, 0));
        break;
    case FieldColour::MegaballHit:
        palette.setColor(QPalette::Base, QColor(255, 0, 0));
        break;
    }
    edit->setPalette(palette);
}

TipSheetPage::FieldColour TipSheetPage::fieldColour(int number, int slot) const
{
    return m_model.fieldMark(number, slot);
}

void TipSheetPage::setHitLabel(int number, const QString &text, bool highlighted)
{
    m_model.setHitMark(number, text, highlighted);
}

void TipSheetPage::clearHitLabel(int number)
{
    m_model.clearHitText(number);
}

void TipSheetPage::showHitMark(int number)
{
    QLabel *label = hitLabel(number);
    const TipSheetModel::HitMark &mark = m_model.hitMark(number);
    label->setText(mark.text);
    // A label never marked keeps the page's own text colour.
    if (!mark.marked)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, mark.highlighted ? QColor(255, 0, 0) : QColor(0, 0, 0));
    label->setPalette(palette);
}

void TipSheetPage::clearUnlocked()
{
    for (int number = 1; number <= TipRows::RowCount; ++number) {
        if (isLocked(number))
            continue;
        for (int slot = 0; slot < TipRows::FieldsPerRow; ++slot) {
            field(number, slot)->clear();
            setFieldColour(number, slot, FieldColour::Window);
        }
        clearHitLabel(number);
        sumLabel(number)->clear();
    }
}

bool TipSheetPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit *>(watched)) {
        // A repeat left behind goes before the evaluation sorts the row.
        for (int number = 1; number <= TipRows::RowCount; ++number)
            for (int slot = 0; slot < TipRows::MainFields; ++slot)
                if (watched == field(number, slot))
                    removeTypedRepeat(number, slot, true);
        emit fieldLeft();
    } else if (event->type() == QEvent::MouseButtonPress) {
        for (int number = 1; number <= TipRows::RowCount; ++number) {
            if (watched == lockLabel(number) && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                toggleLock(number);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
