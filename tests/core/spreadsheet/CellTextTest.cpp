#include "core/spreadsheet/CellText.h"

#include <gtest/gtest.h>

// A zeros-only format pads to its width, and to no more than the spreadsheet program's 255 characters however many
// zeros a crafted workbook gives.
TEST(CellText, ZerosPadUpTo255Characters)
{
    const struct {
        const char* label;
        QString code;
        double value;
        QString shown;
    } cases[] = {
        { "six zeros", QStringLiteral("000000"), 123, QStringLiteral("000123") },
        { "negative", QStringLiteral("000000"), -7, QStringLiteral("-000007") },
        { "wider number than the format", QStringLiteral("00"), 12345, QStringLiteral("12345") },
        { "255 zeros", QString(255, u'0'), 7, QString(254, u'0') + u'7' },
        { "256 zeros", QString(256, u'0'), 7, QString(254, u'0') + u'7' },
        { "a million zeros", QString(1000000, u'0'), 7, QString(254, u'0') + u'7' },
    };
    for (const auto& row : cases) {
        const CellText::Format format = CellText::ofCode(row.code);
        EXPECT_EQ(format.shape, CellText::Shape::Zeros) << row.label;
        EXPECT_EQ(CellText::ofNumber(row.value, format), row.shown) << row.label;
    }
}
