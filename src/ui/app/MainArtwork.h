#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QPainter;
class QRectF;

// The program's own pictures, drawn in code: the main window's background, the picture buttons,
// the application icon and the tool bar icons.
namespace MainArtwork {

enum class Glyph { Deposit, Withdrawal, Apartment, Collection, Notes, Passbook, Terminal, Exchange, Exit };
enum class ToolGlyph { Open, Font, PrinterSetup, Print, Save, Exit };

struct TileLook {
    QString title;
    QString subtitle;
    Glyph glyph;
    QColor accent;
};

void paintBackground(QPainter& painter, const QRectF& area);
// highlighted: the pointer is over the button or it has the focus.
void paintTile(
    QPainter& painter, const QRectF& area, const TileLook& look, bool highlighted, bool pressed, bool enabled);
// The exit button: a slim bar rather than a tile.
void paintExitBar(QPainter& painter, const QRectF& area, const TileLook& look, bool highlighted, bool pressed);
void paintGlyph(QPainter& painter, Glyph glyph, const QRectF& area, const QColor& color);

QIcon applicationIcon();
QIcon toolIcon(ToolGlyph glyph);

} // namespace MainArtwork
