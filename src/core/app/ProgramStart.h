#pragma once

#include "core/common/WorkingPaths.h"

#include <QString>
#include <functional>
#include <memory>

class Messages;
class ProcessList;
class QLockFile;

// The decisions between the start of the executable and the main window: no second copy on the same
// home, never beside the data-manager program, not twice from the same executable, and the S/W password.
class ProgramStart {
public:
    enum class Outcome {
        Continue,
        AlreadyRunning, // another copy holds the home: leave without a word
        ExitImmediately, // the user gave up waiting for the data manager
        EndNormally, // duplicate not resolved, or the password check failed
    };

    ProgramStart(const WorkingPaths& paths, Messages& messages, const ProcessList& processes,
        const QString& ownImagePath, std::function<bool()> passwordCheck);
    ~ProgramStart();

    // Keeps the home locked for as long as this object lives once it returns Continue.
    Outcome run();

private:
    bool lockHome();
    bool waitForDataManager();
    bool waitForSingleCopy();

    WorkingPaths m_paths;
    Messages& m_messages;
    const ProcessList& m_processes;
    QString m_ownImagePath;
    std::function<bool()> m_passwordCheck;
    std::unique_ptr<QLockFile> m_lock;
};
