#pragma once

#include <QString>
#include <QStringList>

// What the print options dialog (TfmPrintOption) sets, kept for the program's lifetime in the Workspace: the next
// printout starts from what the last one chose.
struct PrintOptions {
    // The report on the printer (or its preview), the rows in a text file, or the report in a PDF file.
    enum class Output { Printer, File, Pdf };
    // 출 력 선 택.
    enum class Style { Full, Summary, List };
    // 출 력 자 료.
    enum class Data { All, Normal, Failed };
    // The dialog as the batch screens show it, without the data list, or also without the list style.
    enum class Variant { Full, WithoutData, WithoutDataAndList };

    Output output = Output::Printer;
    bool preview = true;
    QString fileName; // the text file
    QString pdfFileName;
    Style style = Style::Full;
    Data data = Data::All;

    static QStringList styleNames(Variant variant);
    static QStringList dataNames();
    static bool hasDataList(Variant variant) { return variant == Variant::Full; }
};
