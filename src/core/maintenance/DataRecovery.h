#pragma once

#include "core/maintenance/MaintenanceStep.h"

#include <QString>
#include <QStringList>

class Workspace;

// Restores the working data from a backup archive, whole or not at all: the archive (or its parts joined) is
// unpacked beside the data, its database must open, pass SQLite's integrity check and hold the shipped tables,
// the user confirms, the database is reorganised and only then swapped in.
class DataRecovery {
public:
    explicit DataRecovery(Workspace& workspace, MaintenanceSteps steps = {});

    // Asks for the archive; false without a message when the user cancels.
    bool restore();
    // Restores from the file the user chose: the stamp's ".zip", or its parts from ".001" on.
    bool restoreFrom(const QString& chosenFile);

    static QString dialogCaption();
    static QString dialogFilters();
    static QString badNameMessage();
    static QString unreadableMessage();
    static QString cancelledMessage();
    static QString replaceQuestion();
    // The database is in place but the named files stayed in the folder given.
    static QString unmovedMessage();

private:
    bool obtainArchive(const QString& folder, const QString& stamp, QString& archive);
    bool joinParts(const QString& folder, const QString& stamp, const QString& joined);
    bool unpack(const QString& archive, const QString& folder, QStringList& files);
    bool checkDatabase(const QString& file);
    bool unreadable(const QString& reason);
    bool cancelled();

    Workspace& m_workspace;
    MaintenanceSteps m_steps;
};
