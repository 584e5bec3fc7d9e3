#pragma once

#include "cli/CliSession.h"

#include <QList>

// backup, restore, reorganise: the data maintenance of the main window without windows.
QList<CliCommand> maintenanceCommands();
