#pragma once

#include "core/data/TableDef.h"

#include <QVariant>

// Every table of the working database, declared once: creation, the upgrade and the text widths all read it. Table and
// field names compare without case, as the SQL engine does.
class TableCatalogue {
public:
    static const TableCatalogue& instance();

    const QList<TableDef>& tables() const { return m_tables; }
    // Null when the catalogue has no such table.
    const TableDef* table(const QString& name) const;

    // The width in CP949 bytes of a text field; 0 for any other field or one the catalogue does not know.
    int width(const QString& tableName, const QString& fieldName) const;
    // Whether a value in stored form fits its field: a text of a text field has at most the field's width in CP949
    // bytes; any other value, or a field the catalogue does not know, fits.
    static bool fits(const FieldDef* field, const QVariant& value);
    // The error of a value that does not fit, naming the table and the field.
    static QString tooWide(const QString& tableName, const FieldDef& field);
    // Only for a rule that says to cut (fields of received files, texts of customer files): a text value of a text
    // field cut to the field's width, never inside a double-byte character; any other value is returned unchanged.
    QVariant cutToColumn(const QString& tableName, const QString& fieldName, const QVariant& value) const;
    static QString cutToWidth(const QString& text, int width);

private:
    TableCatalogue();
    static bool fitsWidth(const QString& text, int width);

    QList<TableDef> m_tables;
};
