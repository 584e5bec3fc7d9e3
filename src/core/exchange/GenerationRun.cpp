#include "core/exchange/GenerationRun.h"

#include "core/app/Workspace.h"
#include "core/batches/BankGroup.h"
#include "core/calendar/HolidayCalendar.h"
#include "core/common/Clock.h"
#include "core/common/Messages.h"
#include "core/consent/ConsentState.h"
#include "core/data/Database.h"
#include "core/data/TDM1.h"
#include "core/data/TransactionGuard.h"
#include "core/edi/send/EdiSendApt.h"
#include "core/edi/send/EdiSendError.h"
#include "core/edi/send/EdiSendTong1.h"
#include "core/edi/send/EdiSendTong21.h"
#include "core/edi/send/EdiSendTongRegister.h"

#include <QDir>
#include <QFile>
#include <QSqlError>

namespace {

// The bank takes consent requests on business days until 18:00.
const QTime ConsentDeadline(18, 0);
constexpr int ConsentSendVersion = 1;

} // namespace

GenerationRun::GenerationRun(Database& database, Workspace& context)
    : m_database(database)
    , m_context(context)
{
}

GenerationRun::Outcome GenerationRun::run()
{
    start();
    if (!emptySendPath())
        return Outcome::Failed;
    TransactionGuard transaction(m_database);
    // The write lock is taken first: a transaction that has read and then writes is refused at once ("database is
    // locked") while another program writes, where one that writes first waits for it.
    if (!transaction.isActive() || !m_database.exec(QStringLiteral("UPDATE Tong1 SET State = State WHERE 0")))
        return fail(
            QStringLiteral("송신 자료를 기록할 수 없습니다: %1").arg(m_database.connection().lastError().text()));
    EdiSendOutput output;
    try {
        generate(output);
    } catch (const EdiSendError& failure) {
        return fail(failure.message);
    }
    if (output.files.isEmpty())
        return Outcome::NothingToSend;
    return publish(output, transaction);
}

void GenerationRun::start()
{
    const QDateTime now = m_context.clock().now();
    m_stamp = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    m_rows.clear();
    m_fileNames.clear();
    m_files = SendFileSet();
    m_withdrawalData = false;
    m_error.clear();
}

GenerationRun::Outcome GenerationRun::publish(const EdiSendOutput& output, TransactionGuard& transaction)
{
    const QString sendPath = m_context.paths().sendPath();
    QString error;
    if (!output.files.writeTo(sendPath, error))
        return fail(error);
    if (!transaction.commit()) {
        output.files.removeFrom(sendPath);
        return fail(
            QStringLiteral("송신 내용을 저장할 수 없습니다: %1").arg(m_database.connection().lastError().text()));
    }
    m_rows = output.rows;
    m_withdrawalData = output.withdrawalData;
    m_files = output.files;
    for (const SendFile& file : output.files.files())
        m_fileNames << file.name;
    return Outcome::Generated;
}

bool GenerationRun::emptySendPath()
{
    const QString sendPath = m_context.paths().sendPath();
    QDir directory(sendPath);
    if (!directory.exists() && !QDir().mkpath(sendPath)) {
        fail(QStringLiteral("송신 폴더 \"%1\"을(를) 만들 수 없습니다.").arg(sendPath));
        return false;
    }
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!directory.remove(name)) {
            fail(QStringLiteral("송신 폴더의 파일 \"%1\"을(를) 지울 수 없습니다.").arg(sendPath + name));
            return false;
        }
    }
    return true;
}

void GenerationRun::generate(EdiSendOutput& output)
{
    const EdiSendRun run { m_stamp, m_context.loginId() };
    if (consentsGo())
        EdiSendTongRegister(m_database, run).write(output);
    EdiSendTong1(m_database, run, m_pickModulus).write(output);
    EdiSendTong21(m_database, run, m_pickModulus).write(output);
    EdiSendApt(m_database, run, m_pickModulus).write(output);
}

bool GenerationRun::consentsGo()
{
    const QVariant version = m_database.scalar(
        QStringLiteral("SELECT SENDVERSION FROM BANKCODE WHERE Id = ?"), { BankGroup::centralBankCode() });
    return version.toString().trimmed().toInt() == ConsentSendVersion && consentHourAllows();
}

// A refused consent file holds back only the consents; they stay waiting for a later run.
bool GenerationRun::consentHourAllows()
{
    if (m_context.data().holidays().isHoliday(m_stamp.date())) {
        m_context.messages().information(QStringLiteral("오늘은 공휴일입니다.출금동의 신청을 하실수 없습니다"));
        return false;
    }
    if (m_stamp.time() < ConsentDeadline)
        return true;
    const QVariant waiting
        = m_database.scalar(QStringLiteral("SELECT count(*) FROM TongRegister WHERE Status IN (?, ?)"),
            { ConsentState::AwaitingRegistration, ConsentState::AwaitingCancellation });
    if (waiting.toLongLong() == 0)
        return true;
    m_context.messages().information(QStringLiteral("출금동의 데이타가 존재 합니다. \r\n테온은 당일 출금동의 신청시 "
                                                    "18시까지 가능하므로,\r\n평일 18시 이전에 재송신하세요"));
    return false;
}

GenerationRun::Outcome GenerationRun::fail(const QString& error)
{
    m_error = error;
    return Outcome::Failed;
}
