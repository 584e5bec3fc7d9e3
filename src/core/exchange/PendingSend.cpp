#include "core/exchange/PendingSend.h"

#include "core/batches/BatchState.h"
#include "core/batches/TransferKind.h"
#include "core/common/SyncedFile.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TransactionGuard.h"

#include <QCryptographicHash>
#include <QFile>

namespace {

const QList<const TransferKind*> Kinds { &TransferKind::deposit(), &TransferKind::withdrawal(),
    &TransferKind::apartment() };

const TransferKind* kindOf(const QString& batchTable)
{
    for (const TransferKind* kind : Kinds) {
        if (kind->batchTable == batchTable)
            return kind;
    }
    return nullptr;
}

QString rangesText(const QList<KeyRange>& ranges)
{
    QStringList parts;
    for (const KeyRange& range : ranges)
        parts << QStringLiteral("%1:%2").arg(range.first).arg(range.last);
    return parts.join(QLatin1Char(','));
}

bool parseRanges(const QString& text, QList<KeyRange>& ranges)
{
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool firstOk = false;
        bool lastOk = false;
        const KeyRange range { part.section(QLatin1Char(':'), 0, 0).toLongLong(&firstOk),
            part.section(QLatin1Char(':'), 1).toLongLong(&lastOk) };
        if (!firstOk || !lastOk || range.last < range.first)
            return false;
        ranges << range;
    }
    return true;
}

bool parseLine(const QStringList& fields, QList<PendingSend::File>& files)
{
    const QString& word = fields.first();
    if (word == QLatin1String("file") && fields.size() == 4) {
        const TransferKind* kind = kindOf(fields[3]);
        if (!kind && !fields[3].isEmpty())
            return false;
        PendingSend::File file { fields[1], fields[2].toLatin1(), {} };
        file.keys.kind = kind;
        files << file;
        return true;
    }
    if (files.isEmpty() || fields.size() != 3)
        return false;
    bool numeric = false;
    const qint64 number = fields[1].toLongLong(&numeric);
    QList<KeyRange> ranges;
    if (!numeric || !parseRanges(fields[2], ranges))
        return false;
    SentKeys& keys = files.last().keys;
    if (word == QLatin1String("batch") && keys.kind) {
        keys.batches << SentBatch { number, ranges };
        return true;
    }
    if (word == QLatin1String("consents")) {
        keys.consents.insert(static_cast<int>(number), ranges);
        return true;
    }
    return false;
}

// Every range through one prepared statement: the values before, the range's ends and the values after.
bool runRanges(
    SqliteStatement& statement, const QVariantList& before, const QList<KeyRange>& ranges, const QVariantList& after)
{
    for (const KeyRange& range : ranges) {
        if (statement.run(before + QVariantList { range.first, range.last } + after) != WriteResult::Ok)
            return false;
    }
    return true;
}

// Each returns the table it could not write, or nothing.
QString recordTransfers(Database& database, const SentKeys& keys, const QDateTime& stamp)
{
    const TransferKind& kind = *keys.kind;
    SqliteStatement batches(database,
        QStringLiteral("UPDATE %1 SET State = ? WHERE %2 = ? AND State = ? AND SendDate = ? AND Stime = ?")
            .arg(kind.batchTable, kind.batchKey));
    SqliteStatement items(database,
        QStringLiteral("UPDATE %1 SET State = ? WHERE %2 = ? AND %3 BETWEEN ? AND ? AND State = ?")
            .arg(kind.itemTable, kind.batchKey, kind.itemKey));
    for (const SentBatch& batch : keys.batches) {
        if (!batches.isValid()
            || batches.run({ BatchState::Sent, batch.id, BatchState::AwaitingSending, SqlValue::stored(stamp.date()),
                   SqlValue::stored(stamp.time()) })
                != WriteResult::Ok)
            return kind.batchTable;
        if (!items.isValid()
            || !runRanges(items, { BatchState::Sent, batch.id }, batch.items, { BatchState::AwaitingSending }))
            return kind.itemTable;
    }
    return {};
}

// A request moves on from waiting (0 or 4) to sent (1 or 5) only in the state it was written in.
QString recordConsents(Database& database, const SentKeys& keys, const QDateTime& stamp)
{
    SqliteStatement consents(database,
        QStringLiteral(
            "UPDATE TongRegister SET Status = Status + 1 WHERE rowid BETWEEN ? AND ? AND Status = ? AND Senddate = ?"));
    for (auto status = keys.consents.cbegin(); status != keys.consents.cend(); ++status) {
        if (!consents.isValid() || !runRanges(consents, {}, status.value(), { status.key(), SqlValue::stored(stamp) }))
            return QStringLiteral("TongRegister");
    }
    return {};
}

} // namespace

PendingSend::PendingSend(const QDateTime& stamp, const SendFileSet& files)
    : m_stamp(stamp)
{
    for (const SendFile& file : files.files())
        m_files << File { file.name, digestOf(file.bytes), file.keys };
}

QByteArray PendingSend::digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool PendingSend::save(const QString& path) const
{
    QStringList lines { QStringLiteral("stamp\t") + m_stamp.toString(Qt::ISODate) };
    for (const File& file : m_files) {
        lines << QStringLiteral("file\t%1\t%2\t%3")
                     .arg(file.name, QString::fromLatin1(file.digest),
                         file.keys.kind ? file.keys.kind->batchTable : QString());
        for (const SentBatch& batch : file.keys.batches)
            lines << QStringLiteral("batch\t%1\t%2").arg(batch.id).arg(rangesText(batch.items));
        for (auto status = file.keys.consents.cbegin(); status != file.keys.consents.cend(); ++status)
            lines << QStringLiteral("consents\t%1\t%2").arg(status.key()).arg(rangesText(status.value()));
    }
    const QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    return SyncedFile::save(path, bytes);
}

std::optional<PendingSend> PendingSend::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    PendingSend pending;
    if (lines.isEmpty() || !lines.first().startsWith(QLatin1String("stamp\t")))
        return std::nullopt;
    pending.m_stamp = QDateTime::fromString(lines.first().section(QLatin1Char('\t'), 1), Qt::ISODate);
    if (!pending.m_stamp.isValid())
        return std::nullopt;
    for (const QString& line : lines.mid(1)) {
        if (!parseLine(line.split(QLatin1Char('\t')), pending.m_files))
            return std::nullopt;
    }
    return pending;
}

bool PendingSend::record(Database& database, const QList<File>& delivered, QString& failedTable) const
{
    TransactionGuard transaction(database);
    for (const File& file : delivered) {
        failedTable = !transaction.isActive() ? QStringLiteral("TongRegister")
            : file.keys.kind                  ? recordTransfers(database, file.keys, m_stamp)
                                              : recordConsents(database, file.keys, m_stamp);
        if (!failedTable.isEmpty())
            return false;
    }
    if (transaction.commit())
        return true;
    failedTable = QStringLiteral("TongRegister");
    return false;
}
