#pragma once

#include "core/calendar/DayNumbers.h"
#include "core/calendar/LunarDate.h"

#include <QDate>
#include <QHash>

// Solar to Korean lunar dates: from the official table where it reaches (the lunar years 1990 to 2050), elsewhere
// computed from an approximation of the moon's and the sun's longitudes and the mean solar terms.
//
// The result depends on the date alone. Searches are remembered because a batch of dates shares its new
// moons and every conversion looks back a few months to settle leap months.
class LunarConverter {
public:
    LunarDate fromSolar(const QDate& date) const;

private:
    // A new moon found by the forward search: the day value where the search stopped, and its local minute
    // counted from 1995-12-31 00:00.
    struct ForwardMoon {
        double value = 0;
        qint64 minute = 0;
    };

    LunarDate convert(qint64 dayNumber) const;
    LunarDate computeConversion(qint64 dayNumber) const;
    void settleLeapMonth(qint64 previousNewMoon, LunarDate& lunar) const;

    double elongationAtDay(qint64 dayNumber) const;
    qint64 previousNewMoon(qint64 dayNumber) const;
    qint64 nextSearchStart(qint64 dayNumber) const;
    ForwardMoon nextNewMoon(qint64 searchStart) const;
    qint64 followingNewMoon(qint64 searchStart) const;

    mutable QHash<qint64, LunarDate> m_conversions;
    mutable QHash<qint64, double> m_dayElongations;
    mutable QHash<qint64, qint64> m_previousNewMoons;
    mutable QHash<qint64, ForwardMoon> m_nextNewMoons;
    mutable QHash<qint64, qint64> m_followingNewMoons;
};
