#pragma once

#include "cli/CliSession.h"

#include <QList>

// code: lists a code table by its menu tag and changes the tables the user keeps, with the screens' checks.
QList<CliCommand> codeCommands();
