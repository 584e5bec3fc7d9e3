#pragma once

#include <QDateTime>
#include <QString>

// What every writer of one generation run shares.
struct EdiSendRun {
    // Taken once per run, to the second: results find their batches by it.
    QDateTime stamp;
    // The login ID of the communication settings, for the header lines.
    QString loginId;
};
