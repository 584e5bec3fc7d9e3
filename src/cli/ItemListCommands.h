#pragma once

#include "cli/CliSession.h"

#include <QList>

// The items of a batch as the item screens list them, with the consent column of the withdrawal and apartment
// screens. It answers "item list"; every other "item" command goes on to itemCommands().
QList<CliCommand> itemListCommands();
