// Transfer result files of both layouts, through the three transfer importers.
#include "ReceiveReplay.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_transfer_results";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static ReceiveReplay replay;
    replay.replay(ReceiveReplay::Reader::TransferResults,
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
