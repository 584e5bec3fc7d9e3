#include "ui/edi/QtEnvSetupDialog.h"

#include "ui/edi/TfmEnvSetup.h"

bool QtEnvSetupDialog::edit(MailboxSetup& setup)
{
    TfmEnvSetup dialog(m_parent);
    dialog.setSetup(setup);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setup = dialog.setup();
    return true;
}
