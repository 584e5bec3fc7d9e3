#pragma once

#include "core/common/RecordReader.h"
#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/ImportStatement.h"

#include <QDateTime>
#include <functional>
#include <optional>

class Database;

// One consent result file being read: each accepted S record opens an institution's group, each D record
// sets the state of the consent it answers, each E record, whose counts must match the group's D records,
// reports the group. Throws EdiImportError naming the record at fault; the importer then refuses the whole file.
class ConsentResultFile {
public:
    using Report = std::function<void(const TEdiInfo&)>;

    ConsentResultFile(Database& database, const QString& fileName, const QDateTime& now);

    static const RecordLayout& start();
    static const RecordLayout& answer();

    // Consent results start "S1E". A consent send file ("SE1") that came back is passed; anything else is no
    // consent result file.
    static bool isResultFile(const QByteArray& bytes);
    static bool isSendFile(const QByteArray& bytes);
    void read(const QByteArray& bytes, const Report& report);

private:
    struct Group {
        QString institutionCode;
        QString name;
        int count = 0;
        int registrations = 0;
        int cancellations = 0;
    };

    void readRecord(QByteArrayView record, int number, const Report& report);
    void startGroup(const RecordReader& record);
    void applyAnswer(const RecordReader& record);
    void endGroup(QByteArrayView record, int number, const Report& report);
    std::optional<qint64> consentRow(const QString& bankCode, const QString& account, const QString& payerNumber);

    QString m_fileName;
    QDateTime m_now;
    ImportStatement m_institution;
    ImportStatement m_consent;
    ImportStatement m_update;
    std::optional<Group> m_group;
};
