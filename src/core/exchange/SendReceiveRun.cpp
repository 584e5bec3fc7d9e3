#include "core/exchange/SendReceiveRun.h"

#include "core/app/Workspace.h"
#include "core/batches/BankGroup.h"
#include "core/batches/BatchState.h"
#include "core/batches/TransferKind.h"
#include "core/common/Clock.h"
#include "core/common/Messages.h"
#include "core/data/Database.h"
#include "core/data/SqlValue.h"
#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiModule.h"
#include "core/edi/comm/EdiSettings.h"
#include "core/exchange/EdiImportRun.h"
#include "core/exchange/GenerationRun.h"
#include "core/exchange/TCheckSendDate.h"
#include "core/maintenance/DataLock.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace {

// Batches dated today reach the bank only when sent by 16:00:00.
const QTime SameDayLimit(16, 0, 0);
constexpr int ConsentSendVersion = 1;

struct SameDayKind {
    const TransferKind& kind;
    QString institutionColumn;
    QString message;
};

// The kinds in the order of the date warnings, with their names in the list.
QList<std::pair<const TransferKind*, QString>> warnedKinds()
{
    return { { &TransferKind::apartment(), QStringLiteral("아파트뱅킹") },
        { &TransferKind::deposit(), QStringLiteral("대량입금") },
        { &TransferKind::withdrawal(), QStringLiteral("대량출금") } };
}

QString grouped(qint64 value)
{
    return QLocale(QLocale::English).toString(value);
}

} // namespace

QString SendReceiveRun::caption(Mode mode)
{
    switch (mode) {
    case Mode::Send:
        return QStringLiteral("송신");
    case Mode::SendReceive:
        return QStringLiteral("송수신");
    case Mode::Receive:
        return QStringLiteral("수신");
    case Mode::ReReceive:
        break;
    }
    return QStringLiteral("재수신");
}

bool SendReceiveRun::sameDayAllows(Workspace& context)
{
    if (context.offlineMode())
        return true;
    const QDateTime now = context.clock().now();
    if (now.time() <= SameDayLimit)
        return true;
    const QString later = QStringLiteral("시00분까지 가능하므로 데이타를 삭제또는 수정후 송신하십시오");
    const QList<SameDayKind> kinds {
        { TransferKind::deposit(), QStringLiteral("TOID10"),
            QStringLiteral("대량입금 당일이체 데이타가 존재 합니다. \r\n테온은 당일이체시 오후 4") + later },
        { TransferKind::withdrawal(), QStringLiteral("TOID210"),
            QStringLiteral("대량출금 당일이체 데이타가 존재 합니다. \r\n테온은 당일이체시 오후 5") + later },
        { TransferKind::apartment(), QStringLiteral("APID10"),
            QStringLiteral("아파트뱅킹 당일이체 데이타가 존재 합니다. \r\n테온은 당일이체시 오후 5") + later },
    };
    for (const SameDayKind& same : kinds) {
        const QVariant count = context.database().scalar(
            QStringLiteral("SELECT count(*) FROM %1 a JOIN Usercode b ON b.%2 = a.GiganID10 "
                           "WHERE a.IcheDate = ? AND a.State = ?")
                .arg(same.kind.batchTable, same.institutionColumn),
            { SqlValue::stored(now.date()), BatchState::AwaitingSending });
        if (count.toLongLong() > 0) {
            context.messages().information(same.message);
            return false;
        }
    }
    return true;
}

QStringList SendReceiveRun::cells(const TEdiInfo& row, const QString& wonSign)
{
    const QString name = row.name.trimmed().isEmpty() ? QStringLiteral("알수없음") : row.name;
    const qint64 won = row.amount.won();
    return { name, TEdiInfo::kindName(row.kind), row.fileInfo, grouped(row.count),
        won > 0 ? wonSign + grouped(won) : QString() };
}

SendReceiveRun::SendReceiveRun(Workspace& context, Mode mode, Listener listener, ConsentPreview preview)
    : m_context(context)
    , m_runLock(context.paths())
    , m_sendLock(context.paths())
    , m_mode(mode)
    , m_listener(std::move(listener))
    , m_preview(std::move(preview))
{
}

bool SendReceiveRun::begin()
{
    if (m_runLock.take())
        return true;
    setStatus(RunLock::busyMessage(), true);
    return false;
}

