#include "ui/common/WaitMsgWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>

namespace {
constexpr int Width = 301;
constexpr int Height = 63;
constexpr int TextLeft = 56;
constexpr int TextWidth = Width - TextLeft - 12;
constexpr int PercentWidth = 48;

QPixmap applicationIcon()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    const QPixmap pixmap = icon.pixmap(32, 32);
    return pixmap.width() == 32 ? pixmap : pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

WaitMsgWindow::WaitMsgWindow()
    : QFrame(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_iconLabel(new QLabel(this))
    , m_msgLabel(new QLabel(QStringLiteral("지금 처리중입니다"), this))
    , m_percentLabel(new QLabel(QStringLiteral("0 %"), this))
    , m_progressBar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("frmWaitMsg"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setFixedSize(Width, Height);

    m_iconLabel->setGeometry(12, (Height - 32) / 2, 32, 32);
    m_iconLabel->setPixmap(applicationIcon());
    m_msgLabel->setObjectName(QStringLiteral("MsgLabel"));
    m_msgLabel->setWordWrap(true);
    m_percentLabel->setObjectName(QStringLiteral("PercentLabel"));
    m_percentLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percentLabel->setGeometry(Width - 12 - PercentWidth, 18, PercentWidth, 16);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setGeometry(TextLeft, 40, TextWidth, 8);
    centreOnScreen();
}

void WaitMsgWindow::showMessageLayout(const QString& text)
{
    m_msgLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_msgLabel->setGeometry(TextLeft, 25, TextWidth, Height - 25 - 4);
    m_msgLabel->setText(text);
    m_progressBar->hide();
    m_percentLabel->hide();
}

void WaitMsgWindow::showProgressLayout(const QString& text, int first, int last, const QString& percentText)
{
    m_msgLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_msgLabel->setGeometry(TextLeft, 18, TextWidth - PercentWidth, 20);
    m_msgLabel->setText(text);
    m_progressBar->setRange(first, last);
    m_progressBar->setValue(first);
    m_progressBar->show();
    m_percentLabel->setText(percentText);
    m_percentLabel->show();
}

void WaitMsgWindow::setPercentText(const QString& text)
{
    m_percentLabel->setText(text);
}

void WaitMsgWindow::mousePressEvent(QMouseEvent* event)
{
    m_dragOffset = event->globalPosition().toPoint() - pos();
}

void WaitMsgWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragOffset);
}

void WaitMsgWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - Width) / 2, area.top() + (area.height() - Height) / 2);
}
