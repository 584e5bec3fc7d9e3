#pragma once

#include "core/edi/comm/EnvSetupDialog.h"

#include <QDialog>

class FileDialogs;
class Workspace;
class QGridLayout;
class QLineEdit;

// The communication module's own settings dialog: login, password, the mailbox folder that is the
// network, and the three exchange directories.
class TfmEnvSetup : public QDialog {
    Q_OBJECT
public:
    explicit TfmEnvSetup(FileDialogs& fileDialogs, QWidget* parent = nullptr);

    // "통신 환경 설정": the module shows this dialog and stores what it returns; the working paths and
    // the terminal program's settings then follow. A failure of the module goes to the error box.
    static bool runSettingsCommand(Workspace& workspace);

    void setSetup(const MailboxSetup& setup);
    MailboxSetup setup() const;

private:
    QLineEdit* addEdit(QGridLayout* grid, int row, const QString& caption, const QString& name);
    QLineEdit* addFolderEdit(QGridLayout* grid, int row, const QString& caption, const QString& name);
    void chooseFolder(QLineEdit* edit, const QString& caption);

    FileDialogs& m_fileDialogs;
    QLineEdit* m_loginId;
    QLineEdit* m_password;
    QLineEdit* m_mailbox;
    QLineEdit* m_sendDir;
    QLineEdit* m_receiveDir;
    QLineEdit* m_resultDir;
};
