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

TipSheetModel::FieldMark TipSheetModel::fieldMark(int row, int slot) const
{
    return m_fieldMarks.at(size_t(row - 1)).at(size_t(slot));
}

void TipSheetModel::setFieldMark(int row, int slot, FieldMark mark)
{
    m_fieldMarks.at(size_t(row - 1)).at(size_t(slot)) = mark;
    emit fieldMarkChanged(row, slot);
}

const TipSheetModel::HitMark &TipSheetModel::hitMark(int row) const
{
    return m_hitMarks.at(size_t(row - 1));
}

void TipSheetModel::setHitMark(int row, const QString &text, bool highlighted)
{
    m_hitMarks.at(size_t(row - 1)) = {text, highlighted, true};
    emit hitMarkChanged(row);
}

void TipSheetModel::clearHitText(int row)
{
    m_hitMarks.at(size_t(row - 1)).text.clear();
    emit hitMarkChanged(row);
}
