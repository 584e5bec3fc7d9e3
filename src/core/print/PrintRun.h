#pragma once

#include "core/print/PrintJob.h"

#include <functional>
#include <memory>

class PrintOptionChooser;
class Workspace;

// 출 력 of the screens and fbctl: the options are asked for, the rows of the data choice read, and then the report is
// handed back to be printed or previewed, or written as a PDF, or the rows are saved to the text file. An empty
// choice stops with its message, for the text file and the list style alike: nothing is printed or written.
class PrintRun {
public:
    enum class Result { Cancelled, NothingToPrint, Declined, Saved, SaveFailed, Print, Preview };

    struct Outcome {
        Result result = Result::Cancelled;
        std::shared_ptr<const Report> report; // for Print and Preview
    };

    static QString nothingToPrint() { return QStringLiteral("출력할 내용이 없습니다."); }
    static QString overwriteQuestion(const QString& fileName);
    static QString savedMessage(const QString& fileName);
    static QString saveFailed() { return QStringLiteral("파일 저장에 실패했습니다."); }

    // Draws a report into a PDF file; false when it could not be written. Drawing needs Qt Gui, so the caller
    // brings it.
    using PdfWriter = std::function<bool(const Report& report, const QString& fileName)>;

    PrintRun(Workspace& context, PrintOptionChooser& chooser, PdfWriter writePdf = {});

    Outcome run(const PrintJob& job);

private:
    Outcome save(const PrintJob& job, const PrintRows& rows) const;
    Outcome savePdf(const Report& report) const;

    Workspace& m_context;
    PrintOptionChooser& m_chooser;
    PdfWriter m_writePdf;
};
