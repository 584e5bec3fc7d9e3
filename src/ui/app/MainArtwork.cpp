#include "ui/app/MainArtwork.h"

#include "core/common/AppInfo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <functional>

namespace MainArtwork {

namespace {
const QColor Navy(0x14, 0x3a, 0x5c);
const QColor Teal(0x1d, 0x74, 0x8a);
const QColor Ink(0x1f, 0x2d, 0x3a);
const QColor Muted(0x6a, 0x7a, 0x88);

QFont uiFont(int pixelSize, bool bold = false)
{
    QFont font(QStringLiteral("NanumBarunGothic"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QPen strokePen(const QColor& color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Glyphs are drawn on a 24 x 24 grid scaled into the target square.
void onGrid(QPainter& painter, const QRectF& area)
{
    const qreal side = qMin(area.width(), area.height());
    painter.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
}

void arrow(QPainter& painter, QPointF from, QPointF to)
{
    painter.drawLine(from, to);
    const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-direction.y(), direction.x());
    painter.drawLine(to, to - direction * 3.5 + normal * 3.5);
    painter.drawLine(to, to - direction * 3.5 - normal * 3.5);
}

void card(QPainter& painter, qreal x, qreal y, qreal w, qreal h)
{
    painter.drawRoundedRect(QRectF(x, y, w, h), 2, 2);
}

void drawGlyphLines(QPainter& painter, Glyph glyph)
{
    switch (glyph) {
    case Glyph::Deposit:
        card(painter, 3, 11, 18, 10);
        painter.drawLine(QPointF(3, 15), QPointF(21, 15));
        arrow(painter, QPointF(12, 2), QPointF(12, 11));
        break;
    case Glyph::Withdrawal:
        card(painter, 3, 11, 18, 10);
        painter.drawLine(QPointF(3, 15), QPointF(21, 15));
        arrow(painter, QPointF(12, 11), QPointF(12, 2));
        break;
    case Glyph::Apartment:
        painter.drawRect(QRectF(4, 6, 9, 15));
        painter.drawRect(QRectF(13, 10, 7, 11));
        for (qreal y : { 9.5, 13.0, 16.5 }) {
            painter.drawLine(QPointF(6.5, y), QPointF(7.5, y));
            painter.drawLine(QPointF(9.5, y), QPointF(10.5, y));
        }
        painter.drawLine(QPointF(15.5, 13), QPointF(17.5, 13));
        painter.drawLine(QPointF(15.5, 16.5), QPointF(17.5, 16.5));
        painter.drawLine(QPointF(2, 21), QPointF(22, 21));
        break;
    case Glyph::Collection:
        painter.drawPolyline(QPolygonF({ QPointF(3, 13), QPointF(3, 20), QPointF(21, 20), QPointF(21, 13) }));
        painter.drawPolyline(QPolygonF(
            { QPointF(3, 13), QPointF(8, 13), QPointF(9.5, 16), QPointF(14.5, 16), QPointF(16, 13), QPointF(21, 13) }));
        arrow(painter, QPointF(12, 3), QPointF(12, 11));
        break;
    case Glyph::Notes:
        painter.drawPolyline(QPolygonF({ QPointF(15, 3), QPointF(5, 3), QPointF(5, 21), QPointF(19, 21), QPointF(19, 7),
            QPointF(15, 3), QPointF(15, 7), QPointF(19, 7) }));
        painter.drawLine(QPointF(8, 11), QPointF(16, 11));
        painter.drawLine(QPointF(8, 14.5), QPointF(16, 14.5));
        painter.drawLine(QPointF(8, 18), QPointF(12, 18));
        break;
    case Glyph::Passbook:
        painter.drawRoundedRect(QRectF(4, 3, 16, 18), 2, 2);
        painter.drawLine(QPointF(8, 3), QPointF(8, 21));
        painter.drawLine(QPointF(11, 9), QPointF(17, 9));
        painter.drawLine(QPointF(11, 13), QPointF(17, 13));
        break;
    case Glyph::Terminal:
        painter.drawRoundedRect(QRectF(3, 4, 18, 12), 1.5, 1.5);
        painter.drawLine(QPointF(12, 16), QPointF(12, 20));
        painter.drawLine(QPointF(8, 20), QPointF(16, 20));
        break;
    case Glyph::Exchange:
        arrow(painter, QPointF(4, 8), QPointF(20, 8));
        arrow(painter, QPointF(20, 16), QPointF(4, 16));
        break;
    case Glyph::Exit:
        painter.drawArc(QRectF(5, 5, 14, 14), 120 * 16, 300 * 16);
        painter.drawLine(QPointF(12, 3), QPointF(12, 11));
        break;
    }
}

void paintTileFrame(QPainter& painter, const QRectF& area, const QColor& accent, bool highlighted, bool pressed)
{
    const QRectF shadow = area.adjusted(1, 3, 1, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 50, 80, highlighted ? 46 : 26));
    painter.drawRoundedRect(shadow, 10, 10);
    QColor fill = highlighted ? QColor(0xf4, 0xf9, 0xfb) : Qt::white;
    if (pressed)
        fill = fill.darker(104);
    painter.setBrush(fill);
    painter.setPen(QPen(highlighted ? accent : QColor(0xd6, 0xe0, 0xe8), highlighted ? 1.6 : 1.0));
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}

QPixmap iconPixmap(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    draw(painter);
    return pixmap;
}
} // namespace

void paintBackground(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(area.topLeft(), area.bottomLeft());
    body.setColorAt(0, QColor(0xf2, 0xf6, 0xf9));
    body.setColorAt(1, QColor(0xdf, 0xe8, 0xef));
    painter.fillRect(area, body);

    const QRectF band(area.left(), area.top(), area.width(), 112);
    QLinearGradient bandFill(band.topLeft(), band.topRight());
    bandFill.setColorAt(0, Navy);
    bandFill.setColorAt(1, Teal);
    painter.fillRect(band, bandFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 18));
    painter.drawEllipse(QPointF(band.right() - 120, band.top() - 40), 170, 170);
    painter.drawEllipse(QPointF(band.right() - 10, band.bottom() + 10), 90, 90);

    painter.setPen(Qt::white);
    painter.setFont(uiFont(24, true));
    painter.drawText(
        QRectF(area.left() + 28, area.top() + 26, 480, 34), Qt::AlignLeft | Qt::AlignVCenter, AppInfo::serviceName());
    painter.setPen(QColor(0xcf, 0xe3, 0xec));
    painter.setFont(uiFont(13));
    painter.drawText(QRectF(area.left() + 29, area.top() + 64, 480, 22), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("대량입금 · 대량출금 · 아파트뱅킹 · CMS 조회 · 자료 송수신"));

    painter.setPen(Muted);
    painter.setFont(uiFont(11));
    painter.drawText(
        QRectF(area.left() + 28, area.bottom() - 26, 200, 18), Qt::AlignLeft | Qt::AlignVCenter, AppInfo::version());
    painter.restore();
}

void paintTile(
    QPainter& painter, const QRectF& area, const TileLook& look, bool highlighted, bool pressed, bool enabled)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = enabled ? look.accent : QColor(0xa9, 0xb4, 0xbe);
    paintTileFrame(painter, area, accent, highlighted && enabled, pressed);

