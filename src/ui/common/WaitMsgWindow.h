#pragma once

#include <QFrame>
#include <QPoint>

class QLabel;
class QProgressBar;

// The wait window itself: icon, message, percentage and bar. It has no title bar, so a press
// anywhere drags it.
class WaitMsgWindow : public QFrame {
    Q_OBJECT
public:
    WaitMsgWindow();

    void showMessageLayout(const QString& text);
    void showProgressLayout(const QString& text, int first, int last, const QString& percentText);
    void setPercentText(const QString& text);

    QProgressBar* progressBar() const { return m_progressBar; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void centreOnScreen();

    QLabel* m_iconLabel;
    QLabel* m_msgLabel;
    QLabel* m_percentLabel;
    QProgressBar* m_progressBar;
    QPoint m_dragOffset;
};
