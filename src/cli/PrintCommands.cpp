#include "cli/PrintCommands.h"

#include "cli/EdiCommands.h"
#include "core/print/PrintOptionChooser.h"
#include "core/print/PrintRun.h"
#include "core/print/TransferBatchPrint.h"
#include "ui/print/painter/ReportPainter.h"

namespace {

const QString Usage = QStringLiteral("print KIND BATCH --pdf FILE [--style 0|1|2] [--data 0|1|2] [--order N]\n"
                                     "  print KIND BATCH --text FILE [--data 0|1|2] [--order N] [--yes]\n"
                                     "  print KIND --list --pdf FILE");

struct Request {
    const TransferKind* kind = nullptr;
    qint64 batch = 0;
    bool list = false;
    QString pdf; // of the list
    PrintOptions options;
    TransferItems::Order order = TransferItems::Order::Key;
};

int usage(CliSession& session, const QStringList& arguments)
{
    session.err() << "print: expected " << Usage << ", not \"" << arguments.join(' ') << '"' << Qt::endl;
    return 2;
}

// A list index from 0 to last; false for anything else.
bool takeIndex(const QString& text, int last, int& index)
{
    bool isNumber = false;
    index = text.toInt(&isNumber);
    return isNumber && index >= 0 && index <= last;
}

bool parse(const QStringList& arguments, Request& request)
{
    request.kind = TransferKind::named(arguments.value(0));
    if (!request.kind)
        return false;
    request.options.preview = false;
    request.list = arguments.value(1) == QLatin1String("--list");
    if (request.list) {
        request.pdf = arguments.value(3);
        return arguments.size() == 4 && arguments.value(2) == QLatin1String("--pdf");
    }
    bool isNumber = false;
    request.batch = arguments.value(1).toLongLong(&isNumber);
    bool text = false;
    bool styled = false;
    for (int i = 2; isNumber && i + 1 < arguments.size(); i += 2) {
        const QString option = arguments.at(i);
        const QString value = arguments.at(i + 1);
        int index = 0;
        const bool chosen = text || request.options.output == PrintOptions::Output::Pdf;
        if (option == QLatin1String("--pdf") && !chosen) {
            request.options.output = PrintOptions::Output::Pdf;
            request.options.pdfFileName = value;
        } else if (option == QLatin1String("--text") && !chosen) {
            text = true;
            request.options.output = PrintOptions::Output::File;
            request.options.fileName = value;
        } else if (option == QLatin1String("--style") && takeIndex(value, 2, index)) {
            styled = true;
            request.options.style = PrintOptions::Style(index);
        } else if (option == QLatin1String("--data") && takeIndex(value, 2, index))
            request.options.data = PrintOptions::Data(index);
        else if (option == QLatin1String("--order")
            && takeIndex(value, static_cast<int>(TransferItems::orders(*request.kind).size()) - 1, index))
            request.order = TransferItems::orders(*request.kind).at(index).second;
        else
            return false;
    }
    return isNumber && arguments.size() % 2 == 0 && (text || request.options.output == PrintOptions::Output::Pdf)
        && !(text && styled);
}

int writePdf(CliSession& session, const Report& report, const QString& fileName)
{
    if (ReportPainter::writePdf(report, fileName))
        return 0;
    session.messages().error(PrintRun::saveFailed());
    return 1;
}

int runPrint(CliSession& session, const QStringList& arguments)
{
    QStringList rest = arguments;
    const bool yes = rest.contains(QStringLiteral("--yes"));
    takeYes(session, rest);
    Request request;
    if (!parse(rest, request) || (yes && request.options.output != PrintOptions::Output::File))
        return usage(session, arguments);
    if (!openWorkingData(session))
        return 1;
    Workspace& context = session.context();
    if (request.list)
        return writePdf(session, *TransferBatchPrint::batchList(context, *request.kind), request.pdf);
    if (!TransferItems(context, *request.kind, request.batch).batchExists()) {
        session.err() << "print: no batch " << request.batch << Qt::endl;
        return 1;
    }
    FixedPrintOptions chooser(request.options);
    const PrintRun::Outcome outcome
        = PrintRun(context, chooser, &ReportPainter::writePdf)
              .run(TransferBatchPrint(context, *request.kind, request.batch, request.order));
    return outcome.result == PrintRun::Result::Saved ? 0 : 1;
}

} // namespace

QList<CliCommand> printCommands()
{
    return { { QStringLiteral("print"),
        Usage
            + QStringLiteral("\n    a batch's printout as a PDF (A4) or its items as a text file; --list: the "
                             "kind's batches; --order: the entry of the item screen's 정 렬 menu, from 0"),
        &runPrint } };
}

bool drawsPages(const QStringList& arguments)
{
    QStringList rest = arguments;
    WorkingPaths::resolveHome(rest);
    return rest.value(0) == QLatin1String("print");
}
