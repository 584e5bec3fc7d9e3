#include "core/spreadsheet/XlsReader.h"

#include "core/spreadsheet/CellText.h"
#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookLimits.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <freexl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// FreeXL reads damaged files out of bounds, crashes on some shared-string tables and allocates without end on some
// allocation chains. It therefore runs in a child process with bounded memory and processor time, which sends the
// sheet's rows over a pipe; the parent takes them in with a bound on their size and survives the child's death.

namespace {

const QString TooLarge = QStringLiteral("파일이 너무 큽니다 (%1바이트). .xls 파일은 %2바이트까지 읽습니다.");
const QString PasswordProtected
    = QStringLiteral("암호가 걸린 파일은 읽을 수 없습니다. 암호를 해제하여 저장한 뒤 다시 읽어 주십시오.");
const QString CannotOpen = QStringLiteral("파일을 열 수 없습니다.");
const QString BadFormat = QStringLiteral("엑셀 파일 형식이 올바르지 않습니다 (%1).");
const QString BadSheet = QStringLiteral("첫 번째 시트를 읽지 못했습니다 (%1).");
const QString BadCell = QStringLiteral("셀 %1의 값을 읽지 못했습니다 (%2).");
const QString TooManyRows = QStringLiteral("시트의 행이 너무 많습니다 (%1행). %2행까지 읽습니다.");
const QString TooMuchText = QStringLiteral("셀의 내용이 너무 많습니다. 모두 %1바이트까지 읽습니다.");
const QString ReaderDied
    = QStringLiteral("파일을 읽는 중 읽기가 비정상적으로 중단되었습니다. 파일이 손상되었을 수 있습니다.");
const QString TooDemanding
    = QStringLiteral("파일을 읽는 데 드는 메모리가 한도(%1바이트)를 넘습니다. 파일이 손상되었을 수 있습니다.");
const QString CannotStart = QStringLiteral("파일을 읽을 프로세스를 시작하지 못했습니다 (%1).");

constexpr qint64 MiB = qint64(1) << 20;
// The child may grow by this many bytes per byte of the largest file read, and at least by the minimum.
constexpr qint64 ReaderMemoryPerFileByte = 16;
constexpr qint64 MinimumReaderMemory = 32 * MiB;
constexpr rlim_t ReaderCpuSeconds = 60;
constexpr qint64 ScanChunkBytes = 64 * 1024;
// Streams and directory entries of a compound file start on 64-byte boundaries (sectors and mini sectors).
constexpr qsizetype ScanBlockBytes = 64;
constexpr quint16 BofRecord = 0x0809;
constexpr quint16 WorkbookGlobals = 0x0005;
constexpr quint16 FilepassRecord = 0x002F;
const QByteArray EncryptedPackageEntry = QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0\0\0", 34);

enum class Tag : char { SheetName = 'N', Row = 'R', Password = 'P', Failure = 'F', End = 'E' };
enum class Stage : qint32 { Open, Sheet, Rows, Cell };
enum class CellKind : char { Text = 'T', Integer = 'I', Number = 'D' };

struct Failure {
    Stage stage;
    qint32 code;
    quint32 row; // from 1; the sheet's row count for Stage::Rows
    quint32 column;
};

struct ChildJob {
    QByteArray path;
    quint32 rowLimit;
    unsigned columns;
    rlim_t dataBytes; // RLIM_INFINITY when the present size is unknown
};

// --- Child side: system calls and the C++ library only, as after fork() in a program with threads.

class FreexlHandle {
public:
    FreexlHandle() = default;
    ~FreexlHandle()
    {
        if (m_handle)
            freexl_close(m_handle);
    }
    FreexlHandle(const FreexlHandle&) = delete;
    FreexlHandle& operator=(const FreexlHandle&) = delete;

    const void* get() const { return m_handle; }
    const void** out() { return &m_handle; }

private:
    const void* m_handle = nullptr;
};

template <typename T> void appendRaw(std::string& out, const T& value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void writeAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            _exit(1);
        data += written;
        left -= size_t(written);
    }
}

