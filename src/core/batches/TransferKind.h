#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The three kinds of transfer batch, declared once for the screens, the send-file writers and the importers:
// their tables and keys, the institution settings that name their files, and the few rules only one kind has.
struct TransferKind {
    enum class Kind { Deposit, Withdrawal, Apartment };

    static const TransferKind& deposit();
    static const TransferKind& withdrawal();
    static const TransferKind& apartment();
    // The kind a script names: "deposit", "withdrawal" or "apartment"; null for any other word.
    static const TransferKind* named(const QString& word);

    Kind kind = Kind::Deposit;
    QString batchTable; // Tong1, Tong21, Apt1
    QString itemTable; // Tong2, Tong22, Apt2
    QString batchKey; // TongID or AptID, in both tables
    QString itemKey; // the items' own auto-increment key
    QString fundTable; // the fund categories of Gubun: codeV, or CodeT
    bool hasSalary = false; // Salary of the batch and the item (deposit)
    bool hasDongHo = false; // Dong and Ho of the item (apartment)
    bool hasPassbookText = false; // Kita of the item is printed in the payee's passbook (deposit)
    bool withdraws = false; // its items take money from payers, under their consent

    // The institution settings (TOIO) of this kind.
    QString institutionColumn; // the institution code the files carry (TOID10, TOID210, APID10)
    QString oldInstitutionColumn; // the same in the old result layout (TOID, TOID2, APID)
    QString sendCodeColumn; // the send code of the header line (TONGOUT, TONG2OUT, APOUT)
    QString bankSideColumn; // the bank side of the header line (TOBCODE, TO2BCODE, APBCODE)
    QString receiveColumn; // the receive code that names the result files (TONGIN, TONG2IN, APIN)
    int toIO = 0; // TOIO set on a batch when its results are posted; 0 leaves it alone

    QString filePrefix; // the send files: Tong1_, Tong21_, Apt_ and a number
    QByteArray sendTransferKind; // positions 19-21 of the S record
    QByteArray sendItemKind; // position 20 of the D record

    // The batch screens.
    QString passwordColumn; // the institution password a batch must carry (TOPASS, TO2PASS, APPASS)
    QString motherAccountColumn; // copied into MoBankNo at every save (BankNoT1, BankNoT2; none for apartments)
    QString remarkColumn; // the batch's free remark (Comment, Comment, Bigo)
    QString batchCaption; // the batch list's caption
    QString groupTable; // the group templates a batch can be made from (GroupTo1, GroupTo3, GroupAp1)
    QString groupItemTable; // their items (GroupTo2, GroupTo4, GroupAp2)

    // Whether its items may go to the bank: withdrawals reach the central bank and the member co-operatives (10 to
    // 15), apartment payments also the co-operative bank's own code 16, deposits any bank.
    bool reachesBank(const QString& code) const
    {
        return isDeposit() || (code >= QLatin1String("10") && code <= QLatin1String(isWithdrawal() ? "15" : "16"));
    }

    // What an item of the kind carries from the user, copied whole by an item copy, a batch copy and a batch made
    // from a group: the bank and account, the amount, the fund category, the payer, the texts, and the salary
    // (deposit) or the dong and ho (apartment).
    QStringList copiedItemColumns() const;

    // The E record of its files totals the items at other banks (deposit); the other kinds write zeros there.
    bool countsOtherBanksAtEnd() const { return isDeposit(); }

    bool isDeposit() const { return kind == Kind::Deposit; }
    bool isWithdrawal() const { return kind == Kind::Withdrawal; }
    bool isApartment() const { return kind == Kind::Apartment; }
};
