#pragma once

#include "cli/CliSession.h"

#include <QList>

// The institution settings without windows, through the same rules as the screen.
QList<CliCommand> institutionCommands();
