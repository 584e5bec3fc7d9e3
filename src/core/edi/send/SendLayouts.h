#pragma once

#include "core/batches/BankGroup.h"
#include "core/batches/TransferKind.h"
#include "core/common/RecordLayout.h"

// The records of the send files after their header line, as the bank's layout tables declare them.
namespace SendLayouts {

// Transfer files: one S record per institution and date, a D record per item (the kinds differ in a few fields),
// one E record.
const RecordLayout& transferStart();
const RecordLayout& transferItem(const TransferKind& kind);
const RecordLayout& transferEnd();
// The E record's fields of the records and amounts of a bank group.
struct GroupFields {
    QString records;
    QString amount;
};
const GroupFields& transferEndGroup(BankGroup::Group group);

// Consent request files.
const RecordLayout& consentStart();
const RecordLayout& consentItem();
const RecordLayout& consentEnd();

} // namespace SendLayouts
