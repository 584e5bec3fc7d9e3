#pragma once

#include "core/common/RecordReader.h"
#include "core/edi/TEdiInfo.h"
#include "core/edi/receive/ImportStatement.h"

#include <QDateTime>
#include <functional>
#include <optional>

class Database;

// One consent result file being read: each accepted S record opens an institution's group, each D record
// sets the state of the consent it answers, each E record reports the group.
class ConsentResultFile {
public:
    using Report = std::function<void(const TEdiInfo&)>;

    ConsentResultFile(Database& database, const QString& fileName, const QDateTime& now);

    static const RecordLayout& start();
    static const RecordLayout& answer();

    // Consent send files start "SE1", results "S1E"; anything else is not read.
    static bool isResultFile(const QByteArray& bytes);
    void read(const QByteArray& bytes, const Report& report);

private:
    struct Group {
        QString institutionCode;
        QString name;
        int count = 0;
    };

    void readRecord(QByteArrayView record, int number, const Report& report);
    void startGroup(const RecordReader& record);
    void applyAnswer(const RecordReader& record);
    std::optional<qint64> consentRow(const QString& bankCode, const QString& account, const QString& payerNumber);

    QString m_fileName;
    QDateTime m_now;
    ImportStatement m_institution;
    ImportStatement m_consent;
    ImportStatement m_update;
    std::optional<Group> m_group;
};
