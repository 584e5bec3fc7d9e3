#pragma once

#include <QString>

// What the communication module's own settings dialog edits; the password in clear.
struct MailboxSetup {
    QString loginId;
    QString password;
    QString mailbox;
    QString sendDir;
    QString receiveDir;
    QString resultDir;
};

// The communication module's settings dialog, provided by whoever shows it (a window, fbctl's options, a test).
class EnvSetupDialog {
public:
    virtual ~EnvSetupDialog() = default;
    // Lets the user change the setup in place; false when cancelled.
    virtual bool edit(MailboxSetup& setup) = 0;
};
