#include "core/cms/CmsFieldValues.h"

#include "core/common/FB_CommonFunctions.h"
#include "core/common/Money.h"
#include "core/edi/receive/EdiImportError.h"

namespace {

using Rule = CmsField::Rule;

QTime time(const FixedRecordReader& record, int start, int width, const QString& label)
{
    const std::optional<QTime> value = FB_CommonFunctions::timeFromHhmmss(record.trimmed(start, width));
    if (!value)
        throw EdiImportError::badField(label, record.text(start, width));
    return *value;
}

qint64 number(const FixedRecordReader& record, const CmsField& field)
{
    switch (field.rule) {
    case Rule::Strict:
        return CmsFieldValues::strictNumber(record, field.start, field.width, field.label);
    case Rule::StrictCount:
        return CmsFieldValues::strictNumber(record, field.start, field.width, field.label) - 2;
    case Rule::LenientCount: {
        const std::optional<qint64> count = CmsFieldValues::wholeNumber(record.field(field.start, field.width));
        return count ? *count - 2 : 0;
    }
    default:
        return CmsFieldValues::wholeNumber(record.field(field.start, field.width)).value_or(0);
    }
}

} // namespace

namespace CmsFieldValues {

QVariant value(const FixedRecordReader& record, const CmsField& field)
{
    switch (field.rule) {
    case Rule::Text:
        return record.trimmed(field.start, field.width);
    case Rule::Name:
        return name(record.trimmed(field.start, field.width));
    case Rule::Account:
        return account(record.trimmed(field.start, field.width));
    case Rule::Date:
        return FB_CommonFunctions::dateFromYymmdd(record.trimmed(field.start, field.width));
    case Rule::Time:
        return time(record, field.start, field.width, field.label);
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

qint64 strictNumber(const FixedRecordReader& record, int start, int width, const QString& label)
{
    const std::optional<qint64> whole = wholeNumber(record.field(start, width));
    if (!whole)
        throw EdiImportError::badField(label, record.text(start, width));
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

std::optional<QTime> headerTime(const FixedRecordReader& record, int start, const QString& label)
{
    if (record.trimmed(start, 6).isEmpty())
        return std::nullopt;
    return time(record, start, 6, label);
}

} // namespace CmsFieldValues
