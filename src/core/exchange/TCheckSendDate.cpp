#include "core/exchange/TCheckSendDate.h"

#include "core/batches/BatchState.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"

namespace {

constexpr int WindowDays = 7;

const QString GoOnOrStop = QStringLiteral("    예(Y) : [송신대기]상태인 이체자료의 전송을 계속 진행합니다. \r\n\r\n"
                                          "    아니오(N) : [송신대기]상태인 이체자료의 전송을 중단합니다. ");

} // namespace

TCheckSendDate::TCheckSendDate(Database& database, const QString& table, const QString& dateField)
    : m_database(database)
    , m_table(table)
    , m_dateField(dateField)
{
}

int TCheckSendDate::outOfWindowCount(const QDate& today) const
{
    SqliteStatement dates(
        m_database, QStringLiteral("SELECT %1 FROM %2 WHERE State = ? ORDER BY %1").arg(m_dateField, m_table));
    int count = 0;
    const bool read = dates.select({ BatchState::AwaitingSending });
    while (read && dates.next()) {
        const QDate date = SqlValue::date(dates.value(0));
        count += date.isValid() && today.daysTo(date) >= WindowDays;
    }
    return count;
}

bool TCheckSendDate::windowWarning(const QString& kindName, const QDate& today, Messages& messages) const
{
    const int count = outOfWindowCount(today);
    if (count == 0)
        return true;
    const QString text
        = QStringLiteral(" 설정범위를 초과한 [%1]자료가 %2건 있습니다. \r\n\r\n\r\n"
                         " 테온으로 전송되는 이체자료의 이체일자 설정범위는 송신일로부터 %3일 이내입니다.  "
                         "\r\n\r\n 이 자료는 이체처리가 정상적으로 이루어지지 않을 수 있습니다. \r\n\r\n"
                         " 이체자료의 송신을 계속 진행하시겠습니까?\r\n\r\n\r\n")
              .arg(kindName)
              .arg(count)
              .arg(WindowDays)
        + GoOnOrStop;
    return messages.warning(QStringLiteral("이체일자 설정범위 오류-테온(은행코드:11,12)"), text);
}

bool TCheckSendDate::sameDateSent() const
{
    const QVariant found = m_database.scalar(
        QStringLiteral("SELECT count(*) FROM %1 WHERE State = ? AND %2 IN (SELECT %2 FROM %1 WHERE State = ?)")
            .arg(m_table, m_dateField),
        { BatchState::Sent, BatchState::AwaitingSending });
    return found.toLongLong() > 0;
}

bool TCheckSendDate::sameDateWarning(const QString& kindName, Messages& messages) const
{
    if (!sameDateSent())
        return true;
    return messages.warning(QStringLiteral("[주의:%1] 동일한 이체일로 송신된 이체자료 확인필요").arg(kindName),
        QStringLiteral("동일한 일자에 대해, 동일한 기관코드로 여러건의 이체를 신청할 경우 \r\n\r\n맨 마지막에 "
                       "신청(전송)한 자료만 이체처리가 되니 \r\n\r\n반드시 해당내용을 확인 후 처리하시기 바랍니다."
                       "\r\n\r\n\r\n")
            + GoOnOrStop);
}
