#pragma once

#include "core/common/Money.h"

#include <QString>

struct TransferKind;
#include <QtGlobal>

// One row of the send/receive list, reported by the writers of the send files and by the importers.
struct TEdiInfo {
    enum Kind : quint8 {
        None = 0,
        BulkDeposit = 1,
        BulkWithdrawal = 2,
        ApartmentBanking = 3,
        CmsFundCollection = 4,
        CmsNotesReceivable = 5,
        PassbookTransactions = 6,
        ConsentRequest = 7,
    };

    // The kind of the rows of a transfer kind's files.
    static Kind kindOf(const TransferKind& kind);
    // The kind as the send/receive list names it; "알수없음" for None and unknown kinds.
    static QString kindName(quint8 kind);

    quint8 kind = None;
    QString name; // institution name
    QString fileInfo; // the sending or receive code
    qint32 count = 0;
    Money amount;
};
