#pragma once

#include <QString>

class Workspace;

// Runs an external program and waits for it: the screens keep painting, while clicks and keys typed
// meanwhile are dropped. Start, end and failure go to the monthly log.
class RunAndWait {
public:
    explicit RunAndWait(const Workspace& context)
        : m_context(context)
    {
    }

    // Parameters are split like a command line. The program's own directory is the working directory.
    // Returns whether the program started.
    bool run(const QString& program, const QString& parameters) const;

private:
    const Workspace& m_context;
};
