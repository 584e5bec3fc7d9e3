#include "core/spreadsheet/WorkbookImport.h"

#include "core/spreadsheet/XlsReader.h"
#include "core/spreadsheet/XlsxPackage.h"
#include "core/spreadsheet/XlsxReader.h"

#include <QDir>
#include <QFile>

namespace {

const QString CannotRead = QStringLiteral("엑셀 파일을 읽지 못했습니다.\n%1\n%2");
const QByteArray ZipSignature("PK\x03\x04", 4);
const QByteArray EmptyZipSignature("PK\x05\x06", 4);
const QByteArray CompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

enum class Format { Xlsx, Xls, Unknown };

Format formatOf(const QByteArray& head)
{
    if (head.startsWith(ZipSignature) || head.startsWith(EmptyZipSignature))
        return Format::Xlsx;
    if (head.startsWith(CompoundFileSignature))
        return Format::Xls;
    return Format::Unknown;
}

} // namespace

WorkbookImport::WorkbookImport(Progress& progress, const WorkbookLimits& limits)
    : m_progress(progress)
    , m_limits(limits)
{
}

bool WorkbookImport::importWorkbook(const QString& path, int columnCount)
{
    // No sheet is wider than the limit: more columns would only be blank cells kept for every row.
    m_grid = WorkbookGrid(qMin(columnCount, m_limits.columns));
    m_error.clear();
    if (path.trimmed().isEmpty()) {
        m_grid = WorkbookGrid();
        return true;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(path, file.errorString());
    const Format format = formatOf(file.read(CompoundFileSignature.size()));
    file.close();
    QString detail;
    bool read = false;
    if (format == Format::Xls) {
        read = XlsReader::read(path, m_limits, m_grid, m_progress, detail);
    } else if (format == Format::Xlsx) {
        read = readXlsx(path, detail);
    } else {
        detail = QStringLiteral("엑셀 통합 문서(.xlsx, .xls)가 아닙니다");
    }
    if (read && m_grid.dataRowCount() > 0)
        m_progress.showFinal(m_grid.dataRowCount());
    m_progress.close();
    return read || fail(path, detail);
}

bool WorkbookImport::readXlsx(const QString& path, QString& detail)
{
    XlsxPackage package(m_limits);
    if (!package.openFile(path)) {
        detail = package.errorString();
        return false;
    }
    XlsxReader reader(m_limits, m_progress);
    const bool read = reader.read(package, m_grid);
    detail = reader.errorString();
    return read;
}

bool WorkbookImport::fail(const QString& path, const QString& detail)
{
    m_grid = WorkbookGrid();
    m_error = CannotRead.arg(QDir::toNativeSeparators(path), detail);
    return false;
}
