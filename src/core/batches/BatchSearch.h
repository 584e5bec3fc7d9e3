#pragma once

#include <QDate>
#include <QString>

// What the batch search looks for: an institution code (any when empty) and a transfer-date range whose empty
// ends are open.
struct BatchSearch {
    QString institution;
    QDate from;
    QDate to;

    bool matches(const QString& code, const QDate& transferDate) const
    {
        return (institution.isEmpty() || institution == code.trimmed())
            && (!from.isValid() || (transferDate.isValid() && from <= transferDate))
            && (!to.isValid() || (transferDate.isValid() && transferDate <= to));
    }
};
