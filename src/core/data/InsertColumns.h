#pragma once

#include "core/data/TableDef.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The table and fields of an INSERT, checked once, and the values of a row in the form they are bound in:
// converted to their stored form and checked against the field's width, as Database::insert does.
class InsertColumns {
public:
    // What becomes of a text wider than its field: refused, or, only where a rule says so (fields of received
    // files), cut to the width never inside a double-byte character.
    enum class WideText { Refuse, Cut };

    InsertColumns(const QString& table, const QStringList& fields, WideText wideText = WideText::Refuse);

    // False for a table or field name that is not plain; error() says why.
    bool isValid() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    qsizetype fieldCount() const { return m_fields.size(); }
    // The statement that inserts the given number of rows.
    QString sql(int rows) const;
    // Appends the bound values of the row made of first and rest to bound; false (with error()), bound unchanged,
    // when the row has the wrong number of values or a text wider than its field.
    bool append(QVariantList& bound, const QVariantList& first, const QVariantList& rest);

private:
    QString m_table;
    QStringList m_fields;
    QList<const FieldDef*> m_definitions; // null for a field the catalogue does not know
    WideText m_wideText;
    QString m_error;
};
