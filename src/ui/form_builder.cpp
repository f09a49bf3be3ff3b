#include "ui/form_builder.h"

#include "ui/date_field.h"

#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QToolButton>

void FormWidgets::setHint(QWidget *widget, const QString &hint, bool toStatusBar)
{
    widget->setToolTip(hint);
    widget->setProperty(StatusHintProperty, toStatusBar);
}

CaptionCheckBox::CaptionCheckBox(const QString &caption, QWidget *parent)
    : QCheckBox(parent)
{
    setFullCaption(caption);
}

QStringList CaptionCheckBox::split(const QString &caption)
{
    static const QRegularExpression gap(QStringLiteral(" {3,}"));
    return caption.split(gap);
}

void CaptionCheckBox::setFullCaption(const QString &caption)
{
    m_caption = caption;
    const QStringList parts = split(caption);
    setText(parts.value(0));
    for (size_t k = 1; k < m_pieces.size(); ++k) {
        const QString part = parts.value(qsizetype(k));
        m_pieces[k]->setText(part);
        m_pieces[k]->setVisible(!part.trimmed().isEmpty());
    }
}

QLabel *CaptionCheckBox::piece(int k)
{
    if (size_t(k) >= m_pieces.size())
        m_pieces.resize(size_t(k) + 1, nullptr);
    if (!m_pieces[size_t(k)]) {
        const QString part = split(m_caption).value(k);
        m_pieces[size_t(k)] = new QLabel;
        m_pieces[size_t(k)]->setTextFormat(Qt::PlainText); // a translated caption
        m_pieces[size_t(k)]->setText(part);
        m_pieces[size_t(k)]->setProperty(FormWidgets::CaptionPieceProperty, true);
        m_pieces[size_t(k)]->setVisible(!part.trimmed().isEmpty());
    }
    return m_pieces[size_t(k)];
}

LinkLabel::LinkLabel(const QString &caption, QWidget *parent)
    : QLabel(parent)
{
    // The link markup is the label's own; the caption in it is escaped.
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(this, &QLabel::linkActivated, this, &LinkLabel::clicked);
    setCaption(caption);
}

void LinkLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()));
}

VerticalLinkLabel::VerticalLinkLabel(const QString &caption, QWidget *parent)
    : LinkLabel(caption, parent)
{
    // The label's own link handling would hit-test the unrotated text.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setCursor(Qt::PointingHandCursor);
}

QSize VerticalLinkLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.height() + 4, metrics.horizontalAdvance(caption()) + 8};
}

QSize VerticalLinkLabel::minimumSizeHint() const
{
    return sizeHint();
}

void VerticalLinkLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font = painter.font();
    font.setUnderline(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Link));
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, caption());
}

// The label takes the left button itself, so that the strip under it does not see the
// click a second time.
void VerticalLinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        LinkLabel::mousePressEvent(event);
}

void VerticalLinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        LinkLabel::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

QLabel *FormBuilder::label(const QString &name, const QString &text, int tag)
{
    QLabel *label = m_components.add(new QLabel, name, ComponentKind::Label, tag);
    label->setText(text);
    return label;
}

LinkLabel *FormBuilder::linkLabel(const QString &name, const QString &text, int tag)
{
    return m_components.add(new LinkLabel(text), name, ComponentKind::Label, tag);
}

VerticalLinkLabel *FormBuilder::verticalLinkLabel(const QString &name, const QString &text, int tag)
{
    return m_components.add(new VerticalLinkLabel(text), name, ComponentKind::Label, tag);
}

QFrame *FormBuilder::panel(const QString &name)
{
    auto *frame = m_components.add(new QFrame, name, ComponentKind::Panel);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QGroupBox *FormBuilder::radioGroup(const QString &name, const QString &caption)
{
    return m_components.add(new QGroupBox(caption), name, ComponentKind::RadioGroup);
}

QGroupBox *FormBuilder::groupBox(const QString &name, const QString &caption)
{
    return m_components.add(new QGroupBox(caption), name, ComponentKind::Panel);
}

QWidget *FormBuilder::tabSheet(const QString &name, QWidget *sheet)
{
    return m_components.add(sheet, name, ComponentKind::TabSheet);
}

namespace {
QPushButton *pushButton(
    ComponentList &components, const QString &name, const QString &caption, const QString &hint, ComponentKind kind)
{
    auto *button = components.add(new QPushButton(caption), name, kind);
    if (!hint.isEmpty())
        FormWidgets::setHint(button, hint);
    return button;
}
} // namespace

QPushButton *FormBuilder::button(const QString &name, const QString &caption, const QString &hint)
{
    return pushButton(m_components, name, caption, hint, ComponentKind::Button);
}

QPushButton *FormBuilder::bitmapButton(const QString &name, const QString &caption, const QString &hint)
{
    return pushButton(m_components, name, caption, hint, ComponentKind::BitmapButton);
}

QToolButton *FormBuilder::speedButton(const QString &name, const QString &caption, const QString &hint)
{
    auto *button = m_components.add(new QToolButton, name, ComponentKind::SpeedButton);
    button->setText(caption);
    // An icon shows that it can be pressed; a caption alone, drawn flat, reads as a label
    // until the mouse is over it, so captioned buttons keep their frame at rest.
    button->setAutoRaise(caption.isEmpty());
    if (!hint.isEmpty())
        FormWidgets::setHint(button, hint);
    return button;
}

QCheckBox *FormBuilder::checkBox(const QString &name, const QString &caption, const QString &hint)
{
    auto *box = m_components.add(new QCheckBox(caption), name, ComponentKind::CheckBox);
    if (!hint.isEmpty())
        FormWidgets::setHint(box, hint);
    return box;
}

CaptionCheckBox *FormBuilder::captionCheckBox(const QString &name, const QString &caption, const QString &hint)
{
    auto *box = m_components.add(new CaptionCheckBox(caption), name, ComponentKind::CheckBox);
    if (!hint.isEmpty())
        FormWidgets::setHint(box, hint);
    return box;
}

QRadioButton *FormBuilder::radioButton(const QString &name, const QString &caption)
{
    auto *button = m_components.add(new QRadioButton(caption), name, ComponentKind::RadioButton);
    // The three Megaball buttons exclude each other by their own click handlers, not by
    // the toolkit's grouping, so that stored states come back exactly as they were.
    button->setAutoExclusive(false);
    return button;
}

QLineEdit *FormBuilder::edit(const QString &name, int tag)
{
    return m_components.add(new QLineEdit, name, ComponentKind::Edit, tag);
}

QSpinBox *FormBuilder::spin(const QString &name, int minimum, int maximum, int value, const QString &editName)
{
    auto *spin = m_components.add(new QSpinBox, name, ComponentKind::SpinControl);
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setProperty(FormWidgets::EditNameProperty, editName);
    spin->setAccelerated(true);
    return spin;
}

QDateEdit *FormBuilder::datePicker(const QString &name, QDate minimum)
{
    auto *picker = m_components.add(new DateField, name, ComponentKind::DatePicker);
    picker->setCalendarPopup(true);
    picker->setMinimumDate(minimum);
    picker->setMaximumDate(QDate(9999, 12, 31));
    return picker;
}
