#include "core/print/Report.h"

namespace {

int rowsOf(const ReportDefinition& definition, const ReportRows& rows)
{
    return definition.printsDetails ? rows.count() : 0;
}

} // namespace

Report::Report(ReportDefinition definition, std::shared_ptr<const ReportRows> rows)
    : m_definition(std::move(definition))
    , m_rows(std::move(rows))
    , m_pagination(heightsOf(m_definition), rowsOf(m_definition, *m_rows))
{
}

ReportPagination::Heights Report::heightsOf(const ReportDefinition& definition)
{
    ReportPagination::Heights heights;
    heights.body = ReportDefinition::Bottom - ReportDefinition::Top;
    heights.pageHeader = definition.pageHeader.height;
    heights.titleBand = definition.titleBand.height;
    heights.columnHeader = definition.printsDetails ? definition.columnHeader.height : 0;
    heights.detail = definition.detailHeight;
    heights.endBand = definition.endBand.height;
    return heights;
}

void Report::place(ReportPage& page, const ReportBand& band, double top)
{
    for (ReportText text : band.texts) {
        text.box.translate(0, top);
        page.texts << text;
    }
    for (const QLineF& rule : band.rules)
        page.rules << rule.translated(0, top);
}

ReportPage Report::page(int index) const
{
    ReportPage page;
    double top = ReportDefinition::Top;
    place(page, m_definition.pageHeader, top);
    top += m_definition.pageHeader.height;
    if (m_pagination.hasTitleBand(index)) {
        place(page, m_definition.titleBand, top);
        top += m_definition.titleBand.height;
    }
    if (m_definition.printsDetails) {
        place(page, m_definition.columnHeader, top);
        top += m_definition.columnHeader.height;
    }
    const int first = m_pagination.firstRow(index);
    for (int row = first; row < first + m_pagination.rowCount(index); ++row) {
        const QStringList values = m_rows->printValues(row);
        for (const ReportCell& cell : m_definition.detail)
            page.texts << ReportText { cell.box.translated(0, top), values.value(cell.value), cell.align };
        top += m_definition.detailHeight;
    }
    if (m_pagination.hasEndBand(index))
        place(page, m_definition.endBand, top);
    if (!m_definition.pageNumberFormat.isEmpty())
        page.texts << ReportText { m_definition.pageNumberBox, m_definition.pageNumberFormat.arg(index + 1),
            m_definition.pageNumberAlign };
    return page;
}
