#pragma once

#include "cli/CliSession.h"

#include <QList>

// account hyphenate|check BANK ACCOUNT: the display form and the validity test of an account number.
QList<CliCommand> accountCommands();
