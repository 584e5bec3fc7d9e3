#pragma once

#include "core/edi/TEdiInfo.h"
#include "core/edi/send/SendFileSet.h"

#include <QList>

// What the writers of one generation run produce.
struct EdiSendOutput {
    SendFileSet files;
    QList<TEdiInfo> rows;
    // Raised by the withdrawal and apartment writers with their first D record: the run then checks consents.
    bool withdrawalData = false;
};