void send(int fd, Tag tag, const std::string& payload = {})
{
    std::string record(1, char(tag));
    appendRaw(record, quint32(payload.size()));
    record += payload;
    writeAll(fd, record);
}

void sendFailure(int fd, const Failure& failure)
{
    std::string payload;
    appendRaw(payload, failure);
    send(fd, Tag::Failure, payload);
}

// Appends the cell to a row record; true when it holds a value.
bool appendCell(std::string& row, const FreeXL_CellValue& cell)
{
    switch (cell.type) {
    case FREEXL_CELL_INT:
        row += char(CellKind::Integer);
        appendRaw(row, qint32(cell.value.int_value));
        return true;
    case FREEXL_CELL_DOUBLE:
        row += char(CellKind::Number);
        appendRaw(row, cell.value.double_value);
        return true;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME: {
        const std::string text = cell.value.text_value ? cell.value.text_value : "";
        row += char(CellKind::Text);
        appendRaw(row, quint32(text.size()));
        row += text;
        return !text.empty();
    }
    default:
        row += char(CellKind::Text);
        appendRaw(row, quint32(0));
        return false;
    }
}

bool sendRow(int fd, const void* xls, unsigned row, unsigned columns)
{
    std::string payload;
    appendRaw(payload, quint32(row + 1));
    bool holdsValue = false;
    for (unsigned column = 0; column < columns; ++column) {
        FreeXL_CellValue cell;
        const int read = freexl_get_cell_value(xls, row, static_cast<unsigned short>(column), &cell);
        if (read != FREEXL_OK) {
            sendFailure(fd, { Stage::Cell, read, row + 1, column });
            return false;
        }
        holdsValue = appendCell(payload, cell) || holdsValue;
    }
    if (holdsValue)
        send(fd, Tag::Row, payload);
    return true;
}

void sendFirstSheet(int fd, const ChildJob& job)
{
    FreexlHandle xls;
    const int opened = freexl_open(job.path.constData(), xls.out());
    // FreeXL can report success without a handle after a damaged record.
    if (opened != FREEXL_OK || !xls.get())
        return sendFailure(fd, { Stage::Open, opened == FREEXL_OK ? FREEXL_NULL_HANDLE : opened, 0, 0 });
    unsigned int password = FREEXL_BIFF_PLAIN;
    if (freexl_get_info(xls.get(), FREEXL_BIFF_PASSWORD, &password) == FREEXL_OK && password == FREEXL_BIFF_OBFUSCATED)
        return send(fd, Tag::Password);
    const char* name = nullptr;
    unsigned int rows = 0;
    unsigned short columns = 0;
    int read = freexl_get_worksheet_name(xls.get(), 0, &name);
    if (read == FREEXL_OK)
        read = freexl_select_active_worksheet(xls.get(), 0);
    if (read == FREEXL_OK)
        read = freexl_worksheet_dimensions(xls.get(), &rows, &columns);
    if (read != FREEXL_OK)
        return sendFailure(fd, { Stage::Sheet, read, 0, 0 });
    send(fd, Tag::SheetName, name ? name : "");
    if (rows > job.rowLimit)
        return sendFailure(fd, { Stage::Rows, 0, rows, 0 });
    const unsigned kept = std::min<unsigned>(columns, job.columns);
    for (unsigned row = 0; row < rows; ++row) {
        if (!sendRow(fd, xls.get(), row, kept))
            return;
    }
    send(fd, Tag::End);
}

void lowerLimit(int resource, rlim_t value)
{
    rlimit limit {};
    if (getrlimit(resource, &limit) != 0)
        return;
    limit.rlim_cur = std::min(value, limit.rlim_max);
    setrlimit(resource, &limit);
}

[[noreturn]] void runChild(int fd, const ChildJob& job)
{
    lowerLimit(RLIMIT_DATA, job.dataBytes);
    lowerLimit(RLIMIT_CPU, ReaderCpuSeconds);
    lowerLimit(RLIMIT_CORE, 0);
    sendFirstSheet(fd, job);
    _exit(0);
}

