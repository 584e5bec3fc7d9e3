#include "ui/app/TfmConfig.h"

#include "core/app/Workspace.h"
#include "ui/common/OkCancelRow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

const char* const ColorProperty = "colorRef";

// Stored colours are Windows COLORREF values, 0x00BBGGRR.
QColor fromColorRef(int stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

int toColorRef(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

void setSwatch(QLabel* swatch, int colorRef)
{
    swatch->setProperty(ColorProperty, colorRef);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, fromColorRef(colorRef));
    swatch->setPalette(palette);
}

int swatchColor(const QLabel* swatch)
{
    return swatch->property(ColorProperty).toInt();
}

QWidget* newPage(const QString& name)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    return page;
}

} // namespace

TfmConfig::TfmConfig(Workspace& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_settings(context)
    , m_pages(new QTabWidget(this))
{
    setObjectName(QStringLiteral("fmConfig"));
    setWindowTitle(QStringLiteral("사용 환경 설정"));
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setStyleSheet(QStringLiteral("QTabBar::tab { width: 100px; }"));
    m_pages->addTab(buildPasswordPage(), QStringLiteral("S/W 비밀번호"));
    m_pages->addTab(buildScreenPage(), QStringLiteral("화 면 설 정"));
    m_pages->addTab(buildOtherPage(), QStringLiteral("기 타 설 정"));

    QHBoxLayout* buttons = okCancelRow(this, [this] { confirm(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    setFixedSize(324, 205);

    showSettings();
    selectPage(Page::Password);
}

bool TfmConfig::execute(Workspace& context, Page page, QWidget* parent)
{
    TfmConfig dialog(context, parent);
    dialog.selectPage(page);
    return dialog.exec() == QDialog::Accepted;
}

QWidget* TfmConfig::buildPasswordPage()
{
    QWidget* page = newPage(QStringLiteral("TabSheet1"));
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    m_oldPassword = addPasswordRow(page, 0, QStringLiteral("기존 비밀번호"), QStringLiteral("OldPasswdEdit"));
    m_newPassword = addPasswordRow(page, 1, QStringLiteral("새 비밀번호"), QStringLiteral("NewPasswdEdit"));
    m_confirmPassword
        = addPasswordRow(page, 2, QStringLiteral("새 비밀번호 확인"), QStringLiteral("NewPasswdConfirmEdit"));
    return page;
}

QLineEdit* TfmConfig::addPasswordRow(QWidget* page, int row, const QString& caption, const QString& name)
{
    auto* edit = new QLineEdit(page);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    edit->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhSensitiveData | Qt::ImhNoPredictiveText);
    auto* grid = static_cast<QGridLayout*>(page->layout());
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

QWidget* TfmConfig::buildScreenPage()
{
    QWidget* page = newPage(QStringLiteral("TabSheet2"));
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    m_imageNames = new QComboBox(page);
    m_imageNames->setObjectName(QStringLiteral("ImageNameCombo"));
    m_imageNames->setEditable(false);
    grid->addWidget(new QLabel(QStringLiteral("초기화면 그림"), page), 0, 0);
    grid->addWidget(m_imageNames, 0, 1, 1, 2);
    m_textColor = addColorRow(page, 1, QStringLiteral("공지사항 글자색"), QStringLiteral("TextColorLabel"),
        QStringLiteral("TextColorBtn"), &TfmConfig::chooseTextColor);
    m_backColor = addColorRow(page, 2, QStringLiteral("공지사항 바탕색"), QStringLiteral("BackColorLabel"),
        QStringLiteral("BackColorBtn"), &TfmConfig::chooseBackColor);
    return page;
}

QLabel* TfmConfig::addColorRow(QWidget* page, int row, const QString& caption, const QString& swatchName,
    const QString& buttonName, void (TfmConfig::*choose)())
{
    auto* swatch = new QLabel(page);
    swatch->setObjectName(swatchName);
    swatch->setAutoFillBackground(true);
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* button = new QPushButton(QStringLiteral("..."), page);
    button->setObjectName(buttonName);
    button->setFixedWidth(24);
    connect(button, &QPushButton::clicked, this, choose);
    auto* grid = static_cast<QGridLayout*>(page->layout());
    grid->addWidget(new QLabel(caption, page), row, 0);
    grid->addWidget(swatch, row, 1);
    grid->addWidget(button, row, 2);
    return swatch;
}

QWidget* TfmConfig::buildOtherPage()
{
    QWidget* page = newPage(QStringLiteral("TabSheet3"));
    m_accountCheck = new QCheckBox(QStringLiteral("자료입력시 계좌번호 검사 여부"), page);
    m_accountCheck->setObjectName(QStringLiteral("AcctNoCheck"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_accountCheck);
    layout->addStretch();
    return page;
}

void TfmConfig::showSettings()
{
    const QStringList pictures = m_settings.pictureNames();
    const ConfigSettings::Entries stored = m_settings.load(pictures);
    m_imageNames->addItems(pictures);
    m_imageNames->setCurrentIndex(m_imageNames->findText(stored.picture));
    setSwatch(m_textColor, stored.noticeTextColor);
    setSwatch(m_backColor, stored.noticeBackColor);
    m_accountCheck->setChecked(stored.accountNumberCheck);
}

void TfmConfig::selectPage(Page page)
{
    m_page = page;
    const int shown = static_cast<int>(page);
    for (int index = 0; index < m_pages->count(); ++index)
        m_pages->setTabVisible(index, index == shown);
    m_pages->setCurrentIndex(shown);
    QWidget* const firstFields[] = { m_oldPassword, m_imageNames, m_accountCheck };
    firstFields[shown]->setFocus();
}

void TfmConfig::chooseTextColor()
{
    chooseColor(m_textColor);
}

void TfmConfig::chooseBackColor()
{
    chooseColor(m_backColor);
}

void TfmConfig::chooseColor(QLabel* swatch)
{
    const QColor chosen = QColorDialog::getColor(fromColorRef(swatchColor(swatch)), this);
    if (chosen.isValid())
        setSwatch(swatch, toColorRef(chosen));
}

ConfigSettings::Entries TfmConfig::entries() const
{
    ConfigSettings::Entries entries;
    entries.oldPassword = m_oldPassword->text();
    entries.newPassword = m_newPassword->text();
    entries.confirmPassword = m_confirmPassword->text();
    if (m_imageNames->currentIndex() >= 0)
        entries.picture = m_imageNames->currentText();
    entries.noticeTextColor = swatchColor(m_textColor);
    entries.noticeBackColor = swatchColor(m_backColor);
    entries.accountNumberCheck = m_accountCheck->isChecked();
    return entries;
}

void TfmConfig::confirm()
{
    switch (m_settings.confirm(m_page, entries())) {
    case ConfigSettings::Outcome::Stored:
        accept();
        return;
    case ConfigSettings::Outcome::WrongOldPassword:
        m_oldPassword->setFocus();
        m_oldPassword->selectAll();
        return;
    case ConfigSettings::Outcome::ConfirmationDiffers:
        m_confirmPassword->setFocus();
        m_confirmPassword->selectAll();
        return;
    case ConfigSettings::Outcome::RemovalDeclined:
        m_newPassword->setFocus();
        return;
    case ConfigSettings::Outcome::NotWritten:
        return;
    }
}
