#pragma once

#include "core/maintenance/DataLock.h"

class TfmMain;
class Workspace;

// One run of the desktop program over its workspace: the steps that the main window's creation, first show
// and closing take in the subsystems behind it. A step whose subsystem is not built yet does nothing.
class ProgramSession {
public:
    explicit ProgramSession(Workspace& workspace, DataLock::Pause pause = HomeFileLock::waitAFewSeconds);
    virtual ~ProgramSession() = default;
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    Workspace& workspace() const { return m_workspace; }
    // Held shared from the start to the end of the program, exclusively around a restore or reorganisation.
    DataLock& dataLock() { return m_dataLock; }

    // Creation (no database yet).
    virtual int readUpgradeSwitch(); // the communication setting COM-TYPE, -1 when missing
    virtual bool runUpgradeCheck() { return false; } // true when an upgrade was started and the program must end
    virtual void terminate(); // ends the process at once with exit code 0
    virtual void refreshWorkingPaths(); // exchange paths from the communication settings
    virtual void buildHolidayLists() { }

    // First show.
    virtual bool openAndUpgradeDatabase();
    virtual bool openSharedTables();
    virtual void markRegistry(); // AppTypeCode "TRB"
    virtual void backupAfterUpgrade(TfmMain& window); // first start after an upgrade
    virtual void checkEvidenceRequests(TfmMain&) { } // may open the evidence request screen

    // Around data maintenance and at the end.
    virtual void freeHolidayLists() { }
    virtual void closeDatabase();

private:
    Workspace& m_workspace;
    DataLock m_dataLock;
};
