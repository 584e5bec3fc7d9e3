#pragma once

#include <QWidget>

// The small window shown while the main window and the data module are being built.
class TFmWait : public QWidget {
    Q_OBJECT
public:
    TFmWait();

    // Shows the window and paints it before the long work that follows blocks the event loop.
    void showAtOnce();
};
