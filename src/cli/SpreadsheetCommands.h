#pragma once

#include "cli/CliSession.h"

#include <QList>

// xlsx: the spreadsheet exchange without windows; the files are written, never opened.
QList<CliCommand> spreadsheetCommands();
