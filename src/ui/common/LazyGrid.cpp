#include "ui/common/LazyGrid.h"

#include "core/app/ScreenLayout.h"
#include "core/data/Database.h"
#include "ui/common/BusinessWindow.h"
#include "ui/common/LazyTableModel.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>

namespace {
const ScreenLayout* g_layout = nullptr;

const int CellPadding = 20;
// A column never grows past this for a long text; the user can still widen it.
const int MaximumFittedWidth = 600;
} // namespace

LazyGrid::LazyGrid(LazyTableModel* model, QWidget* parent)
    : QTableView(parent)
    , m_model(model)
    , m_userWidths(model->columnCount(), 0)
{
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    verticalHeader()->hide();
    for (int column = 0; column < model->columnCount(); ++column)
        setColumnWidth(column, declaredWidth(column));
    fitRows(0, model->rowCount() - 1);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { fitRows(0, m_model->rowCount() - 1); });
    connect(model, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex&, int first, int last) { fitRows(first, last); });
    horizontalHeader()->viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (m_userResizing)
            userResized(column);
    });
}

LazyGrid::~LazyGrid()
{
    saveWidths();
}

void LazyGrid::setLayout(const ScreenLayout* layout)
{
    g_layout = layout;
}

const ScreenLayout* LazyGrid::layout()
{
    return g_layout;
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

// A declared character is a digit or half of a Hangul syllable, whichever is wider in the grid's font.
int LazyGrid::declaredWidth(int column) const
{
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int halfSyllable = (fontMetrics().horizontalAdvance(QChar(0xAC00)) + 1) / 2;
    const int declared = m_model->widthChars(column) * qMax(digit, halfSyllable) + CellPadding;
    return qMax(declared, horizontalHeader()->sectionSizeHint(column));
}

void LazyGrid::fitRows(int first, int last)
{
    if (first < 0 || last < first)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int gridLine = showGrid() ? 1 : 0;
    for (int column = 0; column < m_model->columnCount(); ++column) {
        if (m_userWidths.value(column) > 0)
            continue;
        int wanted = columnWidth(column);
        for (int row = first; row <= last && wanted < MaximumFittedWidth; ++row) {
            const QModelIndex index = m_model->index(row, column);
            wanted = qMax(wanted, itemDelegateForIndex(index)->sizeHint(option, index).width() + gridLine);
        }
        setColumnWidth(column, qMin(wanted, qMax(MaximumFittedWidth, columnWidth(column))));
    }
}

// Only a drag or a double click on the header is the user's; a stretched last section follows the others.
bool LazyGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            m_userResizing = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_userResizing = false;
    }
    return QTableView::eventFilter(watched, event);
}

void LazyGrid::userResized(int column)
{
    const QHeaderView* header = horizontalHeader();
    if (column < 0 || column >= m_userWidths.size()
        || (header->stretchLastSection() && header->visualIndex(column) == header->count() - 1))
        return;
    m_userWidths[column] = columnWidth(column);
    m_changed = true;
}

QString LazyGrid::layoutName() const
{
    // The screen is the nearest window or business window: a grid in the main window's frame belongs to its screen.
    const QWidget* screen = this;
    while (screen->parentWidget() && !screen->isWindow() && !qobject_cast<const BusinessWindow*>(screen))
        screen = screen->parentWidget();
    const QString table = m_model->source().from;
    QString name = QString::fromLatin1(screen->metaObject()->className());
    if (Database::isPlainName(table))
        name += QLatin1Char('.') + table;
    return name;
}

void LazyGrid::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The finished screen's font may differ from the one the grid was made with.
    for (int column = 0; column < m_model->columnCount(); ++column)
        setColumnWidth(column, declaredWidth(column));
    fitRows(0, m_model->rowCount() - 1);
    restoreWidths();
}

void LazyGrid::hideEvent(QHideEvent* event)
{
    saveWidths();
    QTableView::hideEvent(event);
}

// The name is taken at the first show: only then is the grid inside its finished screen.
void LazyGrid::restoreWidths()
{
    m_layoutName = layoutName();
    if (!g_layout)
        return;
    const QList<int> stored = g_layout->columnWidths(m_layoutName);
    if (stored.size() != m_userWidths.size())
        return;
    for (int column = 0; column < stored.size(); ++column) {
        if (stored.at(column) <= 0)
            continue;
        m_userWidths[column] = stored.at(column);
        setColumnWidth(column, stored.at(column));
    }
}

void LazyGrid::saveWidths()
{
    if (!m_changed || !g_layout || m_layoutName.isEmpty())
        return;
    m_changed = false;
    g_layout->setColumnWidths(m_layoutName, m_userWidths);
}
