#include "WorkbookReplay.h"

#include "MiniWorkbook.h"
#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookLimits.h"
#include "core/spreadsheet/XlsReader.h"
#include "core/spreadsheet/XlsxReader.h"

#include <QTemporaryFile>

namespace {

// Low enough that a mutation declaring or inflating to huge sizes is refused at once.
WorkbookLimits replayLimits()
{
    WorkbookLimits limits;
    limits.partBytes = qint64(4) << 20;
    limits.totalBytes = qint64(8) << 20;
    limits.xlsBytes = qint64(4) << 20;
    return limits;
}

const MiniWorkbook& fixedWorkbook()
{
    static const MiniWorkbook workbook
        = MiniWorkbook()
              .strings("<si><t>이름</t></si><si><r><t>홍</t></r><r><t>길동</t></r>"
                       "<rPh sb=\"0\" eb=\"1\"><t>ホン</t></rPh></si><si><t>a_x000D_b</t></si>")
              .styles("<numFmt numFmtId=\"176\" formatCode=\"000000\"/>", { 14, 176 })
              .rows("<row r=\"2\"><c r=\"A2\" t=\"s\"><v>0</v></c></row>"
                    "<row r=\"3\"><c r=\"A3\" t=\"s\"><v>1</v></c><c r=\"B3\" s=\"1\">"
                    "<v>39773</v></c><c r=\"C3\" s=\"2\"><v>12</v></c><c r=\"D3\" t=\"s\">"
                    "<v>2</v></c></row>");
    return workbook;
}

WorkbookReplay::Outcome outcomeOf(bool read, const QString& error, const WorkbookGrid& grid)
{
    return { read, read ? QString() : error, read ? int(grid.rows().size()) : 0 };
}

} // namespace

QString WorkbookReplay::corpusDirectory()
{
    return QStringLiteral(FB_SOURCE_DIR "/tests/fuzz/corpus/workbooks");
}

WorkbookReplay::Outcome WorkbookReplay::replay(const QByteArray& input)
{
    const QByteArray rest = input.mid(1);
    switch (input.isEmpty() ? '\0' : input.at(0)) {
    case 'x':
        return wholePackage(rest);
    case 's':
        return replaceOnePart(MiniWorkbook::SheetPart, rest);
    case 't':
        return replaceOnePart(MiniWorkbook::StringsPart, rest);
    case 'y':
        return replaceOnePart(QStringLiteral("xl/styles.xml"), rest);
    case 'w':
        return replaceOnePart(QStringLiteral("xl/workbook.xml"), rest);
    case 'b':
        return xlsFile(rest);
    default:
        return {};
    }
}

WorkbookReplay::Outcome WorkbookReplay::replaceOnePart(const QString& part, const QByteArray& content)
{
    QMap<QString, QByteArray> parts = fixedWorkbook().parts();
    parts.insert(part, content);
    const XlsxReader::PartSource source = [&parts](const QString& name, QByteArray& bytes, QString&) {
        const auto found = parts.constFind(name);
        if (found == parts.cend())
            return XlsxPackage::Read::Missing;
        bytes = found.value();
        return XlsxPackage::Read::Ok;
    };
    ConversionProgress progress(m_progress);
    WorkbookGrid grid(Columns);
    XlsxReader reader(replayLimits(), progress);
    const bool read = reader.read(source, grid);
    return outcomeOf(read, reader.errorString(), grid);
}

WorkbookReplay::Outcome WorkbookReplay::wholePackage(const QByteArray& bytes)
{
    const WorkbookLimits limits = replayLimits();
    XlsxPackage package(limits);
    WorkbookGrid grid(Columns);
    if (!package.openBytes(bytes))
        return outcomeOf(false, package.errorString(), grid);
    ConversionProgress progress(m_progress);
    XlsxReader reader(limits, progress);
    const bool read = reader.read(package, grid);
    return outcomeOf(read, reader.errorString(), grid);
}

WorkbookReplay::Outcome WorkbookReplay::xlsFile(const QByteArray& bytes)
{
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return { false, file.errorString(), 0 };
    ConversionProgress progress(m_progress);
    WorkbookGrid grid(Columns);
    QString error;
    const bool read = XlsReader::read(file.fileName(), replayLimits(), grid, progress, error);
    return outcomeOf(read, error, grid);
}
