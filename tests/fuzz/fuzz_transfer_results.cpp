// Transfer result files of both layouts, through the three transfer importers.
#include "FuzzInput.h"
#include "ReceiveReplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static ReceiveReplay replay;
    replay.replay(ReceiveReplay::Reader::TransferResults, input);
    return 0;
}
