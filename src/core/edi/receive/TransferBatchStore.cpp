#include "core/edi/receive/TransferBatchStore.h"

#include "core/batches/BatchState.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/TableCatalogue.h"
#include "core/edi/receive/EdiImportError.h"

namespace {

QVariant stored(const QDate& date)
{
    return SqlValue::stored(date);
}

QVariant stored(const QTime& time)
{
    return SqlValue::stored(time);
}

QString findBatchSql(const TransferKind& kind, bool current)
{
    const QString sendDateTest = current ? QStringLiteral(" AND SendDate = ?") : QString();
    return QStringLiteral("SELECT %1 FROM %2 WHERE DataNo = ? AND Stime = ?%3 ORDER BY %1 LIMIT 1")
        .arg(kind.batchKey, kind.batchTable, sendDateTest);
}

} // namespace

TransferBatchStore::TransferBatchStore(Database& database, const TransferKind& kind, bool currentLayout)
    : m_database(database)
    , m_kind(kind)
    , m_current(currentLayout)
    , m_findBatch(database, findBatchSql(kind, currentLayout))
    , m_items(database,
          QStringLiteral("SELECT %1, DataNo, IcheMoney, BankCode FROM %2 WHERE %3 = ? ORDER BY %1")
              .arg(kind.itemKey, kind.itemTable, kind.batchKey))
    , m_updateItem(database,
          QStringLiteral("UPDATE %1 SET IcheYebu = ?, %2 = ?, Rdate = ?, State = %3 WHERE %4 = ?")
              .arg(kind.itemTable, resultCodeField())
              .arg(BatchState::ResultsReceived)
              .arg(kind.itemKey))
    , m_insertItem(database, insertItemSql())
    , m_postBatch(database, postBatchSql())
{
}

std::optional<QString> TransferBatchStore::institutionName(const QString& code, const QString& fileName)
{
    const QString column = m_current ? m_kind.institutionColumn : m_kind.oldInstitutionColumn;
    ImportStatement query(m_database,
        QStringLiteral("SELECT Name FROM Usercode WHERE %1 = ? AND %2 = ? ORDER BY Name LIMIT 1")
            .arg(column, m_kind.receiveColumn));
    const std::optional<QVariant> name = query.single({ code, fileName });
    if (!name)
        return std::nullopt;
    return name->toString();
}

std::optional<qint64> TransferBatchStore::findBatch(const TransferBatchKey& key, const QDate& sendDate)
{
    QVariantList values { key.number, stored(key.sendTime) };
    if (m_current)
        values << stored(sendDate);
    const std::optional<QVariant> batchId = m_findBatch.single(values);
    if (!batchId)
        return std::nullopt;
    return batchId->toLongLong();
}

