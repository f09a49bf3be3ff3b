#include "tipsheet/tip_sheet_model.h"

TipSheetModel::TipSheetModel(QObject *parent)
    : QObject(parent)
{ }

bool TipSheetModel::isLocked(int row) const
{
    return m_locks.at(size_t(row - 1));
}

void TipSheetModel::setLocked(int row, bool locked)
{
    m_locks.at(size_t(row - 1)) = locked;
    emit lockChanged(row);
}
