// The state of the tip sheet that is not a field's text: which of the twelve rows are
// locked (a locked row keeps its numbers when rows are computed or the sheet is
// cleared) and the hit marks the last check left (each field's mark, each row's hit
// text). The tip page shows it and sends the user's clicks here.
#pragma once

#include "tipsheet/tip_rows.h"

#include <QObject>
#include <QString>

#include <array>

class TipSheetModel : public QObject {
    Q_OBJECT
public:
    explicit TipSheetModel(QObject *parent = nullptr);

    // Rows are numbered 1..12.
    bool isLocked(int row) const;
    void setLocked(int row, bool locked);
    const std::array<bool, TipRows::RowCount> &locks() const { return m_locks; }

    // A field's mark: none, a main number drawn, the Megaball drawn. Slots are 0..6.
    enum class FieldMark { Window, Hit, MegaballHit };
    FieldMark fieldMark(int row, int slot) const;
    void setFieldMark(int row, int slot, FieldMark mark);

    // A row's hit text ("2 + MB"), highlighted for a notable hit.
    struct HitMark {
        QString text;
        bool highlighted = false;
        bool marked = false; // set by a check since the start (else the page's own colour)
    };
    const HitMark &hitMark(int row) const;
    void setHitMark(int row, const QString &text, bool highlighted);
    // Empties the text; the highlight stays until the next mark.
    void clearHitText(int row);

signals:
    void lockChanged(int row);
    void fieldMarkChanged(int row, int slot);
    void hitMarkChanged(int row);

private:
    std::array<bool, TipRows::RowCount> m_locks{};
    std::array<std::array<FieldMark, TipRows::FieldsPerRow>, TipRows::RowCount> m_fieldMarks{};
    std::array<HitMark, TipRows::RowCount> m_hitMarks{};
};
