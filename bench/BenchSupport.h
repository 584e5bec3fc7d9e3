#pragma once

#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/Desktop.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "core/common/NoticeSource.h"
#include "core/common/ProcessList.h"
#include "core/common/Progress.h"
#include "core/data/TDM1.h"
#include "core/edi/comm/MailboxModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

// Seams for benchmarks: nothing is shown or opened, questions take their default or, when told, Yes.
class QuietMessages : public Messages {
public:
    void answerYes() { m_yes = true; }
    void information(const QString&) override { }
    void error(const QString&) override { }
    bool question(const QString&, bool defaultYes) override { return m_yes || defaultYes; }
    bool warning(const QString&, const QString&) override { return true; }
    Button messageBox(const QString&, Buttons, Button defaultButton) override { return defaultButton; }

private:
    bool m_yes = false;
};

class NoDesktop : public Desktop {
public:
    bool openFile(const QString&) override { return false; }
    bool openUrl(const QUrl&) override { return false; }
};

// A fresh home in a temporary directory, its database laid down and upgraded, every seam quiet and the clock
// standing still.
class BenchHome {
public:
    explicit BenchHome(const QDateTime& now)
        : m_paths(m_directory.path())
        , m_clock(now)
        , m_ediModule(m_paths.programDir(), m_clock)
        , m_context(m_paths,
              { m_messages, m_progress, m_clock, m_desktop, m_processes, m_fileDialogs, m_ediModule, m_notices })
        , m_dataModule(m_context.data())
    {
        m_paths.createDirectories();
    }

    // False, with lastError(), when the database cannot be opened or upgraded.
    bool open() { return m_dataModule.openAndUpgrade(); }
    QString lastError() { return m_dataModule.lastError() + m_dataModule.database().lastError(); }
    Workspace& context() { return m_context; }
    void answerYes() { m_messages.answerYes(); }
    Database& database() { return m_dataModule.database(); }
    QString filePath(const QString& name) const { return m_directory.filePath(name); }
    // Lays a file down in the receive path, as the communication module would.
    bool putReceived(const QString& name, const QByteArray& bytes) const
    {
        QFile file(m_paths.receivePath() + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

private:
    QTemporaryDir m_directory;
    WorkingPaths m_paths;
    QuietMessages m_messages;
    NullProgress m_progress;
    FixedClock m_clock;
    NoDesktop m_desktop;
    ProcProcessList m_processes;
    NoFileDialogs m_fileDialogs;
    MailboxModule m_ediModule;
    NoNoticeSource m_notices;
    Workspace m_context;
    TDM1& m_dataModule;
};

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Wall time of each run, and the process's CPU time, which a busy machine distorts less.
class Timings {
public:
    void start()
    {
        m_wallTimer.start();
        m_cpuStart = std::clock();
    }
    void stop()
    {
        m_cpu.push_back(1000.0 * static_cast<double>(std::clock() - m_cpuStart) / CLOCKS_PER_SEC);
        m_wall.push_back(static_cast<double>(m_wallTimer.nsecsElapsed()) / 1e6);
    }
    double wall() const { return median(m_wall); }
    double cpu() const { return median(m_cpu); }

private:
    QElapsedTimer m_wallTimer;
    std::clock_t m_cpuStart = 0;
    std::vector<double> m_wall;
    std::vector<double> m_cpu;
};

// The medians of the work and of its floor, and their ratios.
inline void printFigures(
    QTextStream& out, const QString& work, const Timings& measured, const QString& floorWork, const Timings& floor)
{
    out << work << ": " << measured.wall() << " ms wall, " << measured.cpu() << " ms CPU" << Qt::endl;
    out << "floor, " << floorWork << ": " << floor.wall() << " ms wall, " << floor.cpu() << " ms CPU" << Qt::endl;
    out << "ratio: " << measured.wall() / floor.wall() << " wall, " << measured.cpu() / floor.cpu()
        << " CPU (targets: under 1000 ms, within 3x)" << Qt::endl;
}
