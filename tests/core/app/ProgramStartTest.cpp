#include "core/app/ProgramStart.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>

namespace {

const QString OwnImage = QStringLiteral("/opt/fbmorv/bin/fbmorv");
const QString DataManagerText = QStringLiteral(
    "이 프로그램은 자료관리 프로그램과 같이 사용할 수 없습니다.\r\r자료관리 프로그램을 종료시켜 주십시오.");
const QString DuplicateText
    = QStringLiteral("이 프로그램이 중복 실행되었습니다.\r\r하나만 제외하고 모두 종료시켜 주십시오.");

// The user ends the other program before answering the box.
class OtherProgramClosedOnAnswer : public ScriptedMessages {
public:
    explicit OtherProgramClosedOnAnswer(FakeProcessList& processes, const QString& closedImage)
        : m_processes(processes)
        , m_closedImage(closedImage)
    {
    }
    Button messageBox(const QString& text, Buttons buttons, Button defaultButton) override
    {
        m_processes.paths.removeOne(m_closedImage);
        return ScriptedMessages::messageBox(text, buttons, defaultButton);
    }

private:
    FakeProcessList& m_processes;
    QString m_closedImage;
};

class ProgramStartTest : public ::testing::Test {
protected:
    ProgramStart::Outcome run(Messages& messages)
    {
        m_start = std::make_unique<ProgramStart>(home.context().paths(), messages, home.processes, OwnImage, [this] {
            ++passwordChecks;
            return passwordPasses;
        });
        return m_start->run();
    }
    ProgramStart::Outcome run() { return run(home.messages); }
    QString dataManager() const { return home.path(QStringLiteral("DataManager.exe")); }

    TestHome home;
    bool passwordPasses = true;
    int passwordChecks = 0;

private:
    std::unique_ptr<ProgramStart> m_start;
};

} // namespace

TEST_F(ProgramStartTest, ContinuesWithoutAQuestionWhenAloneAndThePasswordPasses)
{
    home.processes.paths = { OwnImage, QStringLiteral("/usr/bin/bash"), QStringLiteral("/other/DataManager.exe") };
    EXPECT_EQ(run(), ProgramStart::Outcome::Continue);
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_EQ(passwordChecks, 1);
}

TEST_F(ProgramStartTest, ContinuesWhenTheDataManagerIsClosedAndTheUserAnswersOk)
{
    home.processes.paths = { OwnImage, dataManager().toUpper() };
    OtherProgramClosedOnAnswer messages(home.processes, dataManager().toUpper());
    messages.answer(Messages::Button::Ok);
    EXPECT_EQ(run(messages), ProgramStart::Outcome::Continue);
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().first().kind, QStringLiteral("messageBox"));
    EXPECT_EQ(messages.lastText(), DataManagerText);
    EXPECT_EQ(passwordChecks, 1);
}

TEST_F(ProgramStartTest, AsksAgainWhileTheDataManagerRunsAndExitsAtOnceOnCancel)
{
    home.processes.paths = { OwnImage, dataManager() };
    home.messages.answer(Messages::Button::Ok);
    // The empty queue answers with the default button, which must be Cancel.
    EXPECT_EQ(run(), ProgramStart::Outcome::ExitImmediately);
    EXPECT_EQ(home.messages.texts(), QStringList({ DataManagerText, DataManagerText }));
    EXPECT_EQ(passwordChecks, 0);
}

TEST_F(ProgramStartTest, DuplicateRunAsksUntilOneCopyIsLeftOrTheUserCancels)
{
    home.processes.paths = { OwnImage, OwnImage };
    OtherProgramClosedOnAnswer closed(home.processes, OwnImage);
    closed.answer(Messages::Button::Ok);
    EXPECT_EQ(run(closed), ProgramStart::Outcome::Continue);
    EXPECT_EQ(closed.texts(), QStringList({ DuplicateText }));

    home.processes.paths = { OwnImage, OwnImage, OwnImage };
    ScriptedMessages cancelled;
    cancelled.answer(Messages::Button::Ok);
    cancelled.answer(Messages::Button::Cancel);
    EXPECT_EQ(run(cancelled), ProgramStart::Outcome::EndNormally);
    EXPECT_EQ(cancelled.texts(), QStringList({ DuplicateText, DuplicateText }));
    EXPECT_EQ(passwordChecks, 1);
}

TEST_F(ProgramStartTest, ASecondCopyOnTheSameHomeLeavesSilently)
{
    ASSERT_EQ(run(), ProgramStart::Outcome::Continue);
    ProgramStart second(home.context().paths(), home.messages, home.processes, OwnImage, [] { return true; });
    home.processes.paths = { dataManager() };
    EXPECT_EQ(second.run(), ProgramStart::Outcome::AlreadyRunning);
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST_F(ProgramStartTest, TakesOverTheLockOfACopyThatDied)
{
    QProcess finished;
    finished.start(QStringLiteral("true"));
    ASSERT_TRUE(finished.waitForStarted());
    const qint64 deadPid = finished.processId();
    ASSERT_TRUE(finished.waitForFinished());
    const QByteArray lock = QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
    writeFileBytes(home.context().paths().lockFile(), lock);
    EXPECT_EQ(run(), ProgramStart::Outcome::Continue);
}

TEST_F(ProgramStartTest, AFailedPasswordCheckEndsWithoutAMessage)
{
    passwordPasses = false;
    EXPECT_EQ(run(), ProgramStart::Outcome::EndNormally);
    EXPECT_TRUE(home.messages.shown().isEmpty());
}
