#pragma once

class Database;

// One user operation as one transaction: everything since the guard began is rolled back unless
// commit() succeeded.
class TransactionGuard {
public:
    explicit TransactionGuard(Database& database);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    // False when the transaction could not begin; nothing may then be written under it.
    bool isActive() const { return m_active; }
    bool commit();

private:
    Database& m_database;
    bool m_active = false;
};
