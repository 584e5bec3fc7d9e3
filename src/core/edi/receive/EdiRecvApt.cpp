#include "core/edi/receive/EdiRecvApt.h"

EdiRecvApt::EdiRecvApt(Database& database, const Workspace& context)
    : EdiRecvTransfer(database, context, TransferKind::apartment())
{
}
