#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>

// One field of a fixed-width record: its place (from 1) and width in bytes, how a shorter value is padded
// and what it holds when nothing is set (a constant such as a record type, else all padding).
struct RecordField {
    enum class Align { Left, Right };

    QString name;
    int start = 0;
    int width = 0;
    Align align = Align::Left;
    char pad = ' ';
    QByteArray fixed;

    static RecordField text(const QString& name, int start, int width);
    static RecordField number(const QString& name, int start, int width);
    static RecordField constant(const QString& name, int start, const QByteArray& value);
    static RecordField blank(int start, int width);
};

// The declared layout of one kind of fixed-width record, in CP949 bytes. Built once, as a table that reads like
// the bank's layout table: the fields must follow one another from byte 1 without a gap or an overlap and end
// exactly at the record's length, which is checked here (std::logic_error otherwise).
class RecordLayout {
public:
    RecordLayout(const QString& name, int length, std::initializer_list<RecordField> fields);
    RecordLayout(const QString& name, int length, const QList<RecordField>& fields);

    const QString& name() const { return m_name; }
    int length() const { return m_length; }
    // The field of that name; std::logic_error when the layout has none (a fault of the program, not of a file).
    const RecordField& field(const QString& name) const;
    // The field of that name; null when the layout has none.
    const RecordField* find(const QString& name) const;
    const QList<RecordField>& fields() const { return m_fields; }
    // The record with no field set: every field at its constant or its padding.
    const QByteArray& blank() const { return m_blank; }

private:
    QString m_name;
    int m_length = 0;
    QList<RecordField> m_fields;
    QByteArray m_blank;
};
