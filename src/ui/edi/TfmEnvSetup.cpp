#include "ui/edi/TfmEnvSetup.h"

#include "core/app/Workspace.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "core/edi/comm/EdiComm32.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "ui/common/OkCancelRow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfmEnvSetup::TfmEnvSetup(FileDialogs& fileDialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_fileDialogs(fileDialogs)
{
    setObjectName(QStringLiteral("fmEnvSetup"));
    setWindowTitle(QStringLiteral("통신 환경 설정"));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    m_loginId = addEdit(grid, 0, QStringLiteral("사용자 ID"), QStringLiteral("LoginIdEdit"));
    m_password = addEdit(grid, 1, QStringLiteral("비밀번호"), QStringLiteral("PasswordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_mailbox = addFolderEdit(grid, 2, QStringLiteral("메일박스 폴더"), QStringLiteral("MailboxEdit"));
    m_sendDir = addFolderEdit(grid, 3, QStringLiteral("송신 경로"), QStringLiteral("SendDirEdit"));
    m_receiveDir = addFolderEdit(grid, 4, QStringLiteral("수신 경로"), QStringLiteral("RecvDirEdit"));
    m_resultDir = addFolderEdit(grid, 5, QStringLiteral("결과 경로"), QStringLiteral("ResultDirEdit"));
    for (QLineEdit* edit : { m_loginId, m_password })
        edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);

    QHBoxLayout* buttons = okCancelRow(this, [this] { accept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(440, 250);
}

bool TfmEnvSetup::runSettingsCommand(Workspace& workspace)
{
    EdiComm32 comm(workspace.ediModule());
    if (EdiEnvironment(workspace).runSettingsDialog(comm))
        return true;
    if (comm.lastCode() < 0)
        workspace.messages().error(comm.resultText());
    return false;
}

QLineEdit* TfmEnvSetup::addEdit(QGridLayout* grid, int row, const QString& caption, const QString& name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QLineEdit* TfmEnvSetup::addFolderEdit(QGridLayout* grid, int row, const QString& caption, const QString& name)
{
    QLineEdit* edit = addEdit(grid, row, caption, name);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(name + QStringLiteral("Btn"));
    browse->setFixedWidth(24);
    connect(browse, &QPushButton::clicked, this, [this, edit, caption] { chooseFolder(edit, caption); });
    grid->addWidget(browse, row, 2);
    return edit;
}

void TfmEnvSetup::chooseFolder(QLineEdit* edit, const QString& caption)
{
    const QString chosen = m_fileDialogs.folder(caption, edit->text());
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

void TfmEnvSetup::setSetup(const MailboxSetup& setup)
{
    m_loginId->setText(setup.loginId);
    m_password->setText(setup.password);
    m_mailbox->setText(setup.mailbox);
    m_sendDir->setText(setup.sendDir);
    m_receiveDir->setText(setup.receiveDir);
    m_resultDir->setText(setup.resultDir);
}

MailboxSetup TfmEnvSetup::setup() const
{
    return { m_loginId->text(), m_password->text(), m_mailbox->text(), m_sendDir->text(), m_receiveDir->text(),
        m_resultDir->text() };
}
