#include "ui/app/TfmFileView.h"

#include "core/app/Workspace.h"
#include "core/common/FileDialogs.h"
#include "core/common/Messages.h"
#include "ui/app/MainArtwork.h"

#include <QCloseEvent>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QString Caption = QStringLiteral("메모 파일 보기");
const QString DiscardQuestion
    = QStringLiteral("입력 또는 수정한 내용이 저장되지 않았습니다.\r\r무시하고 진행하시겠습니까?");

// NanumGothic loses its spaces in PDF text; its sibling prints the same shapes.
QFont printFont(QFont font)
{
    if (font.family().startsWith(QLatin1String("NanumGothic")))
        font.setFamily(QStringLiteral("NanumBarunGothic"));
    return font;
}
} // namespace

TfmFileView::TfmFileView(Workspace& context, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_memo(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("fmFileView"));
    setWindowTitle(Caption);
    resize(726, 531);
    auto* toolBar = new QToolBar(this);
    buildToolBar(toolBar);

    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("NanumGothicCoding"));
    font.setPointSize(10);
    m_memo->setFont(font);
    connect(m_memo, &QPlainTextEdit::modificationChanged, this, &TfmFileView::updateButtons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_memo);
    updateButtons();
}

void TfmFileView::buildToolBar(QToolBar* toolBar)
{
    using MainArtwork::ToolGlyph;
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar->setIconSize(QSize(24, 24));
    m_openButton
        = addButton(QStringLiteral("BtnOpenDlg"), QStringLiteral("화일선택"), MainArtwork::toolIcon(ToolGlyph::Open));
    m_openButton->setToolTip(QStringLiteral("변환 대상 파일 선택 [Ctrl-F]"));
    toolBar->addWidget(m_openButton);
    toolBar->addSeparator();
    toolBar->addWidget(
        addButton(QStringLiteral("BtnFont"), QStringLiteral("글꼴설정"), MainArtwork::toolIcon(ToolGlyph::Font)));
    toolBar->addWidget(addButton(
        QStringLiteral("BtnPrnSet"), QStringLiteral("인쇄설정"), MainArtwork::toolIcon(ToolGlyph::PrinterSetup)));
    toolBar->addSeparator();
    m_printButton
        = addButton(QStringLiteral("BtnPrint"), QStringLiteral("출 력"), MainArtwork::toolIcon(ToolGlyph::Print));
    toolBar->addWidget(m_printButton);
    toolBar->addSeparator();
    m_saveButton
        = addButton(QStringLiteral("btnSave"), QStringLiteral("저 장"), MainArtwork::toolIcon(ToolGlyph::Save));
    toolBar->addWidget(m_saveButton);
    auto* spacer = new QWidget(toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar->addWidget(spacer);
    QToolButton* exitButton
        = addButton(QStringLiteral("BtnExit"), QStringLiteral("닫 기"), MainArtwork::toolIcon(ToolGlyph::Exit));
    exitButton->setToolTip(QStringLiteral("화면 닫기[Ctrl-F4]"));
    toolBar->addWidget(exitButton);

    connect(m_openButton, &QToolButton::clicked, this, &TfmFileView::chooseFile);
    connect(button(QStringLiteral("BtnFont")), &QToolButton::clicked, this, &TfmFileView::chooseFont);
    connect(button(QStringLiteral("BtnPrnSet")), &QToolButton::clicked, this, &TfmFileView::setUpPrinter);
    connect(m_printButton, &QToolButton::clicked, this, &TfmFileView::print);
    connect(m_saveButton, &QToolButton::clicked, this, &TfmFileView::save);
    connect(exitButton, &QToolButton::clicked, this, &TfmFileView::close);
}

QToolButton* TfmFileView::addButton(const QString& name, const QString& caption, const QIcon& icon)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setMinimumWidth(64);
    return button;
}

QToolButton* TfmFileView::button(const QString& name) const
{
    return findChild<QToolButton*>(name);
}

void TfmFileView::openNotice(const QString& file)
{
    m_readOnly = true;
    m_wordWrap = true;
    m_fileName = file;
}

void TfmFileView::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        applyFirstActivation();
    }
}

void TfmFileView::applyFirstActivation()
{
    m_memo->setReadOnly(m_readOnly);
    if (m_readOnly)
        m_openButton->setEnabled(false);
    if (m_wordWrap)
        m_memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    if (m_fileName.isEmpty())
        return;
    if (loadFile(m_fileName))
        showLoaded();
    else
        showEmpty();
}

void TfmFileView::chooseFile()
{
    if (!mayDiscardChanges())
        return;
    const QString chosen = m_context.fileDialogs().openFile(m_context.paths().programDir());
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
        if (loadFile(chosen)) {
            showLoaded();
        } else {
            m_fileName.clear();
            showEmpty();
        }
    }
    updateButtons();
}

bool TfmFileView::loadFile(const QString& file)
{
    return m_file.load(file);
}

void TfmFileView::showLoaded()
{
    m_memo->setPlainText(m_file.text());
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->document()->setModified(false);
    setWindowTitle(Caption + QStringLiteral(" - ") + m_fileName);
    updateButtons();
}

void TfmFileView::showEmpty()
{
    m_file = PlainTextFile();
    m_memo->clear();
    m_memo->document()->setModified(false);
    setWindowTitle(Caption);
    updateButtons();
}

void TfmFileView::chooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, m_memo->font(), this);
    if (chosen)
        m_memo->setFont(font);
}

void TfmFileView::setUpPrinter()
{
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
}

void TfmFileView::print()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
        | QAbstractPrintDialog::PrintSelection);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_printer.setDocName(m_fileName);
    std::unique_ptr<QTextDocument> document(m_memo->document()->clone());
    document->setDefaultFont(printFont(m_memo->font()));
    document->print(&m_printer);
}

void TfmFileView::save()
{
    const QString chosen = m_context.fileDialogs().saveFile(m_fileName);
    if (!chosen.isEmpty()) {
        m_fileName = chosen;
        if (m_file.save(chosen, m_memo->toPlainText()))
            m_memo->document()->setModified(false);
        else
            m_context.reportError(
                QStringLiteral("\"%1\" 파일을 저장할 수 없습니다. (%2)").arg(chosen, m_file.errorText()));
    }
    updateButtons();
}

void TfmFileView::updateButtons()
{
    m_printButton->setEnabled(!m_fileName.isEmpty());
    m_saveButton->setEnabled(m_memo->document()->isModified());
}

bool TfmFileView::mayDiscardChanges()
{
    return !m_memo->document()->isModified() || m_context.messages().question(DiscardQuestion);
}

// Esc comes here; it closes like the close box, with the same question.
void TfmFileView::reject()
{
    if (m_closing)
        QDialog::reject();
    else
        close();
}

void TfmFileView::closeEvent(QCloseEvent* event)
{
    if (!mayDiscardChanges()) {
        event->ignore();
        return;
    }
    m_closing = true;
    QDialog::closeEvent(event);
    m_closing = false;
}
