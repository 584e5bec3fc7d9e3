#pragma once

#include <QSize>

class Workspace;
class IniFile;

// Starts the bank's terminal program, centred on the screen through its own settings file.
class TerminalLauncher {
public:
    explicit TerminalLauncher(const Workspace& context)
        : m_context(context)
    {
    }

    // Runs the terminal program and waits for it; says so when it cannot be started.
    bool start(const QSize& screen) const;

    // Writes the screen size and a centred window position into the terminal's settings.
    static void centreWindow(const IniFile& settings, const QSize& screen);

private:
    const Workspace& m_context;
};
