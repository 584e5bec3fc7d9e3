#include "core/edi/receive/TransferResultLayout.h"

#include "core/edi/receive/CurrentResultLayout.h"
#include "core/edi/receive/OldResultLayout.h"

std::unique_ptr<TransferResultLayout> TransferResultLayout::forFile(const QByteArray& bytes, const TransferKind& kind)
{
    if (bytes.startsWith("S999011"))
        return std::make_unique<CurrentResultLayout>(kind);
    return std::make_unique<OldResultLayout>(kind);
}
