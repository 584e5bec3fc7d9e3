#include "core/data/Database.h"

#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TableCatalogue.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <sqlite3.h>

namespace {

// A bulk operation of 100,000 rows keeps its changed pages in memory until it commits: a smaller cache
// would spill them to the file midway, each spill syncing the journal first.
constexpr int CacheKibibytes = 64 * 1024;

} // namespace

const QString Database::DefaultConnection = QStringLiteral("FbMorvExeDB");

Database::Database(const QString& connectionName)
    : m_connectionName(connectionName)
{
}

Database::~Database()
{
    close();
}

bool Database::open(const QString& file)
{
    close();
    m_file = file;
    if (!QFileInfo(file).isFile())
        return fail(QStringLiteral("no database file at %1").arg(file));
    if (!connect() || !checkUsable() || !exec(QStringLiteral("PRAGMA cache_size = %1").arg(-CacheKibibytes))) {
        const QString reason = m_lastError;
        close();
        return fail(reason);
    }
    m_lastError.clear();
    return true;
}

bool Database::connect()
{
    if (QSqlDatabase::contains(m_connectionName))
        return fail(QStringLiteral("the connection %1 is held by another user").arg(m_connectionName));
    m_connected = true;
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    connection.setDatabaseName(m_file);
    return connection.open() || fail(QStringLiteral("cannot open %1: %2").arg(m_file, connection.lastError().text()));
}

// SQLite opens any file lazily and falls back to reading a file it cannot write, so both are tried here.
bool Database::checkUsable()
{
    if (!exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return fail(QStringLiteral("%1 is not a usable database: %2").arg(m_file, m_lastError));
    const QFileInfo info(m_file);
    if (!info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        return fail(QStringLiteral("%1 or its directory cannot be written").arg(m_file));
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(QStringLiteral("%1 cannot be written: %2").arg(m_file, m_lastError));
    return exec(QStringLiteral("ROLLBACK"));
}

void Database::close()
{
    if (!m_connected)
        return;
    m_connected = false;
    {
        QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
        connection.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::isOpen() const
{
    return m_connected && connection().isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::fail(const QString& text)
{
    m_lastError = text;
    m_lastErrorCode = 0;
    return false;
}

bool Database::fail(const SqliteStatement& statement)
{
    m_lastError = statement.error();
    m_lastErrorCode = statement.errorCode();
    return false;
}

WriteResult Database::refuse(const QString& text)
{
    fail(text);
    return WriteResult::Failed;
}

QString Database::writeFailure(const QString& missingValue) const
{
    switch (m_lastErrorCode & 0xFF) {
    case SQLITE_FULL:
    case SQLITE_READONLY:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_IOERR:
        return m_lastError;
    default:
        return missingValue;
    }
}

bool Database::exec(const QString& sql, const QVariantList& values)
{
    SqliteStatement statement(*this, sql);
    return statement.isValid() ? finish(statement, statement.run(values)) == WriteResult::Ok : fail(statement);
}

QVariant Database::scalar(const QString& sql, const QVariantList& values)
{
    SqliteStatement statement(*this, sql);
    if (!statement.isValid()) {
        fail(statement);
        return {};
    }
    if (!statement.select(values) || !statement.next()) {
        if (!statement.error().isEmpty())
            fail(statement);
        return {};
    }
    return statement.value(0);
}

WriteResult Database::run(const QString& sql, const QVariantList& values)
{
    SqliteStatement statement(*this, sql);
    if (!statement.isValid()) {
        fail(statement);
        return WriteResult::Failed;
    }
    return finish(statement, statement.run(values));
}

WriteResult Database::finish(const SqliteStatement& statement, WriteResult result)
{
    if (result != WriteResult::Ok)
        fail(statement);
    return result;
}

bool Database::bindRow(const QString& table, const QVariantMap& row, QVariantList& values)
{
    if (!isPlainName(table) || row.isEmpty())
        return fail(QStringLiteral("bad statement on %1").arg(table));
    const TableDef* definition = TableCatalogue::instance().table(table);
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        if (!isPlainName(it.key()))
            return fail(QStringLiteral("bad field name %1").arg(it.key()));
        const FieldDef* field = definition ? definition->field(it.key()) : nullptr;
        const QVariant value = SqlValue::stored(it.value());
        if (!TableCatalogue::fits(field, value))
            return fail(TableCatalogue::tooWide(table, *field));
        values << value;
    }
    return true;
}

WriteResult Database::insert(const QString& table, const QVariantMap& row)
{
    QVariantList values;
    if (!bindRow(table, row, values))
        return WriteResult::Failed;
    const QStringList fields = row.keys();
    return run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(table, fields.join(QStringLiteral(", ")),
                       QStringList(fields.size(), QStringLiteral("?")).join(QStringLiteral(", "))),
        values);
}

WriteResult Database::update(
    const QString& table, const QVariantMap& values, const QString& where, const QVariantList& whereValues)
{
    QVariantList bound;
    if (!bindRow(table, values, bound))
        return WriteResult::Failed;
    QString sql = QStringLiteral("UPDATE %1 SET %2 = ?").arg(table, values.keys().join(QStringLiteral(" = ?, ")));
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    return run(sql, bound + whereValues);
}

bool Database::isPlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

std::optional<qint64> Database::nextKey(const QString& table, const QString& field)
{
    if (!isPlainName(table) || !isPlainName(field))
        return std::nullopt;
    const QVariant next = scalar(QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM %2").arg(field, table));
    if (next.isNull())
        return std::nullopt;
    return next.toLongLong();
}
