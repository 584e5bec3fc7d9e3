#pragma once

#include "core/spreadsheet/XlsPipe.h"

#include <QByteArray>

// The records the child reading an .xls sends, as they arrive on the pipe, their payloads together bounded by a
// budget.
class XlsChildOutput {
public:
    struct Record {
        XlsPipe::Tag tag;
        QByteArray payload;
    };
    enum class Next { Record, Closed, OverBudget };

    XlsChildOutput(int fd, qint64 budget);

    Next next(Record& record);

private:
    bool fill(qsizetype size);

    int m_fd;
    qint64 m_budget;
    QByteArray m_pending;
    qsizetype m_offset = 0;
};
