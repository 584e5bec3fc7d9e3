#pragma once

#include "core/data/TableDef.h"

#include <QVariant>

// Every table of the working database, declared once: creation, the upgrade and the text-width cuts
// all read it. Table and field names compare without case, as the SQL engine does.
class TableCatalogue {
public:
    static const TableCatalogue& instance();

    const QList<TableDef>& tables() const { return m_tables; }
    // Null when the catalogue has no such table.
    const TableDef* table(const QString& name) const;

    // A text value of a text field cut to the field's width in CP949 bytes, never inside a double-byte
    // character; any other value, or a field the catalogue does not know, is returned unchanged.
    QVariant fit(const QString& tableName, const QString& fieldName, const QVariant& value) const;
    static QVariant fit(const FieldDef* field, const QVariant& value);
    static QString cutToWidth(const QString& text, int width);

private:
    TableCatalogue();
    static bool fitsWidth(const QString& text, int width);

    QList<TableDef> m_tables;
};
