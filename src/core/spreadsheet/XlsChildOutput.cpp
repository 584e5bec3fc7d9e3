#include "core/spreadsheet/XlsChildOutput.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

constexpr qsizetype HeaderBytes = 1 + sizeof(quint32);
constexpr size_t ReadChunkBytes = 64 * 1024;

} // namespace

XlsChildOutput::XlsChildOutput(int fd, qint64 budget)
    : m_fd(fd)
    , m_budget(budget)
{
}

XlsChildOutput::Next XlsChildOutput::next(Record& record)
{
    if (!fill(HeaderBytes))
        return Next::Closed;
    quint32 length = 0;
    std::memcpy(&length, m_pending.constData() + m_offset + 1, sizeof length);
    if (qint64(length) > m_budget)
        return Next::OverBudget;
    if (!fill(HeaderBytes + qsizetype(length)))
        return Next::Closed;
    m_budget -= length;
    record.tag = XlsPipe::Tag(m_pending.at(m_offset));
    record.payload = m_pending.mid(m_offset + HeaderBytes, length);
    m_offset += HeaderBytes + length;
    return Next::Record;
}

// Reads until size bytes are pending past the records taken; false when the child closed its end first.
bool XlsChildOutput::fill(qsizetype size)
{
    char buffer[ReadChunkBytes];
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
