#include "core/spreadsheet/WorkbookImport.h"
#include "MiniWorkbook.h"
#include "core/common/Money.h"
#include "core/common/Progress.h"
#include "core/spreadsheet/SpreadsheetRowList.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int Columns = 4;

QByteArray inlineCell(const char* reference, const char* text)
{
    return QByteArray("<c r=\"") + reference + "\" t=\"inlineStr\"><is><t>" + text + "</t></is></c>";
}

QByteArray numberCell(const char* reference, const char* value, int style = 0)
{
    return QByteArray("<c r=\"") + reference + "\" s=\"" + QByteArray::number(style) + "\"><v>" + value + "</v></c>";
}

QByteArray row(int number, const QByteArray& cells)
{
    return "<row r=\"" + QByteArray::number(number) + "\">" + cells + "</row>";
}

QByteArray sheetWithDimension(const char* range, const QByteArray& rows)
{
    return QByteArray(
               "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><dimension ref=\"")
        + range + "\"/><sheetData>" + rows + "</sheetData></worksheet>";
}

QStringList texts(std::initializer_list<const char*> cells)
{
    QStringList list;
    for (const char* cell : cells)
        list << QString::fromUtf8(cell);
    return list;
}

const QStringList Blank = texts({ "", "", "", "" });

struct GridCase {
    const char* name;
    std::function<MiniWorkbook()> workbook;
    QList<QStringList> rows;
    QList<int> sheetRows;
};

const GridCase GridCases[] = {
    { "texts: rich runs without phonetics, inline and formula strings, blanks, escapes",
        [] {
            return MiniWorkbook()
                .strings(
                    "<si><t>이름</t></si>"
                    "<si><r><t>홍</t></r><r><rPr><b/></rPr><t>길동</t></r><rPh sb=\"0\" eb=\"1\"><t>ホン</t></rPh></si>"
                    "<si><t xml:space=\"preserve\"> </t></si><si><t>a_x000D_b</t></si><si><t>_x005F_x000D_</t></si>")
                .rows(row(1,
                          "<c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" "
                          "t=\"inlineStr\"><is><r><t>계좌</t></r><r><t>번호</t></r>"
                          "</is></c><c r=\"C1\" t=\"str\"><f>A1</f><v>이름</v></c><c r=\"D1\" t=\"b\"><v>1</v></c>")
                    + row(2,
                        "<c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\" t=\"s\"><v>2</v></c><c r=\"C2\" "
                        "t=\"s\"><v>3</v></c>"
                        "<c r=\"D2\" t=\"s\"><v>4</v></c>"));
        },
        { texts({ "이름", "계좌번호", "이름", "TRUE" }), texts({ "홍길동", " ", "a\rb", "_x000D_" }) }, { 1, 2 } },
    { "numbers in full; dates, times and zero-padded numbers as shown",
        [] {
            return MiniWorkbook()
                .styles("<numFmt numFmtId=\"176\" formatCode=\"yyyy&quot;년&quot; mm&quot;월&quot; dd&quot;일&quot;\"/>"
                        "<numFmt numFmtId=\"177\" formatCode=\"000000\"/>"
                        "<numFmt numFmtId=\"178\" formatCode=\"yyyy-mm-dd hh:mm:ss\"/>",
                    { 14, 176, 177, 178, 21, 3 })
                .rows(row(1, inlineCell("A1", "이름"))
                    + row(2,
                        numberCell("A2", "39773", 1) + numberCell("B2", "39773", 2) + numberCell("C2", "123", 3)
                            + numberCell("D2", "39773.75", 4))
                    + row(3,
                        numberCell("A3", "1002003004005") + numberCell("B3", "12.5") + numberCell("C3", "1234567", 6)
                            + numberCell("D3", "0.5", 5))
                    + row(
                        4, numberCell("A4", "1234567890123456") + numberCell("B4", "0.1") + numberCell("C4", "-7", 3)));
        },
        { texts({ "이름", "", "", "" }), texts({ "2008-11-21", "2008-11-21", "000123", "2008-11-21 18:00:00" }),
            texts({ "1002003004005", "12.5", "1234567", "12:00:00" }),
            texts({ "1.23456789012346e+15", "0.1", "-000007", "" }) },
        { 1, 2, 3, 4 } },
    { "cells and rows without a reference follow their neighbours; columns past the grid are dropped",
        [] {
            return MiniWorkbook().rows(
                row(2,
                    "<c r=\"A2\" t=\"inlineStr\"><is><t>x</t></is></c><c t=\"inlineStr\"><is><t>y</t>"
                    "</is></c>"
                        + inlineCell("D2", "z") + inlineCell("E2", "dropped"))
                + "<row><c t=\"inlineStr\"><is><t>p</t></is></c><c t=\"inlineStr\"><is><t>q</t></is></c></row>");
        },
        { Blank, texts({ "x", "y", "", "z" }), texts({ "p", "q", "", "" }) }, { 0, 2, 3 } },
    { "the header in row 2: the title above is not read, a row with a blank first cell is skipped",
        [] {
            return MiniWorkbook().rows(row(1, inlineCell("A1", "※ 필수입력란"))
                + row(2, inlineCell("A2", " 이름 ") + inlineCell("B2", "은행코드")) + row(3, inlineCell("A3", "홍길동"))
                + row(4, "<c r=\"A4\" t=\"inlineStr\"><is><t> </t></is></c>" + inlineCell("B4", "11"))
                + row(5, inlineCell("A5", "이름")));
        },
        { texts({ " 이름 ", "은행코드", "", "" }), texts({ "홍길동", "", "", "" }), texts({ "이름", "", "", "" }) },
        { 2, 3, 5 } },
    { "the header in row 1: every data row is kept",
        [] {
            return MiniWorkbook().rows(
                row(1, inlineCell("A1", "이름")) + row(2, inlineCell("A2", "가")) + row(3, inlineCell("A3", "나")));
        },
        { texts({ "이름", "", "", "" }), texts({ "가", "", "", "" }), texts({ "나", "", "", "" }) }, { 1, 2, 3 } },
    { "no header, the used range from row 3: row 0 stays empty and the rows follow it",
        [] {
            return MiniWorkbook().part(MiniWorkbook::SheetPart,
                sheetWithDimension("A3:B4", row(3, inlineCell("A3", "가")) + row(4, inlineCell("A4", "나"))));
        },
        { Blank, texts({ "가", "", "", "" }), texts({ "나", "", "", "" }) }, { 0, 3, 4 } },
    { "a declared range of the whole sheet with two cells",
        [] {
            return MiniWorkbook().part(MiniWorkbook::SheetPart,
                sheetWithDimension(
                    "A1:XFD1048576", row(1, inlineCell("A1", "이름")) + row(1048576, inlineCell("A1048576", "끝"))));
        },
        { texts({ "이름", "", "", "" }), texts({ "끝", "", "", "" }) }, { 1, 1048576 } },
    { "the active sheet, through the relationships",
        [] {
            return MiniWorkbook()
                .part(QStringLiteral("xl/workbook.xml"),
                    "<workbook "
                    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><bookViews>"
                    "<workbookView activeTab=\"1\"/></bookViews><sheets><sheet name=\"안내\" r:id=\"rId1\"/>"
                    "<sheet name=\"명단\" r:id=\"rId9\"/></sheets></workbook>")
                .part(QStringLiteral("xl/_rels/workbook.xml.rels"),
                    "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
                    "<Relationship Id=\"rId9\" Target=\"/xl/worksheets/../list.xml\"/></Relationships>")
                .rows(row(1, inlineCell("A1", "안내문")))
                .part(QStringLiteral("xl/list.xml"),
                    "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><x:sheetData>"
                    "<x:row r=\"1\"><x:c r=\"A1\" t=\"inlineStr\"><x:is><x:t>명단</x:t></x:is></x:c></x:row>"
                    "</x:sheetData></x:worksheet>");
        },
        { Blank, texts({ "명단", "", "", "" }) }, { 0, 1 } },
};

