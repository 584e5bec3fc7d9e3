#include "core/print/PrintRun.h"

#include "core/app/Workspace.h"
#include "core/common/Messages.h"
#include "core/print/PrintOptionChooser.h"
#include "core/print/ReportFile.h"

#include <QFileInfo>

QString PrintRun::overwriteQuestion(const QString& fileName)
{
    return QStringLiteral("파일 \"%1\"가 이미 존재합니다.\r\r덮어 쓰시겠습니까 ?").arg(fileName);
}

QString PrintRun::savedMessage(const QString& fileName)
{
    return QStringLiteral("파일 \"%1\"에 저장했습니다.").arg(fileName);
}

PrintRun::PrintRun(Workspace& context, PrintOptionChooser& chooser, PdfWriter writePdf)
    : m_context(context)
    , m_chooser(chooser)
    , m_writePdf(std::move(writePdf))
{
}

PrintRun::Outcome PrintRun::run(const PrintJob& job)
{
    PrintOptions& options = m_context.printOptions();
    if (!m_chooser.choose(options, job.variant()))
        return {};
    const PrintOptions::Data data = PrintOptions::hasDataList(job.variant()) ? options.data : PrintOptions::Data::All;
    const std::shared_ptr<const PrintRows> rows = job.rows(data);
    const bool toFile = options.output == PrintOptions::Output::File;
    if ((toFile || options.style == PrintOptions::Style::List) && rows->count() == 0) {
        m_context.messages().information(nothingToPrint());
        return { Result::NothingToPrint, nullptr };
    }
    if (toFile)
        return save(job, *rows);
    const std::shared_ptr<const Report> report = job.report(options.style, rows);
    if (options.output == PrintOptions::Output::Pdf)
        return savePdf(*report);
    return { options.preview ? Result::Preview : Result::Print, report };
}

// A file of the name is replaced without a question: the screens' file dialog has asked, fbctl was given the name.
PrintRun::Outcome PrintRun::savePdf(const Report& report) const
{
    const QString fileName = m_context.printOptions().pdfFileName;
    Messages& messages = m_context.messages();
    if (fileName.isEmpty() || !m_writePdf || !m_writePdf(report, fileName)) {
        messages.error(saveFailed());
        return { Result::SaveFailed, nullptr };
    }
    messages.information(savedMessage(fileName));
    return { Result::Saved, nullptr };
}

PrintRun::Outcome PrintRun::save(const PrintJob& job, const PrintRows& rows) const
{
    const QString fileName = m_context.printOptions().fileName;
    Messages& messages = m_context.messages();
    if (QFileInfo::exists(fileName) && !messages.question(overwriteQuestion(fileName)))
        return { Result::Declined, nullptr };
    if (!ReportFile(job.exportColumns()).write(fileName, rows, m_context.progress())) {
        messages.error(saveFailed());
        return { Result::SaveFailed, nullptr };
    }
    messages.information(savedMessage(fileName));
    return { Result::Saved, nullptr };
}
