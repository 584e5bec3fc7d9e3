#include "core/app/HomeSetup.h"

#include "core/app/Workspace.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/maintenance/DataBackup.h"

HomeSetup::Outcome HomeSetup::layDown(Workspace& workspace)
{
    if (!workspace.paths().createDirectories())
        return Outcome::NoFolders;
    DataBackup::removeLeftovers(workspace.paths());
    return EdiEnvironment(workspace).startUp() ? Outcome::Done : Outcome::NoSettings;
}
