#pragma once

#include "FakeEdiModule.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedMessages.h"
#include "TestFakes.h"
#include "core/app/Workspace.h"
#include "core/common/Clock.h"
#include "core/common/Progress.h"

#include <QTemporaryDir>
#include <memory>

// A fresh temporary home with every working directory, fakes for every seam, and the workspace over them.
// The clock stands at 2026-12-10 09:05:03 until a test moves it.
class TestHome {
public:
    TestHome();

    QString path(const QString& relative = {}) const { return m_paths.programDir() + relative; }
    const WorkingPaths& paths() const { return m_paths; }
    Workspace& context() { return *m_context; }
    // Opens the workspace's database on a new empty file of the data directory, for tests that set up the few
    // tables they need themselves.
    Database& openEmptyDatabase();
    // The fakes of this home with another communication module, for a workspace of a test's own.
    Workspace::Seams seamsWith(EdiModule& module);

    ScriptedMessages messages;
    NullProgress progress;
    FixedClock clock;
    RecordingDesktop desktop;
    FakeProcessList processes;
    ScriptedFileDialogs fileDialogs;
    FakeEdiModule ediModule;
    FakeNoticeSource notices;

private:
    QTemporaryDir m_dir;
    WorkingPaths m_paths;
    std::unique_ptr<Workspace> m_context;
};

// Reads and writes whole files in tests.
QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// The path of a file under tests/data.
QString testDataPath(const QString& name);
