#include "core/spreadsheet/XlsReader.h"
#include "TestHome.h"
#include "core/common/Progress.h"
#include "core/spreadsheet/ConversionProgress.h"
#include "core/spreadsheet/WorkbookGrid.h"
#include "core/spreadsheet/WorkbookImport.h"
#include "core/spreadsheet/WorkbookLimits.h"

#include <gtest/gtest.h>

namespace {

struct GridRow {
    int sheetRow;
    QStringList cells;

    bool operator==(const GridRow& other) const { return sheetRow == other.sheetRow && cells == other.cells; }
};

// The grid of the consent workbook fixture read with ten columns (consent.xls, made by make_xls.py): the header
// row, the example row, the data rows; the row without a name, the first sheet's cell past column J and the
// second sheet left out.
const QList<GridRow> ConsentWorkbookGrid = {
    { 2,
        { "이름", "기관업체코드", "은행코드", "계좌번호", "납부자번호", "실명번호", "고객신청일자", "자동납부일자",
            "지점코드", "실명번호검사" } },
    { 3, { "홍길동", "000001", "11", "1234567890", "790312", "790312       ", "2008-11-21", "", "", "Y" } },
    { 4, { "김철수", "000001", "04", "1002003004005", "A-17", "8001011234567", "2008-11-21", "", "0012", "N" } },
    { 6, { "  이 영희 ", "7", "12.5", "-3", "  공백  ", "", "2008-11-21 13:45:30", "09:30:00", "", "Y" } },
    { 8, { "박민수", "000003", "20", "1002-003-004005", "", "", "2008-11-22", "", "", "" } },
};

bool readXls(const QString& path, const WorkbookLimits& limits, WorkbookGrid& grid, QString& error)
{
    NullProgress progress;
    ConversionProgress conversion(progress);
    return XlsReader::read(path, limits, grid, conversion, error);
}

TEST(XlsReader, ReadsTheFirstSheetIntoTheGrid)
{
    WorkbookGrid grid(10);
    QString error;
    ASSERT_TRUE(readXls(testDataPath("spreadsheet/consent.xls"), {}, grid, error)) << error.toStdString();
    ASSERT_EQ(grid.rows().size(), ConsentWorkbookGrid.size());
    for (qsizetype row = 0; row < ConsentWorkbookGrid.size(); ++row) {
        EXPECT_EQ(grid.sheetRows().at(row), ConsentWorkbookGrid.at(row).sheetRow) << row;
        EXPECT_EQ(grid.rows().at(row), ConsentWorkbookGrid.at(row).cells) << row;
    }
}

// The workbook users fill in reads the same whether it was saved as .xls or .xlsx: the reader is chosen by content.
TEST(XlsReader, TheXlsxTwinGivesTheSameGrid)
{
    for (const char* file : { "spreadsheet/consent.xls", "spreadsheet/consent.xlsx" }) {
        NullProgress progress;
        WorkbookImport import(progress);
        ASSERT_TRUE(import.importWorkbook(testDataPath(file), 10)) << import.errorString().toStdString();
        QList<GridRow> rows;
        for (qsizetype row = 0; row < import.grid().rows().size(); ++row)
            rows.append({ import.grid().sheetRows().at(row), import.grid().rows().at(row) });
        EXPECT_EQ(rows, ConsentWorkbookGrid) << file;
    }
}

// Damaged, encrypted and oversized files end in a message, never in a crash or a hang; the inputs that crash FreeXL
// or make it allocate without end are read in a child process whose memory follows the lowered size limit.
TEST(XlsReader, RefusesWhatItCannotRead)
{
    struct Case {
        const char* file;
        qint64 xlsBytes;
        int rows;
        qint64 totalBytes;
        const char* error;
    };
    const WorkbookLimits defaults;
    const Case cases[] = {
        { "password.xls", defaults.xlsBytes, defaults.rows, defaults.totalBytes,
            "암호가 걸린 파일은 읽을 수 없습니다. 암호를 해제하여 저장한 뒤 다시 읽어 주십시오." },
        { "password.xlsx", defaults.xlsBytes, defaults.rows, defaults.totalBytes,
            "암호가 걸린 파일은 읽을 수 없습니다. 암호를 해제하여 저장한 뒤 다시 읽어 주십시오." },
        { "truncated.xls", defaults.xlsBytes, defaults.rows, defaults.totalBytes,
            "엑셀 파일 형식이 올바르지 않습니다 (파일이 잘렸거나 손상되었습니다, 오류 코드 -8)." },
        { "missing.xls", defaults.xlsBytes, defaults.rows, defaults.totalBytes, "파일을 열 수 없습니다." },
        { "consent.xls", 5631, defaults.rows, defaults.totalBytes,
            "파일이 너무 큽니다 (5632바이트). .xls 파일은 5631바이트까지 읽습니다." },
        { "consent.xls", defaults.xlsBytes, 7, defaults.totalBytes,
            "시트의 행이 너무 많습니다 (8행). 7행까지 읽습니다." },
        { "consent.xls", defaults.xlsBytes, defaults.rows, 100,
            "셀의 내용이 너무 많습니다. 모두 100바이트까지 읽습니다." },
        { "freexl-crash-1.xls", defaults.xlsBytes, defaults.rows, defaults.totalBytes,
            "파일을 읽는 중 읽기가 비정상적으로 중단되었습니다. 파일이 손상되었을 수 있습니다." },
        { "freexl-crash-2.xls", 65536, defaults.rows, defaults.totalBytes,
            "파일을 읽는 데 드는 메모리가 한도(33554432바이트)를 넘습니다. 파일이 손상되었을 수 있습니다." },
        { "freexl-crash-3.xls", 65536, defaults.rows, defaults.totalBytes,
            "파일을 읽는 데 드는 메모리가 한도(33554432바이트)를 넘습니다. 파일이 손상되었을 수 있습니다." },
    };
    for (const Case& c : cases) {
        WorkbookLimits limits;
        limits.xlsBytes = c.xlsBytes;
        limits.rows = c.rows;
        limits.totalBytes = c.totalBytes;
        WorkbookGrid grid(10);
        QString error;
        EXPECT_FALSE(readXls(testDataPath(QStringLiteral("spreadsheet/") + c.file), limits, grid, error)) << c.file;
        EXPECT_EQ(error.toStdString(), c.error) << c.file;
    }
}

} // namespace
