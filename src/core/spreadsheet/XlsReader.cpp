#include "core/spreadsheet/XlsReader.h"

#include "core/spreadsheet/CellText.h"
#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookLimits.h"
#include "core/spreadsheet/XlsChild.h"
#include "core/spreadsheet/XlsChildOutput.h"
#include "core/spreadsheet/XlsEncryption.h"
#include "core/spreadsheet/XlsPayloadReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <freexl.h>
#include <sys/wait.h>
#include <unistd.h>

// FreeXL reads damaged files out of bounds, crashes on some shared-string tables and allocates without end on some
// allocation chains. It therefore runs in a child process with bounded memory and processor time, which sends the
// sheet's rows over a pipe; the parent takes them in with a bound on their size and survives the child's death.

using namespace XlsPipe;

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

bool takeCell(XlsPayloadReader& in, QString& text)
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
    XlsPayloadReader in(payload);
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
bool takeRecord(
    const XlsChildOutput::Record& record, Received& received, WorkbookGrid& grid, ConversionProgress& progress)
{
    switch (record.tag) {
    case Tag::SheetName:
        received.sheet = QString::fromUtf8(record.payload);
        return true;
    case Tag::Row:
        if (!placeRow(record.payload, grid))
            return false;
        progress.show(grid.dataRowCount());
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
    XlsChildOutput output(fd, limits.totalBytes);
    Received received;
    XlsChildOutput::Record record;
    for (;;) {
        const XlsChildOutput::Next next = output.next(record);
        if (next == XlsChildOutput::Next::OverBudget)
            received.ending = Ending::OverBudget;
        if (next != XlsChildOutput::Next::Record || !takeRecord(record, received, grid, progress))
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
    if (XlsEncryption::isPasswordProtected(path, limits.xlsBytes)) {
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
        XlsChild::run(ends[1], job);
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
