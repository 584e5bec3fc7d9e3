#pragma once

#include <QString>

// One column of a text export: the field it holds, its label and its width in CP949 bytes. Amounts are the only
// right-aligned values, and are never cut.
struct ExportColumn {
    QString field;
    QString label;
    int width = 0;
    bool amount = false;
};
