#pragma once

#include "core/batches/BankGroup.h"
#include "core/batches/TransferKind.h"
#include "core/edi/receive/ImportStatement.h"
#include "core/edi/receive/TransferBatchTotals.h"
#include "core/edi/receive/TransferResultRecords.h"

#include <QHash>
#include <optional>

class Database;

// The batches and items of one transfer kind as the result import finds, creates and posts them. Statements
// are prepared once per file; a refused one throws EdiImportError.
class TransferBatchStore {
public:
    struct StoredItem {
        qint64 rowId = 0;
        Money amount;
        BankGroup::Group bankGroup = BankGroup::Other;
    };

    TransferBatchStore(Database& database, const TransferKind& kind, bool currentLayout);

    // The name of the institution with this code whose result file has this name; nothing when there is none.
    std::optional<QString> institutionName(const QString& code, const QString& fileName);
    // The first batch in key order written with the key's number and send time and, in the current layout,
    // on this send date.
    std::optional<qint64> findBatch(const TransferBatchKey& key, const QDate& sendDate);
    qint64 createBatch(const TransferResultHeader& header, const TransferBatchKey& key, const QDate& today);
    // The batch's items by record number; of equal numbers the first.
    QHash<qint64, StoredItem> items(qint64 batchId);
    void updateItem(qint64 rowId, const TransferResultItem& result, const QDate& today);
    // The new item's row id.
    qint64 insertItem(
        qint64 batchId, const TransferResultItem& result, const TransferNewItem& item, const QDate& today);
    void postBatch(qint64 batchId, const TransferBatchTotals& totals, const QDate& today);

private:
    QVariant batchValue(const QString& field, const QVariant& value) const;
    QVariant itemValue(const QString& field, const QVariant& value) const;
    QString resultCodeField() const;
    QString insertItemSql() const;
    QString postBatchSql() const;
    // Deposit: the code of the fund whose name is the passbook text; empty when none is.
    QString fundCodeNamed(const QString& passbookText);

    Database& m_database;
    const TransferKind& m_kind;
    bool m_current;
    ImportStatement m_findBatch;
    ImportStatement m_items;
    ImportStatement m_updateItem;
    ImportStatement m_insertItem;
    ImportStatement m_postBatch;
    std::optional<QHash<QString, QString>> m_fundCodes;
    QDate m_today;
    QVariant m_storedToday;
};
