#include "core/cms/CmsDetailRun.h"

#include "core/cms/CmsFieldValues.h"
#include "core/edi/receive/EdiImportError.h"

#include <QtConcurrent/QtConcurrentMap>
#include <optional>
#include <utility>

namespace {

struct Converted {
    QVariantList detail;
    qint64 passbookCode = 0;
    qint64 passbookWon = 0;
    std::optional<EdiImportError> error;
};

// A passbook line also gives its kind code and amount to the inquiry's totals.
Converted convert(const CmsInquiryKind& kind, const RecordReader& line)
{
    Converted converted;
    converted.detail.reserve(kind.details.size());
    for (const CmsField& field : kind.details)
        converted.detail << CmsFieldValues::value(line, field);
    if (kind.isPassbook()) {
        static const RecordField& code = kind.detailRecord->field(QStringLiteral("거래구분"));
        static const RecordField& won = kind.detailRecord->field(QStringLiteral("거래금액"));
        converted.passbookCode = CmsFieldValues::strictNumber(line, code);
        converted.passbookWon = CmsFieldValues::strictNumber(line, won);
    }
    return converted;
}

} // namespace

CmsDetailRun::CmsDetailRun(const QString& fileName)
    : m_fileName(fileName)
{
}

void CmsDetailRun::add(const CmsInquiryKind& kind, QByteArrayView line, int number)
{
    m_kind = &kind;
    m_lines << Line { line, number };
}

void CmsDetailRun::convertInto(CmsInquiry& inquiry)
{
    if (!m_kind)
        return;
    const CmsInquiryKind& kind = *m_kind;
    const QList<Line> lines = std::exchange(m_lines, {});
    m_kind = nullptr;
    const QList<Converted> converted = QtConcurrent::blockingMapped(lines, [&kind, this](const Line& line) {
        try {
            // The file and line are named below, so that lines converted on several cores share nothing.
            return convert(kind, RecordReader(*kind.detailRecord, line.bytes));
        } catch (EdiImportError& error) {
            return Converted { {}, 0, 0, error.at(m_fileName, line.number) };
        }
    });
    for (const Converted& line : converted) {
        if (line.error)
            throw *line.error;
    }
    for (qsizetype i = 0; i < converted.size(); ++i) {
        if (kind.isPassbook()) {
            try {
                inquiry.passbookTotals.add(converted[i].passbookCode, Money::fromWon(converted[i].passbookWon));
            } catch (EdiImportError& error) {
                throw error.at(m_fileName, lines[i].number);
            }
        }
        inquiry.details << converted[i].detail;
    }
}
