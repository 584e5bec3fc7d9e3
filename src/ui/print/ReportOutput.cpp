#include "ui/print/ReportOutput.h"

#include "core/app/Workspace.h"
#include "core/common/Messages.h"
#include "core/common/Progress.h"
#include "core/print/PrinterList.h"
#include "core/print/TransferBatchPrint.h"
#include "ui/print/ReportPreview.h"
#include "ui/print/SystemPrinterList.h"
#include "ui/print/TfmPrintOption.h"
#include "ui/print/painter/ReportPainter.h"

ReportOutput::ReportOutput(Workspace& context, const PrinterList& printers, QWidget* parent)
    : m_context(context)
    , m_printers(printers)
    , m_parent(parent)
{
}

void ReportOutput::show(const PrintRun::Outcome& outcome)
{
    if (outcome.result == PrintRun::Result::Preview)
        preview(outcome.report);
    else if (outcome.result == PrintRun::Result::Print)
        print(outcome.report);
}

void ReportOutput::print(std::shared_ptr<const Report> report)
{
    if (!m_printers.hasPrinter()) {
        preview(std::move(report));
        return;
    }
    Progress& progress = m_context.progress();
    progress.showMessage(report->documentName());
    const bool printed = m_printers.print(*report);
    progress.close();
    if (!printed)
        m_context.messages().information(PrinterList::failedText());
}

void ReportOutput::preview(std::shared_ptr<const Report> report)
{
    ReportPreview preview(std::move(report), m_context.messages(), m_parent);
    preview.allowPrinting(m_printers.hasPrinter());
    preview.exec();
}

void ReportOutput::printBatch(Workspace& context, const TransferKind& kind, qint64 batch, QWidget* parent)
{
    const SystemPrinterList printers;
    PrintOptionDialogs dialogs(printers, context.fileDialogs(), parent);
    const PrintRun::Outcome outcome = PrintRun(context, dialogs, &ReportPainter::writePdf)
                                          .run(TransferBatchPrint(context, kind, batch,
                                              static_cast<TransferItems::Order>(context.itemOrder(kind.itemTable))));
    ReportOutput(context, printers, parent).show(outcome);
}

void ReportOutput::printBatchList(Workspace& context, const TransferKind& kind, QWidget* parent)
{
    const SystemPrinterList printers;
    ReportOutput(context, printers, parent).print(TransferBatchPrint::batchList(context, kind));
}
