#pragma once

#include "core/batches/BankGroup.h"
#include "core/common/Money.h"

#include <QDate>
#include <QString>
#include <QTime>

// The S record of a group of transfer results, as far as the import uses it.
struct TransferResultHeader {
    QString institutionCode;
    QString bankCode;
    QDate transferDate;
    QDate transferEndDate;
    QDate sendDate;
    QString pass;
    QString motherAccount;
    QTime sendTime; // old layout: the send time of the whole group
    bool longVariant = false; // old layout: D records announced with an 11-digit batch number
};

// How a result finds its batch again: the batch number and send time written at sending.
struct TransferBatchKey {
    qint64 number = 0;
    QTime sendTime;
};

// What every D record gives, whether its item exists or not.
struct TransferResultItem {
    qint64 recordNumber = 0;
    TransferBatchKey batch;
    Money amount;
    QString flag;
    QString resultCode;
    int salary = 0; // deposit only
    BankGroup::Group bankGroup = BankGroup::Other; // current layout: where the send file's E record counted it
};

// What only an item that is not in the local tables needs.
struct TransferNewItem {
    QString fundCode;
    QString bankCode;
    QString account;
    QString payerNumber;
    QString passbookText;
    QString dong;
    QString ho;
    QDate transferDate;
};
