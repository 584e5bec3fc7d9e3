#include "ui/common/TfrmUserInput.h"

#include "core/app/Workspace.h"
#include "core/common/AppInfo.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmUserInput::TfrmUserInput(Messages& messages, Progress& waitWindow, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_messages(messages)
    , m_waitWindow(waitWindow)
    , m_msgLabel(new QLabel(this))
    , m_hintLabel(new QLabel(this))
    , m_inputEdit(new QLineEdit(this))
    , m_okButton(new QPushButton(QStringLiteral(" 확 인"), this))
    , m_cancelButton(new QPushButton(QStringLiteral(" 취 소"), this))
{
    setObjectName(QStringLiteral("frmUserInput"));
    setFixedSize(274, 89);
    m_msgLabel->setObjectName(QStringLiteral("MsgLabel"));
    m_inputEdit->setObjectName(QStringLiteral("InputEdit"));
    m_hintLabel->setObjectName(QStringLiteral("lblHint"));
    m_hintLabel->setWordWrap(true);
    m_hintLabel->hide();
    m_okButton->setObjectName(QStringLiteral("bbnOk"));
    m_cancelButton->setObjectName(QStringLiteral("bbnCancel"));
    m_okButton->setDefault(true);

    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(m_msgLabel);
    inputRow->addWidget(m_inputEdit, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_okButton);
    buttonRow->addWidget(m_cancelButton);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputRow);
    layout->addWidget(m_hintLabel);
    layout->addLayout(buttonRow);

    connect(m_okButton, &QPushButton::clicked, this, &TfrmUserInput::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_inputEdit->setFocus();

    // A copy started meanwhile must see this one by its full title; the wait window must not cover the dialog.
    m_messages.setTitle(AppInfo::fullTitle());
    m_waitWindow.hideForAMoment();
}

bool TfrmUserInput::checkSoftwarePassword(Workspace& context)
{
    TfrmUserInput dialog(context.messages(), context.progress());
    dialog.setWindowTitle(QStringLiteral("S/W 비밀번호 확인"));
    dialog.setPrompt(QStringLiteral("비밀번호"));
    dialog.setMasked(true);
    const QString password = context.settings().password();
    if (password.isEmpty())
        dialog.setHint(QStringLiteral("설정된 비밀번호가 없습니다. 빈 칸 그대로 확인을 누르십시오."));
    dialog.setCompare(password, 3);
    return dialog.exec() == QDialog::Accepted;
}

void TfrmUserInput::setHint(const QString& text)
{
    m_hintLabel->setText(text);
    m_hintLabel->show();
    setFixedSize(274, 125);
}

bool TfrmUserInput::prompt(Workspace& context, const QString& caption, const QString& promptText, QString& text)
{
    TfrmUserInput dialog(context.messages(), context.progress());
    dialog.setWindowTitle(caption);
    dialog.setPrompt(promptText + QStringLiteral(" :"));
    dialog.setAllowEmpty(false);
    dialog.setText(text);
    if (dialog.exec() != QDialog::Accepted) {
        text.clear();
        return false;
    }
    text = dialog.text();
    return true;
}

void TfrmUserInput::setPrompt(const QString& text)
{
    m_msgLabel->setText(text);
}

void TfrmUserInput::setText(const QString& text)
{
    m_inputEdit->setText(text);
}

QString TfrmUserInput::text() const
{
    return m_inputEdit->text();
}

void TfrmUserInput::setMasked(bool masked)
{
    m_inputEdit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    m_inputEdit->setStyleSheet(masked ? QStringLiteral("QLineEdit { lineedit-password-character: 42; }") : QString());
}

void TfrmUserInput::setCompare(const QString& expected, int maximumAttempts)
{
    m_compareMode = true;
    m_expected = expected;
    m_maximumAttempts = maximumAttempts;
}

void TfrmUserInput::confirm()
{
    const QString entered = m_inputEdit->text();
    if (!m_allowEmpty && entered.isEmpty()) {
        m_inputEdit->setFocus();
        return;
    }
    if (m_compareMode && entered != m_expected) {
        m_messages.information(QStringLiteral("%1가 다릅니다.").arg(m_msgLabel->text()));
        if (++m_attempts >= m_maximumAttempts) {
            reject();
            return;
        }
        m_inputEdit->setFocus();
        m_inputEdit->selectAll();
        return;
    }
    m_waitWindow.showAgain();
    accept();
}
