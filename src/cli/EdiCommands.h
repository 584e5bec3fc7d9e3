#pragma once

#include "cli/CliSession.h"

#include <QList>

// The EDI exchange without windows: generate writes the send files of one run.
QList<CliCommand> ediCommands();

// Prepares the working directories and the communication settings and opens the working database, upgraded;
// false with a message on stderr.
bool openWorkingData(CliSession& session);
// "--now" with its value as the only arguments moves the session clock; false with a message on anything else.
bool takeNow(CliSession& session, const QString& command, const QStringList& arguments);
