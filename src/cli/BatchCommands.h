#pragma once

#include "cli/CliSession.h"

#include <QList>

// Transfer batches without windows, through the same rules as the batch screens.
QList<CliCommand> batchCommands();
