#include "core/batches/TransferKind.h"

const TransferKind* TransferKind::named(const QString& word)
{
    if (word == QLatin1String("deposit"))
        return &deposit();
    if (word == QLatin1String("withdrawal"))
        return &withdrawal();
    return word == QLatin1String("apartment") ? &apartment() : nullptr;
}

const TransferKind& TransferKind::deposit()
{
    static const TransferKind kind { Kind::Deposit, QStringLiteral("Tong1"), QStringLiteral("Tong2"),
        QStringLiteral("TongID"), QStringLiteral("Tong2ID"), QStringLiteral("codeV"), true, false, true, false,
        QStringLiteral("TOID10"), QStringLiteral("TOID"), QStringLiteral("TONGOUT"), QStringLiteral("TOBCODE"),
        QStringLiteral("TONGIN"), 1, QStringLiteral("Tong1_"), QByteArrayLiteral("111"), QByteArrayLiteral("1"),
        QStringLiteral("TOPASS"), QStringLiteral("BankNoT1"), QStringLiteral("Comment"),
        QStringLiteral("대량입금-이용기관정보"), QStringLiteral("GroupTo1"), QStringLiteral("GroupTo2") };
    return kind;
}

const TransferKind& TransferKind::withdrawal()
{
    static const TransferKind kind { Kind::Withdrawal, QStringLiteral("Tong21"), QStringLiteral("Tong22"),
        QStringLiteral("TongID"), QStringLiteral("Tong2ID"), QStringLiteral("CodeT"), false, false, false, true,
        QStringLiteral("TOID210"), QStringLiteral("TOID2"), QStringLiteral("TONG2OUT"), QStringLiteral("TO2BCODE"),
        QStringLiteral("TONG2IN"), 2, QStringLiteral("Tong21_"), QByteArrayLiteral("221"), QByteArrayLiteral("2"),
        QStringLiteral("TO2PASS"), QStringLiteral("BankNoT2"), QStringLiteral("Comment"),
        QStringLiteral("대량출금-이용기관정보"), QStringLiteral("GroupTo3"), QStringLiteral("GroupTo4") };
    return kind;
}

const TransferKind& TransferKind::apartment()
{
    static const TransferKind kind { Kind::Apartment, QStringLiteral("Apt1"), QStringLiteral("Apt2"),
        QStringLiteral("AptID"), QStringLiteral("Apt2ID"), QStringLiteral("CodeT"), false, true, false, true,
        QStringLiteral("APID10"), QStringLiteral("APID"), QStringLiteral("APOUT"), QStringLiteral("APBCODE"),
        QStringLiteral("APIN"), 0, QStringLiteral("Apt_"), QByteArrayLiteral("221"), QByteArrayLiteral("2"),
        QStringLiteral("APPASS"), QString(), QStringLiteral("Bigo"), QStringLiteral("아파트뱅킹-관리사무소정보"),
        QStringLiteral("GroupAp1"), QStringLiteral("GroupAp2") };
    return kind;
}

QStringList TransferKind::copiedItemColumns() const
{
    QStringList columns { QStringLiteral("BankCode"), QStringLiteral("BankNo"), QStringLiteral("IcheMoney"),
        QStringLiteral("Gubun"), QStringLiteral("NapbuNo"), QStringLiteral("Bigo"), QStringLiteral("Kita") };
    if (hasSalary)
        columns << QStringLiteral("Salary");
    if (hasDongHo)
        columns << QStringLiteral("Dong") << QStringLiteral("Ho");
    return columns;
}
