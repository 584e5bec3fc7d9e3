#include "core/maintenance/BackupName.h"

#include <QRegularExpression>

namespace BackupName {

QString stamp(const QDateTime& at)
{
    return at.toString(QStringLiteral("yyMMddHHmm"));
}

QString archive(const QString& stamp)
{
    return QStringLiteral("FM") + stamp + QStringLiteral(".zip");
}

QString part(const QString& stamp, int number)
{
    return QStringLiteral("FM%1.%2").arg(stamp).arg(number, 3, 10, QLatin1Char('0'));
}

QString lastPart(const QString& stamp)
{
    return QStringLiteral("FM") + stamp + QStringLiteral(".end");
}

QString stampOf(const QString& fileName)
{
    static const QRegularExpression name(QStringLiteral("^FM([0-9]{6}|[0-9]{10})\\.(ZIP|001)$"));
    const QRegularExpressionMatch match = name.match(fileName.toUpper());
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace BackupName
