#include "ui/print/TfmPrintOption.h"

#include "core/common/FileDialogs.h"
#include "core/print/PrinterList.h"
#include "ui/common/OkCancelRow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString DefaultFileName = QStringLiteral("FBWin.txt");
const QString DefaultPdfName = QStringLiteral("FBWin.pdf");

} // namespace

TfmPrintOption::TfmPrintOption(const PrintOptions& options, PrintOptions::Variant variant, const PrinterList& printers,
    FileDialogs& fileDialogs, QWidget* parent)
    : QDialog(parent)
    , m_options(options)
    , m_fileDialogs(fileDialogs)
    , m_hasPrinter(printers.hasPrinter())
    , m_printer(new QRadioButton(m_hasPrinter ? QStringLiteral("프린터로 출력") : QStringLiteral("미리 보기"), this))
    , m_file(new QRadioButton(QStringLiteral("파일에 저장"), this))
    , m_pdf(new QRadioButton(QStringLiteral("PDF로 저장"), this))
    , m_fileName(new QLineEdit(options.fileName, this))
    , m_browse(new QPushButton(QStringLiteral("..."), this))
    , m_style(new QComboBox(this))
    , m_dataLabel(new QLabel(QStringLiteral("출 력 자 료"), this))
    , m_data(new QComboBox(this))
    , m_preview(new QCheckBox(QStringLiteral("인쇄 내용 미리 보기"), this))
{
    setObjectName(QStringLiteral("fmPrintOption"));
    setWindowTitle(QStringLiteral("프린터 출력 설정"));
    m_printer->setObjectName(QStringLiteral("rbPrinter"));
    m_file->setObjectName(QStringLiteral("rbFile"));
    m_pdf->setObjectName(QStringLiteral("rbPdf"));
    m_fileName->setObjectName(QStringLiteral("edFileName"));
    m_browse->setObjectName(QStringLiteral("btnFileName"));
    m_style->setObjectName(QStringLiteral("cbStyle"));
    m_data->setObjectName(QStringLiteral("cbData"));
    m_preview->setObjectName(QStringLiteral("chkPreview"));

    m_style->addItems(PrintOptions::styleNames(variant));
    m_data->addItems(PrintOptions::dataNames());
    m_dataLabel->setVisible(PrintOptions::hasDataList(variant));
    m_data->setVisible(PrintOptions::hasDataList(variant));
    m_preview->setChecked(options.preview || !m_hasPrinter);
    if (!m_hasPrinter) {
        m_printer->setToolTip(QStringLiteral("설치된 프린터가 없어 미리 보기만 할 수 있습니다."));
        m_preview->setToolTip(m_printer->toolTip());
    }
    m_printer->setChecked(true);
    m_browse->setFixedWidth(28);

    auto* page = new QGroupBox(QStringLiteral("출 력 방 식"), this);
    auto* grid = new QGridLayout(page);
    auto* targets = new QHBoxLayout;
    targets->addWidget(m_printer);
    targets->addWidget(m_file);
    targets->addWidget(m_pdf);
    targets->addStretch();
    auto* file = new QHBoxLayout;
    file->addWidget(m_fileName);
    file->addWidget(m_browse);
    grid->addWidget(new QLabel(QStringLiteral("출 력 대 상"), page), 0, 0);
    grid->addLayout(targets, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("파  일  명"), page), 1, 0);
    grid->addLayout(file, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("출 력 선 택"), page), 2, 0);
    grid->addWidget(m_style, 2, 1);
    grid->addWidget(m_dataLabel, 3, 0);
    grid->addWidget(m_data, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(m_preview);
    layout->addLayout(okCancelRow(this, [this] { confirm(); }));

    connect(m_printer, &QRadioButton::toggled, this, [this] { showOutput(); });
    connect(m_pdf, &QRadioButton::toggled, this, [this] { showOutput(); });
    connect(m_browse, &QPushButton::clicked, this, [this] { chooseFile(); });
    showOutput();
    resize(420, sizeHint().height());
}

// The file name only for the text file; the style for the report (printer and PDF); the preview only for a
// printer, without which it is the only way.
void TfmPrintOption::showOutput()
{
    const bool toPrinter = m_printer->isChecked();
    const bool toFile = m_file->isChecked();
    m_fileName->setEnabled(toFile);
    m_browse->setEnabled(toFile);
    m_style->setEnabled(!toFile);
    m_preview->setEnabled(toPrinter && m_hasPrinter);
}

void TfmPrintOption::chooseFile()
{
    const QString current = m_fileName->text().isEmpty() ? DefaultFileName : m_fileName->text();
    const QString chosen = m_fileDialogs.saveFile(current);
    if (!chosen.isEmpty())
        m_fileName->setText(chosen);
}

// The PDF's name is asked each time, first beside the text file; cancelling it keeps the dialog open.
bool TfmPrintOption::choosePdf()
{
    QString current = m_options.pdfFileName;
    if (current.isEmpty())
        current = m_options.fileName.isEmpty() ? DefaultPdfName
                                               : QFileInfo(m_options.fileName).dir().filePath(DefaultPdfName);
    const QString chosen = m_fileDialogs.saveFile(current);
    if (chosen.isEmpty())
        return false;
    m_options.pdfFileName = chosen;
    return true;
}

void TfmPrintOption::confirm()
{
    if (m_pdf->isChecked() && !choosePdf())
        return;
    m_options.output = m_printer->isChecked() ? PrintOptions::Output::Printer
        : m_file->isChecked()                 ? PrintOptions::Output::File
                                              : PrintOptions::Output::Pdf;
    m_options.preview = m_preview->isChecked();
    m_options.fileName = m_fileName->text();
    m_options.style = PrintOptions::Style(m_style->currentIndex());
    m_options.data = PrintOptions::Data(m_data->currentIndex());
    accept();
}

PrintOptionDialogs::PrintOptionDialogs(const PrinterList& printers, FileDialogs& fileDialogs, QWidget* parent)
    : m_printers(printers)
    , m_fileDialogs(fileDialogs)
    , m_parent(parent)
{
}

bool PrintOptionDialogs::choose(PrintOptions& options, PrintOptions::Variant variant)
{
    TfmPrintOption dialog(options, variant, m_printers, m_fileDialogs, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.options();
    return true;
}
