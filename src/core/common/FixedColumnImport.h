#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reads a customer's fixed-column text file into a grid of texts by a layout of byte positions.
// The grid's row 0 holds the field names, the data rows follow.
class FixedColumnImport {
public:
    // EveryField: one column per layout field. PlacedFields: only the fields with a start and a length.
    enum class Mode { EveryField = 1, PlacedFields = 2 };

    struct Field {
        QString name;
        QString start; // byte position from 1, as typed into the layout; blank when the field is not in the file
        int length = 0;
    };

    static constexpr int LineLimit = 255;
    static constexpr int HeadingSearchLines = 10;

    FixedColumnImport(Mode mode, const QList<Field>& layout);

    QStringList header() const;
    // Replaces target with the header and one row per non-blank data line. A file that cannot be read
    // leaves target alone and gives false with the message in error.
    bool read(const QString& fileName, QList<QStringList>& target, QString& error) const;

private:
    QStringList row(const QByteArray& line) const;

    QList<Field> m_columns;
};
