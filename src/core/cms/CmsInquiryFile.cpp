#include "core/cms/CmsInquiryFile.h"

#include "core/batches/BankGroup.h"
#include "core/cms/CmsFieldValues.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/edi/receive/EdiImportError.h"

CmsInquiryFile::CmsInquiryFile(Database& database, const QString& fileName)
    : m_fileName(fileName)
    , m_store(database)
    , m_details(fileName)
{
}

// Lines end with CR LF (a bare LF is taken too); the first empty line ends the file. Detail lines are kept
// and converted a run at a time; any other line first converts the run before it.
void CmsInquiryFile::read(const QByteArray& bytes, const Report& report)
{
    m_report = report;
    int number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype length = end - start;
        if (length > 0 && bytes.at(start + length - 1) == '\r')
            --length;
        ++number;
        if (length == 0)
            break;
        const QByteArrayView line(bytes.constData() + start, length);
        const CmsInquiryKind* kind = CmsInquiryKind::forLineLength(length);
        if (kind && line.front() == 'D' && openInquiry(*kind))
            keepDetail(*kind, line, number);
        else if (kind)
            readLine(*kind, line, number);
        start = end + 1;
    }
    convertDetails();
    for (const CmsInquiryKind& kind : CmsInquiryKind::all())
        abandon(kind);
}

void CmsInquiryFile::keepDetail(const CmsInquiryKind& kind, QByteArrayView line, int number)
{
    if (m_details.kind() != &kind)
        convertDetails();
    m_details.add(kind, line, number);
    if (m_details.isFull())
        convertDetails();
}

void CmsInquiryFile::convertDetails()
{
    if (const CmsInquiryKind* kind = m_details.kind())
        m_details.convertInto(*openInquiry(*kind));
}

void CmsInquiryFile::readLine(const CmsInquiryKind& kind, QByteArrayView bytes, int number)
{
    convertDetails();
    try {
        switch (bytes.front()) {
        case 'S':
            open(kind, RecordReader(*kind.startRecord, bytes, m_fileName, number));
            break;
        case 'E':
            close(kind, RecordReader(*kind.endRecord, bytes, m_fileName, number));
            break;
        default:
            break;
        }
    } catch (EdiImportError& error) {
        throw error.at(m_fileName, number);
    }
}

void CmsInquiryFile::open(const CmsInquiryKind& kind, const RecordReader& line)
{
    abandon(kind);
    CmsInquiry inquiry;
    inquiry.header.insert(kind.institutionColumn, line.trimmed(QStringLiteral("기관코드")));
    inquiry.header.insert(kind.bankColumn, BankGroup::centralBankCode());
    inquiry.header.insert(
        QStringLiteral("Trade_dt"), FB_CommonFunctions::dateFromYymmdd(line.trimmed(QStringLiteral("거래일자"))));
    inquiry.header.insert(
        QStringLiteral("Trans_dt"), FB_CommonFunctions::dateFromYymmdd(line.trimmed(QStringLiteral("전송일자"))));
    if (kind.headerHasAccount)
        inquiry.header.insert(
            QStringLiteral("Bank_no"), CmsFieldValues::account(line.text(QStringLiteral("계좌번호"))));
    const std::optional<QTime> time
        = CmsFieldValues::headerTime(line, kind.startRecord->field(QStringLiteral("전송시간")));
    inquiry.header.insert(QStringLiteral("Trans_ti"), time ? QVariant(*time) : QVariant());
    inquiry.repeatable = time.has_value();
    openInquiry(kind) = std::move(inquiry);
}

// An inquiry without details leaves no trace, and a stored copy of it stays as it is.
void CmsInquiryFile::close(const CmsInquiryKind& kind, const RecordReader& line)
{
    std::optional<CmsInquiry>& inquiry = openInquiry(kind);
    if (!inquiry)
        return;
    if (!inquiry->details.isEmpty()) {
        if (kind.isPassbook()) {
            inquiry->totals = inquiry->passbookTotals.columns();
        } else {
            for (const CmsField& field : kind.trailer)
                inquiry->totals.insert(field.column, CmsFieldValues::value(line, field));
        }
        m_store.store(kind, *inquiry, true);
        m_report(
            { kind.ediKind, institutionName(kind), m_fileName, static_cast<qint32>(inquiry->details.size()), Money() });
    }
    inquiry.reset();
}

void CmsInquiryFile::abandon(const CmsInquiryKind& kind)
{
    std::optional<CmsInquiry>& inquiry = openInquiry(kind);
    if (inquiry && !inquiry->details.isEmpty())
        m_store.store(kind, *inquiry, false);
    inquiry.reset();
}

std::optional<CmsInquiry>& CmsInquiryFile::openInquiry(const CmsInquiryKind& kind)
{
    return m_open[static_cast<size_t>(kind.kind)];
}

QString CmsInquiryFile::institutionName(const CmsInquiryKind& kind)
{
    std::optional<QString>& name = m_names[static_cast<size_t>(kind.kind)];
    if (!name)
        name = m_store.institutionName(kind, m_fileName);
    return *name;
}
