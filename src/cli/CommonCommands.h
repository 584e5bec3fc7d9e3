#pragma once

#include "cli/CliSession.h"

#include <QList>

// init: lays down the home directory with its folders and default settings.
QList<CliCommand> commonCommands();
