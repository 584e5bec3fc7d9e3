#pragma once

#include "VanInstitutions.h"
#include "VanRules.h"

#include <QDate>
#include <QMap>
#include <QString>

class SendFileCheck;

// The bank side of the mailbox: takes every file out of <mailbox>/outbox/, checks it, and writes the results
// into <mailbox>/inbox/ under the institutions' receive codes. Files that share a receive code become one
// file with one S..E group each. Taken files move to taken/, rejected ones to rejected/; fbvan.log says why.
class VanSimulator {
public:
    VanSimulator(
        const QString& mailbox, const VanInstitutions& institutions, const VanRules& rules, const QDate& today);

    // False when the mailbox cannot be used; error() then says why.
    bool run();
    int accepted() const { return m_accepted; }
    int rejected() const { return m_rejected; }
    const QString& error() const { return m_error; }

    QString outbox() const { return m_mailbox + QStringLiteral("outbox/"); }
    QString inbox() const { return m_mailbox + QStringLiteral("inbox/"); }
    QString logFile() const { return m_mailbox + QStringLiteral("fbvan.log"); }

    // Writes a file into inbox/ so that the other side never sees it half-written.
    bool deliver(const QString& name, const QByteArray& bytes);
    void log(const QString& line) const;

private:
    void take(const QString& name);
    bool receiveCodeFor(const QString& name, const SendFileCheck& file, QString& code, QString& reason) const;
    bool moveOut(const QString& name, const QString& folder);

    QString m_mailbox;
    const VanInstitutions& m_institutions;
    const VanRules& m_rules;
    QDate m_today;
    QMap<QString, QByteArray> m_results;
    int m_accepted = 0;
    int m_rejected = 0;
    QString m_error;
};
