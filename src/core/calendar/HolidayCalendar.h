#pragma once

#include "core/calendar/LunarConverter.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// Bank holidays: weekends, the fixed solar and lunar lists, the substitute holidays of the statutory ones by the
// rules in force each year, and the office's own list, which adds days (election days, temporary holidays) and
// removes days of the fixed lists its bank opens on. Lookups are remembered per year.
class HolidayCalendar {
public:
    // The years the calendar answers for; a date outside them is refused by whoever asks.
    static constexpr int FirstYear = 1;
    static constexpr int LastYear = 9999;
    static bool covers(const QDate& date)
    {
        return date.isValid() && date.year() >= FirstYear && date.year() <= LastYear;
    }

    // A weekday holiday of a year and why.
    struct Holiday {
        QDate date;
        QString name;
    };

    // The office's own days: true adds the date as a holiday, false removes it from the fixed lists.
    void setAdjustments(const QHash<QDate, bool>& adjustments);

    bool isHoliday(const QDate& date) const;
    // The weekday holidays of a year by the rules alone, the office's list left out, in date order.
    QList<Holiday> ruleHolidays(int year) const;
    LunarDate lunarDate(const QDate& date) const { return m_lunar.fromSolar(date); }

private:
    enum Statutory {
        NewYear,
        Seollal,
        Independence,
        Children,
        Buddha,
        Memorial,
        Liberation,
        Chuseok,
        Foundation,
        Hangul,
        Christmas,
    };

    bool isListed(const QDate& date) const;
    bool isLunarListed(const QDate& date) const;
    bool isLunarNewYear(const QDate& date) const;
    QList<Statutory> statutoryOn(const QDate& date) const;
    const QSet<qint64>& substitutes(int year) const;
    QSet<qint64> computeSubstitutes(int year) const;
    bool needsSubstitute(const QDate& date, Statutory holiday, bool saturdayCounts) const;
    QDate firstFreeDayAfter(const QDate& date, const QSet<qint64>& taken = {}) const;
    static QString nameOf(Statutory holiday);

    LunarConverter m_lunar;
    QHash<qint64, bool> m_adjustments; // by Julian day
    mutable QHash<int, QSet<qint64>> m_substitutes; // by year, Julian days
};
