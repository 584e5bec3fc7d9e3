#include "ui/app/ProgramSession.h"

#include "core/app/Workspace.h"
#include "core/data/TDM1.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "ui/maintenance/MaintenanceCommands.h"

#include <cstdlib>

ProgramSession::ProgramSession(Workspace& workspace, DataLock::Pause pause)
    : m_workspace(workspace)
    , m_dataLock(workspace.paths(), std::move(pause))
{
}

int ProgramSession::readUpgradeSwitch()
{
    return EdiEnvironment(m_workspace).settings().comType();
}

void ProgramSession::terminate()
{
    std::exit(0);
}

void ProgramSession::refreshWorkingPaths()
{
    EdiEnvironment(m_workspace).prepareWorkingPaths();
}

bool ProgramSession::openAndUpgradeDatabase()
{
    return m_workspace.data().openAndUpgrade();
}

bool ProgramSession::openSharedTables()
{
    return m_workspace.data().openSharedTables();
}

void ProgramSession::markRegistry()
{
    EdiEnvironment(m_workspace).settings().markAppType();
}

void ProgramSession::closeDatabase()
{
    m_workspace.data().close();
}

void ProgramSession::backupAfterUpgrade(TfmMain& window)
{
    MaintenanceCommands(window).backupAfterUpgrade();
}
