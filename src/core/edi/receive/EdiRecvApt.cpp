#include "core/edi/receive/EdiRecvApt.h"

EdiRecvApt::EdiRecvApt(Database& database, const AppContext& context)
    : EdiRecvTransfer(database, context, TransferKind::apartment())
{
}
