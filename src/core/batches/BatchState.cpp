#include "core/batches/BatchState.h"

namespace BatchState {

QString name(int state)
{
    switch (state) {
    case NoItems:
        return QStringLiteral("이체자료없음");
    case NotSendable:
        return QStringLiteral("송신불가");
    case AwaitingSending:
        return QStringLiteral("송신대기");
    case Sent:
        return QStringLiteral("송신완료");
    case ResultsReceived:
        return QStringLiteral("수신완료");
    default:
        return {};
    }
}

} // namespace BatchState
