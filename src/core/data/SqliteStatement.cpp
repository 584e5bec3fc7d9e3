#include "core/data/SqliteStatement.h"

#include "core/data/SqlValue.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace {

sqlite3* handleOf(const Database& database)
{
    const QVariant handle = database.connection().driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

bool isNullValue(const QVariant& value)
{
    if (value.isNull())
        return true;
    switch (value.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString*>(value.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray*>(value.constData())->isNull();
    default:
        return false;
    }
}

} // namespace

SqliteStatement::SqliteStatement(const Database& database, const QString& sql)
    : m_connection(handleOf(database))
{
    if (!m_connection) {
        m_error = QStringLiteral("the database is not open");
        return;
    }
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v3(m_connection, text.constData(), static_cast<int>(text.size()), SQLITE_PREPARE_PERSISTENT,
            &m_statement, nullptr)
        != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_connection));
        m_errorCode = sqlite3_extended_errcode(m_connection);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

WriteResult SqliteStatement::run(const QVariantList& values)
{
    if (!bindAll(values))
        return WriteResult::Failed;
    const int step = sqlite3_step(m_statement);
    if (step != SQLITE_DONE && step != SQLITE_ROW)
        return fail();
    sqlite3_reset(m_statement);
    return WriteResult::Ok;
}

bool SqliteStatement::select(const QVariantList& values)
{
    if (!m_statement)
        return false; // error() still tells why it could not be prepared
    m_error.clear();
    return bindAll(values);
}

bool SqliteStatement::next()
{
    if (!m_statement)
        return false;
    const int step = sqlite3_step(m_statement);
    if (step == SQLITE_ROW)
        return true;
    if (step == SQLITE_DONE)
        sqlite3_reset(m_statement);
    else
        fail();
    return false;
}

QVariant SqliteStatement::value(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_column_int64(m_statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_statement, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_statement, column));
        return QByteArray(bytes, sqlite3_column_bytes(m_statement, column));
    }
    default:
        return {};
    }
}

QString SqliteStatement::text(int column) const
{
    if (sqlite3_column_type(m_statement, column) == SQLITE_NULL)
        return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
}

int SqliteStatement::columnCount() const
{
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

QString SqliteStatement::columnName(int column) const
{
    return m_statement ? QString::fromUtf8(sqlite3_column_name(m_statement, column)) : QString();
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

int SqliteStatement::changes() const
{
    return m_connection ? sqlite3_changes(m_connection) : 0;
}

qint64 SqliteStatement::lastInsertId() const
{
    return m_connection ? sqlite3_last_insert_rowid(m_connection) : 0;
}

bool SqliteStatement::bindAll(const QVariantList& values)
{
    if (!m_statement)
        return false;
    sqlite3_reset(m_statement);
    m_errorCode = 0;
    if (values.size() != sqlite3_bind_parameter_count(m_statement)) {
        m_error = QStringLiteral("%1 values for %2 parameters")
                      .arg(values.size())
                      .arg(sqlite3_bind_parameter_count(m_statement));
        return false;
    }
    m_texts.resize(values.size());
    for (int i = 0; i < values.size(); ++i) {
        if (!bind(i + 1, values.at(i))) {
            fail();
            return false;
        }
    }
    return true;
}

bool SqliteStatement::bind(int parameter, const QVariant& given)
{
    const QVariant value = SqlValue::stored(given);
    if (isNullValue(value))
        return sqlite3_bind_null(m_statement, parameter) == SQLITE_OK;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Bool:
        return sqlite3_bind_int64(m_statement, parameter, value.toLongLong()) == SQLITE_OK;
    case QMetaType::Double:
        return sqlite3_bind_double(m_statement, parameter, value.toDouble()) == SQLITE_OK;
    case QMetaType::QByteArray: {
        const QByteArray& bytes = *static_cast<const QByteArray*>(value.constData());
        return sqlite3_bind_blob64(m_statement, parameter, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                   SQLITE_TRANSIENT)
            == SQLITE_OK;
    }
    case QMetaType::QString:
        return bindText(parameter, *static_cast<const QString*>(value.constData()));
    default:
        return bindText(parameter, value.toString());
    }
}

// The text is encoded into its parameter's own buffer, which keeps its room from row to row and holds the
// text until the next run, so SQLite need not copy it.
bool SqliteStatement::bindText(int parameter, const QString& text)
{
    QByteArray& utf8 = m_texts[parameter - 1];
    utf8.resize(m_encoder.requiredSpace(text.size()));
    const char* end = m_encoder.appendToBuffer(utf8.data(), text);
    utf8.truncate(end - utf8.constData());
    return sqlite3_bind_text64(m_statement, parameter, utf8.constData(), static_cast<sqlite3_uint64>(utf8.size()),
               SQLITE_STATIC, SQLITE_UTF8)
        == SQLITE_OK;
}

// The error keeps SQLite's extended code, which is how the Qt driver reports it too.
WriteResult SqliteStatement::fail()
{
    m_errorCode = sqlite3_extended_errcode(m_connection);
    m_error = QString::fromUtf8(sqlite3_errmsg(m_connection));
    sqlite3_reset(m_statement);
    return m_errorCode == SQLITE_CONSTRAINT_PRIMARYKEY || m_errorCode == SQLITE_CONSTRAINT_UNIQUE
        ? WriteResult::KeyViolation
        : WriteResult::Failed;
}