bool SendReceiveRun::checkDates()
{
    const QDate today = m_context.clock().now().date();
    for (const auto& [kind, name] : warnedKinds()) {
        const TCheckSendDate check(m_context.database(), kind->batchTable);
        if (!check.windowWarning(name, today, m_context.messages())) {
            stop(QStringLiteral("이체일자 범위초과: ") + name);
            return false;
        }
        if (!check.sameDateWarning(name, m_context.messages())) {
            stop(QStringLiteral("동일한 이체일로 송신된 [%1]이체자료가 있습니다.").arg(name));
            return false;
        }
    }
    return true;
}

bool SendReceiveRun::generate()
{
    if (!begin())
        return false;
    setStatus(QStringLiteral("송신 자료를 생성중입니다."));
    if (!m_sendLock.takeForSending()) {
        setStatus(DataLock::busyMessage(), true);
        return false;
    }
    if (generateFiles())
        return true;
    m_sendLock.release();
    return false;
}

bool SendReceiveRun::generateFiles()
{
    if (!recoverUnrecordedSend())
        return false;
    GenerationRun generation(m_context.database(), m_context);
    const GenerationRun::Outcome outcome = generation.run();
    m_stamp = generation.stamp();
    m_pending = PendingSend(m_stamp, generation.files());
    for (const TEdiInfo& row : generation.rows())
        addRow(row);
    if (outcome == GenerationRun::Outcome::Failed) {
        m_context.log().append(generation.error(), true);
        m_generationError = generation.error();
        setStatus(QStringLiteral("송신 자료 생성중 오류가 발생하였습니다. ") + m_generationError, true);
        return false;
    }
    const QVariant version = m_context.database().scalar(
        QStringLiteral("SELECT SENDVERSION FROM BANKCODE WHERE Id = ?"), { BankGroup::centralBankCode() });
    if (version.toString().trimmed().toInt() == ConsentSendVersion && generation.withdrawalData()) {
        const QList<ItemConsents::Missing> missing = ItemConsents::missingBeforeSending(m_context);
        if (!missing.isEmpty() && !m_preview(missing)) {
            clearRows();
            clearDirectory(m_context.paths().sendPath());
            stop(QStringLiteral("송신취소 되었습니다."));
            return false;
        }
    }
    if (m_rows.isEmpty()) {
        stop(QStringLiteral("송신할 자료가 없습니다."));
        return false;
    }
    setStatus(m_mode == Mode::SendReceive ? QStringLiteral("\"송수신\" 버튼을 누르세요.")
                                          : QStringLiteral("\"송신\" 버튼을 누르세요."));
    m_failed = false;
    return true;
}

bool SendReceiveRun::offerReceiveOnly()
{
    if (m_mode != Mode::SendReceive || !m_runLock.isHeld() || m_erred
        || !m_context.messages().question(
            QStringLiteral("송신할 자료가 없습니다.\r\r수신 처리만 진행하시겠습니까 ?"), true))
        return false;
    m_mode = Mode::Receive;
    // Nothing to send is no failure of the receive that follows.
    m_failed = false;
    return true;
}

void SendReceiveRun::transmitAndImport()
{
    if (!begin())
        return;
    const bool importNow = transmit();
    if (importNow && m_mode != Mode::Send) {
        const QString unrecorded = m_unrecorded;
        clearRows();
        import();
        logRows();
        // The import's line would hide that the send is not recorded as sent: the next run asks about it.
        if (!unrecorded.isEmpty())
            setStatus(unrecorded, true);
    }
}

bool SendReceiveRun::runAll()
{
    if (!begin())
        return false;
    const bool sending = m_mode == Mode::Send || m_mode == Mode::SendReceive;
    const bool proceed = !sending || (checkDates() && (generate() || offerReceiveOnly()));
    if (proceed)
        transmitAndImport();
    m_sendLock.release();
    m_runLock.release();
    return proceed && !m_failed;
}

