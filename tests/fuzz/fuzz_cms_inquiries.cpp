// CMS inquiry files of the three kinds.
#include "FuzzInput.h"
#include "ReceiveReplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    static ReceiveReplay replay;
    replay.replay(ReceiveReplay::Reader::CmsInquiries, input);
    return 0;
}
