#include "core/spreadsheet/ConsentTemplate.h"
#include "XlsxParts.h"
#include "core/common/Progress.h"
#include "core/spreadsheet/SpreadsheetWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ConsentTemplateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NullProgress progress;
        SpreadsheetWriter writer(progress);
        ASSERT_TRUE(ConsentTemplate::write(writer, m_dir.filePath(QStringLiteral("template.xlsx"))));
    }

    QTemporaryDir m_dir;
};

TEST_F(ConsentTemplateTest, TitleIsTheInstructionTextWithItsHeadingsInColour)
{
    const XlsxParts sheet(m_dir.filePath(QStringLiteral("template.xlsx")));
    ASSERT_TRUE(sheet.isOpen());
    EXPECT_EQ(sheet.sheetName(), QStringLiteral("Keiron"));
    const QString title = sheet.text(QStringLiteral("A1"));
    EXPECT_EQ(title.size(), 1124);
    EXPECT_EQ(title.count(QLatin1Char('\n')), 27);
    EXPECT_FALSE(title.contains(QLatin1Char('\r')));
    EXPECT_TRUE(title.startsWith(QStringLiteral("<주의 사항>\n     이 엑셀파일 1행과 2행의")));
    EXPECT_TRUE(title.endsWith(QStringLiteral("\n       ▶ 나머지 입력란은 비워두어도 무방함")));

    struct Expected {
        qsizetype length;
        const char* start;
        const char* colour;
    };
    const Expected runs[] = {
        { 8, "<주의 사항>\n", "0000FF" },
        { 73, "     이 엑셀파일", "" },
        { 10, "<자료 작성 방법>", "0000FF" },
        { 12, "\n  ※ 필수입력란 :", "FF0000" },
        { 1021, " 1.이름, 2.기관코드", "" },
    };
    const QList<XlsxParts::Run> written = sheet.runs(QStringLiteral("A1"));
    ASSERT_EQ(written.size(), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(written.at(i).text.size(), runs[i].length);
        EXPECT_TRUE(written.at(i).text.startsWith(QString::fromUtf8(runs[i].start)));
        EXPECT_EQ(written.at(i).colour, QString::fromUtf8(runs[i].colour));
        EXPECT_TRUE(written.at(i).bold);
        EXPECT_EQ(written.at(i).size, 8);
    }

    EXPECT_EQ(sheet.merges(), QStringList { QStringLiteral("A1:J1") });
    EXPECT_EQ(sheet.rowHeight(1), 300);
    EXPECT_EQ(sheet.fill(QStringLiteral("A1")), QStringLiteral("FFFF99"));
    EXPECT_TRUE(sheet.bold(QStringLiteral("A1")));
    EXPECT_EQ(sheet.fontSize(QStringLiteral("A1")), 8);
    EXPECT_TRUE(sheet.part(QStringLiteral("xl/styles.xml")).contains("wrapText=\"1\""));
}

TEST_F(ConsentTemplateTest, HeadersOnGreyAndAnExampleRowOfTexts)
{
    const XlsxParts sheet(m_dir.filePath(QStringLiteral("template.xlsx")));
    struct Expected {
        const char* column;
        const char* header;
        const char* example;
    };
    const Expected columns[] = {
        { "A", "이름", "홍길동" },
        { "B", "기관업체코드", "000001" },
        { "C", "은행코드", "11" },
        { "D", "계좌번호", "1234567890" },
        { "E", "납부자번호", "790312" },
        { "F", "실명번호", "790312       " },
        { "G", "고객신청일자", "2008-11-21" },
        { "H", "자동납부일자", "" },
        { "I", "지점코드", "" },
        { "J", "실명번호검사", "Y" },
    };
    for (const Expected& expected : columns) {
        const QString column = QString::fromUtf8(expected.column);
        SCOPED_TRACE(expected.column);
        EXPECT_EQ(sheet.text(column + QLatin1Char('2')), QString::fromUtf8(expected.header));
        EXPECT_EQ(sheet.fill(column + QLatin1Char('2')), QStringLiteral("C0C0C0"));
        EXPECT_EQ(sheet.text(column + QLatin1Char('3')), QString::fromUtf8(expected.example));
        EXPECT_EQ(sheet.kind(column + QLatin1Char('3')), *expected.example ? QStringLiteral("s") : QString());
    }
    EXPECT_EQ(sheet.kind(QStringLiteral("A4")), QString());
    // A: the default 8.43 and 2 more; B: 기관업체코드, 12 units and one of room, in the file's pixel steps.
    EXPECT_DOUBLE_EQ(sheet.columnWidth(1), 11.140625);
    EXPECT_DOUBLE_EQ(sheet.columnWidth(2), 13.7109375);
    EXPECT_EQ(sheet.columnNumberFormat(5), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnNumberFormat(7), QStringLiteral("0_ "));
}

} // namespace