    const QRectF badge(area.left() + 16, area.top() + 16, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlighted && enabled ? accent : QColor(accent.red(), accent.green(), accent.blue(), 30));
    painter.drawEllipse(badge);
    paintGlyph(painter, look.glyph, badge.adjusted(9, 9, -9, -9), highlighted && enabled ? Qt::white : accent);

    painter.setPen(enabled ? Ink : Muted);
    painter.setFont(uiFont(15, true));
    painter.drawText(
        QRectF(area.left() + 16, area.top() + 62, area.width() - 24, 20), Qt::AlignLeft | Qt::AlignVCenter, look.title);
    painter.setPen(Muted);
    painter.setFont(uiFont(11));
    painter.drawText(QRectF(area.left() + 16, area.top() + 82, area.width() - 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
        look.subtitle);
    painter.restore();
}

void paintExitBar(QPainter& painter, const QRectF& area, const TileLook& look, bool highlighted, bool pressed)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintTileFrame(painter, area, look.accent, highlighted, pressed);
    const QRectF glyph(area.left() + 14, area.center().y() - 9, 18, 18);
    paintGlyph(painter, look.glyph, glyph, look.accent);
    painter.setPen(Ink);
    painter.setFont(uiFont(14, true));
    painter.drawText(QRectF(glyph.right() + 10, area.top(), area.width() - 50, area.height()),
        Qt::AlignLeft | Qt::AlignVCenter, look.title);
    painter.restore();
}

void paintGlyph(QPainter& painter, Glyph glyph, const QRectF& area, const QColor& color)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    onGrid(painter, area);
    painter.setPen(strokePen(color, 2.0));
    painter.setBrush(Qt::NoBrush);
    drawGlyphLines(painter, glyph);
    painter.restore();
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64, 128 }) {
        icon.addPixmap(iconPixmap(size, [](QPainter& painter) {
            QLinearGradient fill(QPointF(0, 0), QPointF(24, 24));
            fill.setColorAt(0, Navy);
            fill.setColorAt(1, Teal);
            painter.setPen(Qt::NoPen);
            painter.setBrush(fill);
            painter.drawRoundedRect(QRectF(1, 1, 22, 22), 5, 5);
            painter.setPen(strokePen(Qt::white, 1.6));
            painter.drawPolyline(QPolygonF({ QPointF(5, 9.5), QPointF(12, 5), QPointF(19, 9.5) }));
            for (qreal x : { 7.5, 12.0, 16.5 })
                painter.drawLine(QPointF(x, 11.5), QPointF(x, 16.5));
            painter.drawLine(QPointF(5, 19), QPointF(19, 19));
        }));
    }
    return icon;
}

