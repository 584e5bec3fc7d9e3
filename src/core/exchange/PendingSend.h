#pragma once

#include "core/edi/send/SendFileSet.h"

#include <QDateTime>
#include <QList>
#include <optional>

class Database;

// A send handed to the communication module and not recorded yet, kept in Data/SendPending while the module works:
// the run's stamp and, for each file, its name, the digest of its bytes and the keys it carries. A run that ends
// before recording leaves it behind, and the next run records as sent exactly the files the module delivered.
class PendingSend {
public:
    struct File {
        QString name;
        QByteArray digest;
        SentKeys keys;
    };

    PendingSend() = default;
    PendingSend(const QDateTime& stamp, const SendFileSet& files);

    // The SHA-256 of the bytes in hexadecimal, as the module's journal keeps it.
    static QByteArray digestOf(const QByteArray& bytes);

    const QDateTime& stamp() const { return m_stamp; }
    const QList<File>& files() const { return m_files; }

    // Written whole or not at all.
    bool save(const QString& path) const;
    // Empty when the file cannot be read or is not one of ours.
    static std::optional<PendingSend> load(const QString& path);

    // The batches, items and consent requests the files carry become sent, all in one transaction; only rows still
    // awaiting sending as they were written change. False with the table that failed.
    bool record(Database& database, const QList<File>& delivered, QString& failedTable) const;

private:
    QDateTime m_stamp;
    QList<File> m_files;
};
