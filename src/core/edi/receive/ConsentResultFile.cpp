#include "core/edi/receive/ConsentResultFile.h"

#include "core/batches/BankGroup.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/consent/ConsentState.h"
#include "core/data/SqlValue.h"
#include "core/edi/receive/EdiImportError.h"
#include "core/edi/receive/EdiRecvTongRegister.h"
#include "core/edi/receive/ResultRecordSequence.h"
#include "core/edi/send/SendLayouts.h"

namespace {

using F = RecordField;

constexpr int DuplicateRegistration = 2005;

const RecordLayout StartRecord { QStringLiteral("consent result S"), 98,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "S"),
        F::text(QStringLiteral("업무구분"), 2, 2),
        F::text(QStringLiteral("기관코드"), 4, 10),
        F::blank(14, 85),
    } };

// The fields named in errors carry the names the user reads in them.
const RecordLayout AnswerRecord { QStringLiteral("consent result D"), 98,
    {
        F::constant(QStringLiteral("레코드구분"), 1, "D"),
        F::text(QStringLiteral("일련번호"), 2, 7),
        F::text(QStringLiteral("은행코드"), 9, 2),
        F::text(QStringLiteral("계좌번호"), 11, 16),
        F::text(QStringLiteral("신청구분"), 27, 1),
        F::blank(28, 16),
        F::text(QStringLiteral("처리여부"), 44, 1),
        F::number(QStringLiteral("처리결과코드"), 45, 4),
        F::blank(49, 14),
        F::text(QStringLiteral("납부자번호"), 63, 20),
        F::blank(83, 16),
    } };

// The request goes out under the bank group's code (10 as 11, 13-15 as 12); its answer then also belongs
// to consents stored under the other codes of that group.
QStringList sameGroupCodes(const QString& bankCode)
{
    if (bankCode == BankGroup::centralBankCode())
        return { QStringLiteral("10") };
    if (bankCode == QLatin1String("12"))
        return { QStringLiteral("13"), QStringLiteral("14"), QStringLiteral("15") };
    return {};
}

} // namespace

ConsentResultFile::ConsentResultFile(Database& database, const QString& fileName, const QDateTime& now)
    : m_fileName(fileName)
    , m_now(now)
    , m_institution(database,
          QStringLiteral("SELECT Name FROM Usercode WHERE (TOID210 = ? OR "
                         "APID10 = ?) AND TRegisterIN = ? "
                         "ORDER BY TOID210 = ? DESC, Name LIMIT 1"))
    , m_consent(database,
          QStringLiteral("SELECT rowid FROM TongRegister WHERE Giganid = ? AND "
                         "Bankcd = ? AND DisplayBankno = ? AND NapbuNO = ? "
                         "ORDER BY rowid LIMIT 1"))
    , m_update(database,
          QStringLiteral("UPDATE TongRegister SET Status = ?, ResultYN = ?, "
                         "ResultCD = ?, Receivedate = ? WHERE rowid = ?"))
{
}

const RecordLayout& ConsentResultFile::start()
{
    return StartRecord;
}

const RecordLayout& ConsentResultFile::answer()
{
    return AnswerRecord;
}

bool ConsentResultFile::isResultFile(const QByteArray& bytes)
{
    return bytes.size() >= 3 && bytes.at(1) == '1' && bytes.at(2) == 'E';
}

bool ConsentResultFile::isSendFile(const QByteArray& bytes)
{
    return bytes.startsWith("SE1");
}

void ConsentResultFile::read(const QByteArray& bytes, const Report& report)
{
    const int blockSize = answer().length() + 2;
    ResultRecordSequence sequence(m_fileName, blockSize);
    const qsizetype records = sequence.records(bytes);
    for (int number = 1; number <= records; ++number) {
        const QByteArrayView record = QByteArrayView(bytes).sliced((number - 1) * blockSize, blockSize);
        sequence.take(record.at(0), number);
        try {
            readRecord(record, number, report);
        } catch (const RecordError& error) {
            throw EdiImportError::badField(error);
        } catch (EdiImportError& error) {
            throw error.at(m_fileName, number);
        }
    }
    sequence.finish(bytes);
}

void ConsentResultFile::readRecord(QByteArrayView record, int number, const Report& report)
{
    switch (record.at(0)) {
    case 'S':
        startGroup(RecordReader(start(), record, m_fileName, number));
        break;
    case 'D':
        if (m_group)
            applyAnswer(RecordReader(answer(), record, m_fileName, number));
        break;
    case 'E':
        endGroup(record, number, report);
        break;
    default:
        break;
    }
}

// An institution that is not set up here, or not under this file, opens no group: its answers are passed
// rather than matched against the consents of the group before.
void ConsentResultFile::startGroup(const RecordReader& record)
{
    m_group.reset();
    const QString code = record.trimmed(QStringLiteral("기관코드"));
    const std::optional<QVariant> name = m_institution.single({ code, code, m_fileName, code });
    if (name)
        m_group = Group { code, name->toString(), 0 };
}

void ConsentResultFile::endGroup(QByteArrayView record, int number, const Report& report)
{
    if (m_group) {
        const RecordReader end(SendLayouts::consentEnd(), record, m_fileName, number);
        const int answers = m_group->registrations + m_group->cancellations;
        ResultRecordSequence::checkFigure(end, number, QStringLiteral("총레코드수"), answers + 2);
        ResultRecordSequence::checkFigure(end, number, QStringLiteral("등록건수"), m_group->registrations);
        ResultRecordSequence::checkFigure(end, number, QStringLiteral("해지건수"), m_group->cancellations);
        report({ TEdiInfo::ConsentRequest, m_group->name, m_fileName, m_group->count, Money() });
    }
    m_group.reset();
}

void ConsentResultFile::applyAnswer(const RecordReader& record)
{
    const bool registration = record.text(QStringLiteral("신청구분")) == QLatin1String("1");
    ++(registration ? m_group->registrations : m_group->cancellations);
    const QString bankCode = FB_CommonFunctions::digitsOnly(record.trimmed(QStringLiteral("은행코드")));
    const QString account = EdiRecvTongRegister::displayAccount(record.trimmed(QStringLiteral("계좌번호")));
    const std::optional<qint64> row = consentRow(bankCode, account, record.trimmed(QStringLiteral("납부자번호")));
    if (!row)
        return;
    const qint64 resultCode = record.number(QStringLiteral("처리결과코드"));
    const bool accepted
        = record.text(QStringLiteral("처리여부")) == QLatin1String("Y") || resultCode == DuplicateRegistration;
    const int status = registration ? (accepted ? ConsentState::Registered : ConsentState::RegistrationError)
                                    : (accepted ? ConsentState::Cancelled : ConsentState::CancellationError);
    m_update.run({ status, accepted ? 1 : 0, resultCode, SqlValue::stored(m_now), *row });
    ++m_group->count;
}

std::optional<qint64> ConsentResultFile::consentRow(
    const QString& bankCode, const QString& account, const QString& payerNumber)
{
    for (const QString& code : QStringList { bankCode } + sameGroupCodes(bankCode)) {
        const std::optional<QVariant> row = m_consent.single({ m_group->institutionCode, code, account, payerNumber });
        if (row)
            return row->toLongLong();
    }
    return std::nullopt;
}
