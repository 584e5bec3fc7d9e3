#pragma once

#include <QString>

class Report;

// The print system: whether it lists any printer (without one the options dialog and 목록 출력 offer the preview, the
// files and the PDF, and the preview cannot print), and a report printed on its default printer.
class PrinterList {
public:
    static QString failedText() { return QStringLiteral("인쇄에 실패했습니다."); }

    virtual ~PrinterList() = default;
    virtual bool hasPrinter() const = 0;
    // False when the printer could not take the report.
    virtual bool print(const Report& report) const = 0;
};
