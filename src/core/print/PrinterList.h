#pragma once

// Whether the print system lists any printer: without one the options dialog offers the file only and 목록 출력
// shows its preview.
class PrinterList {
public:
    virtual ~PrinterList() = default;
    virtual bool hasPrinter() const = 0;
};
