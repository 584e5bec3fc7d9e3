#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class SqliteStatement;

// What became of an insert or an update: a duplicate primary key is told apart from every other failure.
enum class WriteResult { Ok, KeyViolation, Failed };

// Owns one SQLite connection to the working database. Every statement binds its values.
// A connection name belongs to one Database at a time; queries on it must be gone before it is closed.
class Database {
public:
    static const QString DefaultConnection; // FbMorvExeDB

    explicit Database(const QString& connectionName = DefaultConnection);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file. Never creates one: false, with lastError(), when the file is
    // missing, is not a database, or it or its directory cannot be written.
    bool open(const QString& file);
    void close();
    bool isOpen() const;
    const QString& file() const { return m_file; }
    QSqlDatabase connection() const;
    const QString& lastError() const { return m_lastError; }
    // What a save tells of its failed write: SQLite's own words when the database could not take the write at all
    // (a full disk, a read-only file, another connection's lock, an I/O error), else missingValue, the save's
    // text for a value the table requires.
    QString writeFailure(const QString& missingValue) const;

    // Runs one statement with positional values. Every statement of this class and of SqliteStatement binds its
    // values through SqlValue::stored.
    bool exec(const QString& sql, const QVariantList& values = {});
    // The first column of the first row; null when there is no row or the statement failed.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    // The key a new row of table takes: the largest key in field plus 1, or 1 for an empty table (the rule of
    // batch, group and inquiry keys). Nothing when the statement fails or a name is not plain.
    std::optional<qint64> nextKey(const QString& table, const QString& field);

    // Dates, times and booleans are stored in table form. A text wider than its catalogue width is never cut: the
    // statement is refused (Failed), lastError() naming the table and the field.
    WriteResult insert(const QString& table, const QVariantMap& row);
    WriteResult update(
        const QString& table, const QVariantMap& values, const QString& where, const QVariantList& whereValues = {});

    // Table and field names go into SQL text, so only plain names are accepted.
    static bool isPlainName(const QString& name);

private:
    // The values of row in stored form, in field order, after the name and width checks; false with lastError().
    bool bindRow(const QString& table, const QVariantMap& row, QVariantList& values);
    bool fail(const QString& text);
    bool fail(const SqliteStatement& statement);
    WriteResult refuse(const QString& text);
    WriteResult run(const QString& sql, const QVariantList& values);
    WriteResult finish(const SqliteStatement& statement, WriteResult result);
    bool connect();
    bool checkUsable();

    QString m_connectionName;
    bool m_connected = false;
    QString m_file;
    QString m_lastError;
    int m_lastErrorCode = 0; // SQLite's extended code of lastError, 0 for the failures of this class
};
