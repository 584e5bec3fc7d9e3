#include "core/edi/receive/TransferResultKind.h"

#include "core/edi/TEdiInfo.h"

TransferResultKind TransferResultKind::deposit()
{
    return {Kind::Deposit,         TEdiInfo::BulkDeposit, QStringLiteral("TONGIN"),
            QStringLiteral("TOID10"), QStringLiteral("TOID"), QStringLiteral("Tong1"),
            QStringLiteral("Tong2"),  QStringLiteral("TongID"), QStringLiteral("Tong2ID"),
            1};
}

TransferResultKind TransferResultKind::withdrawal()
{
    return {Kind::Withdrawal,       TEdiInfo::BulkWithdrawal, QStringLiteral("TONG2IN"),
            QStringLiteral("TOID210"), QStringLiteral("TOID2"),  QStringLiteral("Tong21"),
            QStringLiteral("Tong22"),  QStringLiteral("TongID"), QStringLiteral("Tong2ID"),
            2};
}

TransferResultKind TransferResultKind::apartment()
{
    return {Kind::Apartment,       TEdiInfo::ApartmentBanking, QStringLiteral("APIN"),
            QStringLiteral("APID10"), QStringLiteral("APID"),      QStringLiteral("Apt1"),
            QStringLiteral("Apt2"),   QStringLiteral("AptID"),     QStringLiteral("Apt2ID"),
            0};
}
