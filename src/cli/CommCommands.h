#pragma once

#include "cli/CliSession.h"

#include <QList>

// comm: the communication module without windows: send, receive, send-and-receive, re-receive, the send
// report, and its settings.
QList<CliCommand> commCommands();
