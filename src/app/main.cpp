#include "core/app/HomeSetup.h"
#include "core/app/ProgramStart.h"
#include "core/app/Workspace.h"
#include "core/common/AppInfo.h"
#include "core/common/Clock.h"
#include "core/common/ProcessList.h"
#include "core/edi/comm/MailboxModule.h"
#include "ui/app/GuardedApplication.h"
#include "ui/app/NetworkNoticeSource.h"
#include "ui/app/ProgramSession.h"
#include "ui/app/ScreenshotTour.h"
#include "ui/app/TFmWait.h"
#include "ui/app/TfmMain.h"
#include "ui/common/QtDesktop.h"
#include "ui/common/QtFileDialogs.h"
#include "ui/common/QtMessages.h"
#include "ui/common/TfrmUserInput.h"
#include "ui/common/TfrmWaitMsg.h"
#include "ui/edi/QtEnvSetupDialog.h"

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
    GuardedApplication app(argc, argv);
    useKoreanFont();
    QStringList arguments = app.arguments().mid(1);
    const QString home = WorkingPaths::resolveHome(arguments);
    // An empty name would make the current directory the home.
    if (home.trimmed().isEmpty()) {
        std::fputs("fbmorv: --home needs a directory, not an empty name\n", stderr);
        return 2;
    }
    const WorkingPaths paths(home);

    TfrmWaitMsg waitWindow;
    QtMessages messages(waitWindow);
    SystemClock clock;
    QtDesktop desktop;
    ProcProcessList processes;
    QtFileDialogs fileDialogs;
    QtEnvSetupDialog envSetupDialog(fileDialogs);
    MailboxModule ediModule(paths.programDir(), clock, &envSetupDialog);
    NetworkNoticeSource notices;
    Workspace workspace(paths, { messages, waitWindow, clock, desktop, processes, fileDialogs, ediModule, notices });
    // Settings that cannot be written leave their defaults in use, as the module does.
    if (HomeSetup::layDown(workspace) == HomeSetup::Outcome::NoFolders) {
        messages.error(QStringLiteral("작업 폴더를 만들 수 없습니다.\r\r") + paths.programDir());
        return 1;
    }
    ProgramSession session(workspace);
    if (!session.dataLock().take(DataLock::Use::Shared, messages))
        return 1;

    const int tourAt = static_cast<int>(arguments.indexOf(QStringLiteral("--screenshot-tour")));
    if (tourAt >= 0) {
        ScreenshotTour tour(session, arguments.value(tourAt + 1, QStringLiteral("screenshots")));
        return tour.run() ? 0 : 1;
    }

    ProgramStart start(paths, messages, processes, QCoreApplication::applicationFilePath(),
        [&workspace] { return TfrmUserInput::checkSoftwarePassword(workspace); });
    if (start.run() != ProgramStart::Outcome::Continue)
        return 0;

    auto startWindow = std::make_unique<TFmWait>();
    startWindow->showAtOnce();
    messages.setTitle(AppInfo::startTitle());
    TfmMain frame(session, arguments);
    startWindow.reset();
    frame.show();
    return app.exec();
}
