#include "VanSimulator.h"

#include "ResultFileWriter.h"
#include "SendFileCheck.h"
#include "core/common/FileFunctions.h"
#include "core/common/WorkingPaths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

VanSimulator::VanSimulator(
    const QString& mailbox, const VanInstitutions& institutions, const VanRules& rules, const QDate& today)
    : m_mailbox(WorkingPaths::withTrailingSeparator(mailbox))
    , m_institutions(institutions)
    , m_rules(rules)
    , m_today(today)
{
}

void VanSimulator::log(const QString& line) const
{
    QFile file(logFile());
    if (!file.open(QIODevice::Append))
        return;
    const QString stamp = QDateTime(m_today, QTime::currentTime()).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    file.write((stamp + QLatin1Char(' ') + line + QLatin1Char('\n')).toUtf8());
}

bool VanSimulator::run()
{
    if (!QDir().mkpath(outbox()) || !QDir().mkpath(inbox())) {
        m_error = QStringLiteral("cannot use the mailbox %1").arg(m_mailbox);
        return false;
    }
    // Hidden files are the institution's files still being written.
    for (const QString& name : QDir(outbox()).entryList(QDir::Files, QDir::Name))
        take(name);
    for (auto it = m_results.cbegin(); it != m_results.cend(); ++it) {
        QByteArray bytes;
        FileFunctions::readWhole(inbox() + it.key(), bytes); // results not yet collected stay in front
        if (!deliver(it.key(), bytes + it.value())) {
            m_error = QStringLiteral("cannot write %1").arg(inbox() + it.key());
            return false;
        }
        log(QStringLiteral("wrote inbox/%1").arg(it.key()));
    }
    return true;
}

void VanSimulator::take(const QString& name)
{
    QByteArray bytes;
    if (!FileFunctions::readWhole(outbox() + name, bytes))
        return;
    SendFileCheck file;
    QString code;
    QString reason;
    if (!file.check(bytes)) {
        reason = file.reason();
    } else if (receiveCodeFor(name, file, code, reason)) {
        m_results[code] += file.kind() == SendFileCheck::Kind::Consent
            ? ResultFileWriter::consentResult(file, m_rules)
            : ResultFileWriter::transferResult(file, m_rules);
        moveOut(name, QStringLiteral("taken/"));
        log(QStringLiteral("%1: accepted, %2 items of %3 -> %4")
                .arg(name)
                .arg(file.items().size())
                .arg(file.institution(), code));
        ++m_accepted;
        return;
    }
    moveOut(name, QStringLiteral("rejected/"));
    log(QStringLiteral("%1: rejected: %2").arg(name, reason));
    ++m_rejected;
}

bool VanSimulator::receiveCodeFor(const QString& name, const SendFileCheck& file, QString& code, QString& reason) const
{
    using Service = VanInstitutions::Service;
    const QString institution = file.institution();
    Service service = Service::Deposit;
    if (file.kind() == SendFileCheck::Kind::Consent) {
        service = Service::Consent;
    } else if (file.kind() == SendFileCheck::Kind::Withdrawal) {
        // Withdrawal and apartment S records are alike; an institution with both is told apart by the file name.
        const bool apartment = m_institutions.serves(institution, Service::Apartment)
            && (!m_institutions.serves(institution, Service::Withdrawal) || name.startsWith(QLatin1String("Apt_")));
        service = apartment ? Service::Apartment : Service::Withdrawal;
    }
    code = m_institutions.receiveCode(institution, service);
    if (code.isEmpty())
        reason = QStringLiteral("no receive code for institution %1 (%2)")
                     .arg(institution, VanInstitutions::serviceName(service));
    return !code.isEmpty();
}

bool VanSimulator::moveOut(const QString& name, const QString& folder)
{
    const QString target = m_mailbox + folder;
    QDir().mkpath(target);
    QString path = target + name;
    for (int n = 1; QFile::exists(path); ++n)
        path = target + name + QLatin1Char('.') + QString::number(n);
    return QFile::rename(outbox() + name, path);
}

bool VanSimulator::deliver(const QString& name, const QByteArray& bytes)
{
    QTemporaryFile file(inbox() + QStringLiteral(".fbvan-XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        return false;
    }
    file.close();
    // The temporary file is private; the institution's side must be able to read the result.
    QFile::setPermissions(file.fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::remove(inbox() + name);
    if (!QFile::rename(file.fileName(), inbox() + name)) {
        file.remove();
        return false;
    }
    return true;
}
