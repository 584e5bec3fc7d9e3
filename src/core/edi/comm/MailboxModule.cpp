#include "core/edi/comm/MailboxModule.h"

#include "core/common/Clock.h"
#include "core/common/Cp949.h"
#include "core/common/FileFunctions.h"
#include "core/common/SyncedFile.h"
#include "core/common/WorkingPaths.h"
#include "core/edi/comm/EdiPassword.h"
#include "core/edi/comm/EdiSettings.h"
#include "core/edi/comm/TransmissionJournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

constexpr int MaxNameTries = 1000;

// The directory a setting names, with its separator; empty when it is not set or does not exist.
QString existingDirectory(const QString& setting)
{
    if (setting.trimmed().isEmpty())
        return {};
    const QString path = WorkingPaths::withTrailingSeparator(setting);
    return QFileInfo(path).isDir() ? path : QString();
}

// Hidden files are other writers' files in progress and are left alone.
QStringList fileNamesIn(const QString& directory)
{
    return QDir(directory).entryList(QDir::Files, QDir::Name);
}

bool copyAtomically(const QString& source, const QString& target)
{
    QByteArray bytes;
    return FileFunctions::readWhole(source, bytes) && SyncedFile::save(target, bytes);
}

// A hidden temporary file in the directory holding the bytes; its path, or empty when it could not be written.
QString writeTemporary(const QString& directory, const QByteArray& bytes)
{
    QTemporaryFile file(directory + QStringLiteral(".sending-XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.remove();
        return {};
    }
    return file.fileName();
}

// Renames the file into the directory under its name, or, when another file already has it, under
// name.1, name.2, ... so that a file the other side has not taken yet is never overwritten.
QString renameWithoutOverwriting(const QString& from, const QString& directory, const QString& name)
{
    QString target = directory + name;
    for (int tries = 1; !QFile::rename(from, target); ++tries) {
        if (tries > MaxNameTries)
            return {};
        target = directory + name + QLatin1Char('.') + QString::number(tries);
    }
    return target;
}

void removeAll(const QStringList& paths)
{
    for (const QString& path : paths)
        QFile::remove(path);
}

// Told to a receive, -10 reads "received data could not be handled". Without a login ID nothing was received
// at all: what is missing is one of the module's settings, and that is what the receive side reports.
int receiveSideFailure(int failure)
{
    return failure == EdiCode::UserIdMissing ? EdiCode::RegistryError : failure;
}

} // namespace

const QString MailboxModule::MailboxValue = QStringLiteral("Mailbox");

EdiSettings MailboxModule::settingsFor(const QString& appName) const
{
    return EdiSettings(WorkingPaths(m_programDir).registryFile(), m_programDir, appName);
}

MailboxModule::MailboxModule(const QString& programDir, const Clock& clock, EnvSetupDialog* dialog)
    : m_programDir(programDir)
    , m_clock(clock)
    , m_dialog(dialog)
{
}

MailboxSetup MailboxModule::currentSetup(const QString& appName) const
{
    const EdiSettings settings = settingsFor(appName);
    TEdiConfig config;
    settings.read(config);
    MailboxSetup setup;
    setup.loginId = config.LoginID;
    setup.password = Cp949::decode(EdiPassword::clearForm(config.Password));
    setup.mailbox = settings.registry().readString(settings.userInfoKey(), MailboxValue).value_or(defaultMailbox());
    setup.sendDir = config.SendDir;
    setup.receiveDir = config.RecvDir;
    setup.resultDir = config.ResultDir;
    return setup;
}

int MailboxModule::storeSetup(const QString& appName, const MailboxSetup& setup) const
{
    const EdiSettings settings = settingsFor(appName);
    const TEdiConfig defaults = settings.defaults();
    const QStringList directories { TEdiConfig::directoryOr(setup.sendDir, defaults.SendDir),
        TEdiConfig::directoryOr(setup.receiveDir, defaults.RecvDir),
        TEdiConfig::directoryOr(setup.resultDir, defaults.ResultDir) };
    const QString password = EdiPassword::toRegistryText(EdiPassword::storedForm(Cp949::encode(setup.password)));
    const bool written = settings.registry().write(settings.userInfoKey(),
        { { QStringLiteral("LoginID"), setup.loginId.trimmed() }, { QStringLiteral("Password"), password },
            { MailboxValue, TEdiConfig::directoryOr(setup.mailbox, defaultMailbox()) },
            { QStringLiteral("SendDir"), directories[0] }, { QStringLiteral("RecvDir"), directories[1] },
            { QStringLiteral("ResultDir"), directories[2] } });
    if (!written)
        return EdiCode::RegistryError;
    for (const QString& directory : directories)
        QDir().mkpath(directory);
    return 1;
}

