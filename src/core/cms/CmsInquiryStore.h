#pragma once

#include "core/cms/CmsInquiry.h"
#include "core/cms/CmsInquiryKind.h"
#include "core/data/BulkInsert.h"

#include <array>
#include <memory>
#include <optional>

class Database;

// Masters and details of the received inquiries. A refused statement throws EdiImportError.
class CmsInquiryStore {
public:
    explicit CmsInquiryStore(Database& database);

    // A complete inquiry replaces the stored one with its key (old details deleted) or is added. One cut short
    // before its trailer is added only when no stored inquiry has its key.
    void store(const CmsInquiryKind& kind, const CmsInquiry& inquiry, bool complete);
    // The name of the first institution whose column for this kind names the file; empty when none does.
    QString institutionName(const CmsInquiryKind& kind, const QString& fileName);

private:
    std::optional<qint64> storedInquiry(const CmsInquiryKind& kind, const CmsInquiry& inquiry);
    qint64 nextId(const CmsInquiryKind& kind);
    void replaceMaster(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry);
    void insertMaster(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry);
    void insertDetails(const CmsInquiryKind& kind, qint64 id, const CmsInquiry& inquiry);
    BulkInsert& detailInsert(const CmsInquiryKind& kind);

    Database& m_database;
    std::array<std::unique_ptr<BulkInsert>, 3> m_detailInserts; // by kind, prepared once per file
};
