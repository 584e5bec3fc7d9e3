#include "core/data/TransactionGuard.h"

#include "core/data/Database.h"

TransactionGuard::TransactionGuard(Database& database)
    : m_database(database)
    , m_active(database.exec(QStringLiteral("BEGIN")))
{
}

TransactionGuard::~TransactionGuard()
{
    if (m_active)
        m_database.connection().rollback(); // leaves lastError() to the failure that brought it here
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    m_active = !m_database.exec(QStringLiteral("COMMIT"));
    return !m_active;
}
