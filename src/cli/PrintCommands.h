#pragma once

#include "cli/CliSession.h"

// fbctl print: 출 력 of a batch to a PDF or a text file, and 목록 출력 of a kind's batches to a PDF.
QList<CliCommand> printCommands();
// Whether the command line runs a command that draws pages, which needs the GUI application.
bool drawsPages(const QStringList& arguments);
