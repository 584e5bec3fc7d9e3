#pragma once

#include "core/edi/comm/EnvSetupDialog.h"

class FileDialogs;

// The module's settings dialog as a window over the active one: a fresh TfmEnvSetup for every call, as the
// module shows it.
class QtEnvSetupDialog : public EnvSetupDialog {
public:
    explicit QtEnvSetupDialog(FileDialogs& fileDialogs)
        : m_fileDialogs(fileDialogs)
    {
    }

    bool edit(MailboxSetup& setup) override;

private:
    FileDialogs& m_fileDialogs;
};
