#pragma once

#include <QStringList>

// The rows of a report, read by index so that any page is drawn without the pages before it: the keys are put in
// order once, and a row is read when its page is drawn.
class ReportRows {
public:
    virtual ~ReportRows() = default;
    virtual int count() const = 0;
    // The printed values of a row, in the order the detail block's cells name them.
    virtual QStringList printValues(int index) const = 0;
};
