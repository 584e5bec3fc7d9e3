#pragma once

#include <QString>

// The state of a transfer batch and of its items, for all three kinds (State of Tong1/Tong2 and their twins).
namespace BatchState {

enum State { NoItems = -1, NotSendable = 0, AwaitingSending = 1, Sent = 2, ResultsReceived = 3 };

// "이체자료없음", "송신불가", "송신대기", "송신완료", "수신완료"; empty for any other value.
QString name(int state);

} // namespace BatchState
