#pragma once

#include <QWidget>

// A business screen inside the main window's frame (batch lists, group templates, received data).
// Only one exists at a time; the frame asks closeQuery() before it replaces or closes it.
class BusinessWindow : public QWidget {
    Q_OBJECT
public:
    explicit BusinessWindow(QWidget* parent = nullptr)
        : QWidget(parent)
    {
    }

    // False keeps the window open (unsaved input the user wants to keep).
    virtual bool closeQuery() { return true; }
    // Closes the window together with its place in the frame; the screen's own close button uses this.
    void closeWindow();
    // The frame has already asked: the next close goes through without asking again.
    void closeAgreed() { m_closeAgreed = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closeAgreed = false;
};
