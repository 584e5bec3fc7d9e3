#pragma once

#include <QStringList>

// The running processes, each by the full path of its executable image.
class ProcessList {
public:
    virtual ~ProcessList() = default;
    virtual QStringList imagePaths() const = 0;

    // Whether a process runs with this image path (compared without case).
    bool isRunning(const QString& imagePath) const;
    // The processes with this image path, counting no further than stopAt.
    int count(const QString& imagePath, int stopAt) const;
};

// Reads the process list from /proc; a list that cannot be read is empty.
class ProcProcessList : public ProcessList {
public:
    QStringList imagePaths() const override;
};
