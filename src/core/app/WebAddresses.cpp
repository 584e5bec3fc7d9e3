#include "core/app/WebAddresses.h"

#include "core/common/IniFile.h"
#include "core/common/WorkingPaths.h"

#include <QFileInfo>

const QString WebAddresses::DefaultBankWebHost = QStringLiteral("firmbank.teon.example");

WebAddresses::WebAddresses(const WorkingPaths& paths)
{
    const IniFile settings(paths.settingsFile());
    const QString general = QStringLiteral("General");
    m_noticeHost = settings.readString(general, QStringLiteral("NoticeHost"), QString()).trimmed();
    m_bankWebHost = settings.readString(general, QStringLiteral("BankWebHost"), QString()).trimmed();
    if (m_bankWebHost.isEmpty())
        m_bankWebHost = DefaultBankWebHost;
}

QUrl WebAddresses::noticePage(const QString& executablePath) const
{
    return noticePage(m_noticeHost, executablePath);
}

QUrl WebAddresses::noticePage(const QString& host, const QString& executablePath)
{
    if (host.isEmpty())
        return {};
    const QString name = QFileInfo(executablePath).fileName().section(QLatin1Char('.'), 0, 0);
    const QString address = QStringLiteral("http://%1:%2/popup/package/%3/%3.htm").arg(host).arg(NoticePort).arg(name);
    return QUrl(address.toLower());
}

QUrl WebAddresses::transferStatusPage() const
{
    return QUrl(QStringLiteral("https://%1/link/VanFirm.jsp").arg(m_bankWebHost));
}
