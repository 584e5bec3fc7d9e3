#pragma once

#include "core/common/NoticeSource.h"

#include <QFrame>
#include <QUrl>

class Desktop;
class QTextBrowser;

// The operator's notice page beside the picture buttons. It stays hidden until a page has arrived;
// a missing page or an unreachable server leaves it hidden, and nothing waits for the network.
class WebNoticePanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int Width = 222;

    WebNoticePanel(Desktop& desktop, NoticeSource& notices, QWidget* parent = nullptr);

    void load(const QUrl& address);
    QTextBrowser* browser() const { return m_web; }
    // Shows a page that has arrived; an empty page keeps the panel hidden.
    void showPage(const QByteArray& html, const QByteArray& contentType);

signals:
    void finished(bool shown);

private:
    void pageArrived(const NoticeSource::Page& page);

    Desktop& m_desktop;
    NoticeSource& m_notices;
    QTextBrowser* m_web;
};
