#pragma once

#include "core/edi/receive/TransferResultLayout.h"

// The older result files of 78-byte records (80 with the line end), with two-digit years.
class OldResultLayout : public TransferResultLayout {
public:
    explicit OldResultLayout(const TransferKind& kind)
        : m_kind(kind)
    {
    }

    static const RecordLayout& start();
    static const RecordLayout& depositItem();
    static const RecordLayout& withdrawalItem();
    static const RecordLayout& apartmentItem();
    // Withdrawal and apartment items of a group announced as long: an 11-digit batch number.
    static const RecordLayout& longItem();

    bool isCurrent() const override { return false; }
    const RecordLayout& startLayout() const override { return start(); }
    const RecordLayout& itemLayout(bool longVariant) const override;
    const RecordLayout* endLayout() const override { return nullptr; }
    QString institutionCode(const RecordReader& record) const override;
    TransferResultHeader header(const RecordReader& record) const override;
    TransferResultItem item(const RecordReader& record, const TransferResultHeader& header) const override;
    TransferNewItem newItem(const RecordReader& record, const TransferResultHeader& header) const override;
    bool hasLongBatchNumber(QByteArrayView record) const override;

private:
    QString account(const RecordReader& record) const;

    const TransferKind& m_kind;
};
