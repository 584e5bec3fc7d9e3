#include "ui/common/LazyTableModel.h"

#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"

#include "core/common/Money.h"

#include <QColor>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

LazyColumn column(const QString& title, int widthChars, const QString& source, LazyColumn::Format format)
{
    LazyColumn made;
    made.title = title;
    made.widthChars = widthChars;
    made.source = source;
    made.format = format;
    return made;
}

QString grouped(quint64 value)
{
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(','));
    return digits;
}

quint64 magnitude(qint64 value)
{
    return value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
}

// The order up to the key and ending with it (what follows a unique key changes nothing), or nothing when a name
// could not go into SQL text.
std::optional<QStringList> totalOrder(const QStringList& order, const QString& key)
{
    QStringList total;
    for (const QString& name : order) {
        if (!Database::isPlainName(name))
            return std::nullopt;
        if (name.compare(key, Qt::CaseInsensitive) == 0)
            break;
        total << name;
    }
    total << key;
    return total;
}

} // namespace

LazyColumn LazyColumn::text(const QString& title, int widthChars, const QString& source)
{
    return column(title, widthChars, source, Format::Text);
}

LazyColumn LazyColumn::money(const QString& title, int widthChars, const QString& source, bool wonSign)
{
    LazyColumn made = column(title, widthChars, source, Format::Money);
    made.wonSign = wonSign;
    return made;
}

LazyColumn LazyColumn::count(const QString& title, int widthChars, const QString& source)
{
    return column(title, widthChars, source, Format::Count);
}

LazyColumn LazyColumn::date(const QString& title, int widthChars, const QString& source)
{
    return column(title, widthChars, source, Format::Date);
}

LazyColumn LazyColumn::calculated(const QString& title, int widthChars, Calculation calculate, const QString& source)
{
    LazyColumn made = column(title, widthChars, source, Format::Calculated);
    made.calculate = std::move(calculate);
    return made;
}

LazyTableModel::LazyTableModel(Database& database, LazyTableSource source, QObject* parent)
    : QAbstractTableModel(parent)
    , m_database(database)
    , m_source(std::move(source))
{
    if (!Database::isPlainName(m_source.keyColumn)) {
        m_lastError = QStringLiteral("the key %1 is not a plain name").arg(m_source.keyColumn);
        return;
    }
    if (const auto order = totalOrder(m_source.order, m_source.keyColumn)) {
        m_order = *order;
        restart();
    } else {
        m_lastError = QStringLiteral("the order %1 has a name that is not plain").arg(m_source.order.join(u','));
    }
}

void LazyTableModel::setPageSize(int rows)
{
    m_pageSize = qMax(1, rows);
}

bool LazyTableModel::setOrder(const QStringList& order)
{
    const auto total = totalOrder(order, m_source.keyColumn);
    if (!total || !Database::isPlainName(m_source.keyColumn))
        return false;
    m_source.order = order;
    m_order = *total;
    restart();
    return true;
}

int LazyTableModel::reload(const QVariant& reselectKey)
{
    restart();
    return reselectKey.isNull() ? -1 : rowOfKey(reselectKey);
}

int LazyTableModel::reset(const QVariantList& whereValues, const QVariant& reselectKey)
{
    m_source.whereValues = whereValues;
    return reload(reselectKey);
}

QVariant LazyTableModel::keyAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).orderValues.constLast() : QVariant();
}

int LazyTableModel::rowOfKey(const QVariant& key)
{
    int from = 0;
    for (;;) {
        const int row = findLoaded(key, from);
        if (row >= 0)
            return row;
        if (m_atEnd)
            return -1;
        from = static_cast<int>(m_rows.size());
        fetchMore(QModelIndex());
    }
}

QVariantList LazyTableModel::rawRow(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).raw : QVariantList();
}

int LazyTableModel::widthChars(int column) const
{
    return column >= 0 && column < m_source.columns.size() ? m_source.columns.at(column).widthChars : 0;
}

QString LazyTableModel::displayText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_source.columns.size())
        return {};
    const LazyColumn& declared = m_source.columns.at(column);
    const QVariantList& raw = m_rows.at(row).raw;
    const QVariant& value = raw.at(column);
    switch (declared.format) {
    case LazyColumn::Format::Money:
        return value.isNull() ? QString() : moneyText(value.toLongLong(), declared.wonSign);
    case LazyColumn::Format::Count:
        return value.isNull() ? QString() : countText(value.toLongLong());
    case LazyColumn::Format::Calculated:
        return declared.calculate ? declared.calculate(raw).toString() : QString();
    case LazyColumn::Format::Text:
    case LazyColumn::Format::Date:
        break;
    }
    return value.toString();
}

