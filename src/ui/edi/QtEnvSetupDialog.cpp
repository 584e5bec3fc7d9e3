#include "ui/edi/QtEnvSetupDialog.h"

#include "ui/edi/TfmEnvSetup.h"

#include <QApplication>

bool QtEnvSetupDialog::edit(MailboxSetup& setup)
{
    TfmEnvSetup dialog(m_fileDialogs, QApplication::activeWindow());
    dialog.setSetup(setup);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    setup = dialog.setup();
    return true;
}
