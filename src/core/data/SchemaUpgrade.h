#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/data/TransactionGuard.h"

class Database;

// Brings an open working database to the structure of the catalogue at every start: creates the
// tables the program owns, adds the columns newer versions need (each filled once), and re-applies
// the code rows and settings that must hold on every start. Steps run in a fixed order, each as one
// transaction: the first failing step is undone and ends the run, what earlier steps did stays done.
// An up-to-date database is recognised from two reads and costs a handful of statements.
class SchemaUpgrade {
public:
    // Steps from this one on stand for errors the caller must report; earlier ones only fail quietly.
    static constexpr int FirstReportedStep = 12;

    explicit SchemaUpgrade(Database& database);

    bool run();
    // The number of the step that failed, 0 when every step succeeded.
    int failedStep() const { return m_failedStep; }
    const QString& error() const { return m_error; }

    // The result codes in the order they are seeded.
    static const QList<std::pair<QString, QString>>& resultCodes();

private:
    using Step = bool (SchemaUpgrade::*)();
    // The columns the upgrade adds (names in lower case) and the statements that look for them.
    struct AddedColumns {
        QHash<QString, QSet<QString>> byTable;
        QString probeSql;
        QString readSql;
    };

    bool readStructure();
    bool createTongRegister();
    bool createTongRegisterConv();
    bool upgradeBanks();
    bool upgradeInstitutions();
    bool upgradeConsentDisplayAccount();
    bool createEvidentialAuthKey();
    bool createEvidential();
    bool createSahooMain();
    bool createSahooSub();
    bool createHolidayList();
    bool createConsentLookupIndex();
    bool seedNewBanks();
    bool upgradeKeysAndResults();
    bool createMissingIndexes();

    bool createIfMissing(const QString& table, const QString& firstRowSql = {});
    bool addMissingColumns(const QString& table, const QStringList& columns);
    bool reseedResultCodes();
    bool insertCodeIfMissing(const QString& table, const QString& id, const QString& name);
    void beginWriting();
    static const AddedColumns& addedColumns();
    bool fail(const QString& text);

    Database& m_database;
    // Names in lower case, as the engine compares them.
    QSet<QString> m_tables;
    QSet<QString> m_indexes;
    QHash<QString, QSet<QString>> m_addedColumns; // table -> the columns the upgrade adds that it has
    std::optional<TransactionGuard> m_transaction;
    int m_failedStep = 0;
    QString m_error;
};