QString LazyTableModel::moneyText(qint64 stored, bool wonSign)
{
    const quint64 tenThousandths = magnitude(stored);
    const quint64 scale = static_cast<quint64>(Money::Scale);
    const quint64 won = tenThousandths / scale + (tenThousandths % scale * 2 >= scale ? 1 : 0);
    QString text = grouped(won);
    if (wonSign)
        text.prepend(QChar(0x20A9));
    if (stored < 0 && won != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString LazyTableModel::countText(qint64 value)
{
    const QString digits = grouped(magnitude(value));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

int LazyTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int LazyTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_source.columns.size());
}

QVariant LazyTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole: {
        const LazyColumn::Format format = m_source.columns.at(index.column()).format;
        const bool number = format == LazyColumn::Format::Money || format == LazyColumn::Format::Count;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        if (m_source.warns && m_source.warns(rawRow(index.row())))
            return QColor(role == Qt::ForegroundRole ? Qt::red : Qt::yellow);
        return {};
    default:
        return {};
    }
}

QVariant LazyTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_source.columns.size())
        return m_source.columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool LazyTableModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_atEnd;
}

void LazyTableModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    QList<Row> page;
    if (!readPage(page)) {
        m_atEnd = true;
        return;
    }
    if (page.isEmpty())
        return;
    const int first = static_cast<int>(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(page.size()) - 1);
    m_rows.append(std::move(page));
    endInsertRows();
}

// SELECT the columns, the extra sources and the order values, after the last row read when there is one; the
// values of the keyset condition are appended to values. Rows follow the last one when their order values compare
// greater. A NULL sorts before every value but compares to nothing, and an empty text binds as NULL, so after a row
// with either among its order values the comparison is spelled out column by column.
QString LazyTableModel::selectSql(const QVariantList& after, QVariantList& values) const
{
    QStringList read;
    for (const LazyColumn& declared : m_source.columns)
        read << (declared.source.isEmpty() ? QStringLiteral("NULL") : declared.source);
    read << m_source.extraSources << m_order;

    QStringList conditions;
    if (!m_source.where.isEmpty())
        conditions << QLatin1Char('(') + m_source.where + QLatin1Char(')');
    const auto unbindable = [](const QVariant& value) { return SqlValue::stored(value).isNull(); };
    if (!after.isEmpty()) {
        if (std::none_of(after.cbegin(), after.cend(), unbindable)) {
            const QStringList marks(m_order.size(), QStringLiteral("?"));
            conditions << QStringLiteral("(%1) > (%2)")
                              .arg(m_order.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
            values << after;
        } else {
            // The order column at compared with its last value: equal when greater is false.
            const auto compared = [&](qsizetype at, bool greater) {
                const QVariant& last = after.at(at);
                if (last.isNull())
                    return m_order.at(at) + (greater ? QStringLiteral(" IS NOT NULL") : QStringLiteral(" IS NULL"));
                if (unbindable(last))
                    return m_order.at(at) + (greater ? QStringLiteral(" > ''") : QStringLiteral(" = ''"));
                values << last;
                return m_order.at(at) + (greater ? QStringLiteral(" > ?") : QStringLiteral(" = ?"));
            };
            QStringList alternatives;
            for (qsizetype at = 0; at < m_order.size(); ++at) {
                QStringList parts;
                for (qsizetype before = 0; before < at; ++before)
                    parts << compared(before, false);
                parts << compared(at, true);
                alternatives << QLatin1Char('(') + parts.join(QStringLiteral(" AND ")) + QLatin1Char(')');
            }
            conditions << QLatin1Char('(') + alternatives.join(QStringLiteral(" OR ")) + QLatin1Char(')');
        }
    }
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(read.join(QStringLiteral(", ")), m_source.from);
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY %1 LIMIT ?").arg(m_order.join(QStringLiteral(", ")));
    values << m_pageSize + 1;
    return sql;
}

// Reads up to a page after the last loaded row; one row more tells whether the end has been reached.
bool LazyTableModel::readPage(QList<Row>& rows)
{
    const QVariantList after = m_rows.isEmpty() ? QVariantList() : m_rows.constLast().orderValues;
    QVariantList values = m_source.whereValues;
    const QString sql = selectSql(after, values);
    SqliteStatement statement(m_database, sql);
    if (!statement.select(values)) {
        m_lastError = statement.error();
        return false;
    }
    const int rawCount = static_cast<int>(m_source.columns.size() + m_source.extraSources.size());
    const int orderCount = static_cast<int>(m_order.size());
    rows.reserve(m_pageSize);
    int read = 0;
    while (statement.next()) {
        if (++read > m_pageSize)
            break;
        Row row;
        row.raw.reserve(rawCount);
        for (int at = 0; at < rawCount; ++at)
            row.raw << statement.value(at);
        row.orderValues.reserve(orderCount);
        for (int at = 0; at < orderCount; ++at)
            row.orderValues << statement.value(rawCount + at);
        rows << std::move(row);
    }
    if (!statement.error().isEmpty()) {
        m_lastError = statement.error();
        return false;
    }
    m_lastError.clear();
    m_atEnd = read <= m_pageSize;
    return true;
}

void LazyTableModel::restart()
{
    beginResetModel();
    m_rows.clear();
    m_atEnd = false;
    QList<Row> page;
    if (readPage(page))
        m_rows = std::move(page);
    else
        m_atEnd = true;
    endResetModel();
}

int LazyTableModel::findLoaded(const QVariant& key, int from) const
{
    for (int row = from; row < m_rows.size(); ++row) {
        if (m_rows.at(row).orderValues.constLast() == key)
            return row;
    }
    return -1;
}
