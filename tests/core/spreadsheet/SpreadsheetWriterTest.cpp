#include "core/spreadsheet/SpreadsheetWriter.h"
#include "XlsxParts.h"
#include "core/common/Money.h"
#include "core/common/Progress.h"
#include "core/spreadsheet/SpreadsheetRowList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ExpectedCell {
    const char* cell;
    const char* kind;
    const char* text;
    const char* numberFormat;
};

class SpreadsheetWriterTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList filesInDir() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_dir;
    NullProgress m_progress;
    SpreadsheetWriter m_writer { m_progress };
};

TEST_F(SpreadsheetWriterTest, TableExportKeepsTextsAndWritesNumbersAmountsAndDates)
{
    SpreadsheetRowList rows({
        { QStringLiteral("등록"), QStringLiteral("홍길동"), QStringLiteral("011"), QStringLiteral("농협"),
            QStringLiteral("1002003004005"), QStringLiteral("00123"), QStringLiteral("1234567890123456"),
            QVariant::fromValue(Money::fromWon(1234567)), QDate(2008, 11, 21) },
        { QString(), QStringLiteral("김"), QStringLiteral("004"), QStringLiteral("국민"), QStringLiteral("0012345678"),
            QStringLiteral("12345"), QStringLiteral("790312-1234567"),
            QVariant::fromValue(Money::fromStored(-25000000)), QDateTime(QDate(2008, 11, 21), QTime(18, 0, 0)) },
        { QString(), QString(), QString(), QString(), QStringLiteral("0"), QString(),
            QStringLiteral("999999999999999") },
    });
    ASSERT_TRUE(m_writer.exportTable(SpreadsheetWriter::WithdrawalItemsLayout, rows, path("items.xlsx")))
        << m_writer.errorString().toStdString();
    EXPECT_EQ(m_writer.written(), 3);

    const XlsxParts sheet(path("items.xlsx"));
    ASSERT_TRUE(sheet.isOpen());
    EXPECT_EQ(sheet.sheetName(), QStringLiteral("Keiron"));
    const ExpectedCell cells[] = {
        { "A1", "s", "출금동의", "General" },
        { "G1", "s", "주민번호/사업자번호", "0_ " },
        { "I1", "s", "상태", "General" },
        { "C2", "s", "011", "General" },
        { "E2", "n", "1002003004005", "0_ " },
        { "F2", "s", "00123", "General" },
        { "G2", "s", "1234567890123456", "0_ " },
        { "H2", "n", "1234567", "#,##0" },
        { "I2", "n", "39773", "yyyy-mm-dd" },
        { "A3", "", "", "General" },
        { "E3", "s", "0012345678", "0_ " },
        { "F3", "s", "12345", "General" },
        { "G3", "s", "790312-1234567", "0_ " },
        { "H3", "n", "-2500", "#,##0" },
        { "I3", "n", "39773.75", "yyyy-mm-dd hh:mm:ss" },
        { "E4", "n", "0", "0_ " },
        { "G4", "n", "999999999999999", "0_ " },
    };
    for (const ExpectedCell& expected : cells) {
        SCOPED_TRACE(expected.cell);
        EXPECT_EQ(sheet.kind(QString::fromUtf8(expected.cell)), QString::fromUtf8(expected.kind));
        EXPECT_EQ(sheet.text(QString::fromUtf8(expected.cell)), QString::fromUtf8(expected.text));
        EXPECT_EQ(sheet.numberFormat(QString::fromUtf8(expected.cell)), QString::fromUtf8(expected.numberFormat));
    }
    EXPECT_EQ(sheet.columnNumberFormat(5), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnNumberFormat(7), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnNumberFormat(6), QString());
}

TEST_F(SpreadsheetWriterTest, WidthsFitTheWidestTextFromColumnB)
{
    SpreadsheetRowList rows({
        { QStringLiteral("등록"), QStringLiteral("홍길동"), QStringLiteral("011"), QStringLiteral("abcdefghijklmnop"),
            QStringLiteral("1002003004005"), QString(), QString(), QVariant::fromValue(Money::fromWon(1234567)),
            QDate(2008, 11, 21) },
    });
    ASSERT_TRUE(m_writer.exportTable(SpreadsheetWriter::ConsentRegisterLayout, rows, path("register.xlsx")));
    const XlsxParts sheet(path("register.xlsx"));
    struct Width {
        int column;
        double width;
    };
    // Units: 상태 4 (A, not fitted: default 8.43 + 2), 이름/홍길동 6, 기관코드 8, abcdefghijklmnop 16, 1002003004005
    // with the format's trailing space 14, 주민번호 8, 1,234,567 9, dates 10, 오류코드 8; one unit of room after each.
    // The file holds each width in the spreadsheet's pixel steps: 7 becomes 7.7109375.
    const Width widths[] = { { 1, 11.140625 }, { 2, 7.7109375 }, { 3, 9.7109375 }, { 4, 17.7109375 }, { 5, 15.7109375 },
        { 7, 9.7109375 }, { 8, 10.7109375 }, { 9, 11.7109375 }, { 10, 9.7109375 } };
    for (const Width& expected : widths) {
        SCOPED_TRACE(expected.column);
        EXPECT_DOUBLE_EQ(sheet.columnWidth(expected.column), expected.width);
    }
}

