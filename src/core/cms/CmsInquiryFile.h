#pragma once

#include "core/cms/CmsDetailRun.h"
#include "core/cms/CmsInquiry.h"
#include "core/cms/CmsInquiryKind.h"
#include "core/cms/CmsInquiryStore.h"
#include "core/common/RecordReader.h"
#include "core/edi/TEdiInfo.h"

#include <array>
#include <functional>
#include <optional>

// One received inquiry file being read, line by line: each line's length tells its kind, and each kind has
// its own inquiry open between its S and E records. Throws EdiImportError naming the line at fault.
class CmsInquiryFile {
public:
    using Report = std::function<void(const TEdiInfo&)>;

    CmsInquiryFile(Database& database, const QString& fileName);

    void read(const QByteArray& bytes, const Report& report);

private:
    void keepDetail(const CmsInquiryKind& kind, QByteArrayView line, int number);
    void convertDetails();
    void readLine(const CmsInquiryKind& kind, QByteArrayView line, int number);
    void open(const CmsInquiryKind& kind, const RecordReader& line);
    void close(const CmsInquiryKind& kind, const RecordReader& line);
    // An inquiry without its trailer: kept only when it is new.
    void abandon(const CmsInquiryKind& kind);
    std::optional<CmsInquiry>& openInquiry(const CmsInquiryKind& kind);
    QString institutionName(const CmsInquiryKind& kind);

    QString m_fileName;
    CmsInquiryStore m_store;
    Report m_report;
    CmsDetailRun m_details;
    std::array<std::optional<CmsInquiry>, 3> m_open;
    std::array<std::optional<QString>, 3> m_names;
};
