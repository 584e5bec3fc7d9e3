#include "core/print/TransferBatchPrint.h"

#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/batches/TransferBatches.h"
#include "core/data/SqliteStatement.h"
#include "core/print/TransferBatchListRows.h"
#include "core/print/TransferItemRows.h"
#include "core/print/TransferReportForms.h"

TransferBatchPrint::TransferBatchPrint(
    Workspace& context, const TransferKind& kind, qint64 batch, TransferItems::Order order)
    : m_context(context)
    , m_kind(kind)
    , m_batch(batch)
    , m_order(order)
{
}

std::shared_ptr<const PrintRows> TransferBatchPrint::rows(PrintOptions::Data data) const
{
    return std::make_shared<TransferItemRows>(m_context, m_kind, m_batch, m_order, data);
}

std::shared_ptr<const Report> TransferBatchPrint::report(
    PrintOptions::Style style, std::shared_ptr<const PrintRows> rows) const
{
    const TransferReportForms forms(m_kind);
    ReportDefinition definition
        = style == PrintOptions::Style::List ? forms.list() : forms.data(summary(), style == PrintOptions::Style::Full);
    return std::make_shared<Report>(std::move(definition), std::move(rows));
}

QList<ExportColumn> TransferBatchPrint::exportColumns() const
{
    return TransferItemRows::exportColumns(m_kind);
}

QString TransferBatchPrint::institution(const QString& code) const
{
    const QVariant name = m_context.database().scalar(
        QStringLiteral("SELECT Name FROM Usercode WHERE %1 = ?").arg(m_kind.institutionColumn), { code });
    const QString bracketed = QLatin1Char('[') + code + QLatin1Char(']');
    return name.isNull() ? bracketed : bracketed + QLatin1Char(' ') + name.toString();
}

TransferBatchSummary TransferBatchPrint::summary() const
{
    TransferBatchSummary summary;
    SqliteStatement query(m_context.database(),
        QStringLiteral("SELECT GiganID10, IcheDate, SendDate, %1, State, Rdate FROM %2 WHERE %3 = ?")
            .arg(m_kind.remarkColumn, m_kind.batchTable, m_kind.batchKey));
    if (!query.select({ m_batch }) || !query.next())
        return summary;
    summary.institution = institution(query.text(0).trimmed());
    summary.transferDate = query.text(1);
    summary.sendDate = query.text(2);
    summary.remark = query.text(3);
    summary.state = BatchState::name(static_cast<int>(query.integer(4)));
    summary.receiveDate = query.text(5);
    const TransferBatches batches(m_context, m_kind, m_kind.batchCaption);
    for (const TransferBatches::ResultLine& line : batches.results(m_batch))
        summary.totals << TransferBatchSummary::Total { line.count, line.amount };
    return summary;
}

std::shared_ptr<const Report> TransferBatchPrint::batchList(Workspace& context, const TransferKind& kind)
{
    return std::make_shared<Report>(
        TransferReportForms(kind).title(), std::make_shared<TransferBatchListRows>(context, kind));
}
