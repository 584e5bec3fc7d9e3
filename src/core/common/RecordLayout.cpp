#include "core/common/RecordLayout.h"

#include <stdexcept>

RecordField RecordField::text(const QString& name, int start, int width)
{
    return { name, start, width, Align::Left, ' ', {} };
}

RecordField RecordField::number(const QString& name, int start, int width)
{
    return { name, start, width, Align::Right, '0', {} };
}

RecordField RecordField::constant(const QString& name, int start, const QByteArray& value)
{
    return { name, start, static_cast<int>(value.size()), Align::Left, ' ', value };
}

RecordField RecordField::blank(int start, int width)
{
    return { QString(), start, width, Align::Left, ' ', {} };
}

namespace {

[[noreturn]] void refuse(const QString& layout, const QString& problem)
{
    throw std::logic_error(QStringLiteral("record layout %1: %2").arg(layout, problem).toStdString());
}

} // namespace

RecordLayout::RecordLayout(const QString& name, int length, std::initializer_list<RecordField> fields)
    : RecordLayout(name, length, QList<RecordField>(fields))
{
}

RecordLayout::RecordLayout(const QString& name, int length, const QList<RecordField>& fields)
    : m_name(name)
    , m_length(length)
    , m_fields(fields)
{
    int next = 1;
    for (const RecordField& field : m_fields) {
        const QString label = field.name.isEmpty() ? QStringLiteral("(blank)") : field.name;
        if (field.start != next)
            refuse(name, QStringLiteral("field %1 starts at %2, expected %3").arg(label).arg(field.start).arg(next));
        if (field.width <= 0)
            refuse(name, QStringLiteral("field %1 has no width").arg(label));
        if (field.fixed.size() > field.width)
            refuse(name, QStringLiteral("the constant of field %1 is wider than the field").arg(label));
        next += field.width;
        const QByteArray padding(field.width - field.fixed.size(), field.pad);
        m_blank += field.align == RecordField::Align::Left ? field.fixed + padding : padding + field.fixed;
    }
    if (next - 1 != length)
        refuse(name, QStringLiteral("the fields cover %1 bytes of %2").arg(next - 1).arg(length));
}

const RecordField& RecordLayout::field(const QString& name) const
{
    const RecordField* found = find(name);
    if (!found)
        refuse(m_name, QStringLiteral("no field %1").arg(name));
    return *found;
}

const RecordField* RecordLayout::find(const QString& name) const
{
    for (const RecordField& field : m_fields) {
        if (field.name == name)
            return &field;
    }
    return nullptr;
}
