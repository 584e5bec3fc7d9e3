#include "core/edi/send/EdiSendTransfer.h"

#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/EdiSendFields.h"
#include "core/edi/send/EdiSendHeader.h"
#include "core/edi/send/SendInstitutions.h"
#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FixedRecordWriter.h"
#include "core/common/Money.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"

#include <QRandomGenerator>
#include <QSqlError>

namespace {

constexpr int RecordSize = 198;
// Positions 115-117 and the apartment batch code carry the batch number in three digits.
constexpr int MostBatchesPerRun = 999;
// The amount field was read as a 32-bit number by the network.
constexpr qint64 LargestAmount = 2147483647;

QByteArray endOfLine()
{
    return QByteArrayLiteral("\r\n");
}

} // namespace

EdiSendTransfer::ModulusPicker EdiSendTransfer::randomModulus()
{
    return [] { return FB_CommonFunctions::randomCheckPrime(*QRandomGenerator::global()); };
}

EdiSendTransfer::EdiSendTransfer(
    Database& database, const EdiSendRun& run, ModulusPicker pickModulus, const Tables& tables)
    : m_database(database)
    , m_run(run)
    , m_pickModulus(std::move(pickModulus))
    , m_tables(tables)
    , m_batchWriteBack(database.query())
    , m_itemNumbersByRank(database.query())
    , m_itemNumbersFromKeys(database.query())
    , m_itemDateWriteBack(database.query())
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
                                 .arg(m_tables.batchTable)
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
    QSqlQuery query = m_database.query();
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1, GiganID10, IcheDate, %2 FROM %3 WHERE State = 1 "
                                       "ORDER BY GiganID10, IcheDate, %1")
                            .arg(m_tables.batchKey, m_tables.batchSalary, m_tables.batchTable);
    if (!query.exec(sql))
        throw EdiSendError {
            QStringLiteral("%1을(를) 읽을 수 없습니다: %2").arg(m_tables.batchTable, query.lastError().text())
        };
    QList<Batch> batches;
    while (query.next()) {
        const QString institution = query.value(1).toString();
        Batch batch { query.value(0).toLongLong(), institution, FixedField::left(Cp949::encode(institution), 10),
            SqlValue::date(query.value(2)), query.value(3).toInt() };
        if (!batch.date.isValid())
            throw EdiSendError { QStringLiteral("%1 자료(%2 %3)의 IcheDate가 올바른 날짜가 아닙니다: \"%4\"")
                                     .arg(m_tables.batchTable, m_tables.batchKey, QString::number(batch.id),
                                         query.value(2).toString()) };
        batches << batch;
    }
    return batches;
}

EdiSendTransfer::Item EdiSendTransfer::currentItem() const
{
    const SqliteStatement& row = *m_items;
    return Item { row.value(0).toLongLong(), row.value(1).toString().trimmed(), row.value(2).toString(),
        row.value(3).toString(), row.value(4), row.value(5).toString(), row.value(6).toString(), row.value(7),
        row.value(8).toString(), row.value(9).toString() };
}

// The items are numbered in the order they are read, so the numbers written back follow the same ordering.
void EdiSendTransfer::prepareStatements()
{
    const QString order = QStringLiteral("ORDER BY IcheDate, %1").arg(m_tables.itemKey);
    m_items = std::make_unique<SqliteStatement>(m_database,
        QStringLiteral("SELECT %1, Gubun, BankCode, BankNo, IcheMoney, NapbuNo, %2 FROM %3 WHERE %4 = ? %5")
            .arg(m_tables.itemKey, m_tables.itemExtras, m_tables.itemTable, m_tables.batchKey, order));
    if (!m_items->isValid())
        throw EdiSendError { QStringLiteral("%1: %2").arg(m_tables.itemTable, m_items->error()) };
    const bool prepared
        = m_batchWriteBack.prepare(QStringLiteral("UPDATE %1 SET SendDate = ?, Stime = ?, DataNo = ? WHERE %2 = ?")
                                        .arg(m_tables.batchTable, m_tables.batchKey))
        && m_itemNumbersFromKeys.prepare(QStringLiteral("UPDATE %1 SET DataNo = %2 - ? WHERE %3 = ?")
                                             .arg(m_tables.itemTable, m_tables.itemKey, m_tables.batchKey))
        && m_itemNumbersByRank.prepare(
            QStringLiteral("UPDATE %1 SET DataNo = numbered.n + ? FROM "
                           "(SELECT %2 AS id, row_number() OVER (%3) AS n FROM %1 WHERE %4 = ?) "
                           "AS numbered WHERE %1.%2 = numbered.id")
                .arg(m_tables.itemTable, m_tables.itemKey, order, m_tables.batchKey))
        && m_itemDateWriteBack.prepare(QStringLiteral("UPDATE %1 SET IcheDate = ? WHERE %2 = ? AND IcheDate IS NOT ?")
                                           .arg(m_tables.itemTable, m_tables.batchKey));
    if (!prepared)
        throw EdiSendError { QStringLiteral("%1/%2: %3")
                                 .arg(m_tables.batchTable, m_tables.itemTable,
                                     m_database.connection().lastError().text()) };
}

