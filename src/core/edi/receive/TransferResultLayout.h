#pragma once

#include "core/batches/TransferKind.h"
#include "core/common/RecordReader.h"
#include "core/edi/receive/TransferResultRecords.h"

#include <memory>

// One layout of transfer result files: the current one (200-byte records) or the old one (80-byte records).
// The readers throw RecordError or EdiImportError for a field that does not convert.
class TransferResultLayout {
public:
    virtual ~TransferResultLayout() = default;

    // Chosen by the first seven bytes of the file.
    static std::unique_ptr<TransferResultLayout> forFile(const QByteArray& bytes, const TransferKind& kind);

    // The bytes of one record, its line end included.
    int blockSize() const { return startLayout().length() + 2; }
    virtual bool isCurrent() const = 0;
    // The layouts the records are read with, chosen by the record type.
    virtual const RecordLayout& startLayout() const = 0;
    virtual const RecordLayout& itemLayout(bool longVariant) const = 0;
    // The E record with the figures of its group; none for the old layout, whose E record is only a mark.
    virtual const RecordLayout* endLayout() const = 0;
    // The trimmed institution code of an S record, read before anything else of it.
    virtual QString institutionCode(const RecordReader& record) const = 0;
    virtual TransferResultHeader header(const RecordReader& record) const = 0;
    virtual TransferResultItem item(const RecordReader& record, const TransferResultHeader& header) const = 0;
    virtual TransferNewItem newItem(const RecordReader& record, const TransferResultHeader& header) const = 0;
    // Old layout: whether a D record of a long-variant group really carries the long batch number.
    virtual bool hasLongBatchNumber(QByteArrayView record) const = 0;
};
