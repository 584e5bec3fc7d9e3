#pragma once

#include "core/common/FixedRecordReader.h"
#include "core/common/Money.h"

#include <QDate>
#include <QTime>

// Fields of received records that must convert; each throws EdiImportError naming the field when it does not.
namespace ReceivedFields {

// All digits, surrounding spaces allowed.
qint64 number(const FixedRecordReader& record, int start, int width, const QString& field);
Money wonAmount(const FixedRecordReader& record, int start, int width, const QString& field);
// YYYYMMDD; blank or zero is 1990-01-01, as everywhere in the program.
QDate yyyymmdd(const FixedRecordReader& record, int start, int width, const QString& field);
// YYMMDD with years 90-99 in the 1900s; blank, zero or impossible is 1990-01-01.
QDate yymmdd(const FixedRecordReader& record, int start, int width, const QString& field);
// Exactly six digits of a time that exists.
QTime hhmmss(const QByteArray& digits, const QString& field);

} // namespace ReceivedFields
