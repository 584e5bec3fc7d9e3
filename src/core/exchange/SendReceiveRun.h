#pragma once

#include "core/batches/SendLock.h"
#include "core/consent/ItemConsents.h"
#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/EdiImportError.h"
#include "core/exchange/PendingSend.h"
#include "core/exchange/RunLock.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <functional>

class EdiComm32;
class Workspace;

// The one run where data leaves for the bank and comes back: the date warnings, the send files written, the
// payers without a registered consent shown, the files handed to the communication module, the send state recorded,
// and the received files imported. The window and fbctl drive the same steps; what the run reports (status lines
// and list rows) reaches them as it happens.
class SendReceiveRun {
public:
    enum class Mode { Send = 0, SendReceive = 1, Receive = 2, ReReceive = 3 };

    struct Listener {
        std::function<void(const QString& text, bool failure)> status;
        std::function<void(const TEdiInfo& row)> rowAdded;
        std::function<void()> rowsCleared;
    };
    // Shows the items without a registered consent before sending; true when the user sends them anyway.
    using ConsentPreview = std::function<bool(const QList<ItemConsents::Missing>& items)>;

    // "송신", "송수신", "수신", "재수신".
    static QString caption(Mode mode);
    // The main window's check before the sending modes: after 16:00:00 a batch awaiting sending that is dated
    // today cannot reach the bank in time; the message is shown and the window must not open. Always true offline.
    static bool sameDayAllows(Workspace& context);
    // The five cells of a list row: name, kind, file information, count, amount behind the won sign (empty for 0).
    static QStringList cells(const TEdiInfo& row, const QString& wonSign = QStringLiteral("₩"));

    SendReceiveRun(Workspace& context, Mode mode, Listener listener, ConsentPreview preview);

    Mode mode() const { return m_mode; }
    const QList<TEdiInfo>& rows() const { return m_rows; }
    const QString& statusText() const { return m_status; }
    bool failed() const { return m_failed; }
    // Why received files were refused by the import.
    const QList<EdiImportError>& refusals() const { return m_refusals; }
    // Why the send files could not be written: the batch, item and field at fault; empty when they were.
    const QString& generationError() const { return m_generationError; }

    // Takes the home's run lock, held until the run is destroyed or runAll() ends: one send/receive run at a time.
    // False, told in red, while another run holds it; the steps below then do nothing.
    bool begin();
    // The sending modes first warn of transfer dates out of the bank's window and of dates already sent, for the
    // apartment, deposit and withdrawal batches; false when the user stops (sending is then not offered).
    bool checkDates();
    // Writes the send files and lists them; false when nothing is to be sent, the user cancelled or it failed.
    // From here until the send state is recorded no batch can be changed (SendLock).
    bool generate();
    // 송수신 with nothing to send: asks whether to receive only; Yes turns the run into a receive. A generation
    // that failed (or anything told in red before) stops the run instead: it had something to send.
    bool offerReceiveOnly();
    // Hands the files to the module (sending modes after generate()), records the send state, and imports what
    // came back, even when the send state could not be recorded; also the whole of the receiving modes.
    void transmitAndImport();

    // What fbctl runs: every step in order with the questions answered by the messages seam, and the run lock let go
    // of at the end. True on success.
    bool runAll();

    // Called at each step of a send ("marker", "recorded"): tests stop the program there.
    using Checkpoint = std::function<void(const QString& step)>;
    void setCheckpoint(Checkpoint checkpoint) { m_checkpoint = std::move(checkpoint); }

private:
    bool generateFiles();
    bool recoverUnrecordedSend();
    bool recordSent(const PendingSend& pending, const QList<PendingSend::File>& files);
    QList<PendingSend::File> deliveredFiles(const PendingSend& pending, QList<PendingSend::File>& unknown) const;
    void reach(const QString& step) const;
    bool transmit();
    void callModule(EdiComm32& comm, bool& sendOk, bool& receiveOk);
    bool askOffline();
    bool recordSendState(const QDateTime& stamp);
    void import();
    void clearDirectory(const QString& path) const;
    bool receivePathHasFiles() const;
    void logRows() const;
    void addRow(const TEdiInfo& row);
    void clearRows();
    void setStatus(const QString& text, bool failure = false);
    void stop(const QString& text);
    QString pendingFile() const;

    Workspace& m_context;
    RunLock m_runLock;
    SendLock m_sendLock;
    Mode m_mode;
    Listener m_listener;
    ConsentPreview m_preview;
    QDateTime m_stamp;
    PendingSend m_pending; // what generate() wrote
    Checkpoint m_checkpoint;
    QList<TEdiInfo> m_rows;
    QList<EdiImportError> m_refusals;
    QString m_status;
    bool m_failed = false;
    bool m_erred = false; // a status line in red was shown: the run fails whatever follows
    QString m_unrecorded; // the failure to record a send that the module made
    QString m_generationError;
    QString m_sentLine; // what the send of a 송수신 came to: "n건 송신되었습니다." or why it failed
    bool m_sendFailed = false;
};
