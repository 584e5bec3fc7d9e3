#include "ui/app/TFmWait.h"

#include "core/common/AppInfo.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int PictureSize = 48;

// A computer under a magnifying glass: the program is looking for what it needs.
QPixmap searchPicture()
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(4, 6, 30, 22);
    painter.setBrush(QColor(0x00, 0x80, 0x80));
    painter.drawRect(7, 9, 24, 16);
    painter.setBrush(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(12, 28, 14, 3);
    painter.drawRect(6, 31, 26, 4);
    painter.setPen(QPen(QColor(0x80, 0x40, 0x00), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(38, 38, 45, 45);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF, 0x90));
    painter.drawEllipse(QPoint(32, 32), 9, 9);
    return picture;
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    window.move(area.left() + (area.width() - window.width()) / 2, area.top() + (area.height() - window.height()) / 2);
}
} // namespace

TFmWait::TFmWait()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FmWait"));
    setWindowTitle(AppInfo::serviceName());

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* picture = new QLabel(panel);
    picture->setPixmap(searchPicture());
    auto* lines = new QLabel(QStringLiteral("프로그램 수행 준비중 입니다.\n잠시 기다려 주십시요..."), panel);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(16, 12, 24, 12);
    panelLayout->setSpacing(16);
    panelLayout->addWidget(picture);
    panelLayout->addWidget(lines, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(panel);
    setFixedSize(sizeHint().expandedTo(QSize(300, 90)));
    centreOnScreen(*this);
}

void TFmWait::showAtOnce()
{
    show();
    repaint();
    QCoreApplication::processEvents();
}
