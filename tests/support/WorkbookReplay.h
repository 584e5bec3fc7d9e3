#pragma once

#include "core/common/Progress.h"

#include <QByteArray>
#include <QString>

// Feeds any bytes to the workbook readers, as the fuzz target and the corpus replay do. The first byte says how:
//   'x'  the rest is a whole .xlsx package;
//   's', 't', 'y', 'w'  the rest replaces the sheet, the shared strings, the styles or the workbook part of a fixed
//        workbook, handed over without a ZIP around it so that every mutation reaches the XML;
//   'b'  the rest is an .xls file.
class WorkbookReplay {
public:
    static constexpr int Columns = 10;

    struct Outcome {
        bool read = false;
        QString error;
        int rows = 0;
    };

    static QString corpusDirectory();

    Outcome replay(const QByteArray& input);

private:
    Outcome replaceOnePart(const QString& part, const QByteArray& content);
    Outcome wholePackage(const QByteArray& bytes);
    Outcome xlsFile(const QByteArray& bytes);

    NullProgress m_progress;
};
