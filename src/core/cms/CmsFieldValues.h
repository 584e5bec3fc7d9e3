#pragma once

#include "core/cms/CmsField.h"
#include "core/common/RecordReader.h"

#include <QTime>
#include <QVariant>
#include <optional>

// The conversions of received inquiry fields. Strict fields and impossible times throw EdiImportError.
namespace CmsFieldValues {

// The field's value as its column stores it.
QVariant value(const RecordReader& record, const CmsField& field);

// Whole won or a count: digits with an optional leading minus, surrounding spaces allowed.
std::optional<qint64> wholeNumber(QByteArrayView bytes);
qint64 strictNumber(const RecordReader& record, const RecordField& field);
QString account(const QString& text);
QString name(const QString& text);
// Blank gives no time; otherwise HHMMSS as everywhere in the program.
std::optional<QTime> headerTime(const RecordReader& record, const RecordField& field);

} // namespace CmsFieldValues