TEST_F(SpreadsheetWriterTest, EmptyTableStillHasItsHeaderRow)
{
    SpreadsheetRowList rows;
    ASSERT_TRUE(m_writer.exportTable(SpreadsheetWriter::ApartmentItemsLayout, rows, path("apartment.xlsx")));
    EXPECT_EQ(m_writer.written(), 0);
    const XlsxParts sheet(path("apartment.xlsx"));
    EXPECT_EQ(sheet.text(QStringLiteral("H1")), QStringLiteral("(구)주민번호_납부자번호"));
    EXPECT_EQ(sheet.text(QStringLiteral("K1")), QStringLiteral("상태"));
    EXPECT_EQ(sheet.kind(QStringLiteral("A2")), QString());
    EXPECT_EQ(sheet.columnNumberFormat(7), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnNumberFormat(5), QString());
}

TEST_F(SpreadsheetWriterTest, QueryValueEqualToItsHeaderIsLeftEmptyAndTextsStayTexts)
{
    SpreadsheetRowList rows({
        { QStringLiteral("0000000001"), QStringLiteral("은행코드"), QStringLiteral("1234567890"),
            QStringLiteral("납부자번호"), QStringLiteral("790312") },
    });
    const QString title = QStringLiteral("<출금동의등록이 안된 목록>");
    ASSERT_TRUE(
        m_writer.exportQuery(SpreadsheetWriter::UnconsentedItemsLayout, {}, rows, title, path("unconsented.xlsx")));
    const XlsxParts sheet(path("unconsented.xlsx"));
    const ExpectedCell cells[] = {
        { "A1", "s", "<출금동의등록이 안된 목록>", "General" },
        { "A2", "s", "업체기관코드", "General" },
        { "D2", "s", "납부자번호", "General" },
        { "E2", "", "", "General" },
        { "A3", "s", "0000000001", "General" },
        { "B3", "", "", "General" },
        { "C3", "s", "1234567890", "General" },
        { "D3", "", "", "General" },
        { "E3", "s", "790312", "General" },
    };
    for (const ExpectedCell& expected : cells) {
        SCOPED_TRACE(expected.cell);
        EXPECT_EQ(sheet.kind(QString::fromUtf8(expected.cell)), QString::fromUtf8(expected.kind));
        EXPECT_EQ(sheet.text(QString::fromUtf8(expected.cell)), QString::fromUtf8(expected.text));
    }
    EXPECT_TRUE(sheet.merges().isEmpty());
    EXPECT_EQ(sheet.columnNumberFormat(5), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnNumberFormat(7), QStringLiteral("0_ "));
    EXPECT_EQ(sheet.columnWidth(1), 0);
}

TEST_F(SpreadsheetWriterTest, UnknownLayoutIsRefusedWithoutAFile)
{
    SpreadsheetRowList rows;
    EXPECT_FALSE(m_writer.exportTable(2, rows, path("two.xlsx")));
    EXPECT_FALSE(m_writer.exportQuery(3, {}, rows, QString(), path("three.xlsx")));
    EXPECT_TRUE(filesInDir().isEmpty());
}

TEST_F(SpreadsheetWriterTest, FailedWriteNamesTheFileKeepsTheTargetAndLeavesNoTemporary)
{
    QFile existing(path("kept.xlsx"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.xlsx")));
    struct Case {
        const char* name;
        QString target;
        QVariantList row;
        const char* named;
    };
    const QString tooLong(40000, QLatin1Char('x'));
    const Case cases[] = {
        { "missing folder", path("missing/new.xlsx"), { QStringLiteral("a") }, "missing/new.xlsx" },
        { "cell the format cannot hold", path("kept.xlsx"), { QString(), tooLong }, "Keiron!B2" },
        { "a folder in the way", path("folder.xlsx"), { QStringLiteral("a") }, "folder.xlsx" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpreadsheetRowList rows({ c.row });
        EXPECT_FALSE(m_writer.exportTable(SpreadsheetWriter::WithdrawalItemsLayout, rows, c.target));
        EXPECT_TRUE(m_writer.errorString().contains(QString::fromUtf8(c.named)))
            << m_writer.errorString().toStdString();
        EXPECT_EQ(filesInDir(), QStringList { QStringLiteral("kept.xlsx") });
    }
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("old"));
}

// Keeps what the wait window was told.
class RecordingProgress : public NullProgress {
public:
    void showMessage(const QString& text) override { shown << text; }
    void close() override { closed = true; }

    QStringList shown;
    bool closed = false;
};

TEST(SpreadsheetWriterProgress, TheWaitWindowEndsOnTheRowsWrittenAndShowsNoCountForNone)
{
    QTemporaryDir dir;
    struct Case {
        int rows;
        const char* last;
    };
    const Case cases[] = { { 3, "자료 변환 중...현재 3건 처리" }, { 0, nullptr } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        RecordingProgress progress;
        SpreadsheetWriter writer(progress);
        SpreadsheetRowList rows(QList<QVariantList>(c.rows, { QStringLiteral("a") }));
        ASSERT_TRUE(writer.exportTable(SpreadsheetWriter::ApartmentItemsLayout, rows, dir.filePath("p.xlsx")));
        EXPECT_EQ(progress.shown.isEmpty() ? QString() : progress.shown.last(), QString::fromUtf8(c.last));
        EXPECT_TRUE(progress.closed);
    }
}

} // namespace
