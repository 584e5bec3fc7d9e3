// Workbooks users filled in: whole .xlsx packages, single XML parts of a fixed workbook, .xls files.
#include "FuzzInput.h"
#include "WorkbookReplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static WorkbookReplay replay;
    replay.replay(input);
    return 0;
}
