#pragma once

#include "core/edi/receive/EdiRecvTransfer.h"

// Apartment banking results (Apt1/Apt2).
class EdiRecvApt : public EdiRecvTransfer {
public:
    EdiRecvApt(Database& database, const Workspace& context);
};
