#pragma once

#include "core/print/ExportColumn.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

class PrintRows;
class Progress;

// The text export: CP949 lines ended by CR LF, a header of the column labels without their spaces, then one line per
// row, each value fitted to its column's width and the columns joined by ";". Written through a save file, so a
// failure leaves any old file as it was.
class ReportFile {
public:
    explicit ReportFile(QList<ExportColumn> columns);

    QByteArray headerLine() const;
    // The line of one row; empty when an amount does not fit its width.
    QByteArray line(const QStringList& values) const;
    // False when the file cannot be written or a row does not fit.
    bool write(const QString& path, const PrintRows& rows, Progress& progress) const;

    static QString progressText() { return QStringLiteral("파일에 저장중..."); }

private:
    QList<ExportColumn> m_columns;
};
