#pragma once

#include "core/common/Money.h"

#include <QList>
#include <QString>

// The batch summary of a printout (요약): the institution, dates, remark and state, and the counts and amounts by
// bank group.
struct TransferBatchSummary {
    struct Total {
        qint64 count = 0;
        Money amount;
    };

    QString institution; // "[" + code + "] " + name, or "[" + code + "]" for an unknown code
    QString transferDate;
    QString sendDate;
    QString remark;
    QString state;
    QString receiveDate;
    QList<Total> totals; // 전체, 중앙회, 회원조합, 타행, 이체불능
};
