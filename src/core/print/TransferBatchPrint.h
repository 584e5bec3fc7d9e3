#pragma once

#include "core/batches/TransferItems.h"
#include "core/print/PrintJob.h"
#include "core/print/TransferBatchSummary.h"

class Workspace;

// 출 력 of a transfer batch: its items in the item screen's order, the Data report (summary, with the items for
// the full style) or the List report, and the kind's export columns. 목록 출력 is here too: the list of the
// kind's batches, printed without the options.
class TransferBatchPrint : public PrintJob {
public:
    TransferBatchPrint(Workspace& context, const TransferKind& kind, qint64 batch,
        TransferItems::Order order = TransferItems::Order::Key);

    std::shared_ptr<const PrintRows> rows(PrintOptions::Data data) const override;
    std::shared_ptr<const Report> report(
        PrintOptions::Style style, std::shared_ptr<const PrintRows> rows) const override;
    QList<ExportColumn> exportColumns() const override;

    TransferBatchSummary summary() const;

    static std::shared_ptr<const Report> batchList(Workspace& context, const TransferKind& kind);

private:
    QString institution(const QString& code) const;

    Workspace& m_context;
    const TransferKind& m_kind;
    qint64 m_batch = 0;
    TransferItems::Order m_order;
};
