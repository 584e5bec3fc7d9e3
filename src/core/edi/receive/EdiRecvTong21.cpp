#include "core/edi/receive/EdiRecvTong21.h"

EdiRecvTong21::EdiRecvTong21(Database& database, const Workspace& context)
    : EdiRecvTransfer(database, context, TransferKind::withdrawal())
{
}
