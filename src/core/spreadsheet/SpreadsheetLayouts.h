#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed column layouts of the exports, chosen by their codes.
namespace SpreadsheetLayouts {

inline constexpr const char* SheetName = "Keiron";
// Whole numbers without a thousands separator: account and resident numbers.
inline constexpr const char* DigitsFormat = "0_ ";

struct Layout {
    QStringList headers;
    // Zero-based columns shown through DigitsFormat.
    QList<int> digitColumns;
};

// Table exports: 1 consent register, 3 apartment items, 4 bulk withdrawal items.
bool isTableLayout(int code);
Layout tableLayout(int code);
// Query exports: 1 consent template (headers from the caller), 2 withdrawal items without consent.
bool isQueryLayout(int code);
Layout queryLayout(int code, const QStringList& headers);

} // namespace SpreadsheetLayouts
