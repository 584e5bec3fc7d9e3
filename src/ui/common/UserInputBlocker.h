#pragma once

#include <QObject>

// An event filter that swallows the mouse and key events it sees: installed on the application while a
// program runs, it keeps the screens painting but deaf to clicks and keys.
class UserInputBlocker : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