qint64 TransferBatchStore::createBatch(
    const TransferResultHeader& header, const TransferBatchKey& key, const QDate& today)
{
    const std::optional<qint64> batchId = m_database.nextKey(m_kind.batchTable, m_kind.batchKey);
    if (!batchId)
        throw EdiImportError::notStored(m_database.lastError());
    const QString institutionField = m_current ? QStringLiteral("GiganID10") : QStringLiteral("GiganID");
    const QString bankCode = m_kind.isApartment() ? BankGroup::centralBankCode() : header.bankCode;
    ImportStatement insert(m_database,
        QStringLiteral("INSERT INTO %1 (%2, %3, FileGubun, BankCode, MoBankNo, IcheDate, IcheEDate, "
                       "SendDate, Pass, Rdate, Stime, DataNo) "
                       "VALUES (?, ?, '11', ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(m_kind.batchTable, m_kind.batchKey, institutionField));
    insert.run({ *batchId, batchValue(institutionField, header.institutionCode),
        batchValue(QStringLiteral("BankCode"), bankCode), batchValue(QStringLiteral("MoBankNo"), header.motherAccount),
        stored(header.transferDate), stored(header.transferEndDate), stored(header.sendDate),
        batchValue(QStringLiteral("Pass"), header.pass), stored(today), stored(key.sendTime), key.number });
    return *batchId;
}

QHash<qint64, TransferBatchStore::StoredItem> TransferBatchStore::items(qint64 batchId)
{
    m_items.select({ batchId });
    QHash<qint64, StoredItem> items;
    while (m_items.next()) {
        const qint64 recordNumber = m_items.value(1).toLongLong();
        if (!items.contains(recordNumber))
            items.insert(recordNumber,
                { m_items.value(0).toLongLong(), SqlValue::money(m_items.value(2)),
                    BankGroup::of(m_items.value(3).toString()) });
    }
    return items;
}

// The flag and code are read no wider than their fields, so they are bound as they are.
void TransferBatchStore::updateItem(qint64 rowId, const TransferResultItem& result, const QDate& today)
{
    if (m_today != today) {
        m_today = today;
        m_storedToday = stored(today);
    }
    m_updateItem.run({ result.flag, result.resultCode, m_storedToday, rowId });
}

qint64 TransferBatchStore::insertItem(
    qint64 batchId, const TransferResultItem& result, const TransferNewItem& item, const QDate& today)
{
    const QString fundCode = m_kind.isDeposit() ? fundCodeNamed(item.passbookText) : item.fundCode;
    QVariantList values { batchId, itemValue(QStringLiteral("BankCode"), item.bankCode),
        itemValue(QStringLiteral("BankNo"), item.account), SqlValue::stored(result.amount),
        itemValue(QStringLiteral("NapbuNo"), item.payerNumber), itemValue(QStringLiteral("Gubun"), fundCode),
        stored(item.transferDate), itemValue(QStringLiteral("IcheYebu"), result.flag),
        itemValue(resultCodeField(), result.resultCode), result.recordNumber, stored(today),
        BatchState::ResultsReceived };
    if (m_kind.hasSalary)
        values << result.salary;
    if (m_kind.hasDongHo)
        values << itemValue(QStringLiteral("Dong"), item.dong) << itemValue(QStringLiteral("Ho"), item.ho);
    m_insertItem.run(values);
    return m_insertItem.lastInsertId();
}

void TransferBatchStore::postBatch(qint64 batchId, const TransferBatchTotals& totals, const QDate& today)
{
    QVariantList values { totals.count, SqlValue::stored(totals.amount), totals.groupCount[0],
        SqlValue::stored(totals.groupAmount[0]), totals.groupCount[1], SqlValue::stored(totals.groupAmount[1]),
        totals.groupCount[2], SqlValue::stored(totals.groupAmount[2]), stored(today), totals.count,
        SqlValue::stored(totals.amount) };
    if (m_kind.hasSalary)
        values << totals.salary;
    if (m_kind.toIO != 0)
        values << m_kind.toIO;
    values << batchId;
    m_postBatch.run(values);
}

QString TransferBatchStore::insertItemSql() const
{
    QStringList fields { m_kind.batchKey, QStringLiteral("BankCode"), QStringLiteral("BankNo"),
        QStringLiteral("IcheMoney"), QStringLiteral("NapbuNo"), QStringLiteral("Gubun"), QStringLiteral("IcheDate"),
        QStringLiteral("IcheYebu"), resultCodeField(), QStringLiteral("DataNo"), QStringLiteral("Rdate"),
        QStringLiteral("State") };
    if (m_kind.hasSalary)
        fields << QStringLiteral("Salary");
    if (m_kind.hasDongHo)
        fields << QStringLiteral("Dong") << QStringLiteral("Ho");
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(fields.size()) - 1) + QLatin1Char('?');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(m_kind.itemTable, fields.join(QStringLiteral(", ")), marks);
}

QString TransferBatchStore::postBatchSql() const
{
    QString sql = QStringLiteral("UPDATE %1 SET E1TotNo = ?, E1TotMon = ?, E1JunNo = ?, E1JunMon = ?, E1JoNo = ?, "
                                 "E1JoMon = ?, E1SucNo = ?, E1SucMon = ?, State = %2, Rdate = ?, TotNo = ?, "
                                 "TotMoney = ?")
                      .arg(m_kind.batchTable)
                      .arg(BatchState::ResultsReceived);
    if (m_kind.hasSalary)
        sql += QStringLiteral(", Salary = ?");
    if (m_kind.toIO != 0)
        sql += QStringLiteral(", TOIO = ?");
    return sql + QStringLiteral(" WHERE %1 = ?").arg(m_kind.batchKey);
}

// A field of the bank's file is stored as far as the column holds it: the bank's layout decides its width.
QVariant TransferBatchStore::batchValue(const QString& field, const QVariant& value) const
{
    return TableCatalogue::instance().cutToColumn(m_kind.batchTable, field, SqlValue::stored(value));
}

QVariant TransferBatchStore::itemValue(const QString& field, const QVariant& value) const
{
    return TableCatalogue::instance().cutToColumn(m_kind.itemTable, field, SqlValue::stored(value));
}

// Results of the old layout have two-character codes, of the current layout four.
QString TransferBatchStore::resultCodeField() const
{
    return m_current ? QStringLiteral("ResultID4") : QStringLiteral("ResultID");
}

QString TransferBatchStore::fundCodeNamed(const QString& passbookText)
{
    if (!m_fundCodes) {
        ImportStatement query(m_database, QStringLiteral("SELECT Id, Name FROM codeV ORDER BY Id"));
        query.select();
        m_fundCodes.emplace();
        while (query.next()) {
            const QString name = query.value(1).toString().trimmed();
            if (!m_fundCodes->contains(name))
                m_fundCodes->insert(name, query.value(0).toString());
        }
    }
    return passbookText.isEmpty() ? QString() : m_fundCodes->value(passbookText);
}
