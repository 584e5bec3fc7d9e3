#include "CmsInquiryFile.h"

#include "CmsFieldValues.h"
#include "common/FB_CommonFunctions.h"
#include "edi/EdiImportError.h"

CmsInquiryFile::CmsInquiryFile(Database& database, const QString& fileName)
    : m_fileName(fileName)
    , m_store(database)
{
}

// Lines end with CR LF (a bare LF is taken too); the first empty line ends the file.
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
        const CmsInquiryKind* kind = CmsInquiryKind::forLineLength(length);
        try {
            if (kind)
                readLine(*kind, FixedRecordReader(QByteArray::fromRawData(bytes.constData() + start, length)));
        } catch (EdiImportError& error) {
            throw error.at(m_fileName, number);
        }
        start = end + 1;
    }
    for (const CmsInquiryKind& kind : CmsInquiryKind::all())
        abandon(kind);
}

void CmsInquiryFile::readLine(const CmsInquiryKind& kind, const FixedRecordReader& line)
{
    switch (line.record().at(0)) {
    case 'S':
        open(kind, line);
        break;
    case 'D':
        addDetail(kind, line);
        break;
    case 'E':
        close(kind, line);
        break;
    default:
        break;
    }
}

void CmsInquiryFile::open(const CmsInquiryKind& kind, const FixedRecordReader& line)
{
    abandon(kind);
    CmsInquiry inquiry;
    inquiry.header.insert(kind.institutionColumn, line.trimmed(4, 5));
    inquiry.header.insert(kind.bankColumn, QStringLiteral("11"));
    inquiry.header.insert(QStringLiteral("Trade_dt"), FB_CommonFunctions::dateFromYymmdd(line.trimmed(9, 6)));
    inquiry.header.insert(QStringLiteral("Trans_dt"), FB_CommonFunctions::dateFromYymmdd(line.trimmed(15, 6)));
    if (kind.headerHasAccount)
        inquiry.header.insert(QStringLiteral("Bank_no"), CmsFieldValues::account(line.text(21, 14)));
    const std::optional<QTime> time = CmsFieldValues::headerTime(line, kind.timeStart, QStringLiteral("전송시간"));
    inquiry.header.insert(QStringLiteral("Trans_ti"), time ? QVariant(*time) : QVariant());
    inquiry.repeatable = time.has_value();
    openInquiry(kind) = std::move(inquiry);
}

void CmsInquiryFile::addDetail(const CmsInquiryKind& kind, const FixedRecordReader& line)
{
    std::optional<CmsInquiry>& inquiry = openInquiry(kind);
    if (!inquiry)
        return;
    QVariantList detail;
    detail.reserve(kind.details.size());
    for (const CmsField& field : kind.details)
        detail << CmsFieldValues::value(line, field);
    if (kind.isPassbook()) {
        const qint64 code = CmsFieldValues::strictNumber(line, 8, 2, QStringLiteral("거래구분"));
        inquiry->passbookTotals.add(code, Money::fromWon(CmsFieldValues::strictNumber(line, 48, 11,
                                                                                      QStringLiteral("거래금액"))));
    }
    inquiry->details << detail;
}

// An inquiry without details leaves no trace, and a stored copy of it stays as it is.
void CmsInquiryFile::close(const CmsInquiryKind& kind, const FixedRecordReader& line)
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
        m_report({kind.ediKind, institutionName(kind), m_fileName, static_cast<qint32>(inquiry->details.size()),
                  Money()});
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
