#pragma once

#include "core/edi/receive/TransferResultKind.h"
#include "core/edi/receive/TransferResultRecords.h"
#include "core/common/FixedRecordReader.h"

#include <memory>

// One layout of transfer result files: the current one (200-byte records) or the old one (80-byte records).
// The readers throw EdiImportError for a field that does not convert.
class TransferResultLayout {
public:
    virtual ~TransferResultLayout() = default;

    // Chosen by the first seven bytes of the file.
    static std::unique_ptr<TransferResultLayout> forFile(const QByteArray& bytes, const TransferResultKind& kind);

    virtual int blockSize() const = 0;
    virtual bool isCurrent() const = 0;
    // The trimmed institution code of an S record, read before anything else of it.
    virtual QString institutionCode(const FixedRecordReader& record) const = 0;
    virtual TransferResultHeader header(const FixedRecordReader& record) const = 0;
    virtual TransferResultItem item(const FixedRecordReader& record, const TransferResultHeader& header,
                                    bool longVariant) const = 0;
    virtual TransferNewItem newItem(const FixedRecordReader& record, const TransferResultHeader& header,
                                    bool longVariant) const = 0;
    // Old layout: whether a D record of a long-variant group really carries the long batch number.
    virtual bool hasLongBatchNumber(const FixedRecordReader& record) const = 0;
};
