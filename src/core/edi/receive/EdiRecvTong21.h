#pragma once

#include "core/edi/receive/EdiRecvTransfer.h"

// Bulk withdrawal results (Tong21/Tong22).
class EdiRecvTong21 : public EdiRecvTransfer {
public:
    EdiRecvTong21(Database& database, const Workspace& context);
};
