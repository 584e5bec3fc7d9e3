// Consent result files.
#include "FuzzInput.h"
#include "ReceiveReplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static ReceiveReplay replay;
    replay.replay(ReceiveReplay::Reader::ConsentResults, input);
    return 0;
}