// A send the program never recorded (it ended while the module worked or before the recording) leaves its batches
// awaiting sending: what the module delivered is recorded as sent now and the rest is written again. Only files the
// module cannot tell about are asked about.
bool SendReceiveRun::recoverUnrecordedSend()
{
    if (!QFile::exists(pendingFile()))
        return true;
    const std::optional<PendingSend> pending = PendingSend::load(pendingFile());
    if (!pending) {
        m_context.log().append(QStringLiteral("지난 송신 기록을 읽을 수 없어 다시 송신함"), true);
        QFile::remove(pendingFile());
        return true;
    }
    QList<PendingSend::File> unknown;
    QList<PendingSend::File> delivered = deliveredFiles(*pending, unknown);
    if (!unknown.isEmpty()
        && m_context.messages().question(
            QStringLiteral("지난 송신(%1)이 송신완료로 기록되지 않았습니다.\r이미 은행으로 송신된 자료일 수 "
                           "있으니 송신 결과 보고서를 확인하십시오.\r\r지난 송신 자료를 송신완료로 "
                           "기록하시겠습니까?\r(아니오: 그 자료를 다시 송신합니다)")
                .arg(pending->stamp().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))))) {
        delivered << unknown;
    }
    if (!delivered.isEmpty() && !recordSent(*pending, delivered))
        return false;
    QStringList recorded;
    QStringList again;
    for (const PendingSend::File& file : pending->files()) {
        const bool sent = std::any_of(
            delivered.begin(), delivered.end(), [&](const auto& other) { return other.name == file.name; });
        (sent ? recorded : again) << file.name;
    }
    if (!recorded.isEmpty())
        m_context.log().append(QStringLiteral("지난 송신을 송신완료로 기록함: ") + recorded.join(QStringLiteral(", ")));
    if (!again.isEmpty())
        m_context.log().append(
            QStringLiteral("지난 송신을 기록하지 않고 다시 송신함: ") + again.join(QStringLiteral(", ")));
    QFile::remove(pendingFile());
    return true;
}

// The files the module says it delivered; those it cannot tell about land in unknown.
QList<PendingSend::File> SendReceiveRun::deliveredFiles(
    const PendingSend& pending, QList<PendingSend::File>& unknown) const
{
    QList<PendingSend::File> delivered;
    for (const PendingSend::File& file : pending.files()) {
        const EdiModule::Delivery delivery
            = m_context.ediModule().delivery(EdiSettings::AppName, file.name, file.digest);
        if (delivery == EdiModule::Delivery::Delivered)
            delivered << file;
        else if (delivery == EdiModule::Delivery::Unknown)
            unknown << file;
    }
    return delivered;
}

bool SendReceiveRun::recordSent(const PendingSend& pending, const QList<PendingSend::File>& files)
{
    QString table;
    if (pending.record(m_context.database(), files, table))
        return true;
    setStatus(QStringLiteral("\"%1\"의 송신 상태 기록 실패.").arg(table), true);
    return false;
}

bool SendReceiveRun::transmit()
{
    if (m_mode != Mode::Send && !m_context.offlineMode())
        clearDirectory(m_context.paths().receivePath());
    const QString name = caption(m_mode);
    setStatus(QStringLiteral("자료 ") + name + QStringLiteral(" 처리중입니다."));
    EdiComm32 comm(m_context.ediModule());
    bool sendOk = false;
    bool receiveOk = false;
    const bool sending = m_mode == Mode::Send || m_mode == Mode::SendReceive;
    // Without the record of what is being sent a program ending now could not tell what went: nothing goes.
    if (sending && !m_pending.save(pendingFile())) {
        m_sendLock.release();
        setStatus(QStringLiteral("송신 기록 \"%1\"을(를) 쓸 수 없어 송신하지 않았습니다.").arg(pendingFile()), true);
        return false;
    }
    if (sending)
        reach(QStringLiteral("marker"));
    callModule(comm, sendOk, receiveOk);
    if (!sending) {
        if (receivePathHasFiles())
            return true;
        setStatus(m_context.offlineMode() ? QStringLiteral("수신 처리할 파일이 없습니다.") : comm.resultText(), true);
        return false;
    }
    const bool receiveNext = m_mode == Mode::SendReceive && receiveOk;
    const bool receiveFailed = m_mode == Mode::SendReceive && !receiveOk;
    if (!sendOk) {
        // Files the module delivered before it failed are sent all the same.
        QList<PendingSend::File> unknown;
        const QList<PendingSend::File> delivered = deliveredFiles(m_pending, unknown);
        if (delivered.isEmpty() || recordSent(m_pending, delivered))
            QFile::remove(pendingFile());
        m_sendLock.release();
        setStatus(comm.resultText(), true);
        m_sentLine = m_status;
        m_sendFailed = true;
        return receiveNext;
    }
    setStatus(QStringLiteral("송신 상태를 기록합니다."));
    // What came back is imported all the same: the next run would empty the receive path before it.
    const bool recorded = recordSent(m_pending, m_pending.files());
    m_sendLock.release();
    if (!recorded) {
        m_unrecorded = m_status;
        return receiveNext;
    }
    reach(QStringLiteral("recorded"));
    QFile::remove(pendingFile());
    if (m_mode == Mode::SendReceive) {
        qint64 items = 0;
        for (const TEdiInfo& row : m_rows)
            items += row.count;
        m_sentLine = QStringLiteral("%1건 송신되었습니다.").arg(items);
    }
    setStatus(m_mode == Mode::SendReceive ? m_sentLine : name + QStringLiteral(" 성공."));
    logRows();
    // A receive that failed after a good send is told beside it, not hidden behind it.
    if (receiveFailed)
        setStatus(m_sentLine + QLatin1Char(' ') + comm.resultText(), true);
    return receiveNext;
}

