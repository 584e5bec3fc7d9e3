// Workbooks users filled in: whole .xlsx packages, single XML parts of a fixed workbook, .xls files.
#include "WorkbookReplay.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_workbooks";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static WorkbookReplay replay;
    replay.replay(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
