#include "core/edi/send/EdiSendTongRegister.h"

#include "core/batches/BankGroup.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/RecordWriter.h"
#include "core/consent/ConsentState.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/edi/TEdiInfo.h"
#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/EdiSendFields.h"
#include "core/edi/send/EdiSendHeader.h"
#include "core/edi/send/SendInstitutions.h"
#include "core/edi/send/SendLayouts.h"

namespace {

const QString ExemptFromEvidence = QStringLiteral("면제");
const QString Waiting = QStringLiteral("(Status = %1 OR Status = %2)")
                            .arg(ConsentState::AwaitingRegistration)
                            .arg(ConsentState::AwaitingCancellation);
// TDateTime's day 1: an earlier request date counts as not set.
const QDate FirstDay(1899, 12, 31);

QByteArray endOfLine()
{
    return QByteArrayLiteral("\r\n");
}

QByteArray yyyymmdd(const QDate& date)
{
    return date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

} // namespace

EdiSendTongRegister::EdiSendTongRegister(Database& database, const EdiSendRun& run)
    : m_database(database)
    , m_run(run)
{
}

bool EdiSendTongRegister::write(EdiSendOutput& output)
{
    const QStringList codes = readInstitutionCodes();
    if (codes.isEmpty())
        return false;
    const SendInstitutions institutions(m_database);
    m_waiting = countWaiting();
    m_checksRealNames = bankChecksRealNames();
    int fileNumber = 0;
    for (const QString& code : codes) {
        const SendInstitutions::Row* withdrawal = institutions.find(QStringLiteral("TOID210"), code);
        const SendInstitutions::Row* settings
            = withdrawal ? withdrawal : institutions.find(QStringLiteral("APID10"), code);
        if (!settings)
            continue;
        const QList<Consent> consents = readConsents(code);
        output.files.add(QStringLiteral("Register_%1").arg(++fileNumber), file(code, *settings, withdrawal, consents),
            keysOf(consents));
        markSent(consents);
        const QString kind = withdrawal ? QStringLiteral("대량출금-") : QStringLiteral("아파트-");
        output.rows << TEdiInfo { TEdiInfo::ConsentRequest,
            kind + SendInstitutions::text(*settings, QStringLiteral("Name")),
            SendInstitutions::text(*settings, QStringLiteral("TRegisterOUT")), static_cast<qint32>(consents.size()),
            Money() };
    }
    return fileNumber > 0;
}

QByteArray EdiSendTongRegister::file(const QString& institution, const SendInstitutions::Row& settings, bool withdrawal,
    const QList<Consent>& consents) const
{
    QByteArray bytes = header(settings, withdrawal) + endOfLine();
    RecordWriter start(SendLayouts::consentStart());
    start.set(QStringLiteral("기관코드"), institution).set(QStringLiteral("신청일자"), yyyymmdd(m_run.stamp.date()));
    bytes += start.bytes() + endOfLine();
    qint64 registrations = 0;
    for (int i = 0; i < consents.size(); ++i) {
        bytes += dataRecord(consents.at(i), i + 1) + endOfLine();
        registrations += consents.at(i).status == ConsentState::AwaitingRegistration ? 1 : 0;
    }
    const qint64 records = consents.size();
    RecordWriter end(SendLayouts::consentEnd());
    end.set(QStringLiteral("총레코드수"), records + 2)
        .set(QStringLiteral("등록건수"), registrations)
        .set(QStringLiteral("해지건수"), records - registrations);
    return bytes + end.bytes() + endOfLine();
}

SentKeys EdiSendTongRegister::keysOf(const QList<Consent>& consents)
{
    QMap<int, QList<qint64>> rows;
    for (const Consent& consent : consents)
        rows[consent.status] << consent.row;
    SentKeys keys;
    for (auto status = rows.cbegin(); status != rows.cend(); ++status)
        keys.consents.insert(status.key(), KeyRuns::of(status.value()));
    return keys;
}

void EdiSendTongRegister::markSent(const QList<Consent>& consents)
{
    SqliteStatement writeBack(m_database, QStringLiteral("UPDATE TongRegister SET Senddate = ? WHERE rowid = ?"));
    bool written = writeBack.isValid();
    for (int i = 0; written && i < consents.size(); ++i)
        written = writeBack.run({ SqlValue::stored(m_run.stamp), consents.at(i).row }) == WriteResult::Ok;
    if (!written)
        throw EdiSendError {
            QStringLiteral("TongRegister에 송신일시를 기록할 수 없습니다: %1").arg(writeBack.error())
        };
}

QStringList EdiSendTongRegister::readInstitutionCodes()
{
    QStringList codes;
    select(QStringLiteral("SELECT TRIM(Giganid) FROM TongRegister WHERE %1 GROUP BY TRIM(Giganid) "
                          "ORDER BY TRIM(Giganid)")
               .arg(Waiting),
        {}, [&](const SqliteStatement& row) { codes << row.value(0).toString(); });
    return codes;
}

qint64 EdiSendTongRegister::countWaiting()
{
    qint64 count = 0;
    select(QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1").arg(Waiting), {},
        [&](const SqliteStatement& row) { count = row.value(0).toLongLong(); });
    return count;
}

bool EdiSendTongRegister::bankChecksRealNames()
{
    bool checks = false;
    select(QStringLiteral("SELECT JuminCheck FROM BANKCODE WHERE Id = ?"), { BankGroup::centralBankCode() },
        [&](const SqliteStatement& row) { checks = row.value(0).toInt() != 0; });
    return checks;
}

QList<EdiSendTongRegister::Consent> EdiSendTongRegister::readConsents(const QString& institution)
{
    QList<Consent> consents;
    select(QStringLiteral("SELECT rowid, Giganid, Bankcd, Bankno, Status, Autoichedate, BanksubCD, RequestDate, "
                          "JuminNO, NapbuNO FROM TongRegister WHERE %1 AND TRIM(Giganid) = ? "
                          "ORDER BY Giganid, Bankcd, Bankno, NapbuNO")
               .arg(Waiting),
        { institution }, [&](const SqliteStatement& row) {
            consents << Consent { row.value(0).toLongLong(), row.value(1).toString(), row.value(2).toString(),
                row.value(3).toString(), row.value(4).toInt(), row.value(5), row.value(6).toString(), row.value(7),
                row.value(8).toString(), row.value(9).toString() };
        });
    return consents;
}

QByteArray EdiSendTongRegister::header(const SendInstitutions::Row& settings, bool withdrawal) const
{
    const QString sendCode = SendInstitutions::text(settings, QStringLiteral("TRegisterOUT"));
    if (!withdrawal)
        return EdiSendHeader::neHead(
            m_run.loginId, sendCode, SendInstitutions::text(settings, QStringLiteral("APBCODE")));
    const QString bankSide = SendInstitutions::text(settings, QStringLiteral("TO2BCODE"));
    if (SendInstitutions::text(settings, QStringLiteral("AUTHSENDTYPE")) == ExemptFromEvidence)
        return EdiSendHeader::neHead(m_run.loginId, sendCode, bankSide);
    return EdiSendHeader::smHead(m_waiting, m_run.loginId, sendCode, bankSide);
}

QByteArray EdiSendTongRegister::dataRecord(const Consent& consent, int recordNumber) const
{
    const std::optional<int> bank = EdiSendFields::bankNumber(consent.bankCode);
    if (!bank)
        failConsent(consent, QStringLiteral("Bankcd"), QStringLiteral("은행코드가 숫자가 아닙니다"));
    QByteArray account = FB_CommonFunctions::digitsOnly(consent.bankNo).toLatin1();
    if (BankGroup::of(*bank) != BankGroup::Other)
        account = account.rightJustified(14, '0', true);
    const int paymentDay = consent.autoIcheDate.toInt();
    const QString juminNo = FB_CommonFunctions::digitsOnly(consent.juminNo);

    static const RecordLayout& layout = SendLayouts::consentItem();
    RecordWriter record(layout);
    record.set(QStringLiteral("일련번호"), recordNumber)
        .set(QStringLiteral("은행코드"), BankGroup::normalized(*bank))
        .set(QStringLiteral("계좌번호"), account)
        .set(QStringLiteral("신청구분"),
            consent.status == ConsentState::AwaitingRegistration ? QByteArrayLiteral("1") : QByteArrayLiteral("2"))
        .set(QStringLiteral("이체일"), paymentDay == 0 ? QByteArrayLiteral("  ") : QByteArray::number(paymentDay))
        .set(QStringLiteral("지점코드"), consent.branch.trimmed())
        .set(QStringLiteral("신청일자"), requestDate(consent))
        .set(QStringLiteral("실명확인"),
            m_checksRealNames && !consent.juminNo.trimmed().isEmpty() ? QByteArrayLiteral("Y") : QByteArrayLiteral("N"))
        .set(QStringLiteral("주민번호"), juminNo)
        .set(QStringLiteral("납부자번호"), consent.napbuNo);
    return record.bytes();
}

QByteArray EdiSendTongRegister::requestDate(const Consent& consent) const
{
    QDate date = SqlValue::dateTime(consent.requestDate).date();
    if (!date.isValid())
        date = SqlValue::date(consent.requestDate);
    return yyyymmdd(date.isValid() && date >= FirstDay ? date : m_run.stamp.date());
}

void EdiSendTongRegister::select(
    const QString& sql, const QVariantList& values, const std::function<void(const SqliteStatement&)>& eachRow)
{
    SqliteStatement query(m_database, sql);
    const bool read = query.select(values);
    while (read && query.next())
        eachRow(query);
    if (!read || !query.error().isEmpty())
        throw EdiSendError { QStringLiteral("TongRegister을(를) 읽을 수 없습니다: %1").arg(query.error()) };
}

void EdiSendTongRegister::failConsent(const Consent& consent, const QString& field, const QString& problem) const
{
    throw EdiSendError { QStringLiteral("TongRegister 자료(Giganid %1, Bankcd %2, Bankno %3, NapbuNO %4)의 %5: %6.")
                             .arg(consent.giganId, consent.bankCode, consent.bankNo, consent.napbuNo, field, problem) };
}
