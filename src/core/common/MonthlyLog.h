#pragma once

#include <QDateTime>
#include <QString>

class Clock;

// The monthly log: <home>/YYYYMM.log, one CP949 line per event, "DD hh:nn:ss" then " 에러 " for an
// error or six spaces, then the text. Writing never fails loudly.
class MonthlyLog {
public:
    MonthlyLog(const QString& programDir, const Clock& clock)
        : m_programDir(programDir)
        , m_clock(clock)
    {
    }

    // Appends one line and returns the log's file name.
    QString append(const QString& text, bool isError = false) const;
    QString fileName() const;
    static QString formatLine(const QDateTime& at, const QString& text, bool isError);

private:
    QString fileNameAt(const QDateTime& at) const;

    QString m_programDir;
    const Clock& m_clock;
};
