#pragma once

#include "core/edi/receive/EdiRecvTransfer.h"

// Bulk deposit results (Tong1/Tong2).
class EdiRecvTong1 : public EdiRecvTransfer {
public:
    EdiRecvTong1(Database& database, const Workspace& context);
};
