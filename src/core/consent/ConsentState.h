#pragma once

#include <QString>
#include <QVariant>

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

// The number of states; every other Status value is shown as not registered.
constexpr int Count = 8;

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
// Sent and not yet answered: the bank's answer would find no row if it were deleted.
inline bool isInFlight(int state)
{
    return state == Registering || state == Cancelling;
}

// cResultCD, the text of the bank's answer to the last request (ResultCD): nothing for NULL, empty or -1,
// "정상처리" for 0, else the bracketed code and its text ("은행에 문의필요" for a code outside the table).
QString resultText(const QVariant& resultCode);

} // namespace ConsentState