class WorkbookImportTest : public ::testing::Test {
protected:
    QString write(const MiniWorkbook& workbook, const QString& name = QStringLiteral("book.xlsx"))
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(workbook.write(path));
        return path;
    }

    QTemporaryDir m_dir;
    NullProgress m_progress;
};

TEST_F(WorkbookImportTest, ReadsCellsAsShownAndPlacesRowsUnderTheHeader)
{
    for (const GridCase& gridCase : GridCases) {
        WorkbookImport import(m_progress);
        ASSERT_TRUE(import.importWorkbook(write(gridCase.workbook()), Columns)) << gridCase.name << '\n'
                                                                                << import.errorString().toStdString();
        EXPECT_EQ(import.grid().rows(), gridCase.rows) << gridCase.name;
        EXPECT_EQ(import.grid().sheetRows(), gridCase.sheetRows) << gridCase.name;
    }
}

// What the exports write reads back as the spreadsheet shows it: texts with their zeros, numbers, amounts, dates.
TEST_F(WorkbookImportTest, AnExportReadsBackAsWritten)
{
    SpreadsheetRowList rows({
        { QStringLiteral("이름"), QStringLiteral("홍길동"), QStringLiteral("011"), QStringLiteral("농협"),
            QStringLiteral("1002003004005"), QStringLiteral("00123"), QStringLiteral("1234567890123456"),
            QVariant::fromValue(Money::fromWon(1234567)), QDateTime(QDate(2008, 11, 21), QTime(18, 0, 0)) },
        { QStringLiteral("김"), QString(), QString(), QString(), QStringLiteral("0012345678"), QString(),
            QStringLiteral("790312-1234567"), QVariant::fromValue(Money::fromWon(0)), QDate(2008, 11, 21) },
    });
    const QString path = m_dir.filePath(QStringLiteral("items.xlsx"));
    SpreadsheetWriter writer(m_progress);
    ASSERT_TRUE(writer.exportTable(SpreadsheetWriter::WithdrawalItemsLayout, rows, path));
    WorkbookImport import(m_progress);
    ASSERT_TRUE(import.importWorkbook(path, 9)) << import.errorString().toStdString();
    EXPECT_EQ(import.grid().rows(),
        (QList<QStringList> { texts({ "이름", "홍길동", "011", "농협", "1002003004005", "00123", "1234567890123456",
                                  "1234567", "2008-11-21 18:00:00" }),
            texts({ "김", "", "", "", "0012345678", "", "790312-1234567", "0", "2008-11-21" }) }));
    EXPECT_EQ(import.grid().sheetRows(), (QList<int> { 2, 3 }));
}

