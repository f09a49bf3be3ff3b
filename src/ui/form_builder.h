// Small factory for the controls of a window: each control gets its documented name,
// is registered in the window's component list in creation order, and carries its hint
// as a tool tip. Controls whose hint also goes to the status bar are marked here.
#pragma once

#include "ui/component_list.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QString>

#include <vector>

class QDateEdit;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;
class QWidget;

namespace FormWidgets {
// Property set on controls whose hint the main window shows in its status bar.
inline constexpr char StatusHintProperty[] = "devuStatusHint";
// Property naming the edit field that belongs to a spin control ("Edit55" for UpDown7).
inline constexpr char EditNameProperty[] = "devuEditName";
// The caption of a component without a visible caption of its own (a panel).
inline constexpr char CaptionProperty[] = "devuCaption";
// Set on the labels that show a piece of a check box's caption.
inline constexpr char CaptionPieceProperty[] = "devuCaptionPiece";
// The hint of a menu entry.
inline constexpr char HintProperty[] = "devuHint";

void setHint(QWidget *widget, const QString &hint, bool toStatusBar = false);
} // namespace FormWidgets

// A check box whose caption runs on around spin controls: "Tipp darf keinen      er aus
// ..." is one caption, and the runs of three or more blanks mark where the spins sit.
// The box shows the first piece and labels beside the spins the others, so that a
// translated caption replaces all pieces at once.
class CaptionCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CaptionCheckBox(const QString &caption, QWidget *parent = nullptr);

    QString fullCaption() const { return m_caption; }
    void setFullCaption(const QString &caption);
    // The label of piece k (1 ..), shown after the k-th spin; created on first use.
    QLabel *piece(int k);
    static QStringList split(const QString &caption);

private:
    QString m_caption;
    std::vector<QLabel *> m_pieces;
};

// A label that reads as a link and reports clicks; its caption is the plain text.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &caption, QWidget *parent = nullptr);
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

signals:
    void clicked();

private:
    QString m_caption;
};

// A link label for a narrow upright strip: its caption runs from bottom to top. It
// paints the caption itself, so the whole label is the link.
class VerticalLinkLabel : public LinkLabel {
    Q_OBJECT
public:
    explicit VerticalLinkLabel(const QString &caption, QWidget *parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The tag of components that show data (tip fields, hit counts, the shown draw): a
// language never touches them, so that switching it keeps what they show.
inline constexpr int DataTag = 8;

class FormBuilder {
public:
    explicit FormBuilder(ComponentList &components)
        : m_components(components)
    { }

    ComponentList &components() { return m_components; }

    QLabel *label(const QString &name, const QString &text, int tag = 0);
    LinkLabel *linkLabel(const QString &name, const QString &text, int tag = 0);
    VerticalLinkLabel *verticalLinkLabel(const QString &name, const QString &text, int tag = 0);
    QFrame *panel(const QString &name);
    QGroupBox *radioGroup(const QString &name, const QString &caption);
    // A framed group with a title, registered as a panel.
    QGroupBox *groupBox(const QString &name, const QString &caption);
    QPushButton *button(const QString &name, const QString &caption, const QString &hint = {});
    QPushButton *bitmapButton(const QString &name, const QString &caption, const QString &hint = {});
    QToolButton *speedButton(const QString &name, const QString &caption, const QString &hint = {});
    QCheckBox *checkBox(const QString &name, const QString &caption, const QString &hint = {});
    CaptionCheckBox *captionCheckBox(const QString &name, const QString &caption, const QString &hint = {});
    QRadioButton *radioButton(const QString &name, const QString &caption);
    QLineEdit *edit(const QString &name, int tag = 0);
    // A spin control named UpDown<n>, remembering the name of its edit field.
    QSpinBox *spin(const QString &name, int minimum, int maximum, int value, const QString &editName);
    QDateEdit *datePicker(const QString &name, QDate minimum);
    // A page of a tab widget, registered before anything on it.
    QWidget *tabSheet(const QString &name, QWidget *sheet);

private:
    ComponentList &m_components;
};
