#pragma once

#include "core/accounts/AcctNoRules.h"
#include "core/accounts/Bank.h"
#include "core/batches/TransferItems.h"
#include "core/print/ExportColumn.h"
#include "core/print/PrintOptions.h"
#include "core/print/PrintRows.h"

#include <QList>
#include <memory>

class SqliteStatement;
class Workspace;

// The items of a batch for its printouts and its text export, in the item screen's order with ties by key: the
// keys of the data choice are read once, each item when its page or line needs it.
class TransferItemRows : public PrintRows {
public:
    TransferItemRows(Workspace& context, const TransferKind& kind, qint64 batch, TransferItems::Order order,
        PrintOptions::Data data);
    ~TransferItemRows() override;

    // The text export's columns of the kind.
    static QList<ExportColumn> exportColumns(const TransferKind& kind);

    int count() const override { return static_cast<int>(m_keys.size()); }
    // In the order of TransferReportForms::ItemValue.
    QStringList printValues(int index) const override;
    QStringList fileValues(int index) const override;

private:
    struct Values;
    Values read(int index) const;

    Workspace& m_context;
    const TransferKind& m_kind;
    QList<qint64> m_keys;
    std::unique_ptr<SqliteStatement> m_row;
    AcctNoRules m_accounts;
    Bank m_bank;
};
