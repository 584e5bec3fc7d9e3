#pragma once

#include <QList>
#include <QWidget>

class Desktop;
class NoticeSource;
class PictureButton;
class WebNoticePanel;

// ClientScrollBox: the background picture with the nine picture buttons and, on the right, the web
// notice panel. The frame shows it while no business window is open.
class PictureArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonCount = 9;

    PictureArea(Desktop& desktop, NoticeSource& notices, QWidget* parent = nullptr);

    // DSBButton1 to DSBButton9.
    PictureButton* button(int number) const { return m_buttons.value(number - 1); }
    WebNoticePanel* noticePanel() const { return m_noticePanel; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createButtons();
    void arrange();

    QList<PictureButton*> m_buttons;
    WebNoticePanel* m_noticePanel;
};