QIcon toolIcon(ToolGlyph glyph)
{
    const QColor color = Navy;
    return QIcon(iconPixmap(48, [glyph, color](QPainter& painter) {
        painter.setPen(strokePen(color, 1.8));
        painter.setBrush(Qt::NoBrush);
        switch (glyph) {
        case ToolGlyph::Open:
            painter.drawPolyline(QPolygonF(
                { QPointF(3, 19), QPointF(3, 5), QPointF(9, 5), QPointF(11, 7), QPointF(19, 7), QPointF(19, 10) }));
            painter.drawPolygon(QPolygonF({ QPointF(3, 19), QPointF(6.5, 10), QPointF(22, 10), QPointF(18.5, 19) }));
            break;
        case ToolGlyph::Font:
            painter.setPen(color);
            painter.setFont(uiFont(17, true));
            painter.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("가"));
            break;
        case ToolGlyph::PrinterSetup:
            painter.drawRect(QRectF(4, 9, 16, 8));
            painter.drawPolyline(QPolygonF({ QPointF(7, 9), QPointF(7, 3), QPointF(17, 3), QPointF(17, 9) }));
            painter.drawEllipse(QPointF(17, 18.5), 3.2, 3.2);
            painter.drawLine(QPointF(17, 14), QPointF(17, 15.3));
            painter.drawLine(QPointF(17, 21.7), QPointF(17, 23));
            break;
        case ToolGlyph::Print:
            painter.drawRect(QRectF(3, 9, 18, 8));
            painter.drawPolyline(QPolygonF({ QPointF(7, 9), QPointF(7, 3), QPointF(17, 3), QPointF(17, 9) }));
            painter.drawRect(QRectF(7, 14, 10, 7));
            break;
        case ToolGlyph::Save:
            painter.drawPolygon(
                QPolygonF({ QPointF(4, 4), QPointF(17, 4), QPointF(20, 7), QPointF(20, 20), QPointF(4, 20) }));
            painter.drawRect(QRectF(8, 4, 7, 5));
            painter.drawRect(QRectF(7.5, 13, 9, 7));
            break;
        case ToolGlyph::Exit:
            painter.drawPolyline(QPolygonF({ QPointF(13, 4), QPointF(4, 4), QPointF(4, 20), QPointF(13, 20) }));
            arrow(painter, QPointF(9, 12), QPointF(21, 12));
            break;
        }
    }));
}

} // namespace MainArtwork
