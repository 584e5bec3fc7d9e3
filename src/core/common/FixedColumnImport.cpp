#include "core/common/FixedColumnImport.h"

#include "core/common/Cp949.h"
#include "core/common/FB_CommonFunctions.h"
#include "core/common/FixedRecordReader.h"

namespace {

int startOf(const FixedColumnImport::Field& field)
{
    return field.start.trimmed().toInt();
}

// Header and data take the same fields, so a field with only one of start and length cannot shift the columns.
bool isPlaced(const FixedColumnImport::Field& field)
{
    return startOf(field) > 0 && field.length > 0;
}

bool isHeading(const QByteArray& line)
{
    const QByteArray firstFour = line.left(4).trimmed();
    return firstFour == Cp949::encode(QStringLiteral("이름")) || firstFour == Cp949::encode(QStringLiteral("은행"))
        || line.left(2).trimmed() == Cp949::encode(QStringLiteral("동"));
}

// The index of the first data line: the one after a heading among the first lines, else the first.
int firstDataLine(const QList<QByteArray>& lines)
{
    const int searched = qMin(static_cast<int>(lines.size()), FixedColumnImport::HeadingSearchLines);
    for (int i = 0; i < searched; ++i) {
        if (isHeading(lines.at(i)))
            return i + 1;
    }
    return 0;
}

} // namespace

FixedColumnImport::FixedColumnImport(Mode mode, const QList<Field>& layout)
{
    for (const Field& field : layout) {
        if (mode == Mode::EveryField || isPlaced(field))
            m_columns << field;
    }
}

QStringList FixedColumnImport::header() const
{
    QStringList names;
    for (const Field& field : m_columns)
        names << field.name;
    return names;
}

QStringList FixedColumnImport::row(const QByteArray& line) const
{
    const FixedRecordReader record(line);
    QStringList cells;
    for (const Field& field : m_columns)
        cells << record.trimmed(startOf(field), field.length);
    return cells;
}

bool FixedColumnImport::read(const QString& fileName, QList<QStringList>& target, QString& error) const
{
    QList<QByteArray> lines;
    if (!FB_CommonFunctions::readLines(fileName, lines)) {
        error = FB_CommonFunctions::cannotOpenMessage(fileName);
        return false;
    }
    QList<QStringList> rows { header() };
    for (int i = firstDataLine(lines); i < lines.size(); ++i) {
        const QByteArray line = Cp949::cut(lines.at(i), LineLimit);
        if (!line.trimmed().isEmpty())
            rows << row(line);
    }
    target = rows;
    return true;
}