EdiSendTransfer::OpenFile EdiSendTransfer::openFile(
    const Batch& batch, const SendInstitutions& institutions, int number) const
{
    OpenFile file;
    file.name = m_tables.filePrefix + QString::number(number);
    file.institution = batch.institution;
    file.date = batch.date;
    file.settings = institutions.find(m_tables.institutionColumn, batch.institution);
    if (!file.settings)
        throw EdiSendError { QStringLiteral("%1 자료(%2 %3)의 기관코드 \"%4\"이(가) 이용자설정(%5)에 없습니다.")
                                 .arg(m_tables.batchTable, m_tables.batchKey, QString::number(batch.id),
                                     batch.institution, m_tables.institutionColumn) };
    file.bytes = EdiSendHeader::neHead(m_run.loginId, SendInstitutions::text(*file.settings, m_tables.sendCodeColumn),
                     SendInstitutions::text(*file.settings, m_tables.bankSideColumn))
        + endOfLine();
    FixedRecordWriter start(RecordSize);
    start.literal("S9990111").left(batch.institution, 10).literal(m_tables.transferKind);
    start.literal(batch.date.toString(QStringLiteral("yyyyMMdd")).toLatin1());
    start.literal(m_run.stamp.date().toString(QStringLiteral("yyyyMMdd")).toLatin1());
    start.zero(m_modulus, 4).spaces(157);
    file.bytes += start.bytes() + endOfLine();
    return file;
}

void EdiSendTransfer::closeFile(OpenFile& file, EdiSendOutput& output) const
{
    FixedRecordWriter end(RecordSize);
    end.literal("E").zero(file.records + 2, 7).zero(file.records, 7).zero(file.amount, 15);
    const int groups = totalsOtherBanks() ? 3 : 2;
    for (int group = 0; group < 3; ++group) {
        end.zero(group < groups ? file.groupRecords[group] : 0, 7);
        end.zero(group < groups ? file.groupAmounts[group] : 0, 15);
    }
    end.literal(EdiSendFields::fileCheckValue(file.records, file.amount, file.addends, m_modulus)).spaces(98);
    file.bytes += end.bytes() + endOfLine();
    output.files.add(file.name, file.bytes);
}

void EdiSendTransfer::writeBatch(const Batch& batch, int batchNumber, OpenFile& file, EdiSendOutput& output)
{
    const qint64 firstRecord = file.records;
    const WrittenItems written = writeItems(batch, batchNumber, file);
    execute(m_batchWriteBack,
        { SqlValue::stored(m_run.stamp.date()), SqlValue::stored(m_run.stamp.time()), batchNumber, batch.id });
    writeBackItems(batch, firstRecord, written);
    if (written.count > 0 && m_tables.needsConsent)
        output.withdrawalData = true;
    output.rows << TEdiInfo { m_tables.ediKind, SendInstitutions::text(*file.settings, QStringLiteral("Name")),
        SendInstitutions::text(*file.settings, m_tables.sendCodeColumn), static_cast<qint32>(written.count),
        Money::fromWon(written.won) };
}

EdiSendTransfer::WrittenItems EdiSendTransfer::writeItems(const Batch& batch, int batchNumber, OpenFile& file)
{
    const auto unreadable = [this] {
        return EdiSendError { QStringLiteral("%1을(를) 읽을 수 없습니다: %2").arg(m_tables.itemTable, m_items->error()) };
    };
    if (!m_items->select({ batch.id }))
        throw unreadable();
    WrittenItems written;
    while (m_items->next()) {
        const Item item = currentItem();
        if (written.count == 0)
            written.firstKey = item.id;
        else
            written.keysRunOn = written.keysRunOn && item.id == written.lastKey + 1;
        written.lastKey = item.id;
        written.won += writeItem(item, batch, batchNumber, file);
        ++written.count;
    }
    if (!m_items->error().isEmpty())
        throw unreadable();
    return written;
}

