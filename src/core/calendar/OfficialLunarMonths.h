#pragma once

#include <vector>

// The official Korean lunar calendar as the national astronomy institute publishes it: the solar day on which
// every lunar month begins, from the lunar new year of 1990 to the last month that begins in 2050. A month
// ends the day before the next one begins, so the last entry only closes the table.
namespace OfficialLunarMonths {

struct MonthStart {
    int solar; // YYYYMMDD
    int year;
    int month;
    bool leap;
};

// In solar order.
const std::vector<MonthStart>& starts();

} // namespace OfficialLunarMonths
