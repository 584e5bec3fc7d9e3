#include "core/consent/ConsentState.h"

namespace ConsentState {

QString name(int state)
{
    switch (state) {
    case AwaitingRegistration:
        return QStringLiteral("등록대기");
    case Registering:
        return QStringLiteral("등록중");
    case Registered:
        return QStringLiteral("등록완료");
    case RegistrationError:
        return QStringLiteral("등록오류");
    case AwaitingCancellation:
        return QStringLiteral("해지대기");
    case Cancelling:
        return QStringLiteral("해지중");
    case Cancelled:
        return QStringLiteral("해지완료");
    case CancellationError:
        return QStringLiteral("해지오류");
    default:
        return QStringLiteral("미등록");
    }
}

} // namespace ConsentState
