#pragma once

#include "core/print/ReportDefinition.h"
#include "core/print/ReportPage.h"
#include "core/print/ReportPagination.h"
#include "core/print/ReportRows.h"

#include <memory>

// A report ready to print: its layout, its rows and their pages. A page is laid out on demand, reading only its
// own rows, so the preview shows page 2,000 as fast as page 1.
class Report {
public:
    Report(ReportDefinition definition, std::shared_ptr<const ReportRows> rows);

    const ReportDefinition& definition() const { return m_definition; }
    const QString& documentName() const { return m_definition.documentName; }
    int pageCount() const { return m_pagination.pageCount(); }
    const ReportPagination& pagination() const { return m_pagination; }
    ReportPage page(int index) const;

private:
    static ReportPagination::Heights heightsOf(const ReportDefinition& definition);
    static void place(ReportPage& page, const ReportBand& band, double top);

    ReportDefinition m_definition;
    std::shared_ptr<const ReportRows> m_rows;
    ReportPagination m_pagination;
};
