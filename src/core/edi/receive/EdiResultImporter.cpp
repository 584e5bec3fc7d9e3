#include "core/edi/receive/EdiResultImporter.h"

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/FileFunctions.h"
#include "core/data/Database.h"
#include "core/data/TransactionGuard.h"
#include "core/edi/receive/ImportStatement.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>

EdiResultImporter::EdiResultImporter(Database& database, const Workspace& context)
    : m_database(database)
    , m_context(context)
{
}

bool EdiResultImporter::run()
{
    QStringList names;
    try {
        names = fileNames();
    } catch (const EdiImportError& error) {
        m_refusals << error;
        return false;
    }
    bool found = false;
    for (const QString& name : names) {
        const QString path = m_context.paths().receivePath() + name;
        if (!QFileInfo(path).isFile())
            continue;
        found = true;
        importFile(name, path);
    }
    return found;
}

// Result files run to tens of megabytes: they are mapped rather than copied, and read whole only where the
// system cannot map them.
bool EdiResultImporter::importFile(const QString& fileName, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_refusals << EdiImportError::unreadable(fileName);
        return false;
    }
    const qint64 size = file.size();
    if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr)
        return importBytes(fileName, QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size));
    QByteArray bytes;
    if (!FileFunctions::readWhole(path, bytes)) {
        m_refusals << EdiImportError::unreadable(fileName);
        return false;
    }
    return importBytes(fileName, bytes);
}

bool EdiResultImporter::importBytes(const QString& fileName, const QByteArray& bytes)
{
    const qsizetype rowsBefore = m_rows.size();
    try {
        TransactionGuard transaction(m_database);
        if (!transaction.isActive())
            throw EdiImportError::notStored(m_database.connection().lastError().text());
        if (bytes.isEmpty())
            throw EdiImportError::incomplete(QStringLiteral("빈 파일"));
        readFile(fileName, bytes);
        if (!transaction.commit())
            throw EdiImportError::notStored(m_database.connection().lastError().text());
        return true;
    } catch (EdiImportError& error) {
        if (error.file().isEmpty())
            error.at(fileName, error.record());
        m_refusals << error;
    }
    m_rows.resize(rowsBefore);
    return false;
}

QDate EdiResultImporter::today() const
{
    return m_context.clock().today();
}

QDateTime EdiResultImporter::now() const
{
    return m_context.clock().now();
}

QStringList EdiResultImporter::institutionValues(const QString& column) const
{
    const QString sql = QStringLiteral("SELECT DISTINCT TRIM(%1) FROM Usercode WHERE TRIM(%1) <> '' ORDER BY 1");
    ImportStatement query(m_database, sql.arg(column));
    query.select();
    QStringList values;
    while (query.next())
        values << query.value(0).toString();
    return values;
}
