#include "core/edi/send/EdiSendTongRegister.h"

#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/EdiSendFields.h"
#include "core/edi/send/EdiSendHeader.h"
#include "core/edi/send/SendInstitutions.h"
#include "core/edi/TEdiInfo.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FixedRecordWriter.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"

#include <QSqlError>

namespace {

constexpr int RecordSize = 98;
const QString ExemptFromEvidence = QStringLiteral("면제");
const QString Waiting = QStringLiteral("(Status = 0 OR Status = 4)");
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
        const QSqlRecord* withdrawal = institutions.find(QStringLiteral("TOID210"), code);
        const QSqlRecord* settings = withdrawal ? withdrawal : institutions.find(QStringLiteral("APID10"), code);
        if (!settings)
            continue;
        const QList<Consent> consents = readConsents(code);
        output.files.add(QStringLiteral("Register_%1").arg(++fileNumber), file(code, *settings, withdrawal, consents));
        markSent(consents);
        const QString kind = withdrawal ? QStringLiteral("대량출금-") : QStringLiteral("아파트-");
        output.rows << TEdiInfo { TEdiInfo::ConsentRequest,
            kind + SendInstitutions::text(*settings, QStringLiteral("Name")),
            SendInstitutions::text(*settings, QStringLiteral("TRegisterOUT")), static_cast<qint32>(consents.size()),
            Money() };
    }
    return fileNumber > 0;
}

QByteArray EdiSendTongRegister::file(
    const QString& institution, const QSqlRecord& settings, bool withdrawal, const QList<Consent>& consents) const
{
    QByteArray bytes = header(settings, withdrawal) + endOfLine();
    FixedRecordWriter start(RecordSize);
    start.literal("SE1").left(institution, 10).literal("11").literal(yyyymmdd(m_run.stamp.date())).literal("1");
    bytes += start.spaces(74).bytes() + endOfLine();
    int registrations = 0;
    for (int i = 0; i < consents.size(); ++i) {
        bytes += dataRecord(consents.at(i), i + 1) + endOfLine();
        registrations += consents.at(i).status == 0 ? 1 : 0;
    }
    FixedRecordWriter end(RecordSize);
    end.literal("E").zero(consents.size() + 2, 7).zero(registrations, 7).zero(consents.size() - registrations, 7);
    return bytes + end.literal(QByteArray(28, '0')).spaces(48).bytes() + endOfLine();
}

void EdiSendTongRegister::markSent(const QList<Consent>& consents)
{
    QSqlQuery writeBack = m_database.query();
    bool written = writeBack.prepare(QStringLiteral("UPDATE TongRegister SET Senddate = ? WHERE rowid = ?"));
    for (int i = 0; written && i < consents.size(); ++i) {
        writeBack.bindValue(0, SqlValue::stored(m_run.stamp));
        writeBack.bindValue(1, consents.at(i).row);
        written = writeBack.exec();
    }
    if (!written)
        throw EdiSendError {
            QStringLiteral("TongRegister에 송신일시를 기록할 수 없습니다: %1").arg(writeBack.lastError().text())
        };
}

QStringList EdiSendTongRegister::readInstitutionCodes()
{
    QSqlQuery query = select(QStringLiteral("SELECT TRIM(Giganid) FROM TongRegister WHERE %1 "
                                            "GROUP BY TRIM(Giganid) ORDER BY TRIM(Giganid)")
                                 .arg(Waiting));
    QStringList codes;
    while (query.next())
        codes << query.value(0).toString();
    return codes;
}

qint64 EdiSendTongRegister::countWaiting()
{
    QSqlQuery query = select(QStringLiteral("SELECT count(*) FROM TongRegister WHERE %1").arg(Waiting));
    return query.next() ? query.value(0).toLongLong() : 0;
}

bool EdiSendTongRegister::bankChecksRealNames()
{
    QSqlQuery query = select(QStringLiteral("SELECT JuminCheck FROM BANKCODE WHERE Id = '11'"));
    return query.next() && query.value(0).toInt() != 0;
}

QList<EdiSendTongRegister::Consent> EdiSendTongRegister::readConsents(const QString& institution)
{
    QSqlQuery query = select(QStringLiteral("SELECT rowid, Giganid, Bankcd, Bankno, Status, Autoichedate, BanksubCD, "
                                            "RequestDate, JuminNO, NapbuNO FROM TongRegister "
                                            "WHERE %1 AND TRIM(Giganid) = ? ORDER BY Giganid, Bankcd, Bankno, NapbuNO")
                                 .arg(Waiting),
        { institution });
    QList<Consent> consents;
    while (query.next()) {
        consents << Consent { query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toInt(), query.value(5), query.value(6).toString(),
            query.value(7), query.value(8).toString(), query.value(9).toString() };
    }
    return consents;
}

QByteArray EdiSendTongRegister::header(const QSqlRecord& settings, bool withdrawal) const
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
    if (*bank >= 10 && *bank <= 15)
        account = FixedField::zero(account, 14);
    const int paymentDay = consent.autoIcheDate.toInt();
    const QString juminNo = FB_CommonFunctions::digitsOnly(consent.juminNo);

    FixedRecordWriter record(RecordSize);
    record.literal("D").zero(recordNumber, 7).zero(EdiSendFields::normalizedBank(*bank), 2).left(account, 16);
    record.literal(consent.status == 0 ? "1" : "2");
    if (paymentDay == 0)
        record.spaces(2);
    else
        record.zero(paymentDay, 2);
    record.zero(consent.branch.trimmed(), 6).literal(requestDate(consent)).spaces(1 + 4);
    record.literal(m_checksRealNames && !consent.juminNo.trimmed().isEmpty() ? "Y" : "N");
    record.left(juminNo, 13).left(consent.napbuNo, 20).spaces(16);
    return record.bytes();
}

QByteArray EdiSendTongRegister::requestDate(const Consent& consent) const
{
    QDate date = SqlValue::dateTime(consent.requestDate).date();
    if (!date.isValid())
        date = SqlValue::date(consent.requestDate);
    return yyyymmdd(date.isValid() && date >= FirstDay ? date : m_run.stamp.date());
}

QSqlQuery EdiSendTongRegister::select(const QString& sql, const QVariantList& values)
{
    QSqlQuery query = m_database.query();
    query.setForwardOnly(true);
    bool done = query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    done = done && query.exec();
    if (!done)
        throw EdiSendError { QStringLiteral("TongRegister을(를) 읽을 수 없습니다: %1").arg(query.lastError().text()) };
    return query;
}

void EdiSendTongRegister::failConsent(const Consent& consent, const QString& field, const QString& problem) const
{
    throw EdiSendError { QStringLiteral("TongRegister 자료(Giganid %1, Bankcd %2, Bankno %3, NapbuNO %4)의 %5: %6.")
                             .arg(consent.giganId, consent.bankCode, consent.bankNo, consent.napbuNo, field, problem) };
}
