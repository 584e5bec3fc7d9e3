#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/TransferBatchStore.h"
#include "core/edi/receive/TransferEndFigures.h"
#include "core/edi/receive/TransferResultLayout.h"

#include <functional>
#include <memory>

class Database;

// One transfer result file being read: its S groups, the batch each run of D records belongs to, and the
// totals posted when a batch ends. A group is taken only with its E record, whose figures must match its D
// records. Throws EdiImportError naming the record at fault; the importer then refuses the whole file.
class TransferResultFile {
public:
    using Report = std::function<void(const TEdiInfo&)>;

    TransferResultFile(Database& database, const TransferKind& kind, const QString& fileName, const QByteArray& bytes,
        const QDate& today);

    void read(const Report& report);

private:
    struct OpenBatch {
        qint64 id = 0;
        qint64 number = 0;
        QHash<qint64, TransferBatchStore::StoredItem> items;
        TransferBatchTotals totals;
    };

    void readRecord(QByteArrayView record, int number);
    void startGroup(const RecordReader& record);
    void endGroup(QByteArrayView record, int number);
    void takeItem(const RecordReader& record);
    void openBatch(const TransferBatchKey& key);
    void postBatch();

    const TransferKind& m_kind;
    QString m_fileName;
    const QByteArray& m_bytes;
    QDate m_today;
    std::unique_ptr<TransferResultLayout> m_layout;
    TransferBatchStore m_store;
    Report m_report;
    std::optional<TransferResultHeader> m_group; // the accepted S record of the group being read
    QString m_institutionName;
    bool m_longVariant = false;
    std::optional<OpenBatch> m_batch;
    TransferEndFigures m_figures; // of the group being read
};
