#include "core/edi/receive/TransferBatchStore.h"

#include "core/edi/receive/ImportSql.h"
#include "core/data/Database.h"

namespace {

constexpr int Received = 3;

QVariant stored(const QDate& date)
{
    return Database::boundValue({}, {}, date);
}

QVariant stored(const QTime& time)
{
    return Database::boundValue({}, {}, time);
}

} // namespace

TransferBatchStore::TransferBatchStore(Database& database, const TransferResultKind& kind, bool currentLayout)
    : m_database(database)
    , m_kind(kind)
    , m_current(currentLayout)
{
    const QString sendDateTest = m_current ? QStringLiteral(" AND SendDate = ?") : QString();
    m_findBatch = ImportSql::prepare(m_database, QStringLiteral("SELECT %1 FROM %2 WHERE DataNo = ? AND Stime = ?%3 "
                                                                "ORDER BY %1 LIMIT 1")
                                                     .arg(m_kind.batchKey, m_kind.batchTable, sendDateTest));
    const QString items = QStringLiteral("SELECT %1, DataNo, IcheMoney, BankCode FROM %2 WHERE %3 = ? ORDER BY %1");
    m_items = ImportSql::prepare(m_database, items.arg(m_kind.itemKey, m_kind.itemTable, m_kind.batchKey));
    m_updateItem = ImportSql::prepareBulk(m_database,
                                          QStringLiteral("UPDATE %1 SET IcheYebu = ?, %2 = ?, Rdate = ?, State = %3 "
                                                         "WHERE %4 = ?")
                                              .arg(m_kind.itemTable, resultCodeField())
                                              .arg(Received)
                                              .arg(m_kind.itemKey));
    QStringList fields{m_kind.batchKey,         QStringLiteral("BankCode"), QStringLiteral("BankNo"),
                       QStringLiteral("IcheMoney"), QStringLiteral("NapbuNo"), QStringLiteral("Gubun"),
                       QStringLiteral("IcheDate"),  QStringLiteral("IcheYebu"), resultCodeField(),
                       QStringLiteral("DataNo"),    QStringLiteral("Rdate"),   QStringLiteral("State")};
    if (m_kind.isDeposit())
        fields << QStringLiteral("Salary");
    if (m_kind.isApartment())
        fields << QStringLiteral("Dong") << QStringLiteral("Ho");
    const QString marks = QStringLiteral("?, ").repeated(static_cast<int>(fields.size()) - 1) + QLatin1Char('?');
    m_insertItem = ImportSql::prepareBulk(m_database, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                          .arg(m_kind.itemTable, fields.join(QStringLiteral(", ")),
                                                               marks));
}

