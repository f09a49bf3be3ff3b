// The "Tipp-Übersicht" page: the twelve tip rows with their lock and result labels,
// the draw strip above them and the command buttons below.
#pragma once

#include "tipsheet/tip_rows.h"
#include "tipsheet/tip_sheet_model.h"

#include <QColor>
#include <QWidget>

#include <array>

class FormBuilder;
class LinkLabel;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

class TipSheetPage : public QWidget {
    Q_OBJECT
public:
    // The page shows the locks of `model`, which outlives it.
    TipSheetPage(FormBuilder &builder, TipSheetModel &model, QWidget *parent = nullptr);

    using FieldColour = TipSheetModel::FieldMark;

    QLineEdit *field(int row, int slot) const;
    QLabel *lockLabel(int row) const;
    QLabel *hitLabel(int row) const;
    QLabel *sumLabel(int row) const;
    QToolButton *pickerButton(int row) const;

    TipRowTexts rowTexts(int row) const;
    // Writes the texts; each write runs the field's validation, and a main number the row
    // already holds is cleared (true when one was).
    bool setRowTexts(int row, const TipRowTexts &texts);
    TipSheetTexts sheetTexts() const;

    // The model's lock; the lock label's text is pure red while it is on.
    bool isLocked(int row) const;
    void setLocked(int row, bool locked);
    void toggleLock(int row);

    void setFieldColour(int row, int slot, FieldColour colour);
    FieldColour fieldColour(int row, int slot) const;
    // A hit label's text colour: red for a notable hit, black otherwise.
    void setHitLabel(int row, const QString &text, bool highlighted);
    void clearHitLabel(int row);

    // "Löschen aller Tipps": empties every row that is not locked.
    void clearUnlocked();

    // The draw strip and the command strip.
    QLabel *drawLabel() const { return m_drawLabel; } // Label35
    QLabel *ticketLabel() const { return m_ticketLabel; } // Losnummer
    QToolButton *updateButton() const { return m_updateButton; } // SpeedButton10
    QPushButton *generateButton() const { return m_generateButton; } // BitBtn4
    QSpinBox *rowCountSpin() const { return m_rowCountSpin; } // UpDown8
    QToolButton *luckyNumberButton() const { return m_luckyButton; } // SpeedButton13
    QPushButton *onlineTipButton() const { return m_onlineButton; } // OnlineTipp
    QPushButton *printButton() const { return m_printButton; } // BitBtn7
    QPushButton *distributionButton() const { return m_distributionButton; } // Button6
    QToolButton *clearButton() const { return m_clearButton; } // SpeedButton11
    QToolButton *saveButton() const { return m_saveButton; } // SpeedButton15
    QToolButton *loadButton() const { return m_loadButton; } // SpeedButton16
    QToolButton *searchButton() const { return m_searchButton; } // SpeedButton4
    // The strips at the page's left and right edges, each with its web label.
    QFrame *leftStrip() const { return m_leftStrip; } // Panel2
    LinkLabel *addressLabel() const { return m_addressLabel; } // Label43
    QFrame *rightStrip() const { return m_rightStrip; } // Panel5
    LinkLabel *productLabel() const { return m_productLabel; } // Label44

    static QColor lockedColour() { return QColor(255, 0, 0); }

signals:
    // Any of the 84 fields lost the focus.
    void fieldLeft();
    void pickRequested(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row {
        std::array<QLineEdit *, TipRows::FieldsPerRow> fields{};
        QLabel *lock = nullptr;
        QLabel *hit = nullptr;
        QLabel *sum = nullptr;
        QToolButton *picker = nullptr;
    };
    void buildDrawStrip(FormBuilder &builder);
    void buildRows(FormBuilder &builder);
    void buildStrips(FormBuilder &builder);
    QFrame *webStrip(
        FormBuilder &builder, const QString &panel, const QString &label, const QString &caption, LinkLabel *&created);
    const Row &row(int number) const { return m_rows.at(size_t(number - 1)); }
    void removeTypedRepeat(int number, int slot, bool fieldLeft);

    std::array<Row, TipRows::RowCount> m_rows;
    QFrame *m_drawStrip = nullptr;
    QLabel *m_drawLabel = nullptr;
    QLabel *m_ticketLabel = nullptr;
    QToolButton *m_updateButton = nullptr;
    QPushButton *m_generateButton = nullptr;
    QSpinBox *m_rowCountSpin = nullptr;
    QToolButton *m_luckyButton = nullptr;
    QPushButton *m_onlineButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_distributionButton = nullptr;
    QToolButton *m_clearButton = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_loadButton = nullptr;
    QToolButton *m_searchButton = nullptr;
    QFrame *m_leftStrip = nullptr;
    LinkLabel *m_addressLabel = nullptr;
    QFrame *m_rightStrip = nullptr;
    LinkLabel *m_productLabel = nullptr;
    void showLock(int row);
    void showFieldMark(int row, int slot);
    void showHitMark(int row);

    TipSheetModel &m_model;
};