// --- Parent side.

// The present size of the data segment ("VmData:" of /proc/self/status), -1 when unknown.
qint64 dataSegmentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmData:")) {
            bool ok = false;
            const qint64 kilobytes = line.mid(7).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kilobytes * 1024 : -1;
        }
    }
    return -1;
}

qint64 memoryAllowance(const WorkbookLimits& limits)
{
    return std::max(MinimumReaderMemory, limits.xlsBytes * ReaderMemoryPerFileByte);
}

ChildJob jobFor(const QString& path, const WorkbookLimits& limits, const WorkbookGrid& grid)
{
    const qint64 present = dataSegmentBytes();
    const qint64 allowance = memoryAllowance(limits);
    return { QFile::encodeName(path), quint32(std::max(limits.rows, 0)),
        unsigned(std::clamp(grid.columnCount(), 0, limits.columns)),
        present < 0 ? RLIM_INFINITY : rlim_t(present + allowance) };
}

// FILEPASS right after the BOF of BIFF5 or BIFF8 workbook globals, or the directory entry of an encrypted package.
bool opensEncryptedStream(const char* block, qsizetype size)
{
    if (size >= EncryptedPackageEntry.size()
        && std::memcmp(block, EncryptedPackageEntry.constData(), EncryptedPackageEntry.size()) == 0)
        return true;
    if (size < 8)
        return false;
    const quint16 type = qFromLittleEndian<quint16>(block);
    const quint16 length = qFromLittleEndian<quint16>(block + 2);
    const quint16 kind = qFromLittleEndian<quint16>(block + 6);
    if (type != BofRecord || (length != 8 && length != 16) || kind != WorkbookGlobals || size < 4 + length + 2)
        return false;
    return qFromLittleEndian<quint16>(block + 4 + length) == FilepassRecord;
}

bool isPasswordProtected(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (qint64 done = 0; done <= maxBytes;) {
        const QByteArray chunk = file.read(ScanChunkBytes);
        if (chunk.isEmpty())
            return false;
        for (qsizetype block = 0; block < chunk.size(); block += ScanBlockBytes) {
            if (opensEncryptedStream(chunk.constData() + block, std::min(ScanBlockBytes, chunk.size() - block)))
                return true;
        }
        done += chunk.size();
    }
    return false;
}

struct Record {
    Tag tag;
    QByteArray payload;
};

// The child's records as they arrive, their payloads together bounded by the budget.
class ChildOutput {
public:
    enum class Next { Record, Closed, OverBudget };

    ChildOutput(int fd, qint64 budget)
        : m_fd(fd)
        , m_budget(budget)
    {
    }

    Next next(Record& record)
    {
        constexpr qsizetype HeaderBytes = 1 + sizeof(quint32);
        if (!fill(HeaderBytes))
            return Next::Closed;
        quint32 length = 0;
        std::memcpy(&length, m_pending.constData() + m_offset + 1, sizeof length);
        if (qint64(length) > m_budget)
            return Next::OverBudget;
        if (!fill(HeaderBytes + qsizetype(length)))
            return Next::Closed;
        m_budget -= length;
        record.tag = Tag(m_pending.at(m_offset));
        record.payload = m_pending.mid(m_offset + HeaderBytes, length);
        m_offset += HeaderBytes + length;
        return Next::Record;
    }

private:
    // Reads until size bytes are pending past the records taken; false when the child closed its end first.
    bool fill(qsizetype size)
    {
        char buffer[ScanChunkBytes];
        while (m_pending.size() - m_offset < size) {
            m_pending.remove(0, m_offset);
            m_offset = 0;
            const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                return false;
            m_pending.append(buffer, got);
        }
        return true;
    }

    int m_fd;
    qint64 m_budget;
    QByteArray m_pending;
    qsizetype m_offset = 0;
};

