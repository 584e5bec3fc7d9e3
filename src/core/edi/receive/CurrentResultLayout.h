#pragma once

#include "core/edi/receive/TransferResultLayout.h"

// Result files that repeat the 198-byte records of the send files with the outcome filled in.
class CurrentResultLayout : public TransferResultLayout {
public:
    explicit CurrentResultLayout(const TransferResultKind& kind) : m_kind(kind) {}

    int blockSize() const override { return 200; }
    bool isCurrent() const override { return true; }
    QString institutionCode(const FixedRecordReader& record) const override;
    TransferResultHeader header(const FixedRecordReader& record) const override;
    TransferResultItem item(const FixedRecordReader& record, const TransferResultHeader& header,
                            bool longVariant) const override;
    TransferNewItem newItem(const FixedRecordReader& record, const TransferResultHeader& header,
                            bool longVariant) const override;
    bool hasLongBatchNumber(const FixedRecordReader&) const override { return false; }

private:
    TransferBatchKey batchKey(const FixedRecordReader& record) const;

    TransferResultKind m_kind;
};
