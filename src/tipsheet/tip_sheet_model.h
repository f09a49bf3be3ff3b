// The state of the tip sheet that is not a field's text: which of the twelve rows are
// locked (a locked row keeps its numbers when rows are computed or the sheet is
// cleared). The tip page shows it and sends the user's clicks here.
#pragma once

#include "tipsheet/tip_rows.h"

#include <QObject>

#include <array>

class TipSheetModel : public QObject {
    Q_OBJECT
public:
    explicit TipSheetModel(QObject *parent = nullptr);

    // Rows are numbered 1..12.
    bool isLocked(int row) const;
    void setLocked(int row, bool locked);
    const std::array<bool, TipRows::RowCount> &locks() const { return m_locks; }

signals:
    void lockChanged(int row);

private:
    std::array<bool, TipRows::RowCount> m_locks{};
};