// The module's call for the mode. Offline, a plain send or receive may skip the network: whatever lies in the
// receive path is then imported.
void SendReceiveRun::callModule(EdiComm32& comm, bool& sendOk, bool& receiveOk)
{
    if (m_mode != Mode::SendReceive && m_context.offlineMode()) {
        if (askOffline()) {
            sendOk = receiveOk = true;
            return;
        }
        if (m_mode != Mode::Send)
            clearDirectory(m_context.paths().receivePath());
    }
    switch (m_mode) {
    case Mode::Send:
        sendOk = comm.send();
        break;
    case Mode::SendReceive:
        comm.sendReceive(sendOk, receiveOk);
        break;
    case Mode::Receive:
        receiveOk = comm.receive();
        break;
    case Mode::ReReceive:
        receiveOk = comm.reReceive();
        break;
    }
}

bool SendReceiveRun::askOffline()
{
    return m_context.messages().question(QStringLiteral("이 프로그램은 장애처리용으로 실행되었습니다.\r\rEDI 망에 "
                                                        "접속하지 않고 처리를 진행하시겠습니까?\r"),
        true);
}

void SendReceiveRun::import()
{
    const QString receivePath = m_context.paths().receivePath();
    if (QFile::exists(receivePath + QStringLiteral("FMZIP"))) {
        const QString named = receivePath + QStringLiteral("FM")
            + m_context.clock().now().toString(QStringLiteral("yyMMdd")) + QStringLiteral(".zip");
        QFile::remove(named);
        QFile::rename(receivePath + QStringLiteral("FMZIP"), named);
    }
    setStatus(QStringLiteral("수신된 자료를 처리중입니다. 잠시만 기다려 주십시오."));
    EdiImportRun run(m_context.database(), m_context);
    run.run();
    for (const TEdiInfo& row : run.rows())
        addRow(row);
    m_refusals = run.refusals();
    // The send's line stays in front of what the receive reports.
    const QString sent = m_sentLine.isEmpty() ? QString() : m_sentLine + QLatin1Char(' ');
    if (run.failed())
        setStatus(sent + QStringLiteral("수신 자료 처리중 오류가 발생하였습니다."), true);
    else
        setStatus(sent
                + (m_rows.isEmpty() ? QStringLiteral("수신된 자료가 없습니다.")
                                    : QStringLiteral("수신된 자료의 처리가 완료되었습니다.")),
            m_sendFailed);
}

void SendReceiveRun::clearDirectory(const QString& path) const
{
    QDir directory(path);
    for (const QString& name : directory.entryList(QDir::Files | QDir::Hidden))
        directory.remove(name);
}

bool SendReceiveRun::receivePathHasFiles() const
{
    return !QDir(m_context.paths().receivePath()).entryList(QDir::Files).isEmpty();
}

// One log line per listed row; the won sign is the code page's backslash, as the log is CP949.
void SendReceiveRun::logRows() const
{
    for (const TEdiInfo& row : m_rows)
        m_context.log().append(
            caption(m_mode) + QStringLiteral(", ") + cells(row, QStringLiteral("\\")).join(QStringLiteral(", ")));
}

void SendReceiveRun::addRow(const TEdiInfo& row)
{
    m_rows << row;
    if (m_listener.rowAdded)
        m_listener.rowAdded(row);
}

void SendReceiveRun::clearRows()
{
    m_rows.clear();
    if (m_listener.rowsCleared)
        m_listener.rowsCleared();
}

void SendReceiveRun::setStatus(const QString& text, bool failure)
{
    m_status = text;
    m_failed = m_failed || failure;
    m_erred = m_erred || failure;
    if (m_listener.status)
        m_listener.status(text, failure);
}

// A run that ends without sending, told in black.
void SendReceiveRun::stop(const QString& text)
{
    setStatus(text);
    m_failed = true;
}

void SendReceiveRun::reach(const QString& step) const
{
    if (m_checkpoint)
        m_checkpoint(step);
}

QString SendReceiveRun::pendingFile() const
{
    return m_context.paths().dataDir() + QStringLiteral("SendPending");
}