std::optional<QString> TransferBatchStore::institutionName(const QString& code, const QString& fileName)
{
    const QString column = m_current ? m_kind.institutionColumn : m_kind.oldInstitutionColumn;
    QSqlQuery query = ImportSql::prepare(
        m_database, QStringLiteral("SELECT Name FROM Usercode WHERE %1 = ? AND %2 = ? ORDER BY Name LIMIT 1")
                        .arg(column, m_kind.receiveColumn));
    ImportSql::execute(query, {code, fileName});
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

std::optional<qint64> TransferBatchStore::findBatch(const TransferBatchKey& key, const QDate& sendDate)
{
    QVariantList values{key.number, stored(key.sendTime)};
    if (m_current)
        values << stored(sendDate);
    ImportSql::execute(m_findBatch, values);
    std::optional<qint64> batchId;
    if (m_findBatch.next())
        batchId = m_findBatch.value(0).toLongLong();
    m_findBatch.finish();
    return batchId;
}

qint64 TransferBatchStore::createBatch(const TransferResultHeader& header, const TransferBatchKey& key,
                                       const QDate& today)
{
    const QString nextKey = QStringLiteral("SELECT COALESCE(MAX(%1), 0) + 1 FROM %2");
    QSqlQuery next = ImportSql::prepare(m_database, nextKey.arg(m_kind.batchKey, m_kind.batchTable));
    ImportSql::execute(next);
    const qint64 batchId = next.next() ? next.value(0).toLongLong() : 1;
    next.finish();
    const QString institutionField = m_current ? QStringLiteral("GiganID10") : QStringLiteral("GiganID");
    const QString bankCode = m_kind.isApartment() ? QStringLiteral("11") : header.bankCode;
    QSqlQuery insert = ImportSql::prepare(
        m_database, QStringLiteral("INSERT INTO %1 (%2, %3, FileGubun, BankCode, MoBankNo, IcheDate, IcheEDate, "
                                   "SendDate, Pass, Rdate, Stime, DataNo) "
                                   "VALUES (?, ?, '11', ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                        .arg(m_kind.batchTable, m_kind.batchKey, institutionField));
    ImportSql::execute(insert, {batchId, batchValue(institutionField, header.institutionCode),
                                batchValue(QStringLiteral("BankCode"), bankCode),
                                batchValue(QStringLiteral("MoBankNo"), header.motherAccount),
                                stored(header.transferDate), stored(header.transferEndDate), stored(header.sendDate),
                                batchValue(QStringLiteral("Pass"), header.pass), stored(today), stored(key.sendTime),
                                key.number});
    return batchId;
}

QHash<qint64, TransferBatchStore::StoredItem> TransferBatchStore::items(qint64 batchId)
{
    ImportSql::execute(m_items, {batchId});
    QHash<qint64, StoredItem> items;
    while (m_items.next()) {
        const qint64 recordNumber = m_items.value(1).toLongLong();
        if (!items.contains(recordNumber))
            items.insert(recordNumber, {m_items.value(0).toLongLong(), Money::fromStored(m_items.value(2).toLongLong()),
                                        m_items.value(3).toString()});
    }
    m_items.finish();
    return items;
}

// The flag and code are read no wider than their fields, so they are bound as they are.
void TransferBatchStore::updateItem(qint64 rowId, const TransferResultItem& result, const QDate& today)
{
    if (m_today != today) {
        m_today = today;
        m_storedToday = stored(today);
    }
    ImportSql::execute(*m_updateItem, {result.flag, result.resultCode, m_storedToday, rowId});
}

qint64 TransferBatchStore::insertItem(qint64 batchId, const TransferResultItem& result, const TransferNewItem& item,
                                      const QDate& today)
{
    const QString fundCode = m_kind.isDeposit() ? fundCodeNamed(item.passbookText) : item.fundCode;
    QVariantList values{batchId,
                        itemValue(QStringLiteral("BankCode"), item.bankCode),
                        itemValue(QStringLiteral("BankNo"), item.account),
                        result.amount.stored(),
                        itemValue(QStringLiteral("NapbuNo"), item.payerNumber),
                        itemValue(QStringLiteral("Gubun"), fundCode),
                        stored(item.transferDate),
                        itemValue(QStringLiteral("IcheYebu"), result.flag),
                        itemValue(resultCodeField(), result.resultCode),
                        result.recordNumber,
                        stored(today),
                        Received};
    if (m_kind.isDeposit())
        values << result.salary;
    if (m_kind.isApartment())
        values << itemValue(QStringLiteral("Dong"), item.dong) << itemValue(QStringLiteral("Ho"), item.ho);
    ImportSql::execute(*m_insertItem, values);
    return m_insertItem->lastInsertId();
}

void TransferBatchStore::postBatch(qint64 batchId, const TransferBatchTotals& totals, const QDate& today)
{
    QString sql = QStringLiteral("UPDATE %1 SET E1TotNo = ?, E1TotMon = ?, E1JunNo = ?, E1JunMon = ?, E1JoNo = ?, "
                                 "E1JoMon = ?, E1SucNo = ?, E1SucMon = ?, State = %2, Rdate = ?, TotNo = ?, "
                                 "TotMoney = ?")
                      .arg(m_kind.batchTable)
                      .arg(Received);
    QVariantList values{totals.count,
                        totals.amount.stored(),
                        totals.groupCount[0],
                        totals.groupAmount[0].stored(),
                        totals.groupCount[1],
                        totals.groupAmount[1].stored(),
                        totals.groupCount[2],
                        totals.groupAmount[2].stored(),
                        stored(today),
                        totals.count,
                        totals.amount.stored()};
    if (m_kind.isDeposit()) {
        sql += QStringLiteral(", Salary = ?");
        values << totals.salary;
    }
    if (m_kind.toIO != 0) {
        sql += QStringLiteral(", TOIO = ?");
        values << m_kind.toIO;
    }
    sql += QStringLiteral(" WHERE %1 = ?").arg(m_kind.batchKey);
    values << batchId;
    QSqlQuery post = ImportSql::prepare(m_database, sql);
    ImportSql::execute(post, values);
}

QVariant TransferBatchStore::batchValue(const QString& field, const QVariant& value) const
{
    return Database::boundValue(m_kind.batchTable, field, value);
}

QVariant TransferBatchStore::itemValue(const QString& field, const QVariant& value) const
{
    return Database::boundValue(m_kind.itemTable, field, value);
}

// Results of the old layout have two-character codes, of the current layout four.
QString TransferBatchStore::resultCodeField() const
{
    return m_current ? QStringLiteral("ResultID4") : QStringLiteral("ResultID");
}

QString TransferBatchStore::fundCodeNamed(const QString& passbookText)
{
    if (!m_fundCodes) {
        QSqlQuery query = ImportSql::prepare(m_database, QStringLiteral("SELECT Id, Name FROM codeV ORDER BY Id"));
        ImportSql::execute(query);
        m_fundCodes.emplace();
        while (query.next()) {
            const QString name = query.value(1).toString().trimmed();
            if (!m_fundCodes->contains(name))
                m_fundCodes->insert(name, query.value(0).toString());
        }
    }
    return passbookText.isEmpty() ? QString() : m_fundCodes->value(passbookText);
}
