#include "ui/app/StartupWiring.h"

#include "core/common/AppContext.h"
#include "core/data/TDM1.h"
#include "core/edi/comm/EdiEnvironment.h"

StartupServices makeStartupServices(AppContext& context, const std::unique_ptr<TDM1>& dataModule)
{
    StartupServices services;
    services.readUpgradeSwitch = [&context] { return EdiEnvironment(context).settings().comType(); };
    services.refreshWorkingPaths = [&context] { EdiEnvironment(context).prepareWorkingPaths(); };
    services.openAndUpgradeDatabase = [&dataModule] { return dataModule && dataModule->openAndUpgrade(); };
    services.openSharedTables = [&dataModule] { return dataModule && dataModule->openSharedTables(); };
    services.markRegistry = [&context] { EdiEnvironment(context).settings().markAppType(); };
    services.closeDatabase = [&dataModule] {
        if (dataModule)
            dataModule->close();
    };
    return services;
}
