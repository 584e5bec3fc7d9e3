#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

class Database;

// One column of a lazy grid: its title, its width in characters (a hint for the view), what it reads and how the
// value is shown.
struct LazyColumn {
    enum class Format {
        Text, // the value as it is; empty for NULL
        Money, // a stored Money value as whole won, "#,##0"
        Count, // an integer, "#,##0"
        Date, // the stored 'YYYY-MM-DD' text; empty for NULL
        Calculated, // whatever calculate returns for the row
    };
    using Calculation = std::function<QVariant(const QVariantList& rawRow)>;

    QString title;
    int widthChars = 10;
    // A column of the table or an SQL expression written in code; its value is the column's place in the raw row.
    // A calculated column may leave it empty (its place is then NULL).
    QString source;
    Format format = Format::Text;
    bool wonSign = false; // money only: "₩1,234,567"
    Calculation calculate; // calculated only

    static LazyColumn text(const QString& title, int widthChars, const QString& source);
    static LazyColumn money(const QString& title, int widthChars, const QString& source, bool wonSign = false);
    static LazyColumn count(const QString& title, int widthChars, const QString& source);
    static LazyColumn date(const QString& title, int widthChars, const QString& source);
    static LazyColumn calculated(
        const QString& title, int widthChars, Calculation calculate, const QString& source = QString());
};

// What a lazy grid reads: rows of one table (or a fixed FROM clause written in code) that pass a WHERE clause with
// '?' placeholders, in an order that ends with a unique key.
struct LazyTableSource {
    QString from; // a table name, or a fixed FROM clause
    QString keyColumn = QStringLiteral("rowid"); // unique over the rows read
    QString where; // empty for every row
    QVariantList whereValues; // one per '?' of where
    QList<LazyColumn> columns;
    // Values the calculated columns need that no column shows; they follow the columns' values in the raw row.
    QStringList extraSources;
    // Plain column names, ending with the key (added when missing, names after it dropped) so the order is total.
    QStringList order;
    // The rows the screen warns of, by their raw values; they are drawn red on yellow.
    std::function<bool(const QVariantList& rawRow)> warns;
};

// A read-only grid model over a LazyTableSource that reads its rows a page at a time. A reset reads the first
// page; the view asks for the next one (canFetchMore / fetchMore) as it scrolls, and each page is found by the
// last row's order values and key, never by an offset, so every page costs the same however far down it is.
// Screens change data through the core and then reload.
class LazyTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int DefaultPageSize = 200;

    LazyTableModel(Database& database, LazyTableSource source, QObject* parent = nullptr);

    int pageSize() const { return m_pageSize; }
    void setPageSize(int rows); // takes effect from the next page read

    const LazyTableSource& source() const { return m_source; }
    const QStringList& order() const { return m_order; }
    // A new order resets the model. False, leaving the order as it was, when a name is not plain.
    bool setOrder(const QStringList& order);

    // Read from the start again. When reselectKey is given, rows are read on until its row is found: its row, or
    // -1 when it is gone.
    int reload(const QVariant& reselectKey = QVariant());
    // The same with new values for the WHERE clause's placeholders.
    int reset(const QVariantList& whereValues, const QVariant& reselectKey = QVariant());

    // The key of a loaded row; null when out of range.
    QVariant keyAt(int row) const;
    // The row of a key, reading further pages until it is found; -1 when no row has it.
    int rowOfKey(const QVariant& key);
    // A loaded row's values: one per column, then the extra sources.
    QVariantList rawRow(int row) const;
    int widthChars(int column) const;
    // The text a cell shows.
    QString displayText(int row, int column) const;
    // Why the last read failed; empty after a good one.
    const QString& lastError() const { return m_lastError; }

    // Shows a stored Money value as "#,##0" won (rounded half away from zero), optionally behind "₩".
    static QString moneyText(qint64 stored, bool wonSign);
    static QString countText(qint64 value);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Row {
        QVariantList raw; // the columns, then the extra sources
        QVariantList orderValues; // ends with the key
    };

    QString selectSql(const QVariantList& after, QVariantList& values) const;
    bool readPage(QList<Row>& rows);
    void restart();
    int findLoaded(const QVariant& key, int from) const;

    Database& m_database;
    LazyTableSource m_source;
    QStringList m_order;
    int m_pageSize = DefaultPageSize;
    QList<Row> m_rows;
    bool m_atEnd = true;
    QString m_lastError;
};
