#include "core/common/MonthlyLog.h"

#include "core/common/Clock.h"
#include "core/common/Cp949.h"

#include <QFile>

QString MonthlyLog::fileName() const
{
    return fileNameAt(m_clock.now());
}

QString MonthlyLog::fileNameAt(const QDateTime& at) const
{
    return m_programDir + at.toString(QStringLiteral("yyyyMM")) + QStringLiteral(".log");
}

QString MonthlyLog::formatLine(const QDateTime& at, const QString& text, bool isError)
{
    return at.toString(QStringLiteral("dd HH:mm:ss"))
        + (isError ? QStringLiteral(" 에러 ") : QString(6, QLatin1Char(' '))) + text;
}

QString MonthlyLog::append(const QString& text, bool isError) const
{
    const QDateTime at = m_clock.now();
    const QString name = fileNameAt(at);
    QFile file(name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(Cp949::encode(formatLine(at, text, isError)) + "\r\n");
    return name;
}
