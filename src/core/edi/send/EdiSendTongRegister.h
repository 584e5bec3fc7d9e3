#pragma once

#include "core/edi/send/EdiSendOutput.h"
#include "core/edi/send/EdiSendRun.h"

#include "core/edi/send/SendInstitutions.h"
#include <QDateTime>
#include <QVariant>
#include <functional>

class Database;
class SqliteStatement;

// The consent request files "Register_n" from TongRegister: every registration (state 0) and cancellation
// (state 4) waiting to be sent, one file per institution. States are left alone: the run raises them once
// the files have gone.
class EdiSendTongRegister {
public:
    EdiSendTongRegister(Database& database, const EdiSendRun& run);

    // False when no consent of a configured institution waits. Throws EdiSendError.
    bool write(EdiSendOutput& output);

private:
    struct Consent {
        qint64 row = 0;
        QString giganId;
        QString bankCode;
        QString bankNo;
        int status = 0;
        QVariant autoIcheDate;
        QString branch;
        QVariant requestDate;
        QString juminNo;
        QString napbuNo;
    };

    QStringList readInstitutionCodes();
    qint64 countWaiting();
    bool bankChecksRealNames();
    QList<Consent> readConsents(const QString& institution);
    QByteArray file(const QString& institution, const SendInstitutions::Row& settings, bool withdrawal,
        const QList<Consent>& consents) const;
    QByteArray header(const SendInstitutions::Row& settings, bool withdrawal) const;
    QByteArray dataRecord(const Consent& consent, int recordNumber) const;
    void markSent(const QList<Consent>& consents);
    static SentKeys keysOf(const QList<Consent>& consents);
    QByteArray requestDate(const Consent& consent) const;
    void select(
        const QString& sql, const QVariantList& values, const std::function<void(const SqliteStatement&)>& eachRow);
    [[noreturn]] void failConsent(const Consent& consent, const QString& field, const QString& problem) const;

    Database& m_database;
    EdiSendRun m_run;
    // Every consent waiting, of all institutions: the count the evidence header carries.
    qint64 m_waiting = 0;
    // Whether the bank checks the payers' real-name numbers.
    bool m_checksRealNames = false;
};
