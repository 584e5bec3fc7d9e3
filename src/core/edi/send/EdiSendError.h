#pragma once

#include <QString>

// A value the send files cannot carry, or a table that cannot be read or written: the generation run stops
// and nothing of it stays.
struct EdiSendError {
    QString message;
};
