#pragma once

#include "core/print/PrintOptionChooser.h"

#include <QDialog>

class FileDialogs;
class PrinterList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// 프린터 출력 설정: where the printout goes (printer, text file or PDF), the style, the data and the preview. It
// starts from the options as they stand, with the style and data at their first entries. Our preview needs no
// printer: without one the printer choice is the preview alone. " 확 인" asks the PDF's name and stores every
// option.
class TfmPrintOption : public QDialog {
    Q_OBJECT
public:
    TfmPrintOption(const PrintOptions& options, PrintOptions::Variant variant, const PrinterList& printers,
        FileDialogs& fileDialogs, QWidget* parent = nullptr);

    const PrintOptions& options() const { return m_options; }

private:
    void showOutput();
    void chooseFile();
    void confirm();
    bool choosePdf();

    PrintOptions m_options;
    FileDialogs& m_fileDialogs;
    bool m_hasPrinter;
    QRadioButton* m_printer;
    QRadioButton* m_file;
    QRadioButton* m_pdf;
    QLineEdit* m_fileName;
    QPushButton* m_browse;
    QComboBox* m_style;
    QLabel* m_dataLabel;
    QComboBox* m_data;
    QCheckBox* m_preview;
};

// The options dialog as the screens ask for it.
class PrintOptionDialogs : public PrintOptionChooser {
public:
    PrintOptionDialogs(const PrinterList& printers, FileDialogs& fileDialogs, QWidget* parent);
    bool choose(PrintOptions& options, PrintOptions::Variant variant) override;

private:
    const PrinterList& m_printers;
    FileDialogs& m_fileDialogs;
    QWidget* m_parent;
};
