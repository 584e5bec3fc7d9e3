#pragma once

#include <QtGlobal>

// A date as the lunar conversion counts it: year, month, day.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Signed day numbers counted from 1995-12-31 (1996-01-01 is day 1) under the calendar rules of the lunar
// conversion, which differ from the Gregorian calendar by dropping the leap day of years divisible by 4000.
class DayNumbers {
public:
    static int daysInMonth(int year, int month);
    static qint64 dayNumber(const CivilDate& date);
    static CivilDate date(qint64 dayNumber);

private:
    static qint64 daysBeforeYear(qint64 year);
};
