#include "app/ProgramStart.h"
#include "app/StartFrame.h"
#include "app/TFmWait.h"
#include "app/TfrmUserInput.h"
#include "common/AppContext.h"
#include "common/AppInfo.h"
#include "common/ApplicationTitle.h"
#include "common/Clock.h"
#include "common/ProcessList.h"
#include "common/QtDesktop.h"
#include "common/QtMessages.h"
#include "common/TfrmWaitMsg.h"

#include <QApplication>
#include <QFontDatabase>
#include <cstdio>
#include <memory>

namespace {

// QApplication aborts without a display; say what to do instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void useKoreanFont()
{
    const QString family = QStringLiteral("NanumGothic");
    if (!QFontDatabase::families().contains(family))
        return;
    QFont font = QApplication::font();
    font.setFamily(family);
    QApplication::setFont(font);
}

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("fbmorv: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset).\n"
                   "Run it on a desktop, or under a virtual display: xvfb-run -a fbmorv [--home DIR]\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    useKoreanFont();
    QStringList arguments = app.arguments().mid(1);
    const WorkingPaths paths(WorkingPaths::resolveHome(arguments));

    TfrmWaitMsg waitWindow;
    QtMessages messages(waitWindow);
    if (!paths.createDirectories()) {
        messages.error(QStringLiteral("작업 폴더를 만들 수 없습니다.\r\r") + paths.programDir());
        return 1;
    }
    SystemClock clock;
    QtDesktop desktop;
    ProcProcessList processes;
    AppContext context(paths, messages, waitWindow, clock, desktop, processes);

    ProgramStart start(paths, messages, processes, QCoreApplication::applicationFilePath(),
        [&context] { return TfrmUserInput::checkSoftwarePassword(context); });
    if (start.run() != ProgramStart::Outcome::Continue)
        return 0;

    auto startWindow = std::make_unique<TFmWait>();
    startWindow->showAtOnce();
    ApplicationTitle::set(AppInfo::startTitle());
    StartFrame frame(context);
    startWindow.reset();
    frame.show();
    return app.exec();
}
