#pragma once

#include <QString>
#include <QtGlobal>

// What tells the three kinds of transfer results apart: their tables, the institution columns that name
// their result files, and the rules that only one kind has.
struct TransferResultKind {
    enum class Kind { Deposit, Withdrawal, Apartment };

    static TransferResultKind deposit();
    static TransferResultKind withdrawal();
    static TransferResultKind apartment();

    Kind kind = Kind::Deposit;
    quint8 ediKind = 0;             // TEdiInfo kind of the report rows
    QString receiveColumn;          // the institution column that names the result file
    QString institutionColumn;      // the institution code of the current layout
    QString oldInstitutionColumn;   // of the old layout
    QString batchTable;
    QString itemTable;
    QString batchKey;               // TongID or AptID
    QString itemKey;                // the items' own auto-increment key
    int toIO = 0;                   // ToIO set on a posted batch; 0 leaves it alone

    bool isDeposit() const { return kind == Kind::Deposit; }
    bool isApartment() const { return kind == Kind::Apartment; }
    // Withdrawal and apartment old-layout files may announce D records with an 11-digit batch number.
    bool hasLongVariant() const { return kind != Kind::Deposit; }
};
