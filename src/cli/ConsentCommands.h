#pragma once

#include "cli/CliSession.h"

#include <QList>

// The consent register without windows, through the same rules and messages as its screen.
QList<CliCommand> consentCommands();
