#pragma once

#include "cli/CliSession.h"

#include <QList>

// The items of a transfer batch without windows, through the same rules as the item screen.
QList<CliCommand> itemCommands();
