#include "core/print/ReportFile.h"

#include "core/common/Cp949.h"
#include "core/common/Progress.h"
#include "core/common/RecordWriter.h"
#include "core/print/PrintRows.h"

#include <QSaveFile>

namespace {

const QByteArray LineEnd = QByteArrayLiteral("\r\n");
const char Separator = ';';

RecordField shapeOf(const ExportColumn& column, bool rightAligned)
{
    return { column.field, 1, column.width, rightAligned ? RecordField::Align::Right : RecordField::Align::Left, ' ',
        {} };
}

} // namespace

ReportFile::ReportFile(QList<ExportColumn> columns)
    : m_columns(std::move(columns))
{
}

QByteArray ReportFile::headerLine() const
{
    QByteArray line;
    for (const ExportColumn& column : m_columns) {
        if (!line.isEmpty())
            line += Separator;
        QString label = column.label;
        label.remove(QLatin1Char(' '));
        line += RecordWriter::padded(Cp949::encode(label), shapeOf(column, false));
    }
    return line + LineEnd;
}

QByteArray ReportFile::line(const QStringList& values) const
{
    QByteArray line;
    for (int i = 0; i < m_columns.size(); ++i) {
        const ExportColumn& column = m_columns.at(i);
        const QByteArray value = Cp949::encode(values.value(i));
        if (column.amount && value.size() > column.width)
            return {};
        if (i > 0)
            line += Separator;
        line += RecordWriter::padded(value, shapeOf(column, column.amount));
    }
    return line + LineEnd;
}

bool ReportFile::write(const QString& path, const PrintRows& rows, Progress& progress) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const int count = rows.count();
    progress.showProgress(progressText(), 0, count, true);
    bool written = file.write(headerLine()) >= 0;
    for (int i = 0; written && i < count; ++i) {
        const QByteArray bytes = line(rows.fileValues(i));
        written = !bytes.isEmpty() && file.write(bytes) == bytes.size();
        progress.step();
    }
    progress.close();
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.flush() && file.commit();
}
