#include "core/edi/receive/ConsentResultFile.h"

#include "core/edi/receive/EdiImportError.h"
#include "core/edi/receive/EdiRecvTongRegister.h"
#include "core/edi/receive/ImportSql.h"
#include "core/edi/receive/ReceivedFields.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/data/Database.h"

namespace {

constexpr int BlockSize = 100;
constexpr int DuplicateRegistration = 2005;

enum Status { Registered = 2, RegistrationError = 3, Cancelled = 6, CancellationError = 7 };

// The request goes out under the bank group's code (10 as 11, 13-15 as 12); its answer then also belongs
// to consents stored under the other codes of that group.
QStringList sameGroupCodes(const QString& bankCode)
{
    if (bankCode == QLatin1String("11"))
        return {QStringLiteral("10")};
    if (bankCode == QLatin1String("12"))
        return {QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15")};
    return {};
}

} // namespace

ConsentResultFile::ConsentResultFile(Database& database, const QString& fileName, const QDateTime& now)
    : m_fileName(fileName)
    , m_now(now)
    , m_institution(ImportSql::prepare(database, QStringLiteral("SELECT Name FROM Usercode WHERE (TOID210 = ? OR "
                                                                "APID10 = ?) AND TRegisterIN = ? "
                                                                "ORDER BY TOID210 = ? DESC, Name LIMIT 1")))
    , m_consent(ImportSql::prepare(database, QStringLiteral("SELECT rowid FROM TongRegister WHERE Giganid = ? AND "
                                                            "Bankcd = ? AND DisplayBankno = ? AND NapbuNO = ? "
                                                            "ORDER BY rowid LIMIT 1")))
    , m_update(ImportSql::prepare(database, QStringLiteral("UPDATE TongRegister SET Status = ?, ResultYN = ?, "
                                                           "ResultCD = ?, Receivedate = ? WHERE rowid = ?")))
{
}

bool ConsentResultFile::isResultFile(const QByteArray& bytes)
{
    return bytes.size() >= 3 && bytes.at(1) == '1' && bytes.at(2) == 'E';
}

void ConsentResultFile::read(const QByteArray& bytes, const Report& report)
{
    int number = 1;
    for (qsizetype offset = 0; offset + BlockSize <= bytes.size(); offset += BlockSize, ++number) {
        try {
            readRecord(FixedRecordReader(QByteArray::fromRawData(bytes.constData() + offset, BlockSize)), report);
        } catch (EdiImportError& error) {
            throw error.at(m_fileName, number);
        }
    }
}

void ConsentResultFile::readRecord(const FixedRecordReader& record, const Report& report)
{
    switch (record.record().at(0)) {
    case 'S':
        startGroup(record);
        break;
    case 'D':
        if (m_group)
            applyAnswer(record);
        break;
    case 'E':
        if (m_group)
            report({TEdiInfo::ConsentRequest, m_group->name, m_fileName, m_group->count, Money()});
        m_group.reset();
        break;
    default:
        break;
    }
}

// An institution that is not set up here, or not under this file, opens no group: its answers are passed
// rather than matched against the consents of the group before.
void ConsentResultFile::startGroup(const FixedRecordReader& record)
{
    m_group.reset();
    const QString code = record.trimmed(4, 10);
    ImportSql::execute(m_institution, {code, code, m_fileName, code});
    if (m_institution.next())
        m_group = Group{code, m_institution.value(0).toString(), 0};
    m_institution.finish();
}

void ConsentResultFile::applyAnswer(const FixedRecordReader& record)
{
    const QString bankCode = FB_CommonFunctions::digitsOnly(record.trimmed(9, 2));
    const QString account = EdiRecvTongRegister::displayAccount(record.trimmed(11, 16));
    const std::optional<qint64> row = consentRow(bankCode, account, record.trimmed(63, 20));
    if (!row)
        return;
    const qint64 resultCode = ReceivedFields::number(record, 45, 4, QStringLiteral("처리결과코드"));
    const bool accepted = record.text(44, 1) == QLatin1String("Y") || resultCode == DuplicateRegistration;
    const bool registration = record.text(27, 1) == QLatin1String("1");
    const int status = registration ? (accepted ? Registered : RegistrationError)
                                    : (accepted ? Cancelled : CancellationError);
    ImportSql::execute(m_update, {status, accepted ? 1 : 0, resultCode, Database::boundValue({}, {}, m_now), *row});
    ++m_group->count;
}

std::optional<qint64> ConsentResultFile::consentRow(const QString& bankCode, const QString& account,
                                                    const QString& payerNumber)
{
    for (const QString& code : QStringList{bankCode} + sameGroupCodes(bankCode)) {
        ImportSql::execute(m_consent, {m_group->institutionCode, code, account, payerNumber});
        const std::optional<qint64> row = m_consent.next() ? std::optional<qint64>(m_consent.value(0).toLongLong())
                                                           : std::nullopt;
        m_consent.finish();
        if (row)
            return row;
    }
    return std::nullopt;
}
