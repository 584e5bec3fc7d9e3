#pragma once

#include "cli/CliSession.h"

#include <QList>

// sql: runs one statement on the working database and prints its rows.
QList<CliCommand> dataCommands();
