#pragma once

#include <QHash>
#include <QList>
#include <QString>

class Database;

// The institution settings as the writers look them up: every row, in name order.
class SendInstitutions {
public:
    // A row's fields by their names in upper case (field names compare without case), each trimmed.
    using Row = QHash<QString, QString>;

    // Throws EdiSendError when the table cannot be read.
    explicit SendInstitutions(Database& database);

    // The first row whose column, trimmed, equals the trimmed code; null when there is none or the code is blank.
    const Row* find(const QString& column, const QString& code) const;
    // The trimmed text of a field of a row.
    static QString text(const Row& row, const QString& field);

private:
    QList<Row> m_rows;
};
