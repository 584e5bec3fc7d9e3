#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>

class Database;

// The institution settings as the writers look them up: every row, in name order.
class SendInstitutions {
public:
    // Throws EdiSendError when the table cannot be read.
    explicit SendInstitutions(Database& database);

    // The first row whose column, trimmed, equals the trimmed code; null when there is none or the code is blank.
    const QSqlRecord* find(const QString& column, const QString& code) const;
    // The trimmed text of a field of a row.
    static QString text(const QSqlRecord& row, const QString& field);

private:
    QList<QSqlRecord> m_rows;
};
