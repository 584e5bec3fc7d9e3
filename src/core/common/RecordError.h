#pragma once

#include <QString>

// A field of a received record that does not hold what its layout declares: names the file, the record (from 1)
// and the field, with the bytes found there.
struct RecordError {
    QString file;
    qint64 record = 0;
    QString field;
    QString value;

    // "<file> <record>번째 레코드의 <field> 항목이 올바르지 않습니다: "<value>""
    QString text() const;
};
