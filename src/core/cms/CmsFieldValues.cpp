#include "core/cms/CmsFieldValues.h"

#include "core/common/FB_CommonFunctions.h"
#include "core/common/Money.h"
#include "core/edi/receive/EdiImportError.h"

namespace {

using Rule = CmsField::Rule;

QTime time(const RecordReader& record, const RecordField& field)
{
    const std::optional<QTime> value = FB_CommonFunctions::timeFromHhmmss(record.trimmed(field));
    if (!value)
        throw EdiImportError::badField(field.name, record.text(field));
    return *value;
}

qint64 number(const RecordReader& record, const CmsField& field)
{
    switch (field.rule) {
    case Rule::Strict:
        return CmsFieldValues::strictNumber(record, field.field);
    case Rule::StrictCount:
        return CmsFieldValues::strictNumber(record, field.field) - 2;
    case Rule::LenientCount: {
        const std::optional<qint64> count = CmsFieldValues::wholeNumber(record.bytes(field.field));
        return count ? *count - 2 : 0;
    }
    default:
        return CmsFieldValues::wholeNumber(record.bytes(field.field)).value_or(0);
    }
}

} // namespace

namespace CmsFieldValues {

QVariant value(const RecordReader& record, const CmsField& field)
{
    switch (field.rule) {
    case Rule::Text:
        return record.trimmed(field.field);
    case Rule::Name:
        return name(record.trimmed(field.field));
    case Rule::Account:
        return account(record.trimmed(field.field));
    case Rule::Date:
        return FB_CommonFunctions::dateFromYymmdd(record.trimmed(field.field));
    case Rule::Time:
        return time(record, field.field);
    default:
        break;
    }
    const qint64 whole = number(record, field);
    return field.money ? Money::fromWon(whole).stored() : whole;
}

std::optional<qint64> wholeNumber(QByteArrayView bytes)
{
    QByteArrayView text = bytes.trimmed();
    const bool negative = text.startsWith('-');
    if (negative)
        text = text.sliced(1);
    if (text.isEmpty() || text.size() > 14)
        return std::nullopt;
    qint64 whole = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        whole = whole * 10 + (c - '0');
    }
    return negative ? -whole : whole;
}

qint64 strictNumber(const RecordReader& record, const RecordField& field)
{
    const std::optional<qint64> whole = wholeNumber(record.bytes(field));
    if (!whole)
        throw EdiImportError::badField(field.name, record.text(field));
    return *whole;
}

QString account(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 14 && trimmed.startsWith(QLatin1String("000")))
        return trimmed.right(11);
    return trimmed;
}

QString name(const QString& text)
{
    QString compact = text.trimmed();
    compact.remove(QLatin1Char(' '));
    compact.remove(QChar(0x3000));
    return compact;
}

std::optional<QTime> headerTime(const RecordReader& record, const RecordField& field)
{
    if (record.trimmed(field).isEmpty())
        return std::nullopt;
    return time(record, field);
}

} // namespace CmsFieldValues