// An item's number is its record number. Items whose keys run on in the order they were written (the usual
// case) take it from their key; the others from their rank in that order.
void EdiSendTransfer::writeBackItems(const Batch& batch, qint64 firstRecord, const WrittenItems& written)
{
    if (written.keysRunOn)
        execute(m_itemNumbersFromKeys, { written.firstKey - firstRecord - 1, batch.id });
    else
        execute(m_itemNumbersByRank, { firstRecord, batch.id });
    execute(m_itemDateWriteBack, { SqlValue::stored(batch.date), batch.id, SqlValue::stored(batch.date) });
}

qint64 EdiSendTransfer::writeItem(const Item& item, const Batch& batch, int batchNumber, OpenFile& file)
{
    const qint64 won = wonOf(item, batch);
    const int bank = EdiSendFields::normalizedBank(bankOf(item, batch));
    const bool addsDigit = addsAccountDigit(bank);
    const int digit = addsDigit ? accountDigitOf(item, batch) : 0;
    const qint64 recordNumber = file.records + 1;

    FixedRecordWriter record(RecordSize + 2);
    record.literal(QByteArrayLiteral("D"))
        .zero(recordNumber, 7)
        .literal(batch.institutionField)
        .literal(QByteArrayLiteral("1"));
    record.literal(m_tables.itemKind);
    writeFundCode(record, item);
    record.zero(bank, 3);
    writeAccount(record, item);
    record.zero(won, 13).literal(QByteArrayLiteral("0000000000000"));
    writePassbookText(record, item, batch);
    record.literal(QByteArrayLiteral("0")).spaces(13);
    writePayerNumber(record, item);
    writeReference(record, item, batchNumber);
    record.spaces(20).literal(EdiSendFields::itemCheckValue(won + batch.date.day() + digit, m_modulus));
    writeSalary(record, item);
    record.spaces(1 + 4 + 39).literal(endOfLine());
    file.bytes += record.bytes();
    const int group = EdiSendFields::bankGroup(bank) - 1;
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

void EdiSendTransfer::execute(QSqlQuery& statement, const QVariantList& values) const
{
    for (int i = 0; i < values.size(); ++i)
        statement.bindValue(i, values.at(i));
    if (!statement.exec())
        throw EdiSendError { QStringLiteral("%1/%2에 송신 내용을 기록할 수 없습니다: %3")
                                 .arg(m_tables.batchTable, m_tables.itemTable, statement.lastError().text()) };
}

void EdiSendTransfer::failItem(const Item& item, const Batch& batch, const QString& field, const QString& problem) const
{
    throw EdiSendError { QStringLiteral("%1 자료(%2 %3, %4 %5)의 %6: %7.")
                             .arg(m_tables.itemTable, m_tables.itemKey, QString::number(item.id), m_tables.batchKey,
                                 QString::number(batch.id), field, problem) };
}

void EdiSendTransfer::writeFundCode(FixedRecordWriter& record, const Item& item) const
{
    record.zero(item.gubun, 3);
}

void EdiSendTransfer::writeAccount(FixedRecordWriter& record, const Item& item) const
{
    record.left(FB_CommonFunctions::removeCharacter(item.bankNo.trimmed(), QLatin1Char('-')), 16);
}

void EdiSendTransfer::writePassbookText(FixedRecordWriter& record, const Item&, const Batch&) const
{
    record.spaces(12);
}

void EdiSendTransfer::writePayerNumber(FixedRecordWriter& record, const Item& item) const
{
    record.left(item.napbuNo.trimmed(), 20);
}

void EdiSendTransfer::writeReference(FixedRecordWriter& record, const Item&, int batchNumber) const
{
    record.zero(batchNumber, 3).literal(m_sentTime).spaces(6);
}

void EdiSendTransfer::writeSalary(FixedRecordWriter& record, const Item&) const
{
    record.spaces(1);
}

bool EdiSendTransfer::addsAccountDigit(int) const
{
    return true;
}

bool EdiSendTransfer::totalsOtherBanks() const
{
    return false;
}
