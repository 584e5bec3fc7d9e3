#pragma once

#include "cli/CliSession.h"

#include <QList>

// notice, apt-convert-export, apt-convert-import: the main window's notice line and the two
// account-code conversion commands of apartment banking.
QList<CliCommand> appCommands();
