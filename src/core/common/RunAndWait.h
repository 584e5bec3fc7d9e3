#pragma once

#include <QString>

class QObject;
class QProcess;
class Workspace;

// Runs an external program and waits for it while the event loop runs, so the screens keep painting. An input
// filter given here sits on the application for the wait (the windowed program drops clicks and keys typed
// meanwhile). Start, end and failure go to the monthly log.
class RunAndWait {
public:
    explicit RunAndWait(const Workspace& context, QObject* inputFilter = nullptr)
        : m_context(context)
        , m_inputFilter(inputFilter)
    {
    }

    // Parameters are split like a command line. The program's own directory is the working directory.
    // Returns whether the program started.
    bool run(const QString& program, const QString& parameters) const;

private:
    void waitFor(QProcess& process) const;

    const Workspace& m_context;
    QObject* m_inputFilter;
};
