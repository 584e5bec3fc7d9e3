#pragma once

#include "cli/CliSession.h"

#include <QList>

// The send/receive run without windows: "run send|sendreceive|receive|rereceive".
QList<CliCommand> runCommands();
