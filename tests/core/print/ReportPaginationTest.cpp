#include "PrintFixture.h"
#include "core/print/Report.h"
#include "core/print/TransferBatchListRows.h"
#include "core/print/TransferReportForms.h"

#include <gtest/gtest.h>

namespace {

// Rows whose every value names the row: "r7" for the eighth.
class NamedRows : public ReportRows {
public:
    explicit NamedRows(int count)
        : m_count(count)
    {
    }
    int count() const override { return m_count; }
    QStringList printValues(int index) const override
    {
        ++reads;
        return QStringList(11, QStringLiteral("r%1").arg(index));
    }
    mutable int reads = 0;

private:
    int m_count;
};

Report dataReport(int rows, bool withDetails = true)
{
    return Report(
        TransferReportForms(TransferKind::deposit()).data({}, withDetails), std::make_shared<NamedRows>(rows));
}

} // namespace

// A page holds 17 two-line items under the summary and 24 after it; "[끝]" needs a line of its own below them.
TEST(ReportPagination, ItemBlocksFillThePagesAndTheEndMarkFollowsTheLastOne)
{
    const struct {
        int rows;
        int pages;
        int onLastPage;
    } cases[] = { { 0, 1, 0 }, { 17, 1, 17 }, { 18, 2, 1 }, { 40, 2, 23 }, { 41, 3, 0 }, { 64, 3, 23 }, { 65, 4, 0 } };
    for (const auto& c : cases) {
        const Report report = dataReport(c.rows);
        ASSERT_EQ(report.pageCount(), c.pages) << c.rows;
        const int last = report.pageCount() - 1;
        EXPECT_EQ(report.pagination().rowCount(last), c.onLastPage) << c.rows;
        for (int page = 0; page < report.pageCount(); ++page) {
            const QStringList strings = report.page(page).strings();
            EXPECT_EQ(strings.contains(QStringLiteral("[끝]")), page == last) << c.rows << " page " << page;
        }
    }
}

TEST(ReportPagination, EveryPageHasItsHeaderAndFooterAndWholeBlocks)
{
    const Report report = dataReport(41);
    for (int page = 0; page < report.pageCount(); ++page) {
        const ReportPage drawn = report.page(page);
        const QStringList strings = drawn.strings();
        EXPECT_TRUE(strings.contains(QStringLiteral("대 량 입 금  이 체 자 료"))) << page;
        EXPECT_TRUE(strings.contains(QStringLiteral("은  행  명"))) << page;
        EXPECT_TRUE(strings.contains(QStringLiteral("eCommerce"))) << page;
        EXPECT_EQ(strings.contains(QStringLiteral("이용기관 정보")), page == 0) << page;
        EXPECT_EQ(strings.last(), QStringLiteral("- %1 -").arg(page + 1));
        for (int i = 0; i < drawn.texts.size() - 1; ++i)
            EXPECT_LE(drawn.texts.at(i).box.bottom(), ReportDefinition::Bottom)
                << page << qPrintable(drawn.texts.at(i).text);
    }
    const QStringList second = report.page(1).strings();
    EXPECT_EQ(second.count(QStringLiteral("r17")), 9);
    EXPECT_EQ(second.count(QStringLiteral("r40")), 9);
    EXPECT_FALSE(second.contains(QStringLiteral("r16")));
}

TEST(ReportPagination, APageReadsOnlyItsOwnRows)
{
    auto rows = std::make_shared<NamedRows>(100000);
    const Report report(TransferReportForms(TransferKind::deposit()).list(), rows);
    const QStringList page = report.page(1999).strings();
    EXPECT_EQ(rows->reads, report.pagination().rowCount(1999));
    EXPECT_TRUE(page.contains(QStringLiteral("- 2000 -")));
}

TEST(ReportPagination, TheSummaryStyleHasTheSummaryAndTheEndMarkOnly)
{
    const Report report = dataReport(500, false);
    ASSERT_EQ(report.pageCount(), 1);
    const QStringList strings = report.page(0).strings();
    EXPECT_TRUE(strings.contains(QStringLiteral("상태 정보")));
    EXPECT_TRUE(strings.contains(QStringLiteral("[끝]")));
    EXPECT_FALSE(strings.contains(QStringLiteral("은  행  명")));
    EXPECT_FALSE(strings.contains(QStringLiteral("r0")));
}

TEST(ReportPagination, TheListShowsItsPageLabelInTheHeaderAndTheApartmentColumns)
{
    const Report report(TransferReportForms(TransferKind::apartment()).list(), std::make_shared<NamedRows>(100));
    EXPECT_EQ(report.definition().formName, QStringLiteral("TfmApt1List"));
    const ReportPage page = report.page(1);
    const QStringList strings = page.strings();
    for (const char* caption : { "아파트뱅킹 이체 자료", "동", "호", "입 주 자", "예금주명", "은 행 명", "계좌번호",
             "이 체 금 액", "이체 여부" })
        EXPECT_TRUE(strings.contains(QString::fromUtf8(caption))) << caption;
    EXPECT_EQ(page.texts.last().text, QStringLiteral("- 2 -"));
    EXPECT_LT(page.texts.last().box.top(), 40);
}

TEST(ReportPagination, TheBatchListShowsEveryBatchInKeyOrderWithoutTheStateOfAnEmptyOne)
{
    PrintFixture t;
    t.home.insert(QStringLiteral("Tong1"),
        { { "TongID", 2 }, { "GiganID10", "9900000001" }, { "State", -1 }, { "TotNo", 1234 },
            { "TotMoney", qint64(1234567) * 10000 } });
    const Report report(TransferReportForms(TransferKind::deposit()).title(),
        std::make_shared<TransferBatchListRows>(t.home.context(), TransferKind::deposit()));
    EXPECT_EQ(report.documentName(), QStringLiteral("미르솔 펌뱅킹 - 대량입금 목록"));
    const QStringList strings = report.page(0).strings();
    const QStringList second
        = strings.mid(strings.indexOf(QStringLiteral("9900000001"), strings.indexOf(QStringLiteral("12월 급여"))));
    EXPECT_EQ(second.mid(0, 6),
        (QStringList { QStringLiteral("9900000001"), QStringLiteral("1,234"), QStringLiteral("1,234,567"), QString(),
            QString(), QString() }));
    EXPECT_TRUE(strings.contains(QStringLiteral("송신대기")));
    EXPECT_EQ(strings.last(), QStringLiteral("-1-"));
}
