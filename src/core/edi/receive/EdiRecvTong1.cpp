#include "core/edi/receive/EdiRecvTong1.h"

EdiRecvTong1::EdiRecvTong1(Database& database, const Workspace& context)
    : EdiRecvTransfer(database, context, TransferKind::deposit())
{
}
