#pragma once

#include <QList>
#include <QTableView>

class LazyTableModel;
class ScreenLayout;

// The grid of a business screen over a lazy model: whole rows selected, several at once, no row numbers; the keys of
// the current and the selected rows. A column starts as wide as its declared characters and its title and widens to
// hold what its rows show; a width the user gives it is kept instead, and remembered per screen.
class LazyGrid : public QTableView {
    Q_OBJECT
public:
    LazyGrid(LazyTableModel* model, QWidget* parent);
    ~LazyGrid() override;

    // Where the widths users give the columns are remembered; nothing is remembered without one.
    static void setLayout(const ScreenLayout* layout);
    static const ScreenLayout* layout();

    LazyTableModel* lazyModel() const { return m_model; }
    // The key of the row under the cursor; 0 without one.
    qint64 currentKey() const;
    QList<qint64> selectedKeys() const;
    // Reads the rows again from the start and puts the cursor on the key's row, or on the first row.
    void reload(qint64 key);
    // Puts the cursor on the key's row, reading on as far as it is.
    void moveTo(qint64 key);
    // The name the widths are remembered under: the screen's class and the table shown.
    QString layoutName() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int declaredWidth(int column) const;
    void fitRows(int first, int last);
    void userResized(int column);
    void restoreWidths();
    void saveWidths();

    LazyTableModel* m_model;
    // Per column: the width the user gave it, 0 while the grid sizes it.
    QList<int> m_userWidths;
    QString m_layoutName;
    bool m_userResizing = false;
    bool m_shownOnce = false;
    bool m_changed = false;
};
