#pragma once

#include "core/edi/comm/EnvSetupDialog.h"

class QWidget;

// The module's settings dialog as a window: a fresh TfmEnvSetup for every call, as the module shows it.
class QtEnvSetupDialog : public EnvSetupDialog {
public:
    explicit QtEnvSetupDialog(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }

    bool edit(MailboxSetup& setup) override;

private:
    QWidget* m_parent;
};
