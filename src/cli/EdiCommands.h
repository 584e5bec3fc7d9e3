#pragma once

#include "cli/CliSession.h"

#include <QList>

// The EDI exchange without windows: generate writes the send files of one run.
QList<CliCommand> ediCommands();
