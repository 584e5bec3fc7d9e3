#include "core/edi/send/EdiSendTransfer.h"

#include "core/batches/BankGroup.h"
#include "core/batches/BatchState.h"
#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/Money.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/edi/TEdiInfo.h"
#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/EdiSendFields.h"
#include "core/edi/send/EdiSendHeader.h"
#include "core/edi/send/SendInstitutions.h"
#include "core/edi/send/SendLayouts.h"

#include <QRandomGenerator>

namespace {

// Positions 115-117 and the apartment batch code carry the batch number in three digits.
constexpr int MostBatchesPerRun = 999;
// The amount field was read as a 32-bit number by the network.
constexpr qint64 LargestAmount = 2147483647;

QByteArray yyyymmdd(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

QByteArray endOfLine()
{
    return QByteArrayLiteral("\r\n");
}

} // namespace

EdiSendTransfer::ModulusPicker EdiSendTransfer::randomModulus()
{
    return [] { return FB_CommonFunctions::randomCheckPrime(*QRandomGenerator::global()); };
}

EdiSendTransfer::ItemFields::ItemFields(const RecordLayout& layout)
    : number(layout.field(QStringLiteral("일련번호")))
    , institution(layout.field(QStringLiteral("기관코드")))
    , fundCode(layout.field(QStringLiteral("자금코드")))
    , bank(layout.field(QStringLiteral("은행코드")))
    , account(layout.field(QStringLiteral("계좌번호")))
    , amount(layout.field(QStringLiteral("금액")))
    , payerNumber(layout.field(QStringLiteral("납부자번호")))
    , checkValue(layout.field(QStringLiteral("검증값")))
    , batchNumber(layout.find(QStringLiteral("배치번호")))
    , sentTime(layout.find(QStringLiteral("송신시각")))
{
}

EdiSendTransfer::EdiSendTransfer(
    Database& database, const EdiSendRun& run, ModulusPicker pickModulus, const TransferKind& kind)
    : m_database(database)
    , m_run(run)
    , m_pickModulus(std::move(pickModulus))
    , m_kind(kind)
    , m_fields(SendLayouts::transferItem(kind))
    , m_item(SendLayouts::transferItem(kind))
    , m_sentTime(run.stamp.time().toString(QStringLiteral("HHmmss")).toLatin1())
{
}

bool EdiSendTransfer::write(EdiSendOutput& output)
{
    const QList<Batch> batches = readBatches();
    if (batches.isEmpty())
        return false;
    if (batches.size() > MostBatchesPerRun)
        throw EdiSendError { QStringLiteral("%1: 한 번에 송신할 수 있는 자료는 %2건까지입니다 (송신대기 %3건).")
                                 .arg(m_kind.batchTable)
                                 .arg(MostBatchesPerRun)
                                 .arg(batches.size()) };
    const SendInstitutions institutions(m_database);
    prepareStatements();
    m_modulus = m_pickModulus ? m_pickModulus() : 0;
    if (m_modulus <= 0)
        m_modulus = FB_CommonFunctions::FallbackCheckPrime;
    OpenFile file;
    int fileNumber = 0;
    int batchNumber = 1;
    for (const Batch& batch : batches) {
        if (fileNumber == 0 || batch.institution != file.institution || batch.date != file.date) {
            if (fileNumber > 0)
                closeFile(file, output);
            file = openFile(batch, institutions, ++fileNumber);
        }
        writeBatch(batch, batchNumber++, file, output);
    }
    closeFile(file, output);
    return true;
}

// Read whole before anything is written back: a scan is undefined while its table changes.
QList<EdiSendTransfer::Batch> EdiSendTransfer::readBatches()
{
    const QString salary = m_kind.hasSalary ? QStringLiteral("Salary") : QStringLiteral("NULL");
    const std::unique_ptr<SqliteStatement> query
        = prepare(QStringLiteral("SELECT %1, GiganID10, IcheDate, %2 FROM %3 WHERE State = ? ORDER BY GiganID10, "
                                 "IcheDate, %1")
                      .arg(m_kind.batchKey, salary, m_kind.batchTable));
    const auto unreadable = [&] {
        return EdiSendError { QStringLiteral("%1을(를) 읽을 수 없습니다: %2").arg(m_kind.batchTable, query->error()) };
    };
    if (!query->select({ BatchState::AwaitingSending }))
        throw unreadable();
    QList<Batch> batches;
    while (query->next()) {
        const QString institution = query->value(1).toString();
        Batch batch { query->value(0).toLongLong(), institution, Cp949::encode(institution),
            SqlValue::date(query->value(2)), query->value(3).toInt() };
        if (!batch.date.isValid())
            throw EdiSendError {
                QStringLiteral("%1 자료(%2 %3, 기관코드 %4)의 %5.IcheDate가 올바른 날짜가 아닙니다: \"%6\"")
                    .arg(TEdiInfo::kindName(TEdiInfo::kindOf(m_kind)), m_kind.batchKey, QString::number(batch.id),
                        institution, m_kind.batchTable, query->value(2).toString())
            };
        batches << batch;
    }
    if (!query->error().isEmpty())
        throw unreadable();
    return batches;
}

EdiSendTransfer::Item EdiSendTransfer::currentItem() const
{
    const SqliteStatement& row = *m_items;
    return Item { row.integer(0), row.text(1).trimmed(), row.text(2), row.text(3), row.value(4), row.text(5),
        row.text(6), row.value(7), row.text(8), row.text(9) };
}

std::unique_ptr<SqliteStatement> EdiSendTransfer::prepare(const QString& sql) const
{
    auto statement = std::make_unique<SqliteStatement>(m_database, sql);
    if (!statement->isValid())
        throw EdiSendError { QStringLiteral("%1/%2: %3").arg(m_kind.batchTable, m_kind.itemTable, statement->error()) };
    return statement;
}

// The items are numbered in the order they are read, so the numbers written back follow the same ordering.
void EdiSendTransfer::prepareStatements()
{
    const QString order = QStringLiteral("ORDER BY IcheDate, %1").arg(m_kind.itemKey);
    const QString null = QStringLiteral("NULL");
    const QString extras
        = QStringLiteral("Kita, %1, %2, %3")
              .arg(m_kind.hasSalary ? QStringLiteral("Salary") : null, m_kind.hasDongHo ? QStringLiteral("Dong") : null,
                  m_kind.hasDongHo ? QStringLiteral("Ho") : null);
    m_items
        = prepare(QStringLiteral("SELECT %1, Gubun, BankCode, BankNo, IcheMoney, NapbuNo, %2 FROM %3 WHERE %4 = ? %5")
                      .arg(m_kind.itemKey, extras, m_kind.itemTable, m_kind.batchKey, order));
    m_itemCount
        = prepare(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 = ?").arg(m_kind.itemTable, m_kind.batchKey));
    m_batchWriteBack = prepare(QStringLiteral("UPDATE %1 SET SendDate = ?, Stime = ?, DataNo = ? WHERE %2 = ?")
                                   .arg(m_kind.batchTable, m_kind.batchKey));
    m_itemNumbersFromKeys = prepare(QStringLiteral("UPDATE %1 SET DataNo = %2 - ? WHERE %3 = ?")
                                        .arg(m_kind.itemTable, m_kind.itemKey, m_kind.batchKey));
    m_itemNumbersByRank = prepare(QStringLiteral("UPDATE %1 SET DataNo = numbered.n + ? FROM "
                                                 "(SELECT %2 AS id, row_number() OVER (%3) AS n FROM %1 WHERE %4 = ?) "
                                                 "AS numbered WHERE %1.%2 = numbered.id")
                                      .arg(m_kind.itemTable, m_kind.itemKey, order, m_kind.batchKey));
    m_itemDateWriteBack = prepare(QStringLiteral("UPDATE %1 SET IcheDate = ? WHERE %2 = ? AND IcheDate IS NOT ?")
                                      .arg(m_kind.itemTable, m_kind.batchKey));
}

EdiSendTransfer::OpenFile EdiSendTransfer::openFile(
    const Batch& batch, const SendInstitutions& institutions, int number) const
{
    OpenFile file;
    file.name = m_kind.filePrefix + QString::number(number);
    file.institution = batch.institution;
    file.date = batch.date;
    file.keys.kind = &m_kind;
    file.settings = institutions.find(m_kind.institutionColumn, batch.institution);
    if (!file.settings)
        throw EdiSendError { QStringLiteral("%1 자료(%2 %3, %4)의 기관코드 \"%5\"이(가) 이용자설정(%6)에 없습니다.")
                                 .arg(TEdiInfo::kindName(TEdiInfo::kindOf(m_kind)), m_kind.batchKey,
                                     QString::number(batch.id), m_kind.batchTable, batch.institution,
                                     m_kind.institutionColumn) };
    file.bytes = EdiSendHeader::neHead(m_run.loginId, SendInstitutions::text(*file.settings, m_kind.sendCodeColumn),
                     SendInstitutions::text(*file.settings, m_kind.bankSideColumn))
        + endOfLine();
    RecordWriter start(SendLayouts::transferStart());
    start.set(QStringLiteral("기관코드"), batch.institutionField)
        .set(QStringLiteral("이체종류"), m_kind.sendTransferKind)
        .set(QStringLiteral("이체일자"), yyyymmdd(batch.date))
        .set(QStringLiteral("송신일자"), yyyymmdd(m_run.stamp.date()))
        .set(QStringLiteral("검증번호"), m_modulus);
    file.bytes += start.bytes() + endOfLine();
    return file;
}

void EdiSendTransfer::closeFile(OpenFile& file, EdiSendOutput& output) const
{
    RecordWriter end(SendLayouts::transferEnd());
    end.set(QStringLiteral("총레코드수"), file.records + 2)
        .set(QStringLiteral("총건수"), file.records)
        .set(QStringLiteral("총금액"), file.amount);
    const int groups = m_kind.countsOtherBanksAtEnd() ? BankGroup::Count : BankGroup::Member;
    for (int group = 0; group < groups; ++group) {
        const SendLayouts::GroupFields& fields = SendLayouts::transferEndGroup(BankGroup::Group(group + 1));
        end.set(fields.records, file.groupRecords[group]);
        end.set(fields.amount, file.groupAmounts[group]);
    }
    end.set(
        QStringLiteral("검증값"), EdiSendFields::fileCheckValue(file.records, file.amount, file.addends, m_modulus));
    file.bytes += end.bytes() + endOfLine();
    output.files.add(file.name, file.bytes, file.keys);
}

void EdiSendTransfer::writeBatch(const Batch& batch, int batchNumber, OpenFile& file, EdiSendOutput& output)
{
    const qint64 firstRecord = file.records;
    const WrittenItems written = writeItems(batch, batchNumber, file);
    execute(*m_batchWriteBack,
        { SqlValue::stored(m_run.stamp.date()), SqlValue::stored(m_run.stamp.time()), batchNumber, batch.id });
    writeBackItems(batch, firstRecord, written);
    file.keys.batches << SentBatch { batch.id, written.keys.ranges() };
    if (written.count > 0 && m_kind.withdraws)
        output.withdrawalData = true;
    output.rows << TEdiInfo { TEdiInfo::kindOf(m_kind), SendInstitutions::text(*file.settings, QStringLiteral("Name")),
        SendInstitutions::text(*file.settings, m_kind.sendCodeColumn), static_cast<qint32>(written.count),
        Money::fromWon(written.won) };
}

EdiSendTransfer::WrittenItems EdiSendTransfer::writeItems(const Batch& batch, int batchNumber, OpenFile& file)
{
    const auto unreadable = [this] {
        return EdiSendError { QStringLiteral("%1을(를) 읽을 수 없습니다: %2").arg(m_kind.itemTable, m_items->error()) };
    };
    reserveFor(batch, file);
    if (!m_items->select({ batch.id }))
        throw unreadable();
    WrittenItems written;
    while (m_items->next()) {
        const Item item = currentItem();
        written.keys.add(item.id);
        written.won += writeItem(item, batch, batchNumber, file);
        ++written.count;
    }
    if (!m_items->error().isEmpty())
        throw unreadable();
    return written;
}

// A file of a hundred thousand records grows once instead of by doubling.
void EdiSendTransfer::reserveFor(const Batch& batch, OpenFile& file)
{
    if (!m_itemCount->select({ batch.id }) || !m_itemCount->next())
        return;
    const qint64 records = m_itemCount->value(0).toLongLong();
    file.bytes.reserve(file.bytes.size() + (records + 1) * (SendLayouts::transferItem(m_kind).length() + 2));
}

// An item's number is its record number. Items whose keys run on in the order they were written (the usual
// case) take it from their key; the others from their rank in that order.
void EdiSendTransfer::writeBackItems(const Batch& batch, qint64 firstRecord, const WrittenItems& written)
{
    const QList<KeyRange>& ranges = written.keys.ranges();
    if (ranges.size() == 1)
        execute(*m_itemNumbersFromKeys, { ranges.first().first - firstRecord - 1, batch.id });
    else
        execute(*m_itemNumbersByRank, { firstRecord, batch.id });
    execute(*m_itemDateWriteBack, { SqlValue::stored(batch.date), batch.id, SqlValue::stored(batch.date) });
}

qint64 EdiSendTransfer::writeItem(const Item& item, const Batch& batch, int batchNumber, OpenFile& file)
{
    const qint64 won = wonOf(item, batch);
    const int bank = BankGroup::normalized(bankOf(item, batch));
    const bool addsDigit = addsAccountDigit(bank);
    const int digit = addsDigit ? accountDigitOf(item, batch) : 0;
    const qint64 recordNumber = file.records + 1;

    RecordWriter& record = m_item;
    record.clear();
    record.set(m_fields.number, recordNumber).set(m_fields.institution, batch.institutionField);
    writeFundCode(record, item);
    record.set(m_fields.bank, bank);
    writeAccount(record, item);
    record.set(m_fields.amount, won);
    writePassbookText(record, item, batch);
    writePayerNumber(record, item);
    writeReference(record, item, batchNumber);
    record.set(m_fields.checkValue, EdiSendFields::itemCheckValue(won + batch.date.day() + digit, m_modulus));
    writeSalary(record, item);
    file.bytes.append(record.bytes()).append(endOfLine());
    const int group = BankGroup::of(bank) - 1;
    file.records = recordNumber;
    file.amount += won;
    file.addends += addsDigit ? digit : bank;
    ++file.groupRecords[group];
    file.groupAmounts[group] += won;
    return won;
}

qint64 EdiSendTransfer::wonOf(const Item& item, const Batch& batch) const
{
    bool isNumber = false;
    const qint64 stored = item.amount.toLongLong(&isNumber);
    if (item.amount.isNull() || !isNumber)
        failItem(item, batch, QStringLiteral("IcheMoney"), QStringLiteral("금액이 비어 있거나 숫자가 아닙니다"));
    const Money amount = Money::fromStored(stored);
    if (stored % Money::Scale != 0 || amount.won() < 0 || amount.won() > LargestAmount)
        failItem(item, batch, QStringLiteral("IcheMoney"),
            QStringLiteral("금액 %1은(는) 0에서 %2원 사이의 원 단위 금액이어야 합니다")
                .arg(amount.toString())
                .arg(LargestAmount));
    return amount.won();
}

int EdiSendTransfer::bankOf(const Item& item, const Batch& batch) const
{
    const std::optional<int> bank = EdiSendFields::bankNumber(item.bankCode);
    if (!bank)
        failItem(item, batch, QStringLiteral("BankCode"),
            QStringLiteral("은행코드 \"%1\"이(가) 숫자가 아닙니다").arg(item.bankCode));
    return *bank;
}

int EdiSendTransfer::accountDigitOf(const Item& item, const Batch& batch) const
{
    const QString account = FB_CommonFunctions::removeCharacter(item.bankNo, QLatin1Char('-')).trimmed();
    const std::optional<int> digit = EdiSendFields::lastDigit(account);
    if (!digit)
        failItem(item, batch, QStringLiteral("BankNo"),
            QStringLiteral("계좌번호 \"%1\"이(가) 숫자로 끝나지 않습니다").arg(item.bankNo));
    return *digit;
}

void EdiSendTransfer::execute(SqliteStatement& statement, const QVariantList& values) const
{
    if (statement.run(values) != WriteResult::Ok)
        throw EdiSendError { QStringLiteral("%1/%2에 송신 내용을 기록할 수 없습니다: %3")
                                 .arg(m_kind.batchTable, m_kind.itemTable, statement.error()) };
}

// Names the batch as the clerk knows it (kind, key, institution) and the item by its key and account.
void EdiSendTransfer::failItem(const Item& item, const Batch& batch, const QString& field, const QString& problem) const
{
    throw EdiSendError { QStringLiteral("%1 자료(%2 %3, 기관코드 %4)의 %5 자료(%6 %7, 계좌번호 %8)의 %9: %10.")
                             .arg(TEdiInfo::kindName(TEdiInfo::kindOf(m_kind)), m_kind.batchKey,
                                 QString::number(batch.id), batch.institution, m_kind.itemTable, m_kind.itemKey,
                                 QString::number(item.id), item.bankNo.trimmed(), field)
                             .arg(problem) };
}

void EdiSendTransfer::writeFundCode(RecordWriter& record, const Item& item) const
{
    record.set(m_fields.fundCode, item.gubun);
}

void EdiSendTransfer::writeAccount(RecordWriter& record, const Item& item) const
{
    record.set(m_fields.account, FB_CommonFunctions::removeCharacter(item.bankNo.trimmed(), QLatin1Char('-')));
}

void EdiSendTransfer::writePassbookText(RecordWriter&, const Item&, const Batch&) const
{
}

void EdiSendTransfer::writePayerNumber(RecordWriter& record, const Item& item) const
{
    record.set(m_fields.payerNumber, item.napbuNo.trimmed());
}

void EdiSendTransfer::writeReference(RecordWriter& record, const Item&, int batchNumber) const
{
    record.set(*m_fields.batchNumber, batchNumber).set(*m_fields.sentTime, m_sentTime);
}

void EdiSendTransfer::writeSalary(RecordWriter&, const Item&) const
{
}

bool EdiSendTransfer::addsAccountDigit(int) const
{
    return true;
}
