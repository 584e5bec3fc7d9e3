#include "ui/common/UserInputBlocker.h"
#include "TestHome.h"
#include "core/common/RunAndWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class EventCounter : public QObject {
public:
    bool event(QEvent* event) override
    {
        received << event->type();
        return true;
    }
    QList<QEvent::Type> received;
};

} // namespace

TEST(UserInputBlocker, DropsMouseAndKeyEventsWhileAProgramRunsButNothingElse)
{
    TestHome home;
    const QString program = home.path("wait.sh");
    writeFileBytes(program, "#!/bin/sh\nsleep 0.2\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    EventCounter counter;
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::KeyPress));
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::MouseButtonPress));
    QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));

    UserInputBlocker blocker;
    ASSERT_TRUE(RunAndWait(home.context(), &blocker).run(program, QString()));
    EXPECT_EQ(counter.received, QList<QEvent::Type>({ QEvent::User }));

    QCoreApplication::postEvent(&counter, new QEvent(QEvent::KeyPress));
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.received, QList<QEvent::Type>({ QEvent::User, QEvent::KeyPress }));
}
