#pragma once

#include "core/batches/TransferKind.h"
#include "core/print/ReportRows.h"

#include <QList>
#include <memory>

class SqliteStatement;
class Workspace;

// The rows of a kind's batch list report (목록 출력): every batch in key order.
class TransferBatchListRows : public ReportRows {
public:
    TransferBatchListRows(Workspace& context, const TransferKind& kind);
    ~TransferBatchListRows() override;

    int count() const override { return static_cast<int>(m_keys.size()); }
    // In the order of TransferReportForms::BatchValue.
    QStringList printValues(int index) const override;

private:
    Workspace& m_context;
    QList<qint64> m_keys;
    std::unique_ptr<SqliteStatement> m_row;
};
