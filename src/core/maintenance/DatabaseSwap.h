#pragma once

#include "core/maintenance/MaintenanceStep.h"

#include <QStringList>

class Workspace;

// Puts a finished database in place of the working one with a single rename, so that whatever happens the data
// folder holds the old database or the new one, whole. The replaced database stays in Data/Temp/.
class DatabaseSwap {
public:
    DatabaseSwap(Workspace& workspace, MaintenanceSteps steps);

    // newDatabase must lie in the data folder's file system; the other files follow it into the data folder.
    bool replace(const QString& newDatabase, const QStringList& otherFiles = {});
    const QString& error() const { return m_error; }
    // Where the replaced database is kept.
    QString keptDatabase() const;

private:
    bool keepOldDatabase();
    bool fail(const QString& text);

    Workspace& m_workspace;
    MaintenanceSteps m_steps;
    QString m_error;
};
