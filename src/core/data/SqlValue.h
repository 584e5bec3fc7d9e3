#pragma once

#include "core/common/Money.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>

// How values are kept in the tables: dates 'YYYY-MM-DD', times 'HH:MM:SS', date-times
// 'YYYY-MM-DD HH:MM:SS' (NULL when empty), money as an integer of ten-thousandths, booleans 0/1, and empty
// text as NULL: the one conversion every statement binds its values through.
namespace SqlValue {

// The stored form of a value about to be bound; values that need no conversion pass unchanged.
QVariant stored(const QVariant& value);
inline QVariant stored(Money amount)
{
    return QVariant::fromValue(amount.stored());
}

QDate date(const QVariant& stored);
QTime time(const QVariant& stored);
QDateTime dateTime(const QVariant& stored);
inline Money money(const QVariant& stored)
{
    return Money::fromStored(stored.toLongLong());
}

} // namespace SqlValue
