#pragma once

#include "core/maintenance/MaintenanceStep.h"

#include <QStringList>

class Workspace;

// Puts a finished database in place of the working one with a single rename, so that whatever happens the data
// folder holds the old database or the new one, whole. The replaced database stays in Data/Temp/ under the time of
// the swap (FbMorv-yyyyMMddhhmmss.db); the last five are kept.
class DatabaseSwap {
public:
    static constexpr int KeptDatabases = 5;

    DatabaseSwap(Workspace& workspace, MaintenanceSteps steps = {});

    // newDatabase must lie in the data folder's file system; the other files follow it into the data folder. True
    // once the database is in place, even when some of the other files could not follow: see unmoved().
    bool replace(const QString& newDatabase, const QStringList& otherFiles = {});
    const QString& error() const { return m_error; }
    // Where this swap kept the replaced database; empty before it did.
    const QString& keptDatabase() const { return m_kept; }
    // The other files that stayed where they were.
    const QStringList& unmoved() const { return m_unmoved; }

private:
    bool keepOldDatabase();
    void removeOldestKept();
    bool fail(const QString& text);

    Workspace& m_workspace;
    MaintenanceSteps m_steps;
    QString m_error;
    QString m_kept;
    QStringList m_unmoved;
};
