#include "core/app/TerminalLauncher.h"

#include "core/app/Workspace.h"
#include "core/common/IniFile.h"
#include "core/common/Messages.h"
#include "core/common/RunAndWait.h"

namespace {
const int DefaultWidth = 669;
const int DefaultHeight = 567;
const int TaskBarHeight = 27;
} // namespace

void TerminalLauncher::centreWindow(const IniFile& settings, const QSize& screen)
{
    const QString preference = QStringLiteral("Preference");
    const QString barState = QStringLiteral("BarState-Summary");
    const int width = settings.readInteger(preference, QStringLiteral("cx"), DefaultWidth);
    const int height = settings.readInteger(preference, QStringLiteral("cy"), DefaultHeight);
    settings.writeInteger(barState, QStringLiteral("ScreenCX"), screen.width());
    settings.writeInteger(barState, QStringLiteral("ScreenCY"), screen.height());
    settings.writeInteger(preference, QStringLiteral("x"), (screen.width() - width) / 2);
    settings.writeInteger(preference, QStringLiteral("y"), (screen.height() - height - TaskBarHeight) / 2);
    settings.writeInteger(preference, QStringLiteral("cx"), width);
    settings.writeInteger(preference, QStringLiteral("cy"), height);
}

bool TerminalLauncher::start(const QSize& screen) const
{
    centreWindow(IniFile(m_context.paths().terminalSettingsFile()), screen);
    if (RunAndWait(m_context, m_inputFilter).run(m_context.paths().terminalProgram(), QString()))
        return true;
    m_context.messages().information(QStringLiteral("PC뱅킹 모듈 호출에 실패했습니다."));
    return false;
}