TEST_F(WorkbookImportTest, ABlankFileNameReadsNothing)
{
    WorkbookImport import(m_progress);
    EXPECT_TRUE(import.importWorkbook(QStringLiteral("  "), Columns));
    EXPECT_TRUE(import.grid().rows().isEmpty());
}

struct FailureCase {
    const char* name;
    std::function<QByteArray()> bytes;
    std::function<void(WorkbookLimits&)> limit;
    const char* detail;
};

const QByteArray LongSheetRows = [] {
    QByteArray rows;
    for (int number = 1; number <= 100; ++number)
        rows += row(number, inlineCell("A1", "가나다라마바사"));
    return rows;
}();

const FailureCase FailureCases[] = {
    { "truncated",
        [] {
            const QByteArray whole = MiniWorkbook().bytes();
            return whole.left(whole.size() / 2);
        },
        [](WorkbookLimits&) {}, "압축(ZIP) 구조를 읽을 수 없습니다" },
    { "not a workbook", [] { return QByteArray("이름,은행코드\n"); }, [](WorkbookLimits&) {},
        "엑셀 통합 문서(.xlsx, .xls)가 아닙니다" },
    { "a missing sheet", [] { return MiniWorkbook().remove(MiniWorkbook::SheetPart).bytes(); }, [](WorkbookLimits&) {},
        "xl/worksheets/sheet1.xml: 파일 안에 이 부분이 없습니다" },
    { "a shared string out of range",
        [] {
            return MiniWorkbook()
                .strings("<si><t>이름</t></si>")
                .rows(row(7, "<c r=\"C7\" t=\"s\"><v>5</v></c>"))
                .bytes();
        },
        [](WorkbookLimits&) {}, "Sheet1!C7: 공유 문자열 5번이 없습니다" },
    { "broken XML", [] { return MiniWorkbook().part(MiniWorkbook::SheetPart, "<worksheet><sheetData><row>").bytes(); },
        [](WorkbookLimits&) {}, "xl/worksheets/sheet1.xml: XML이 올바르지 않습니다" },
    { "a part past its size limit", [] { return MiniWorkbook().rows(LongSheetRows).bytes(); },
        [](WorkbookLimits& limits) { limits.partBytes = 2000; },
        "xl/worksheets/sheet1.xml: 풀어 놓은 크기가 한도를 넘습니다" },
    { "all parts past their limit", [] { return MiniWorkbook().bytes(); },
        [](WorkbookLimits& limits) { limits.totalBytes = 1000; }, "풀어 놓은 크기가 한도를 넘습니다" },
    { "a row past the last", [] { return MiniWorkbook().rows(row(11, inlineCell("A11", "가"))).bytes(); },
        [](WorkbookLimits& limits) { limits.rows = 10; }, "Sheet1: 행 번호 11이(가) 1에서 10 사이가 아닙니다" },
    { "a column past XFD", [] { return MiniWorkbook().rows(row(1, inlineCell("XFE1", "가"))).bytes(); },
        [](WorkbookLimits&) {}, "Sheet1: XFE1: 열이 XFD을(를) 넘습니다" },
};

TEST_F(WorkbookImportTest, MalformedWorkbooksAreRefusedNamingFileAndPlace)
{
    for (const FailureCase& failure : FailureCases) {
        const QString path = m_dir.filePath(QStringLiteral("bad.xlsx"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(failure.bytes());
        file.close();
        WorkbookLimits limits;
        failure.limit(limits);
        WorkbookImport import(m_progress, limits);
        EXPECT_FALSE(import.importWorkbook(path, Columns)) << failure.name;
        EXPECT_TRUE(import.grid().rows().isEmpty()) << failure.name;
        EXPECT_TRUE(import.errorString().startsWith(QStringLiteral("엑셀 파일을 읽지 못했습니다.\n") + path + u'\n'))
            << failure.name << '\n'
            << import.errorString().toStdString();
        EXPECT_TRUE(import.errorString().contains(QString::fromUtf8(failure.detail)))
            << failure.name << '\n'
            << import.errorString().toStdString();
    }
}

} // namespace