int MailboxModule::envSetup(const QString& appName)
{
    MailboxSetup setup = currentSetup(appName);
    if (m_dialog == nullptr || !m_dialog->edit(setup))
        return logged(QStringLiteral("EnvSetup"), EdiCode::Nothing);
    return logged(QStringLiteral("EnvSetup"), storeSetup(appName, setup));
}

// The default mailbox is a local folder and is made when missing; a configured one must be there already,
// since an unmounted share must not be replaced by an empty local folder.
QString MailboxModule::reachableMailbox(const QString& stored) const
{
    const QString configured = stored.trimmed();
    const bool isDefault = configured.isEmpty() || WorkingPaths::withTrailingSeparator(configured) == defaultMailbox();
    const QString mailbox = isDefault ? defaultMailbox() : WorkingPaths::withTrailingSeparator(configured);
    if (isDefault)
        QDir().mkpath(mailbox);
    if (!QFileInfo(mailbox).isDir())
        return {};
    const bool boxesReady
        = QDir().mkpath(mailbox + QStringLiteral("outbox")) && QDir().mkpath(mailbox + QStringLiteral("inbox"));
    return boxesReady ? mailbox : QString();
}

bool MailboxModule::openSession(const QString& appName, Session& session, int& failure) const
{
    const EdiSettings settings = settingsFor(appName);
    if (!settings.read(session.config)) {
        failure = EdiCode::RegistryError;
        return false;
    }
    if (session.config.LoginID.trimmed().isEmpty()) {
        failure = EdiCode::UserIdMissing;
        return false;
    }
    const QString mailbox
        = reachableMailbox(settings.registry().readString(settings.userInfoKey(), MailboxValue).value_or(QString()));
    if (mailbox.isEmpty()) {
        failure = EdiCode::DirectoryMissing;
        return false;
    }
    session.outbox = mailbox + QStringLiteral("outbox/");
    session.inbox = mailbox + QStringLiteral("inbox/");
    return true;
}

// Every file is first written into the outbox under a temporary name, listed in the record of the send in flight;
// only when all are there do they get their names, each journalled as it goes. A failure part-way sends nothing
// more, and a program ending part-way leaves what delivery() needs to tell which files went.
int MailboxModule::sendFiles(const Session& session, QStringList& names) const
{
    const QString sendDir = existingDirectory(session.config.SendDir);
    if (sendDir.isEmpty())
        return EdiCode::DirectoryMissing;
    const QStringList files = fileNamesIn(sendDir);
    if (files.isEmpty())
        return EdiCode::Nothing;
    QDir().mkpath(stateDir());
    forgetSendInFlight();

    QList<Transmission> transmissions;
    QStringList temporaries;
    for (const QString& name : files) {
        QByteArray bytes;
        if (!FileFunctions::readWhole(sendDir + name, bytes)) {
            abandon(temporaries);
            return EdiCode::Stopped;
        }
        const QString temporary = writeTemporary(session.outbox, bytes);
        if (temporary.isEmpty()) {
            abandon(temporaries);
            return EdiCode::DirectoryMissing;
        }
        temporaries << temporary;
        transmissions << Transmission::fromSendFile(name, bytes, m_clock.now());
        if (!recordSendInFlight(transmissions, temporaries)) {
            abandon(temporaries);
            return EdiCode::Stopped;
        }
    }
    reach(QStringLiteral("temporary"));

    const TransmissionJournal journal(journalFile());
    int sent = 0;
    for (; sent < files.size(); ++sent) {
        Transmission& transmission = transmissions[sent];
        transmission.outboxFile = renameWithoutOverwriting(temporaries[sent], session.outbox, files[sent]);
        if (transmission.outboxFile.isEmpty())
            break;
        reach(QStringLiteral("renamed"));
        journal.append({ transmission });
        reach(QStringLiteral("journalled"));
        QFile::remove(sendDir + files[sent]);
        names << files[sent];
    }
    if (sent < files.size()) {
        abandon(temporaries.mid(sent));
        return EdiCode::DirectoryMissing;
    }
    QFile::remove(sendInFlightFile());
    return sent;
}

// The record goes first: a temporary it lists and that is gone would count as renamed into the outbox.
void MailboxModule::abandon(const QStringList& temporaries) const
{
    QFile::remove(sendInFlightFile());
    removeAll(temporaries);
}

bool MailboxModule::recordSendInFlight(const QList<Transmission>& transmissions, const QStringList& temporaries) const
{
    QByteArray lines;
    for (int i = 0; i < transmissions.size(); ++i)
        lines += transmissions.at(i).digest + '\t' + temporaries.at(i).toUtf8() + '\n';
    return SyncedFile::save(sendInFlightFile(), lines);
}

