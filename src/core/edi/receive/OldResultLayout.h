#pragma once

#include "core/edi/receive/TransferResultLayout.h"

// The older result files of 78-byte records (80 with the line end), with two-digit years.
class OldResultLayout : public TransferResultLayout {
public:
    explicit OldResultLayout(const TransferResultKind& kind) : m_kind(kind) {}

    int blockSize() const override { return 80; }
    bool isCurrent() const override { return false; }
    QString institutionCode(const FixedRecordReader& record) const override;
    TransferResultHeader header(const FixedRecordReader& record) const override;
    TransferResultItem item(const FixedRecordReader& record, const TransferResultHeader& header,
                            bool longVariant) const override;
    TransferNewItem newItem(const FixedRecordReader& record, const TransferResultHeader& header,
                            bool longVariant) const override;
    bool hasLongBatchNumber(const FixedRecordReader& record) const override;

private:
    QString account(const FixedRecordReader& record) const;

    TransferResultKind m_kind;
};
