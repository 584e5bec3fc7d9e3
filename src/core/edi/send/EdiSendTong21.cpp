#include "core/edi/send/EdiSendTong21.h"

EdiSendTong21::EdiSendTong21(Database& database, const EdiSendRun& run, ModulusPicker pickModulus)
    : EdiSendTransfer(database, run, std::move(pickModulus), TransferKind::withdrawal())
{
}