// The temporary the record of the send in flight lists for the digest; empty when it lists none.
QString MailboxModule::temporaryInFlight(const QByteArray& digest) const
{
    QByteArray record;
    FileFunctions::readWhole(sendInFlightFile(), record);
    for (const QByteArray& line : record.split('\n')) {
        if (line.startsWith(digest + '\t'))
            return QString::fromUtf8(line.mid(digest.size() + 1));
    }
    return {};
}

// A send that ended part-way has been settled by the run before this one: its temporaries will never be renamed.
void MailboxModule::forgetSendInFlight() const
{
    QByteArray record;
    if (!FileFunctions::readWhole(sendInFlightFile(), record))
        return;
    for (const QByteArray& line : record.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            QFile::remove(QString::fromUtf8(line.mid(tab + 1)));
    }
    QFile::remove(sendInFlightFile());
}

EdiModule::Delivery MailboxModule::delivery(const QString& appName, const QString& fileName, const QByteArray& digest)
{
    const TransmissionJournal journal(journalFile());
    if (journal.holds(digest))
        return Delivery::Delivered;
    Session session;
    int failure = 0;
    if (!openSession(appName, session, failure))
        return Delivery::Unknown;
    // Renamed into the outbox, under its name or a numbered one, but not journalled yet.
    for (const QString& name : fileNamesIn(session.outbox)) {
        QByteArray bytes;
        if ((name != fileName && !name.startsWith(fileName + QLatin1Char('.')))
            || !FileFunctions::readWhole(session.outbox + name, bytes))
            continue;
        Transmission transmission = Transmission::fromSendFile(fileName, bytes, m_clock.now());
        if (transmission.digest != digest)
            continue;
        transmission.outboxFile = session.outbox + name;
        journal.append({ transmission });
        return Delivery::Delivered;
    }
    const QString temporary = temporaryInFlight(digest);
    if (temporary.isEmpty())
        return Delivery::NotDelivered;
    if (QFile::exists(temporary))
        return QFile::remove(temporary) ? Delivery::NotDelivered : Delivery::Unknown;
    // Renamed and perhaps taken by the bank side already, or removed by someone else.
    return Delivery::Unknown;
}

void MailboxModule::reach(const QString& step) const
{
    if (m_checkpoint)
        m_checkpoint(step);
}

QString MailboxModule::newDoneFolder(const QString& inbox) const
{
    const QString done = inbox + QStringLiteral("done/");
    if (!QDir().mkpath(done))
        return {};
    const QString stamp = m_clock.now().toString(QStringLiteral("yyyyMMddHHmmss"));
    QString name = stamp;
    for (int tries = 1; !QDir(done).mkdir(name); ++tries) {
        if (tries > MaxNameTries)
            return {};
        name = stamp + QLatin1Char('-') + QString::number(tries);
    }
    return done + name + QLatin1Char('/');
}

// The bank's notice goes where the program reads it, the result directory; everything else is for the import.
QString MailboxModule::deliveryPath(const QString& name, const QString& receiveDir, const QString& resultDir)
{
    const bool notice = name.compare(QStringLiteral("Notice.inf"), Qt::CaseInsensitive) == 0 && !resultDir.isEmpty();
    return (notice ? resultDir : receiveDir) + name;
}

int MailboxModule::receiveFiles(const Session& session, QStringList& names) const
{
    const QString receiveDir = existingDirectory(session.config.RecvDir);
    if (receiveDir.isEmpty())
        return EdiCode::DirectoryMissing;
    const QStringList files = fileNamesIn(session.inbox);
    if (files.isEmpty())
        return EdiCode::Nothing;
    const QString doneFolder = newDoneFolder(session.inbox);
    if (doneFolder.isEmpty())
        return EdiCode::DirectoryMissing;

    // The bank's notice goes where the program reads it, the result directory; everything else is for the import.
    const QString resultDir = existingDirectory(session.config.ResultDir);
    int received = 0;
    for (const QString& name : files) {
        const bool notice
            = name.compare(QStringLiteral("Notice.inf"), Qt::CaseInsensitive) == 0 && !resultDir.isEmpty();
        if (!copyAtomically(session.inbox + name, (notice ? resultDir : receiveDir) + name)
            || !QFile::rename(session.inbox + name, doneFolder + name))
            break;
        names << name;
        ++received;
    }
    if (received > 0) {
        QDir().mkpath(stateDir());
        SyncedFile::save(lastReceiveFile(), doneFolder.toUtf8());
    } else {
        QDir().rmdir(doneFolder);
    }
    return received == files.size() ? received : EdiCode::ReceivedDataError;
}

