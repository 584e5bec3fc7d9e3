#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// One file the communication module has sent.
struct Transmission {
    QDateTime sentAt;
    // Where it was put in the mailbox; gone from there once the bank side has taken it.
    QString outboxFile;
    QString infoName;
    QString receiver;
    bool text = false;
    qint64 size = 0;
    QDateTime receivedAt;
    int receiveCount = 0;
    QString state;
    // The SHA-256 of the bytes sent in hexadecimal: how a run that ended before it learnt the outcome finds its files.
    QByteArray digest;

    // Names the transmission from the send file's header line: the sending code and the bank-side code
    // (the help desk's code for a support upload); a file without a header goes by its file name.
    static Transmission fromSendFile(const QString& fileName, const QByteArray& bytes, const QDateTime& sentAt);
};

// The module's own record of every transmission, kept in the home, and the send report made from it.
class TransmissionJournal {
public:
    explicit TransmissionJournal(const QString& file)
        : m_file(file)
    {
    }

    QList<Transmission> load() const;
    bool holds(const QByteArray& digest) const;
    bool append(const QList<Transmission>& transmissions) const;
    bool save(const QList<Transmission>& transmissions) const;

    // One line of the send report file RptEDI, in CP949 without its line end.
    static QByteArray reportLine(const Transmission& transmission);

private:
    QString m_file;
};
