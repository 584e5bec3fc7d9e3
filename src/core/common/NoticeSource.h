#pragma once

#include <QByteArray>
#include <QUrl>
#include <functional>

// Fetches the operator's notice page. The answer comes once, later or at once: the page with its
// declared content type, or nothing when it could not be had.
class NoticeSource {
public:
    struct Page {
        bool arrived = false;
        QByteArray html;
        QByteArray contentType;
    };
    using Answer = std::function<void(const Page& page)>;

    virtual ~NoticeSource() = default;
    virtual void fetch(const QUrl& address, Answer answer) = 0;
};

// For work without a window: there is no notice panel to fill, so nothing is fetched.
class NoNoticeSource : public NoticeSource {
public:
    void fetch(const QUrl&, Answer answer) override { answer({}); }
};
