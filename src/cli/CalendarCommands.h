#pragma once

#include "cli/CliSession.h"

#include <QList>

// calendar, lunar, business-days: the holiday test, the lunar conversion and the business days after today.
QList<CliCommand> calendarCommands();
