#include "core/edi/receive/ResultRecordSequence.h"

#include "core/common/RecordReader.h"
#include "core/edi/receive/EdiImportError.h"

namespace {

// What some systems leave after the last line of a text file.
bool isLineEnd(char c)
{
    return c == '\r' || c == '\n' || c == ' ' || c == '\x1a';
}

} // namespace

ResultRecordSequence::ResultRecordSequence(const QString& fileName, int blockSize)
    : m_fileName(fileName)
    , m_blockSize(blockSize)
{
}

void ResultRecordSequence::take(char type, int number)
{
    switch (type) {
    case 'S':
        if (m_groupOpen)
            refuse(number, QStringLiteral("%1번째 레코드: 앞 그룹의 E 레코드 없이 S 레코드").arg(number));
        m_groupOpen = true;
        ++m_groups;
        break;
    case 'D':
        if (!m_groupOpen)
            refuse(number, QStringLiteral("%1번째 레코드: S 레코드 없이 D 레코드").arg(number));
        break;
    case 'E':
        if (!m_groupOpen)
            refuse(number, QStringLiteral("%1번째 레코드: S 레코드 없이 E 레코드").arg(number));
        m_groupOpen = false;
        break;
    default:
        break;
    }
}

void ResultRecordSequence::finish(const QByteArray& bytes) const
{
    const qsizetype whole = records(bytes);
    for (qsizetype offset = whole * m_blockSize; offset < bytes.size(); ++offset) {
        if (!isLineEnd(bytes.at(offset)))
            refuse(whole + 1, QStringLiteral("%1번째 레코드가 잘림").arg(whole + 1));
    }
    if (m_groupOpen)
        refuse(whole, QStringLiteral("%1번째 레코드 뒤에서 끝남, E 레코드 없음").arg(whole));
    if (m_groups == 0)
        refuse(0, QStringLiteral("S 레코드가 하나도 없음"));
}

void ResultRecordSequence::checkFigure(const RecordReader& end, int number, const QString& field, qint64 counted)
{
    const qint64 written = end.number(field);
    if (written != counted)
        throw EdiImportError::incomplete(QStringLiteral("%1번째 레코드(E)의 %2 %3, D 레코드로는 %4")
                                             .arg(number)
                                             .arg(field)
                                             .arg(written)
                                             .arg(counted));
}

void ResultRecordSequence::refuse(int number, const QString& what) const
{
    throw EdiImportError::incomplete(what).at(m_fileName, number);
}
