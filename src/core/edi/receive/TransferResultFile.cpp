#include "core/edi/receive/TransferResultFile.h"

#include "core/edi/receive/EdiImportError.h"
#include "core/edi/receive/ResultRecordSequence.h"

TransferResultFile::TransferResultFile(
    Database& database, const TransferKind& kind, const QString& fileName, const QByteArray& bytes, const QDate& today)
    : m_kind(kind)
    , m_fileName(fileName)
    , m_bytes(bytes)
    , m_today(today)
    , m_layout(TransferResultLayout::forFile(bytes, kind))
    , m_store(database, kind, m_layout->isCurrent())
{
}

// Fixed blocks from the start of the file, the line end included.
void TransferResultFile::read(const Report& report)
{
    m_report = report;
    const int size = m_layout->blockSize();
    ResultRecordSequence sequence(m_fileName, size);
    const qsizetype records = sequence.records(m_bytes);
    for (int number = 1; number <= records; ++number) {
        const QByteArrayView record = QByteArrayView(m_bytes).sliced((number - 1) * size, size);
        sequence.take(record.at(0), number);
        try {
            readRecord(record, number);
        } catch (const RecordError& error) {
            throw EdiImportError::badField(error);
        } catch (EdiImportError& error) {
            throw error.at(m_fileName, number);
        }
    }
    sequence.finish(m_bytes);
}

void TransferResultFile::readRecord(QByteArrayView record, int number)
{
    switch (record.at(0)) {
    case 'S':
        startGroup(RecordReader(m_layout->startLayout(), record, m_fileName, number));
        break;
    case 'D':
        if (m_group) {
            // A group announced as long reads the rest of its records in the normal layout from the first that
            // is not.
            m_longVariant = m_longVariant && m_layout->hasLongBatchNumber(record);
            takeItem(RecordReader(m_layout->itemLayout(m_longVariant), record, m_fileName, number));
        }
        break;
    case 'E':
        endGroup(record, number);
        break;
    default:
        break;
    }
}

// The D records of an institution that is not set up here, or whose result file has another name, are passed.
void TransferResultFile::startGroup(const RecordReader& record)
{
    m_group.reset();
    m_figures = {};
    const std::optional<QString> name = m_store.institutionName(m_layout->institutionCode(record), m_fileName);
    if (!name)
        return;
    m_group = m_layout->header(record);
    m_institutionName = *name;
    m_longVariant = m_group->longVariant;
}

void TransferResultFile::endGroup(QByteArrayView record, int number)
{
    if (m_group) {
        if (const RecordLayout* end = m_layout->endLayout())
            m_figures.check(RecordReader(*end, record, m_fileName, number), number, m_kind.countsOtherBanksAtEnd());
        postBatch();
    }
    m_group.reset();
}

void TransferResultFile::takeItem(const RecordReader& record)
{
    const TransferResultItem result = m_layout->item(record, *m_group);
    m_figures.add(result.amount, result.bankGroup);
    if (!m_batch || m_batch->number != result.batch.number) {
        postBatch();
        openBatch(result.batch);
    }
    TransferBatchStore::StoredItem item;
    const auto stored = m_batch->items.constFind(result.recordNumber);
    if (stored != m_batch->items.cend()) {
        item = *stored;
        m_store.updateItem(item.rowId, result, m_today);
    } else {
        const TransferNewItem created = m_layout->newItem(record, *m_group);
        item = { m_store.insertItem(m_batch->id, result, created, m_today), result.amount,
            BankGroup::of(created.bankCode) };
        m_batch->items.insert(result.recordNumber, item);
    }
    m_batch->totals.add(item.amount, item.bankGroup, result.flag == QLatin1String("Y"));
    m_batch->totals.salary = result.salary;
}

void TransferResultFile::openBatch(const TransferBatchKey& key)
{
    OpenBatch batch;
    batch.number = key.number;
    const std::optional<qint64> found = m_store.findBatch(key, m_group->sendDate);
    batch.id = found ? *found : m_store.createBatch(*m_group, key, m_today);
    batch.items = m_store.items(batch.id);
    m_batch = std::move(batch);
}

void TransferResultFile::postBatch()
{
    if (!m_batch)
        return;
    m_store.postBatch(m_batch->id, m_batch->totals, m_today);
    m_report(
        { TEdiInfo::kindOf(m_kind), m_institutionName, m_fileName, m_batch->totals.count, m_batch->totals.amount });
    m_batch.reset();
}
