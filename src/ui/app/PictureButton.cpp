#include "ui/app/PictureButton.h"

#include <QPainter>

PictureButton::PictureButton(const MainArtwork::TileLook& look, Shape shape, QWidget* parent)
    : QAbstractButton(parent)
    , m_look(look)
    , m_shape(shape)
{
    setText(look.title);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    resize(sizeOf(shape));
}

QSize PictureButton::sizeOf(Shape shape)
{
    return shape == Shape::Tile ? QSize(156, 104) : QSize(120, 36);
}

QSize PictureButton::sizeHint() const
{
    return sizeOf(m_shape);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -2, -4);
    if (m_shape == Shape::Tile)
        MainArtwork::paintTile(painter, area, m_look, isHighlighted(), isDown(), isEnabled());
    else
        MainArtwork::paintExitBar(painter, area, m_look, isHighlighted(), isDown());
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}
