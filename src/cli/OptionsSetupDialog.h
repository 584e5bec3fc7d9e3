#pragma once

#include "core/edi/comm/EnvSetupDialog.h"

#include <optional>

// Stands in for the communication module's settings dialog: the options given on the command line are what
// the user typed.
class OptionsSetupDialog : public EnvSetupDialog {
public:
    bool edit(MailboxSetup& setup) override
    {
        setup.loginId = loginId.value_or(setup.loginId);
        setup.password = password.value_or(setup.password);
        setup.mailbox = mailbox.value_or(setup.mailbox);
        return true;
    }
    bool hasAny() const { return loginId || password || mailbox; }

    std::optional<QString> loginId;
    std::optional<QString> password;
    std::optional<QString> mailbox;
};
