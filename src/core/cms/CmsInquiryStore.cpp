#include "core/cms/CmsInquiryStore.h"

#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/TableCatalogue.h"
#include "core/edi/receive/EdiImportError.h"
#include "core/edi/receive/ImportStatement.h"

namespace {

void check(WriteResult result, const Database& database)
{
    if (result != WriteResult::Ok)
        throw EdiImportError::notStored(database.lastError());
}

// A field of the bank's file is stored as far as its column holds it: the bank's layout decides the width.
QVariant asStored(const QString& table, const QString& column, const QVariant& value)
{
    return TableCatalogue::instance().cutToColumn(table, column, SqlValue::stored(value));
}

QVariantMap masterColumns(const CmsInquiryKind& kind, const CmsInquiry& inquiry)
{
    QVariantMap columns = inquiry.header;
    columns.insert(inquiry.totals);
    for (auto it = columns.begin(); it != columns.end(); ++it)
        it.value() = asStored(kind.masterTable, it.key(), it.value());
    return columns;
}

} // namespace

CmsInquiryStore::CmsInquiryStore(Database& database)
    : m_database(database)
{
}

void CmsInquiryStore::store(const CmsInquiryKind& kind, const CmsInquiry& inquiry, bool complete)
{
    const std::optional<qint64> stored = storedInquiry(kind, inquiry);
    if (stored && !complete)
        return;
    const qint64 id = stored ? *stored : nextId(kind);
    if (stored)
        replaceMaster(kind, id, inquiry);
    else
        insertMaster(kind, id, inquiry);
    insertDetails(kind, id, inquiry);
}

QString CmsInquiryStore::institutionName(const CmsInquiryKind& kind, const QString& fileName)
{
    const QString sql = QStringLiteral("SELECT Name FROM Usercode WHERE UPPER(%1) = ? ORDER BY Name LIMIT 1");
    ImportStatement query(m_database, sql.arg(kind.fileColumn));
    return query.single({ fileName.toUpper() }).value_or(QVariant()).toString();
}

std::optional<qint64> CmsInquiryStore::storedInquiry(const CmsInquiryKind& kind, const CmsInquiry& inquiry)
{
    if (!inquiry.repeatable)
        return std::nullopt;
    QStringList tests;
    QVariantList values;
    for (const QString& column : kind.keyColumns()) {
        tests << column + QStringLiteral(" = ?");
        values << asStored(kind.masterTable, column, inquiry.header.value(column));
    }
    ImportStatement query(m_database,
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1 LIMIT 1")
            .arg(kind.masterId, kind.masterTable, tests.join(QStringLiteral(" AND "))));
    const std::optional<QVariant> id = query.single(values);
    if (!id)
        return std::nullopt;
    return id->toLongLong();
}

qint64 CmsInquiryStore::nextId(const CmsInquiryKind& kind)
{
    const std::optional<qint64> id = m_database.nextKey(kind.masterTable, kind.masterId);
    if (!id)
        throw EdiImportError::notStored(m_database.lastError());
    return *id;
}

void CmsInquiryStore::replaceMaster(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry)
{
    ImportStatement remove(
        m_database, QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(kind.detailTable, kind.detailLink));
    remove.run({ id });
    check(m_database.update(
              kind.masterTable, masterColumns(kind, inquiry), kind.masterId + QStringLiteral(" = ?"), { id }),
        m_database);
}

void CmsInquiryStore::insertMaster(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry)
{
    QVariantMap columns = masterColumns(kind, inquiry);
    columns.insert(kind.masterId, id);
    check(m_database.insert(kind.masterTable, columns), m_database);
}

void CmsInquiryStore::insertDetails(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry)
{
    BulkInsert& insert = detailInsert(kind);
    const QVariantList link { id };
    for (const QVariantList& detail : inquiry.details) {
        if (!insert.add(link, detail))
            throw EdiImportError::notStored(insert.error());
    }
    if (!insert.finish())
        throw EdiImportError::notStored(insert.error());
}

BulkInsert& CmsInquiryStore::detailInsert(const CmsInquiryKind& kind)
{
    std::unique_ptr<BulkInsert>& insert = m_detailInserts[static_cast<size_t>(kind.kind)];
    if (!insert) {
        QStringList columns { kind.detailLink };
        for (const CmsField& field : kind.details)
            columns << field.column;
        insert = std::make_unique<BulkInsert>(m_database, kind.detailTable, columns, InsertColumns::WideText::Cut);
        if (!insert->isValid())
            throw EdiImportError::notStored(insert->error());
    }
    return *insert;
}
