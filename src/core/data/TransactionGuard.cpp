#include "core/data/TransactionGuard.h"

#include "core/data/Database.h"

TransactionGuard::TransactionGuard(Database& database)
    : m_database(database)
    , m_active(database.connection().transaction())
{
}

TransactionGuard::~TransactionGuard()
{
    if (m_active)
        m_database.connection().rollback();
}

bool TransactionGuard::commit()
{
    if (!m_active)
        return false;
    m_active = !m_database.connection().commit();
    return !m_active;
}
