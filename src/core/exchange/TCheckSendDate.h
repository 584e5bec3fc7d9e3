#pragma once

#include <QDate>
#include <QString>

class Database;
class Messages;

// The two warnings before sending the batches of one table that await sending (State 1): transfer dates 7 or more
// days ahead, which the bank may not process, and transfer dates for which a batch of the table was sent already
// (the bank keeps only the last request of a day).
class TCheckSendDate {
public:
    TCheckSendDate(Database& database, const QString& table, const QString& dateField = QStringLiteral("IcheDate"));

    // The batches awaiting sending dated 7 or more calendar days after today; past dates pass.
    int outOfWindowCount(const QDate& today) const;
    // True when none is out of the window or the user goes on regardless.
    bool windowWarning(const QString& kindName, const QDate& today, Messages& messages) const;
    // Whether a batch of the table was sent (State 2) for a transfer date of a batch awaiting sending.
    bool sameDateSent() const;
    // True when no date was sent already or the user goes on regardless.
    bool sameDateWarning(const QString& kindName, Messages& messages) const;

private:
    Database& m_database;
    QString m_table;
    QString m_dateField;
};
