#include "core/spreadsheet/XlsChild.h"

#include <algorithm>
#include <cerrno>
#include <freexl.h>
#include <string>
#include <unistd.h>

using namespace XlsPipe;

namespace {

constexpr rlim_t ReaderCpuSeconds = 60;

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

} // namespace

void XlsChild::run(int fd, const ChildJob& job)
{
    lowerLimit(RLIMIT_DATA, job.dataBytes);
    lowerLimit(RLIMIT_CPU, ReaderCpuSeconds);
    lowerLimit(RLIMIT_CORE, 0);
    sendFirstSheet(fd, job);
    _exit(0);
}
