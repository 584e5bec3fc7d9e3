#pragma once

#include "core/common/Money.h"
#include "core/common/RecordReader.h"

#include <QDate>
#include <QTime>

// Fields of received records that must convert; each throws RecordError naming the field when it does not.
namespace ReceivedFields {

Money wonAmount(const RecordReader& record, const RecordField& field);
// YYYYMMDD; blank or zero is 1990-01-01, as everywhere in the program.
QDate yyyymmdd(const RecordReader& record, const RecordField& field);
// YYMMDD with years 90-99 in the 1900s; blank, zero or impossible is 1990-01-01.
QDate yymmdd(const RecordReader& record, const RecordField& field);
// Exactly six digits of a time that exists.
QTime hhmmss(const RecordReader& record, const RecordField& field);
// The same for digits that are not a field of their own; an invalid time when they are no time.
QTime timeOf(QByteArrayView digits);
// The error for the field, showing the value as given.
[[noreturn]] void reject(const RecordReader& record, const RecordField& field, const QString& value);

} // namespace ReceivedFields
