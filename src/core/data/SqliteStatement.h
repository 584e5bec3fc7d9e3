#pragma once

#include "core/data/Database.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

// One statement prepared on the database's own SQLite connection and run many times, for bulk work
// where every row counts: values go straight to SQLite, without the per-row bookkeeping of QSqlQuery.
// Values bind as the Qt driver binds them (a null string is NULL, integers and booleans are integers),
// so rows written either way read back alike.
class SqliteStatement {
public:
    SqliteStatement(const Database& database, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // False when the statement could not be prepared; error() says why.
    bool isValid() const { return m_statement != nullptr; }
    // Binds the values in order (from the first parameter) and runs the statement to its end.
    WriteResult run(const QVariantList& values);
    // Binds the values and starts the statement afresh: its rows are then read with next() and value().
    bool select(const QVariantList& values);
    // Steps to the next row: false after the last one, or on a failure, which error() then tells.
    bool next();
    // A column of the current row as the Qt driver reads it: integers as qint64, text as QString, NULL as a
    // null value.
    QVariant value(int column) const;
    // A column of the current row read straight as text (empty for NULL) or as an integer, for rows read by the
    // hundred thousand.
    QString text(int column) const;
    int columnCount() const;
    QString columnName(int column) const;
    qint64 integer(int column) const;
    // The rows changed by the last insert, update or delete run on the connection.
    int changes() const;
    // The key of the row inserted last on the connection.
    qint64 lastInsertId() const;
    const QString& error() const { return m_error; }
    // SQLite's extended result code of the failure error() tells; 0 when there is none or it is not SQLite's.
    int errorCode() const { return m_errorCode; }

private:
    bool bindAll(const QVariantList& values);
    bool bind(int parameter, const QVariant& value);
    bool bindText(int parameter, const QString& text);
    WriteResult fail();

    sqlite3* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QList<QByteArray> m_texts; // the bound texts, one per parameter
    QStringEncoder m_encoder { QStringEncoder::Utf8, QStringEncoder::Flag::Stateless };
    QString m_error;
    int m_errorCode = 0;
};