// Reads fixed-size values and byte strings from a record, refusing to read past its end.
class PayloadReader {
public:
    explicit PayloadReader(const QByteArray& payload)
        : m_payload(payload)
    {
    }

    bool atEnd() const { return m_offset == m_payload.size(); }

    template <typename T> bool take(T& value)
    {
        if (m_payload.size() - m_offset < qsizetype(sizeof value))
            return false;
        std::memcpy(&value, m_payload.constData() + m_offset, sizeof value);
        m_offset += sizeof value;
        return true;
    }

    bool takeText(QString& text)
    {
        quint32 length = 0;
        if (!take(length) || m_payload.size() - m_offset < qint64(length))
            return false;
        text = QString::fromUtf8(m_payload.constData() + m_offset, qsizetype(length));
        m_offset += length;
        return true;
    }

private:
    const QByteArray& m_payload;
    qsizetype m_offset = 0;
};

bool takeCell(PayloadReader& in, QString& text)
{
    char kind = 0;
    if (!in.take(kind))
        return false;
    switch (CellKind(kind)) {
    case CellKind::Text:
        return in.takeText(text);
    case CellKind::Integer: {
        qint32 value = 0;
        if (!in.take(value))
            return false;
        text = QString::number(value);
        return true;
    }
    case CellKind::Number: {
        double value = 0;
        if (!in.take(value))
            return false;
        text = CellText::general(value);
        return true;
    }
    }
    return false;
}

bool placeRow(const QByteArray& payload, WorkbookGrid& grid)
{
    PayloadReader in(payload);
    quint32 sheetRow = 0;
    if (!in.take(sheetRow) || sheetRow == 0 || sheetRow > quint32(INT_MAX))
        return false;
    QStringList cells;
    while (!in.atEnd()) {
        QString text;
        if (!takeCell(in, text))
            return false;
        cells.append(text);
    }
    grid.addRow(int(sheetRow), cells);
    return true;
}

enum class Ending { Done, Password, Failed, Broken, OverBudget };

struct Received {
    Ending ending = Ending::Broken;
    Failure failure {};
    QString sheet;
};

// Takes one record in; false when reading ends with it.
bool takeRecord(const Record& record, Received& received, WorkbookGrid& grid, ConversionProgress& progress)
{
    switch (record.tag) {
    case Tag::SheetName:
        received.sheet = QString::fromUtf8(record.payload);
        return true;
    case Tag::Row:
        if (!placeRow(record.payload, grid))
            return false;
        progress.show(int(grid.rows().size()) - 1);
        return true;
    case Tag::Password:
        received.ending = Ending::Password;
        return false;
    case Tag::Failure:
        if (record.payload.size() == qsizetype(sizeof(Failure))) {
            std::memcpy(&received.failure, record.payload.constData(), sizeof(Failure));
            received.ending = Ending::Failed;
        }
        return false;
    case Tag::End:
        received.ending = Ending::Done;
        return false;
    }
    return false;
}

Received receive(int fd, const WorkbookLimits& limits, WorkbookGrid& grid, ConversionProgress& progress)
{
    ChildOutput output(fd, limits.totalBytes);
    Received received;
    Record record;
    for (;;) {
        const ChildOutput::Next next = output.next(record);
        if (next == ChildOutput::Next::OverBudget)
            received.ending = Ending::OverBudget;
        if (next != ChildOutput::Next::Record || !takeRecord(record, received, grid, progress))
            return received;
    }
}

