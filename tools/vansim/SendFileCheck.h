#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads one file that arrived from an institution and checks it the way the network does: the header line,
// the length of every record, the S/D/E order, the record numbers, the counts and sums of the E record,
// and, for transfers, the check value of every item and of the file.
class SendFileCheck {
public:
    enum class Kind { Deposit, Withdrawal, Consent };

    // False when the file fails a check; reason() then says which and where.
    bool check(const QByteArray& bytes);

    const QString& reason() const { return m_reason; }
    Kind kind() const { return m_kind; }
    // The institution code of the S record, trimmed.
    QString institution() const;
    const QByteArray& start() const { return m_start; }
    const QList<QByteArray>& items() const { return m_items; }
    const QByteArray& end() const { return m_end; }

    // The four digits of an item check value and of a file check value for a modulus.
    static QByteArray itemCheck(qint64 value, int modulus);
    static QByteArray fileCheck(qint64 count, qint64 amount, qint64 digitSum, int modulus);

private:
    bool checkHeader(const QByteArray& header);
    bool splitRecords(const QByteArray& body, int width);
    bool checkTransfer();
    bool checkTransferItem(int number, int modulus, int day, qint64& digitSum);
    bool checkTransferEnd(qint64 amount, qint64 digitSum, int modulus, const qint64 groups[3][2]);
    bool checkConsent();
    bool fail(const QString& reason);

    Kind m_kind = Kind::Deposit;
    bool m_consentHeader = false;
    QByteArray m_start;
    QList<QByteArray> m_items;
    QByteArray m_end;
    QString m_reason;
};
