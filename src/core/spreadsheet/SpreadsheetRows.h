#pragma once

#include <QVariantList>

// The rows an export writes, in order: each a list of values (text, Money, QDate or QDateTime; anything else is
// written as its text). The count comes first so that the wait window can tell how far the work is.
class SpreadsheetRows {
public:
    virtual ~SpreadsheetRows() = default;
    virtual int count() const = 0;
    // The next row; false after the last.
    virtual bool next(QVariantList& values) = 0;
};
