// CMS inquiry files of the three kinds.
#include "ReceiveReplay.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_cms_inquiries";
    static char* argv[] = { name, nullptr };
    static QCoreApplication application(argc, argv);
    static ReceiveReplay replay;
    replay.replay(ReceiveReplay::Reader::CmsInquiries,
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
