#include "ui/edi/TfmEnvSetup.h"
#include "TestHome.h"
#include "core/common/IniFile.h"
#include "core/edi/comm/EdiEnvironment.h"
#include "core/edi/comm/MailboxModule.h"
#include "ui/edi/QtEnvSetupDialog.h"
#include "widgets/ModalDialogs.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void type(TfmEnvSetup& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
    edit->clear();
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(TfmEnvSetup, StoresWhatTheUserTypedAndTheWorkingPathsFollow)
{
    TestHome home;
    QtEnvSetupDialog setupDialog(home.fileDialogs);
    MailboxModule module(home.path(), home.clock, &setupDialog);
    Workspace context(home.paths(), home.seamsWith(module));
    ASSERT_TRUE(EdiEnvironment(context).startUp());
    // The terminal program is installed, so its settings file follows the module's.
    QDir().mkpath(home.path(QStringLiteral("Brisanet")));
    const QString mailbox = home.path(QStringLiteral("Share"));
    const QString sendDir = home.path(QStringLiteral("Out"));
    const ModalAnswer answer = answerNextModal<TfmEnvSetup>([&](TfmEnvSetup& dialog) {
        type(dialog, "LoginIdEdit", QStringLiteral("FIRM01"));
        type(dialog, "PasswordEdit", QStringLiteral("pw"));
        type(dialog, "MailboxEdit", mailbox);
        type(dialog, "SendDirEdit", sendDir);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("OkBtn")), Qt::LeftButton);
    });
    EXPECT_TRUE(TfmEnvSetup::runSettingsCommand(context));

    const MailboxSetup stored = module.currentSetup(EdiSettings::AppName);
    EXPECT_EQ(stored.loginId, QStringLiteral("FIRM01"));
    EXPECT_EQ(stored.password, QStringLiteral("pw"));
    EXPECT_EQ(stored.mailbox, mailbox);
    EXPECT_EQ(context.paths().sendPath(), sendDir + QLatin1Char('/'));
    EXPECT_EQ(context.loginId(), QStringLiteral("FIRM01"));
    EXPECT_EQ(IniFile(context.paths().terminalSettingsFile()).readString("Login", "Password", {}), "pw");

    const ModalAnswer cancel = answerNextModal<TfmEnvSetup>([](TfmEnvSetup& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn")), Qt::LeftButton);
    });
    EXPECT_FALSE(TfmEnvSetup::runSettingsCommand(context));
    EXPECT_TRUE(home.messages.shown().isEmpty());
}
