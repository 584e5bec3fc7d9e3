#include "ui/app/NetworkNoticeSource.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
const int TransferTimeoutMs = 10000;
} // namespace

NetworkNoticeSource::NetworkNoticeSource(QObject* parent)
    : QObject(parent)
{
}

void NetworkNoticeSource::fetch(const QUrl& address, Answer answer)
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(address);
    request.setTransferTimeout(TransferTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [reply, answer = std::move(answer)] {
        reply->deleteLater();
        Page page;
        if (reply->error() == QNetworkReply::NoError) {
            page.arrived = true;
            page.html = reply->readAll();
            page.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        }
        answer(page);
    });
}
