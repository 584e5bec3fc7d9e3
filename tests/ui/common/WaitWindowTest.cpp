#include "ui/common/QtMessages.h"
#include "ui/common/TfrmWaitMsg.h"
#include "ui/common/WaitMsgWindow.h"
#include "widgets/ModalDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QLabel* label(const TfrmWaitMsg& wait, const char* name)
{
    return wait.window()->findChild<QLabel*>(QLatin1String(name));
}

// Records each box instead of showing it, and whether the wait window could be seen meanwhile.
// Answers from the queue, else with the default button.
class RecordedMessages : public QtMessages {
public:
    struct Box {
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        bool waitWindowVisible;
    };

    explicit RecordedMessages(TfrmWaitMsg& wait)
        : QtMessages(wait)
        , m_wait(wait)
    {
    }
    QList<Box> boxes;
    QList<QMessageBox::StandardButton> answers;

protected:
    QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString&, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton, const QString&) override
    {
        boxes.append({ icon, buttons, defaultButton, m_wait.window() && m_wait.window()->isVisible() });
        return answers.isEmpty() ? defaultButton : answers.takeFirst();
    }

private:
    TfrmWaitMsg& m_wait;
};

struct PercentCase {
    int first;
    int last;
    bool showCounts;
    int steps;
    const char* expected;
};

} // namespace

TEST(TfrmWaitMsg, PercentLabelShowsCountsOrRoundedPercent)
{
    const PercentCase cases[] = {
        { 0, 3, false, 0, "0 %" },
        { 0, 3, false, 1, "33 %" },
        { 0, 3, false, 2, "67 %" },
        { 0, 3, false, 3, "100 %" },
        { 0, 3, false, 5, "100 %" },
        { 0, 3, true, 0, "0/3" },
        { 0, 3, true, 2, "2/3" },
        { 1, 4, true, 0, "1/4" },
        { 0, 0, false, 1, "0 %" },
    };
    for (const PercentCase& c : cases) {
        TfrmWaitMsg wait;
        wait.showProgress(QStringLiteral("작업"), c.first, c.last, c.showCounts);
        for (int i = 0; i < c.steps; ++i)
            wait.step();
        EXPECT_EQ(label(wait, "PercentLabel")->text(), QLatin1String(c.expected))
            << c.first << ".." << c.last << " counts " << c.showCounts << " after " << c.steps << " steps";
    }
}

TEST(TfrmWaitMsg, MessageHidesTheBarThatProgressShows)
{
    TfrmWaitMsg wait;
    wait.step();
    wait.showAgain();
    EXPECT_EQ(wait.window(), nullptr) << "only show message and show progress create the window";

    wait.showMessage(QStringLiteral("자료를 읽는 중입니다"));
    WaitMsgWindow* window = wait.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(301, 63));
    EXPECT_EQ(label(wait, "MsgLabel")->text(), QStringLiteral("자료를 읽는 중입니다"));
    EXPECT_FALSE(window->progressBar()->isVisible());
    EXPECT_FALSE(label(wait, "PercentLabel")->isVisible());

    wait.showProgress(QStringLiteral("송신 파일 작성"), 0, 10, false);
    EXPECT_EQ(wait.window(), window);
    EXPECT_TRUE(window->progressBar()->isVisible());
    EXPECT_EQ(label(wait, "PercentLabel")->text(), QStringLiteral("0 %"));
}

TEST(TfrmWaitMsg, CloseFreesTheWindowAndRestoresTheArrow)
{
    TfrmWaitMsg wait;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    wait.close();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    wait.showMessage(QStringLiteral("잠시만"));
    wait.close();
    EXPECT_EQ(wait.window(), nullptr);
}

TEST(QtMessages, InformationAndErrorCloseTheWaitWindowBeforeTheBox)
{
    TfrmWaitMsg wait;
    RecordedMessages messages(wait);
    wait.showProgress(QStringLiteral("작업"), 0, 3, false);
    messages.information(QStringLiteral("완료되었습니다."));
    EXPECT_EQ(wait.window(), nullptr);

    wait.showMessage(QStringLiteral("작업"));
    messages.error(QStringLiteral("실패"));
    EXPECT_EQ(wait.window(), nullptr);

    ASSERT_EQ(messages.boxes.size(), 2);
    EXPECT_EQ(messages.boxes[0].icon, QMessageBox::Information);
    EXPECT_EQ(messages.boxes[1].icon, QMessageBox::Critical);
    EXPECT_FALSE(messages.boxes[0].waitWindowVisible);
}

TEST(QtMessages, QuestionsStepTheWaitWindowAsideAndBringItBack)
{
    TfrmWaitMsg wait;
    RecordedMessages messages(wait);
    messages.answers = { QMessageBox::Yes };
    wait.showProgress(QStringLiteral("작업"), 0, 3, false);
    wait.step();
    EXPECT_TRUE(messages.question(QStringLiteral("계속하시겠습니까?")));
    ASSERT_NE(wait.window(), nullptr);
    EXPECT_TRUE(wait.window()->isVisible());
    EXPECT_EQ(label(wait, "PercentLabel")->text(), QStringLiteral("33 %"));

    // A window hidden before the box is shown afterwards all the same.
    wait.hideForAMoment();
    EXPECT_EQ(messages.messageBox(QStringLiteral("확인"), Messages::Buttons::OkCancel, Messages::Button::Cancel),
        Messages::Button::Cancel);
    EXPECT_TRUE(wait.window()->isVisible());

    ASSERT_EQ(messages.boxes.size(), 2);
    EXPECT_FALSE(messages.boxes[0].waitWindowVisible);
    EXPECT_EQ(messages.boxes[0].icon, QMessageBox::Question);
    EXPECT_EQ(messages.boxes[0].defaultButton, QMessageBox::No);
    EXPECT_EQ(messages.boxes[1].icon, QMessageBox::Question);
    EXPECT_EQ(messages.boxes[1].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(messages.boxes[1].defaultButton, QMessageBox::Cancel);
}

TEST(QtMessages, BoxCarriesTheApplicationTitleAndBreaksLinesAtCarriageReturns)
{
    TfrmWaitMsg wait;
    QtMessages messages(wait);
    messages.setTitle(QStringLiteral("테스트 제목"));
    QString title;
    QString text;
    QString defaultText;
    const ModalAnswer answer = answerNextModal<QMessageBox>([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        defaultText = box.defaultButton()->text();
        box.defaultButton()->click();
    });
    const bool yes = messages.question(QStringLiteral("첫 줄\r\r둘째 줄"), true);
    EXPECT_TRUE(yes);
    EXPECT_EQ(title, QStringLiteral("테스트 제목"));
    EXPECT_EQ(text, QStringLiteral("첫 줄\n\n둘째 줄"));
    EXPECT_EQ(defaultText, QStringLiteral("예"));
}
