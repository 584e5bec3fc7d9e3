#include "ui/app/WebNoticePanel.h"

#include "core/common/Cp949.h"
#include "core/common/Desktop.h"

#include <QPointer>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
// The operator's pages are Korean: without a usable declaration they are read as CP949.
QString decodeHtml(const QByteArray& html, const QByteArray& contentType)
{
    const QByteArray type = contentType.toLower();
    const qsizetype charset = type.indexOf("charset=");
    if (charset >= 0) {
        QStringDecoder declared(type.mid(charset + 8).trimmed().constData());
        if (declared.isValid())
            return declared(html);
    }
    if (html.startsWith("\xEF\xBB\xBF") || html.toLower().contains("charset")) {
        QStringDecoder fromPage = QStringDecoder::decoderForHtml(html);
        if (fromPage.isValid())
            return fromPage(html);
    }
    return Cp949::decode(html);
}
} // namespace

WebNoticePanel::WebNoticePanel(Desktop& desktop, NoticeSource& notices, QWidget* parent)
    : QFrame(parent)
    , m_desktop(desktop)
    , m_notices(notices)
    , m_web(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("pan_noti"));
    setFrameShape(QFrame::NoFrame);
    setFixedWidth(Width);
    m_web->setObjectName(QStringLiteral("web"));
    m_web->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_web->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_web->setOpenLinks(false);
    m_web->setFrameShape(QFrame::NoFrame);
    connect(m_web, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) { m_desktop.openUrl(link); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_web);
    hide();
}

void WebNoticePanel::load(const QUrl& address)
{
    hide();
    if (!address.isValid() || address.isEmpty()) {
        emit finished(false);
        return;
    }
    const QPointer<WebNoticePanel> panel(this);
    m_notices.fetch(address, [panel](const NoticeSource::Page& page) {
        if (panel)
            panel->pageArrived(page);
    });
}

void WebNoticePanel::pageArrived(const NoticeSource::Page& page)
{
    if (!page.arrived) {
        hide();
        emit finished(false);
        return;
    }
    showPage(page.html, page.contentType);
}

void WebNoticePanel::showPage(const QByteArray& html, const QByteArray& contentType)
{
    m_web->setHtml(decodeHtml(html, contentType));
    const bool shown = !m_web->document()->isEmpty();
    setVisible(shown);
    emit finished(shown);
}
