#pragma once

#include "core/edi/send/EdiSendTransfer.h"

// The bulk withdrawal send files "Tong21_n" from Tong21/Tong22.
class EdiSendTong21 : public EdiSendTransfer {
public:
    EdiSendTong21(Database& database, const EdiSendRun& run, ModulusPicker pickModulus = randomModulus());
};
