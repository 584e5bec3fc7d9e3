#pragma once

#include "ScriptedMessages.h"
#include "TestFakes.h"
#include "core/common/AppContext.h"
#include "core/common/Clock.h"
#include "core/common/Progress.h"

#include <QTemporaryDir>
#include <memory>

// A fresh temporary home with every working directory, fakes for every seam, and the context over them.
// The clock stands at 2026-12-10 09:05:03 until a test moves it.
class TestHome {
public:
    TestHome();

    QString path(const QString& relative = {}) const { return m_paths.programDir() + relative; }
    AppContext& context() { return *m_context; }

    ScriptedMessages messages;
    NullProgress progress;
    FixedClock clock;
    RecordingDesktop desktop;
    FakeProcessList processes;

private:
    QTemporaryDir m_dir;
    WorkingPaths m_paths;
    std::unique_ptr<AppContext> m_context;
};

// Reads and writes whole files in tests.
QByteArray readFileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
// The path of a file under tests/data.
QString testDataPath(const QString& name);
