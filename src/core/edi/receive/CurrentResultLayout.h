#pragma once

#include "core/edi/receive/TransferResultLayout.h"

// Result files that repeat the 198-byte records of the send files with the outcome filled in.
class CurrentResultLayout : public TransferResultLayout {
public:
    explicit CurrentResultLayout(const TransferKind& kind);

    static const RecordLayout& start();
    // Deposit and withdrawal items: the batch key is the batch number and the send time.
    static const RecordLayout& transferItem();
    // Apartment items: the batch key is one base-62 code, followed by the dong and ho.
    static const RecordLayout& apartmentItem();

    bool isCurrent() const override { return true; }
    const RecordLayout& startLayout() const override { return start(); }
    const RecordLayout& itemLayout(bool) const override { return m_item; }
    const RecordLayout* endLayout() const override;
    QString institutionCode(const RecordReader& record) const override;
    TransferResultHeader header(const RecordReader& record) const override;
    TransferResultItem item(const RecordReader& record, const TransferResultHeader& header) const override;
    TransferNewItem newItem(const RecordReader& record, const TransferResultHeader& header) const override;
    bool hasLongBatchNumber(QByteArrayView) const override { return false; }

private:
    TransferBatchKey batchKey(const RecordReader& record) const;

    const TransferKind& m_kind;
    const RecordLayout& m_item;
    const RecordField& m_recordNumber;
    const RecordField& m_bankCode;
    const RecordField& m_amount;
    const RecordField& m_flag;
    const RecordField& m_resultCode;
    const RecordField& m_passbookText;
};
