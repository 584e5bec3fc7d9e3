#pragma once

#include <QDateTime>
#include <QString>

// Dates and times as every screen shows them, in the Korean formats whatever the system locale is:
// "2026-12-10", "오후 5:16:32".
namespace ScreenDateTime {
QString date(const QDate& date);
QString time(const QTime& time);
QString dateTime(const QDateTime& dateTime);
} // namespace ScreenDateTime
