#include "core/app/EnvironmentSummary.h"

#include "core/app/Workspace.h"
#include "core/data/Database.h"
#include "core/edi/comm/EdiSettings.h"

namespace {

QString withInParentheses(const QString& text, const QString& detail)
{
    return text + QStringLiteral(" (") + detail + QLatin1Char(')');
}

std::optional<int> institutionCount(Database& database)
{
    if (!database.isOpen())
        return std::nullopt;
    const QVariant count = database.scalar(QStringLiteral("SELECT count(*) FROM Usercode"));
    if (count.isNull())
        return std::nullopt;
    return count.toInt();
}

} // namespace

EnvironmentSummary EnvironmentSummary::collect(const Workspace& context)
{
    TEdiConfig config;
    // A failed read leaves the defaults of whatever is missing, which is what the module would use.
    EdiSettings(context.paths().registryFile(), context.paths().programDir()).read(config);

    EnvironmentSummary summary;
    summary.loginId = config.LoginID;
    summary.password = config.Password.isEmpty() ? QStringLiteral("없음") : QStringLiteral("있음");
    summary.line = withInParentheses(config.Port, config.Speed);
    summary.connection1 = withInParentheses(config.Connect1, config.Phone1);
    summary.connection2 = withInParentheses(config.Connect2, config.Phone2);
    summary.sendDir = config.SendDir;
    summary.receiveDir = config.RecvDir;
    summary.programDir = context.paths().programDir();
    summary.institutions = institutionsText(institutionCount(context.database()));
    summary.accountCheck = context.accountNumberCheck() ? QStringLiteral("자료 입력시 계좌번호 검사 수행")
                                                        : QStringLiteral("자료 입력시 계좌번호 검사 안함");
    return summary;
}

QString EnvironmentSummary::institutionsText(std::optional<int> count)
{
    if (!count)
        return QStringLiteral("알 수 없음");
    if (*count == 0)
        return QStringLiteral("설정되어 있지 않음");
    return QString::number(*count) + QStringLiteral(" 개 설정되어 있음");
}
