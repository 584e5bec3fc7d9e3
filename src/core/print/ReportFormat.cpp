#include "core/print/ReportFormat.h"

#include <QLocale>

QString ReportFormat::count(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

QString ReportFormat::amount(Money amount)
{
    return count(amount.won());
}
