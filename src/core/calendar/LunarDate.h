#pragma once

// A date of the Korean lunar calendar.
struct LunarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    bool leapMonth = false;
    // The month has 30 days rather than 29.
    bool longMonth = false;

    bool operator==(const LunarDate& other) const
    {
        return year == other.year && month == other.month && day == other.day && leapMonth == other.leapMonth
            && longMonth == other.longMonth;
    }
};
