#include "core/edi/receive/EdiRecvTong21.h"

EdiRecvTong21::EdiRecvTong21(Database& database, const AppContext& context)
    : EdiRecvTransfer(database, context, TransferKind::withdrawal())
{
}
