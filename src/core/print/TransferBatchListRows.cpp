#include "core/print/TransferBatchListRows.h"

#include "core/app/Workspace.h"
#include "core/batches/BatchState.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/print/ReportFormat.h"

TransferBatchListRows::TransferBatchListRows(Workspace& context, const TransferKind& kind)
    : m_context(context)
{
    SqliteStatement keys(
        context.database(), QStringLiteral("SELECT %1 FROM %2 ORDER BY %1").arg(kind.batchKey, kind.batchTable));
    const bool read = keys.select({});
    while (read && keys.next())
        m_keys << keys.integer(0);
    if (!read || !keys.error().isEmpty())
        context.reportError(keys.error());
    m_row = std::make_unique<SqliteStatement>(context.database(),
        QStringLiteral("SELECT GiganID10, TotNo, TotMoney, IcheDate, State, %1 FROM %2 WHERE %3 = ?")
            .arg(kind.remarkColumn, kind.batchTable, kind.batchKey));
}

TransferBatchListRows::~TransferBatchListRows() = default;

QStringList TransferBatchListRows::printValues(int index) const
{
    // A row deleted since the keys were read is printed empty.
    if (!m_row->select({ m_keys.value(index) }) || !m_row->next()) {
        if (!m_row->error().isEmpty())
            m_context.reportError(m_row->error());
        return {};
    }
    const int state = static_cast<int>(m_row->integer(4));
    return { m_row->text(0), ReportFormat::count(m_row->integer(1)),
        ReportFormat::amount(SqlValue::money(m_row->value(2))), m_row->text(3),
        state == BatchState::NoItems ? QString() : BatchState::name(state), m_row->text(5) };
}