QString freexlMeaning(int code)
{
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return QStringLiteral("파일을 열 수 없습니다");
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("메모리가 부족합니다");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
    case FREEXL_CFBF_INVALID_SECTOR_SIZE:
        return QStringLiteral("파일 머리부가 손상되었습니다");
    case FREEXL_CFBF_READ_ERROR:
    case FREEXL_CFBF_SEEK_ERROR:
        return QStringLiteral("파일이 잘렸거나 손상되었습니다");
    case FREEXL_CFBF_EMPTY_FAT_CHAIN:
    case FREEXL_CFBF_ILLEGAL_FAT_ENTRY:
    case FREEXL_INVALID_MINI_STREAM:
    case FREEXL_CFBF_ILLEGAL_MINI_FAT_ENTRY:
        return QStringLiteral("파일의 할당 표가 손상되었습니다");
    case FREEXL_BIFF_INVALID_BOF:
        return QStringLiteral("통합 문서의 레코드가 올바르지 않습니다");
    case FREEXL_BIFF_INVALID_SST:
    case FREEXL_BIFF_ILLEGAL_SST_INDEX:
        return QStringLiteral("공유 문자열 표가 손상되었습니다");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return QStringLiteral("통합 문서가 들어 있지 않습니다");
    case FREEXL_BIFF_ILLEGAL_SHEET_INDEX:
        return QStringLiteral("시트가 없습니다");
    case FREEXL_INVALID_CHARACTER:
    case FREEXL_UNSUPPORTED_CHARSET:
        return QStringLiteral("문자를 변환할 수 없습니다");
    case FREEXL_ILLEGAL_CELL_ROW_COL:
        return QStringLiteral("셀 위치가 시트 범위를 벗어났습니다");
    case FREEXL_ILLEGAL_RK_VALUE:
        return QStringLiteral("숫자 값이 손상되었습니다");
    case FREEXL_CRAFTED_FILE:
        return QStringLiteral("심하게 손상된 파일입니다");
    default:
        return QStringLiteral("알 수 없는 오류");
    }
}

QString freexlError(int code)
{
    return freexlMeaning(code) + QStringLiteral(", 오류 코드 ") + QString::number(code);
}

QString failureText(const Failure& failure, const QString& sheet, const WorkbookLimits& limits)
{
    switch (failure.stage) {
    case Stage::Open:
        if (failure.code == FREEXL_FILE_NOT_FOUND)
            return CannotOpen;
        if (failure.code == FREEXL_INSUFFICIENT_MEMORY)
            return TooDemanding.arg(memoryAllowance(limits));
        return BadFormat.arg(freexlError(failure.code));
    case Stage::Sheet:
        return BadSheet.arg(freexlError(failure.code));
    case Stage::Rows:
        return TooManyRows.arg(failure.row).arg(limits.rows);
    case Stage::Cell:
        return BadCell.arg(CellText::cellName(sheet, int(failure.row), int(failure.column)), freexlError(failure.code));
    }
    return ReaderDied;
}

void reap(pid_t child)
{
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
}

QString endingText(const Received& received, const WorkbookLimits& limits)
{
    switch (received.ending) {
    case Ending::Done:
        return QString();
    case Ending::Password:
        return PasswordProtected;
    case Ending::Failed:
        return failureText(received.failure, received.sheet, limits);
    case Ending::OverBudget:
        return TooMuchText.arg(limits.totalBytes);
    case Ending::Broken:
        break;
    }
    return ReaderDied;
}

} // namespace

bool XlsReader::read(
    const QString& path, const WorkbookLimits& limits, WorkbookGrid& grid, ConversionProgress& progress, QString& error)
{
    const qint64 size = QFileInfo(path).size();
    if (size > limits.xlsBytes) {
        error = TooLarge.arg(size).arg(limits.xlsBytes);
        return false;
    }
    if (isPasswordProtected(path, limits.xlsBytes)) {
        error = PasswordProtected;
        return false;
    }
    const ChildJob job = jobFor(path, limits, grid);
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        error = CannotStart.arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        runChild(ends[1], job);
    }
    const int forkError = errno;
    ::close(ends[1]);
    if (child < 0) {
        ::close(ends[0]);
        error = CannotStart.arg(QString::fromLocal8Bit(std::strerror(forkError)));
        return false;
    }
    const Received received = receive(ends[0], limits, grid, progress);
    ::close(ends[0]);
    if (received.ending != Ending::Done)
        ::kill(child, SIGKILL);
    reap(child);
    error = endingText(received, limits);
    return error.isEmpty();
}
