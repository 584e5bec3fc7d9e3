#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Database;
class Workspace;

// Moves apartment items off the sibling cooperative bank (code "16"): the export lists their accounts
// in Send/Convert for the bank, the import applies the new bank codes and accounts the bank sends back
// in Recv/Convert.
class AccountCodeConversion {
public:
    static const QString CooperativeBankCode;

    // One line of the received file: which account moves to which bank and account.
    struct Move {
        QString oldAccount;
        QString newBankCode;
        QString newAccount;
    };

    // Works on the workspace's database.
    explicit AccountCodeConversion(const Workspace& context);

    // "셈바->테온전산실로": true when the file was written.
    bool exportAccounts();
    // "셈바->테온계좌로 변환": true when the received moves were applied, all of them in one transaction.
    bool importAccounts();

    QString exportFile() const;
    QString receiveDir() const;
    QString importFile() const;
    // Items changed by the last import.
    int changedItems() const { return m_changedItems; }

    // False when the line is too short or a field it needs is blank.
    static bool parseMove(const QByteArray& line, Move& move);

private:
    bool databaseReady() const;
    bool collectAccounts(QList<QByteArray>& lines) const;
    bool receivedFileIsFirst() const;
    bool readMoves(QList<Move>& moves) const;
    bool applyMoves(const QList<Move>& moves);

    const Workspace& m_context;
    Database& m_database;
    int m_changedItems = 0;
};
