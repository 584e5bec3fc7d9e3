#pragma once

#include <QtGlobal>

// What the workbook reader accepts before it gives up on a file. Sizes are counted as inflated, never as declared
// by the file; tests lower them.
struct WorkbookLimits {
    qint64 partBytes = qint64(256) << 20;
    qint64 totalBytes = qint64(512) << 20;
    int rows = 1048576;
    int columns = 16384; // XFD
    qint64 xlsBytes = qint64(64) << 20;
};
