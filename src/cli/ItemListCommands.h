#pragma once

#include "cli/CliSession.h"

#include <QString>

// "item list": the items of a batch as the item screens list them, with the consent column of the withdrawal and
// apartment screens. Part of the "item" command.
int runItemList(CliSession& session, const QStringList& arguments);
QString itemListUsage();
