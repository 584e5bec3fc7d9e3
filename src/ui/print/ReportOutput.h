#pragma once

#include "core/print/PrintRun.h"

struct TransferKind;
class PrinterList;
class QWidget;
class Workspace;

// What the screens do with a report: the preview window, or the default printer under the wait window. Without a
// printer a direct printout opens the preview instead.
class ReportOutput {
public:
    ReportOutput(Workspace& context, const PrinterList& printers, QWidget* parent);

    // Prints or previews the report of a print run; other outcomes are done with already.
    void show(const PrintRun::Outcome& outcome);
    void print(std::shared_ptr<const Report> report);
    void preview(std::shared_ptr<const Report> report);
    // 출 력 of a transfer batch, after the options dialog.
    static void printBatch(Workspace& context, const TransferKind& kind, qint64 batch, QWidget* parent);
    // 목록 출력: the kind's batches, straight to the printer.
    static void printBatchList(Workspace& context, const TransferKind& kind, QWidget* parent);

private:
    Workspace& m_context;
    const PrinterList& m_printers;
    QWidget* m_parent;
};