int MailboxModule::send(const QString& appName)
{
    Session session;
    int failure = 0;
    QStringList names;
    const int code = openSession(appName, session, failure) ? sendFiles(session, names) : failure;
    return logged(QStringLiteral("Send"), code, names);
}

int MailboxModule::receive(const QString& appName)
{
    Session session;
    int failure = 0;
    QStringList names;
    const int code
        = openSession(appName, session, failure) ? receiveFiles(session, names) : receiveSideFailure(failure);
    return logged(QStringLiteral("Receive"), code, names);
}

int MailboxModule::sendReceive(const QString& appName, int& sendCode, int& receiveCode)
{
    Session session;
    int failure = 0;
    if (!openSession(appName, session, failure)) {
        sendCode = failure;
        receiveCode = receiveSideFailure(failure);
        return logged(QStringLiteral("SendReceive"), receiveCode);
    }
    QStringList sentNames;
    QStringList receivedNames;
    sendCode = sendFiles(session, sentNames);
    receiveCode = receiveFiles(session, receivedNames);
    logged(QStringLiteral("SendReceive/Send"), sendCode, sentNames);
    logged(QStringLiteral("SendReceive/Receive"), receiveCode, receivedNames);
    const int overall = sendCode >= 0 || receiveCode >= 0 ? 1 : receiveCode;
    return logged(QStringLiteral("SendReceive"), overall);
}

int MailboxModule::reReceive(const QString& appName)
{
    Session session;
    int failure = 0;
    if (!openSession(appName, session, failure))
        return logged(QStringLiteral("ReReceive"), failure);
    QByteArray lastReceive;
    FileFunctions::readWhole(lastReceiveFile(), lastReceive);
    const QString doneFolder = QString::fromUtf8(lastReceive);
    const QStringList files = doneFolder.isEmpty() ? QStringList() : fileNamesIn(doneFolder);
    if (files.isEmpty())
        return logged(QStringLiteral("ReReceive"), EdiCode::Nothing);
    const QString receiveDir = existingDirectory(session.config.RecvDir);
    if (receiveDir.isEmpty())
        return logged(QStringLiteral("ReReceive"), EdiCode::DirectoryMissing);
    const QString resultDir = existingDirectory(session.config.ResultDir);
    QStringList names;
    for (const QString& name : files) {
        if (!copyAtomically(doneFolder + name, deliveryPath(name, receiveDir, resultDir)))
            return logged(QStringLiteral("ReReceive"), EdiCode::ReceivedDataError, names);
        names << name;
    }
    return logged(QStringLiteral("ReReceive"), static_cast<int>(names.size()), names);
}

// A transmission counts as received by the bank side once it is gone from the outbox.
int MailboxModule::markTakenAndReport(const QString& resultDir) const
{
    const TransmissionJournal journal(journalFile());
    QList<Transmission> transmissions = journal.load();
    if (transmissions.isEmpty())
        return EdiCode::Nothing;
    for (Transmission& transmission : transmissions) {
        if (!transmission.receivedAt.isValid() && !QFileInfo::exists(transmission.outboxFile)) {
            transmission.receivedAt = m_clock.now();
            transmission.receiveCount = 1;
        }
    }
    QByteArray report;
    for (const Transmission& transmission : transmissions)
        report += TransmissionJournal::reportLine(transmission) + "\r\n";
    if (!journal.save(transmissions) || !SyncedFile::save(resultDir + QStringLiteral("RptEDI"), report))
        return EdiCode::Stopped;
    return static_cast<int>(transmissions.size());
}

int MailboxModule::resultReceiveNoDlg(const QString& appName)
{
    Session session;
    int failure = 0;
    if (!openSession(appName, session, failure))
        return logged(QStringLiteral("ResultReceiveNoDlg"), failure);
    const QString resultDir = existingDirectory(session.config.ResultDir);
    const int code = resultDir.isEmpty() ? EdiCode::DirectoryMissing : markTakenAndReport(resultDir);
    return logged(QStringLiteral("ResultReceiveNoDlg"), code);
}

int MailboxModule::logged(const QString& entryPoint, int code, const QStringList& names) const
{
    QDir().mkpath(stateDir());
    QFile log(callLogFile());
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        QString line = m_clock.now().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + entryPoint + QLatin1Char(' ')
            + QString::number(code);
        if (!names.isEmpty())
            line += QLatin1Char(' ') + names.join(QLatin1Char(','));
        log.write(Cp949::encode(line) + "\r\n");
    }
    return code;
}
