#pragma once

#include "ui/app/MainArtwork.h"

#include <QAbstractButton>

// One of the nine picture buttons on the main window's picture: a normal and a highlighted look.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Shape { Tile, Bar };

    PictureButton(const MainArtwork::TileLook& look, Shape shape, QWidget* parent = nullptr);

    // Under the pointer, or reached with the keyboard.
    bool isHighlighted() const
    {
        return underMouse() || (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange));
    }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    static QSize sizeOf(Shape shape);

    MainArtwork::TileLook m_look;
    Shape m_shape;
};
