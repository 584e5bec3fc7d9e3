#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How a field is stored. Text widths count CP949 bytes; money is an integer of ten-thousandths of a won;
// dates, times and date-times are ISO text; booleans are 0/1.
enum class FieldType { Text, Integer, SmallInt, Money, Date, Time, DateTime, Boolean, AutoIncrement };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int width = 0; // text only
    bool required = false;
    // Set for a column the upgrade adds to an older table: the SQL expression that fills it once
    // (a literal or another column of the row).
    QString upgradeFill;

    bool isAddedByUpgrade() const { return !upgradeFill.isEmpty(); }
    // The column definition for CREATE TABLE and ALTER TABLE ... ADD.
    QString sqlDefinition() const;
};

struct IndexDef {
    enum class Kind { Primary, Plain };

    QString name; // as the screens know it; the SQL name is TableDef::sqlIndexName
    QStringList fields;
    Kind kind = Kind::Plain;

    bool isUnique() const { return kind == Kind::Primary; }
};

struct TableDef {
    enum class Origin { Shipped, Created };

    QString name;
    Origin origin = Origin::Shipped;
    QList<FieldDef> fields;
    QList<IndexDef> indexes;

    // Field names compare without case. Null when the table has no such field.
    const FieldDef* field(const QString& fieldName) const;
    // SQL index names share one name space per database, so a name that does not already begin with the
    // table's name is prefixed with it.
    QString sqlIndexName(const IndexDef& index) const;

    QString createTableSql() const;
    QString createIndexSql(const IndexDef& index) const;
    // The table and its indexes as the program creates them.
    QStringList createStatements() const;
};
