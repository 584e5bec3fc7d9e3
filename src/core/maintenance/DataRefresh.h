#pragma once

#include "core/maintenance/MaintenanceStep.h"

#include <QString>
#include <QStringList>

class Database;
class Workspace;

// Rebuilds the working database from the blank one in the home (BlankDB.bin): both brought to the current
// structure, every row of the old database moved into the new one in one transaction, tables the blank lacks
// carried over with their indexes. The new database is built beside the data and swapped in whole.
class DataRefresh {
public:
    explicit DataRefresh(Workspace& workspace, MaintenanceSteps steps = {});

    // False, with nothing changed, when the blank database is missing or a step failed; a failure is reported.
    bool reorganise();
    // Builds a new database in Data/Temp/ from the blank with the rows of source, which is upgraded in place.
    // Returns its path; empty on failure, with error() saying why.
    QString build(const QString& source);
    const QString& error() const { return m_error; }

private:
    bool upgrade(const QString& file, const QString& connectionName);
    bool copyRows(Database& target);
    bool copyTable(Database& target, const QString& table);
    bool mergeTable(Database& target, const QString& table, const QStringList& columns);
    bool carryTable(Database& target, const QString& table);
    bool keepSequences(Database& target);
    QStringList columns(Database& database, const QString& schema, const QString& table);
    bool fail(const QString& text);

    Workspace& m_workspace;
    MaintenanceSteps m_steps;
    QString m_error;
};
