#include "ui/common/TfrmUserInput.h"
#include "TestHome.h"
#include "core/common/AppInfo.h"
#include "ui/common/TfrmWaitMsg.h"
#include "ui/common/WaitMsgWindow.h"
#include "widgets/ModalDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QLineEdit* inputEdit(TfrmUserInput& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("InputEdit"));
}

void clickOk(TfrmUserInput& dialog)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bbnOk")), Qt::LeftButton);
}

struct PasswordCase {
    const char* stored;
    QStringList typed;
    bool passes;
    int refusals;
};

} // namespace

TEST(TfrmUserInput, PasswordCheckAllowsThreeTries)
{
    const PasswordCase cases[] = {
        { "abc", { QStringLiteral("abc") }, true, 0 },
        { "abc", { QStringLiteral("x"), QStringLiteral("ABC"), QStringLiteral("abc") }, true, 2 },
        { "abc", { QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z"), QStringLiteral("abc") }, false, 3 },
        { "", { QString() }, true, 0 },
        { "", { QStringLiteral("a"), QString() }, true, 1 },
    };
    for (const PasswordCase& c : cases) {
        TestHome home;
        if (*c.stored)
            home.context().settings().setPassword(QLatin1String(c.stored));
        home.messages.setTitle(AppInfo::startTitle());
        QString caption;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        QString hint;
        const ModalAnswer answer = answerNextModal<TfrmUserInput>([&](TfrmUserInput& dialog) {
            caption = dialog.windowTitle();
            const auto* hintLabel = dialog.findChild<QLabel*>(QStringLiteral("lblHint"));
            hint = hintLabel->isHidden() ? QString() : hintLabel->text();
            echo = inputEdit(dialog)->echoMode();
            // Each refusal selects the whole entry, so typing replaces it.
            for (const QString& entry : c.typed) {
                if (!dialog.isVisible())
                    break;
                if (entry.isEmpty())
                    QTest::keyClick(inputEdit(dialog), Qt::Key_Backspace);
                QTest::keyClicks(inputEdit(dialog), entry);
                clickOk(dialog);
            }
        });
        EXPECT_EQ(TfrmUserInput::checkSoftwarePassword(home.context()), c.passes) << c.typed.join('|').toStdString();
        EXPECT_EQ(home.messages.texts(), QStringList(c.refusals, QStringLiteral("비밀번호가 다릅니다.")));
        EXPECT_EQ(caption, QStringLiteral("S/W 비밀번호 확인"));
        EXPECT_EQ(echo, QLineEdit::Password);
        // Without a stored password the box says that the empty one passes.
        EXPECT_EQ(hint,
            *c.stored ? QString() : QStringLiteral("설정된 비밀번호가 없습니다. 빈 칸 그대로 확인을 누르십시오."));
        EXPECT_EQ(home.messages.title(), AppInfo::fullTitle());
    }
}

TEST(TfrmUserInput, PromptNeedsAnEntryAndClearsTheTextOnCancel)
{
    TestHome home;
    QString text = QStringLiteral("1000");
    QString label;
    bool stayedOpenWhenEmpty = false;
    const ModalAnswer entry = answerNextModal<TfrmUserInput>([&](TfrmUserInput& dialog) {
        label = dialog.findChild<QLabel*>(QStringLiteral("MsgLabel"))->text();
        EXPECT_EQ(inputEdit(dialog)->text(), QStringLiteral("1000"));
        inputEdit(dialog)->clear();
        clickOk(dialog);
        stayedOpenWhenEmpty = dialog.isVisible();
        QTest::keyClicks(inputEdit(dialog), QStringLiteral("2500"));
        clickOk(dialog);
    });
    EXPECT_TRUE(TfrmUserInput::prompt(home.context(), QStringLiteral("금액 변경"), QStringLiteral("금액"), text));
    EXPECT_EQ(text, QStringLiteral("2500"));
    EXPECT_EQ(label, QStringLiteral("금액 :"));
    EXPECT_TRUE(stayedOpenWhenEmpty);

    const ModalAnswer cancel = answerNextModal<TfrmUserInput>([](TfrmUserInput& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("bbnCancel")), Qt::LeftButton);
    });
    EXPECT_FALSE(TfrmUserInput::prompt(home.context(), QStringLiteral("금액 변경"), QStringLiteral("금액"), text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST(TfrmUserInput, StepsTheWaitWindowAsideUntilConfirmed)
{
    ScriptedMessages messages;
    TfrmWaitMsg wait;
    wait.showProgress(QStringLiteral("작업"), 0, 3, false);
    TfrmUserInput dialog(messages, wait);
    EXPECT_FALSE(wait.window()->isVisible());
    dialog.show();
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(wait.window()->isVisible());
}
