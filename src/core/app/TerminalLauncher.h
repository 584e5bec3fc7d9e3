#pragma once

#include <QSize>

class IniFile;
class QObject;
class Workspace;

// Starts the bank's terminal program, centred on the screen through its own settings file.
class TerminalLauncher {
public:
    // The input filter sits on the application while the terminal program runs.
    explicit TerminalLauncher(const Workspace& context, QObject* inputFilter = nullptr)
        : m_context(context)
        , m_inputFilter(inputFilter)
    {
    }

    // Runs the terminal program and waits for it; says so when it cannot be started.
    bool start(const QSize& screen) const;

    // Writes the screen size and a centred window position into the terminal's settings.
    static void centreWindow(const IniFile& settings, const QSize& screen);

private:
    const Workspace& m_context;
    QObject* m_inputFilter;
};
