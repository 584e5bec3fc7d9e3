#pragma once

#include <QString>

// The state of a payer's withdrawal consent (Status of TongRegister). A payer counts as consented only when
// Registered.
namespace ConsentState {

enum State {
    AwaitingRegistration = 0,
    Registering = 1,
    Registered = 2,
    RegistrationError = 3,
    AwaitingCancellation = 4,
    Cancelling = 5,
    Cancelled = 6,
    CancellationError = 7,
};

// "등록대기" … "해지오류"; "미등록" for any other value.
QString name(int state);
// What a sending run writes: the states awaiting registration or cancellation.
inline bool awaitsSending(int state)
{
    return state == AwaitingRegistration || state == AwaitingCancellation;
}
// The state a written consent moves to once the run has sent it.
inline int afterSending(int state)
{
    return state == AwaitingRegistration ? Registering : state == AwaitingCancellation ? Cancelling : state;
}

} // namespace ConsentState
