#pragma once

#include <QString>
#include <QUrl>

class WorkingPaths;

// The two web addresses of the main window. Their hosts are installation settings in Firm.ini,
// section "General": "NoticeHost" (no notice page while empty) and "BankWebHost".
class WebAddresses {
public:
    static const QString DefaultBankWebHost;
    static constexpr int NoticePort = 8050;

    explicit WebAddresses(const WorkingPaths& paths);

    // The notice page of this program, all lower case; empty when no notice host is set.
    QUrl noticePage(const QString& executablePath) const;
    QUrl transferStatusPage() const;

    static QUrl noticePage(const QString& host, const QString& executablePath);

private:
    QString m_noticeHost;
    QString m_bankWebHost;
};
