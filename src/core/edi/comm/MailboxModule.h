#pragma once

#include "core/edi/comm/EdiModule.h"
#include "core/edi/comm/EnvSetupDialog.h"
#include "core/edi/comm/TEdiConfig.h"
#include "core/edi/comm/TransmissionJournal.h"

#include <QStringList>
#include <functional>

class Clock;
class EdiSettings;

// Our communication module. The network is a mailbox directory (the setting Mailbox, by default <home>/Van/),
// which may be a shared or mounted folder: our files go into its outbox/, where the bank side takes them
// out; the bank side's files for us lie in inbox/ and move to inbox/done/ once received. Nothing is ever
// seen half-written: a file is written under a hidden temporary name beside its target and then renamed.
// The module keeps its call log, its record of transmissions (each file journalled as it is renamed into the outbox),
// its last receive and, while it sends, the temporaries in flight in <home>/EdiComm/.
class MailboxModule : public EdiModule {
public:
    static const QString MailboxValue;

    MailboxModule(const QString& programDir, const Clock& clock, EnvSetupDialog* dialog = nullptr);

    // Shows the settings dialog and stores what it returns; 0 without a dialog or when it is cancelled.
    int envSetup(const QString& appName) override;
    // Moves every file of the send directory into outbox/; the count sent.
    int send(const QString& appName) override;
    // Copies every file of inbox/ into the receive directory and moves it into a folder of inbox/done/;
    // the count received.
    int receive(const QString& appName) override;
    // Overall 1 when at least one side went through.
    int sendReceive(const QString& appName, int& sendCode, int& receiveCode) override;
    // Copies the files of the last receive into the receive directory again.
    int reReceive(const QString& appName) override;
    // Writes the send report RptEDI into the result directory: one line per transmission.
    int resultReceiveNoDlg(const QString& appName) override;
    // Delivered when the journal or the outbox has the file; not delivered when its temporary was never renamed.
    Delivery delivery(const QString& appName, const QString& fileName, const QByteArray& digest) override;

    // Called at each step of a send ("temporary", "renamed", "journalled"): tests stop the program there.
    using Checkpoint = std::function<void(const QString& step)>;
    void setCheckpoint(Checkpoint checkpoint) { m_checkpoint = std::move(checkpoint); }

    MailboxSetup currentSetup(const QString& appName) const;
    // Stores the setup as the settings dialog does (password shifted); 1, or EdiCode::RegistryError.
    int storeSetup(const QString& appName, const MailboxSetup& setup) const;

    QString defaultMailbox() const { return m_programDir + QStringLiteral("Van/"); }
    QString stateDir() const { return m_programDir + QStringLiteral("EdiComm/"); }
    QString callLogFile() const { return stateDir() + QStringLiteral("EdiComm32.log"); }
    QString journalFile() const { return stateDir() + QStringLiteral("Journal.txt"); }
    QString lastReceiveFile() const { return stateDir() + QStringLiteral("LastReceive.txt"); }
    // The temporaries of the send in progress, by digest; removed once every file has its name.
    QString sendInFlightFile() const { return stateDir() + QStringLiteral("Sending.txt"); }

private:
    struct Session {
        TEdiConfig config;
        QString outbox;
        QString inbox;
    };

    EdiSettings settingsFor(const QString& appName) const;
    bool openSession(const QString& appName, Session& session, int& failure) const;
    QString reachableMailbox(const QString& stored) const;
    int sendFiles(const Session& session, QStringList& names) const;
    void abandon(const QStringList& temporaries) const;
    bool recordSendInFlight(const QList<Transmission>& transmissions, const QStringList& temporaries) const;
    QString temporaryInFlight(const QByteArray& digest) const;
    void forgetSendInFlight() const;
    void reach(const QString& step) const;
    int receiveFiles(const Session& session, QStringList& names) const;
    static QString deliveryPath(const QString& name, const QString& receiveDir, const QString& resultDir);
    int markTakenAndReport(const QString& resultDir) const;
    QString newDoneFolder(const QString& inbox) const;
    int logged(const QString& entryPoint, int code, const QStringList& names = {}) const;

    QString m_programDir;
    const Clock& m_clock;
    EnvSetupDialog* m_dialog;
    Checkpoint m_checkpoint;
};
