#pragma once

#include <QList>
#include <QTableView>

class LazyTableModel;

// The grid of a business screen over a lazy model: whole rows selected, several at once, no row numbers, each
// column as wide as its declared characters; the keys of the current and the selected rows.
class LazyGrid : public QTableView {
    Q_OBJECT
public:
    LazyGrid(LazyTableModel* model, QWidget* parent);

    LazyTableModel* lazyModel() const { return m_model; }
    // The key of the row under the cursor; 0 without one.
    qint64 currentKey() const;
    QList<qint64> selectedKeys() const;
    // Reads the rows again from the start and puts the cursor on the key's row, or on the first row.
    void reload(qint64 key);
    // Puts the cursor on the key's row, reading on as far as it is.
    void moveTo(qint64 key);

private:
    LazyTableModel* m_model;
};
