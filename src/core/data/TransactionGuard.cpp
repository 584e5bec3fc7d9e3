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
        m_database.exec(QStringLiteral("ROLLBACK"));
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    m_active = !m_database.exec(QStringLiteral("COMMIT"));
    return !m_active;
}
