#pragma once

#include "core/edi/send/EdiSendTransfer.h"

// The apartment banking send files "Apt_n" from Apt1/Apt2: the batch travels as a base-62 code beside the
// item's building and unit.
class EdiSendApt : public EdiSendTransfer {
public:
    EdiSendApt(Database& database, const EdiSendRun& run, ModulusPicker pickModulus = randomModulus());

protected:
    void writeReference(RecordWriter& record, const Item& item, int batchNumber) const override;

private:
    const RecordField& m_batchCode;
    const RecordField& m_dong;
    const RecordField& m_ho;
};
