#include "ui/common/LazyGrid.h"

#include "ui/common/LazyTableModel.h"

#include <QHeaderView>

LazyGrid::LazyGrid(LazyTableModel* model, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
{
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->hide();
    for (int column = 0; column < model->columnCount(); ++column)
        setColumnWidth(
            column, fontMetrics().horizontalAdvance(QString(model->widthChars(column), QLatin1Char('0'))) + 20);
}

qint64 LazyGrid::currentKey() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model->keyAt(current.row()).toLongLong() : 0;
}

QList<qint64> LazyGrid::selectedKeys() const
{
    QList<qint64> keys;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        keys << m_model->keyAt(index.row()).toLongLong();
    return keys;
}

void LazyGrid::reload(qint64 key)
{
    const int row = m_model->reload(key != 0 ? QVariant(key) : QVariant());
    const int current = row >= 0 ? row : (m_model->rowCount() > 0 ? 0 : -1);
    if (current >= 0)
        setCurrentIndex(m_model->index(current, 0));
}

void LazyGrid::moveTo(qint64 key)
{
    const int row = m_model->rowOfKey(key);
    if (row >= 0)
        setCurrentIndex(m_model->index(row, 0));
}
