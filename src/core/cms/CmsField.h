#pragma once

#include "core/common/RecordLayout.h"

#include <QString>

// One field of a received inquiry record: its place in the record (named as errors name it), the column it
// fills, and how it converts.
struct CmsField {
    enum class Rule {
        Text, // trimmed
        Name, // trimmed, every blank removed
        Account, // trimmed; 14 characters starting "000" keep their last 11
        Date, // YYMMDD, lenient
        Time, // HHMMSS; an impossible time stops the import
        Strict, // a whole number; anything else stops the import
        Lenient, // a whole number; anything else is 0
        StrictCount, // a record count including S and E, stored minus 2
        LenientCount,
    };

    QString column;
    RecordField field;
    Rule rule = Rule::Text;
    bool money = false; // its column holds money, in ten-thousandths
};
