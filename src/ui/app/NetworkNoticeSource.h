#pragma once

#include "core/common/NoticeSource.h"

#include <QObject>

class QNetworkAccessManager;

// Fetches the notice page over HTTP; a transfer that stalls for ten seconds counts as failed.
class NetworkNoticeSource : public QObject, public NoticeSource {
    Q_OBJECT
public:
    explicit NetworkNoticeSource(QObject* parent = nullptr);

    void fetch(const QUrl& address, Answer answer) override;

private:
    QNetworkAccessManager* m_network = nullptr;
};
