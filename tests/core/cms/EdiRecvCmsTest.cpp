#include "core/cms/EdiRecvCms.h"
#include "ImportTestHome.h"
#include "core/cms/CmsDetailRun.h"

#include <gtest/gtest.h>

namespace {

qint64 won(qint64 amount)
{
    return Money::fromWon(amount).stored();
}

class EdiRecvCmsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    EdiRecvCms& importFile(const QString& name, const QByteArray& bytes)
    {
        home.putReceived(name, bytes);
        importer = std::make_unique<EdiRecvCms>(home.database(), home.context());
        importer->run();
        return *importer;
    }

    QList<QVariantMap> rows(const QString& sql)
    {
        QList<QVariantMap> rows;
        for (int offset = 0;; ++offset) {
            const QVariantMap row = home.row(sql + QStringLiteral(" LIMIT 1 OFFSET ?"), { offset });
            if (row.isEmpty())
                return rows;
            rows << row;
        }
    }

    ImportTestHome home;
    std::unique_ptr<EdiRecvCms> importer;
};

TEST_F(EdiRecvCmsTest, FundCollectionInquiryWithItsConversions)
{
    const EdiRecvCms& result = importFile("HY101", readFileBytes(testDataPath("cms/fund_collection")));
    ASSERT_FALSE(result.failed()) << result.refusals().first().text().toStdString();

    const QVariantMap master = home.row("SELECT * FROM hyun1");
    EXPECT_EQ(master.value("Hyun_id").toInt(), 1);
    EXPECT_EQ(master.value("BankCode").toString(), "11");
    EXPECT_EQ(master.value("GiganCode").toString(), "12345");
    EXPECT_EQ(master.value("Trade_dt").toString(), "1999-12-31");
    EXPECT_EQ(master.value("Trans_dt").toString(), "2026-12-10");
    EXPECT_EQ(master.value("Bank_no").toString(), "12345678901");
    EXPECT_EQ(master.value("Trans_ti").toString(), "09:30:00");
    EXPECT_EQ(master.value("Tot_no").toInt(), 0) << "a blank count of a lenient trailer";
    EXPECT_EQ(master.value("Tot_ok_in_no").toInt(), 1);
    EXPECT_EQ(master.value("Tot_ok_in_pay").toLongLong(), won(10000));
    EXPECT_EQ(master.value("Tot_no_in_pay").toLongLong(), won(2500));

    const QList<QVariantMap> details = rows("SELECT * FROM HYUN2 ORDER BY HyunData_Id");
    ASSERT_EQ(details.size(), 2);
    EXPECT_EQ(details.at(0).value("Hyun_id").toInt(), 1);
    EXPECT_EQ(details.at(0).value("Bank_no").toString(), "12345678901234");
    EXPECT_EQ(details.at(0).value("Trade_id").toString(), "1");
    EXPECT_EQ(details.at(0).value("Custom_id").toString(), "C000001");
    EXPECT_EQ(details.at(0).value("Trade_pay").toLongLong(), Q_INT64_C(100000000));
    EXPECT_EQ(details.at(0).value("Trade_after_pay").toLongLong(), won(110000));
    EXPECT_EQ(details.at(0).value("Ip_Name").toString(), QStringLiteral("홍길동"));
    EXPECT_EQ(details.at(1).value("Bank_no").toString(), "1234567890123");
    EXPECT_EQ(details.at(1).value("Trade_dt").toString(), "2089-12-31");
    EXPECT_EQ(details.at(1).value("Ip_Name").toString(), QStringLiteral("김철수"));

    ASSERT_EQ(result.rows().size(), 1);
    EXPECT_EQ(result.rows().at(0).kind, TEdiInfo::CmsFundCollection);
    EXPECT_EQ(result.rows().at(0).name, QStringLiteral("테스트기관"));
    EXPECT_EQ(result.rows().at(0).fileInfo, "HY101");
    EXPECT_EQ(result.rows().at(0).count, 2);
}

TEST_F(EdiRecvCmsTest, NotesInquiryAndItsStrictTrailer)
{
    const QByteArray notes = readFileBytes(testDataPath("cms/notes_receivable"));
    const EdiRecvCms& result = importFile("HY201", notes);
    ASSERT_FALSE(result.failed()) << result.refusals().first().text().toStdString();

    const QVariantMap master = home.row("SELECT * FROM eum1");
    EXPECT_EQ(master.value("Bank_id").toString(), "11");
    EXPECT_EQ(master.value("Gygan_id").toString(), "12345");
    EXPECT_EQ(master.value("Trade_dt").toString(), "1990-01-01");
    EXPECT_EQ(master.value("Tot_no").toInt(), 1);
    EXPECT_EQ(master.value("Tot_tajum1").toLongLong(), won(300000));
    EXPECT_EQ(master.value("Jan_pay_ok").toLongLong(), won(8500000));
    EXPECT_EQ(master.value("Tot_su_ok").toLongLong(), won(1));
    const QVariantMap detail = home.row("SELECT * FROM eum2");
    EXPECT_EQ(detail.value("Deal_ti").toString(), "09:30:15");
    EXPECT_EQ(detail.value("Tbank_pay2").toLongLong(), won(200000));
    EXPECT_EQ(detail.value("Note_account_dt").toString(), "2027-01-10");
    EXPECT_EQ(detail.value("Name").toString(), QStringLiteral("(주)한결"));
    EXPECT_EQ(result.rows().at(0).kind, TEdiInfo::CmsNotesReceivable);
}

TEST_F(EdiRecvCmsTest, ABlankNotesCountStopsTheImportAndKeepsNothingOfTheFile)
{
    const QByteArray notes = readFileBytes(testDataPath("cms/notes_receivable"));
    const EdiRecvCms& result = importFile("HY201", patched(notes, 160, 3, 2, "     "));

    ASSERT_TRUE(result.failed());
    EXPECT_EQ(result.refusals().first().file(), "HY201");
    EXPECT_EQ(result.refusals().first().record(), 3);
    EXPECT_EQ(result.refusals().first().field(), QStringLiteral("총 거래 건수"));
    EXPECT_EQ(home.value("SELECT count(*) FROM eum1").toInt(), 0);
    EXPECT_EQ(home.value("SELECT count(*) FROM eum2").toInt(), 0);
}

// The file named by HY3 also holds a fund collection inquiry (78-byte lines): it is read as one, and reported
// under the institution whose HY1 names the file.
TEST_F(EdiRecvCmsTest, PassbookTotalsByKindAndLinesOfAnotherKind)
{
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET HY1 = 'HY301' WHERE TOID10 = '9900000005'"));
    const EdiRecvCms& result = importFile("HY301", readFileBytes(testDataPath("cms/passbook")));
    ASSERT_FALSE(result.failed()) << result.refusals().first().text().toStdString();

    const QVariantMap master = home.row("SELECT * FROM Ilban1");
    EXPECT_EQ(master.value("Gigan_id").toString(), "54321");
    EXPECT_EQ(master.value("Trans_ti").toString(), "11:00:00");
    EXPECT_EQ(master.value("Day_ip_no").toInt(), 1);
    EXPECT_EQ(master.value("Day_ip_mon").toLongLong(), won(1000));
    EXPECT_EQ(master.value("Kis_no_no").toInt(), 2) << "codes 16 and 17";
    EXPECT_EQ(master.value("Kis_no_mon").toLongLong(), won(5000));
    EXPECT_EQ(master.value("Dang_ji_no").toInt(), 0);
    EXPECT_EQ(home.value("SELECT count(*) FROM Ilban2").toInt(), 4) << "code 99 is stored but counted nowhere";
    EXPECT_EQ(home.value("SELECT Ip_p_id FROM Ilban2 WHERE Gubun = '10'").toString(), QStringLiteral("이영희"));
    EXPECT_TRUE(home.value("SELECT Trans_ti FROM hyun1").isNull());

    ASSERT_EQ(result.rows().size(), 2);
    EXPECT_EQ(result.rows().at(0).kind, TEdiInfo::PassbookTransactions);
    EXPECT_EQ(result.rows().at(0).name, QStringLiteral("테스트기관"));
    EXPECT_EQ(result.rows().at(0).count, 4);
    EXPECT_EQ(result.rows().at(1).kind, TEdiInfo::CmsFundCollection);
    EXPECT_EQ(result.rows().at(1).name, QStringLiteral("둘째기관"));
}

// The same inquiry received again replaces the stored one; a copy without details leaves it as it is.
TEST_F(EdiRecvCmsTest, ARepeatedInquiryReplacesTheStoredOne)
{
    const QByteArray fund = readFileBytes(testDataPath("cms/fund_collection"));
    importFile("HY101", fund);
    const EdiRecvCms& again = importFile("HY101", patched(fund, 80, 2, 38, "00000012345"));
    ASSERT_FALSE(again.failed()) << again.refusals().first().text().toStdString();
    EXPECT_EQ(again.rows().size(), 1);
    EXPECT_EQ(home.value("SELECT count(*) FROM hyun1").toInt(), 1);
    EXPECT_EQ(home.value("SELECT count(*) FROM HYUN2 WHERE Hyun_id = 1").toInt(), 2);
    EXPECT_EQ(home.value("SELECT Trade_pay FROM HYUN2 WHERE Custom_id = 'C000001'").toLongLong(), won(12345));

    const EdiRecvCms& empty = importFile("HY101", fund.left(80) + fund.mid(240, 80));
    EXPECT_TRUE(empty.rows().isEmpty());
    EXPECT_EQ(home.value("SELECT count(*) FROM HYUN2 WHERE Hyun_id = 1").toInt(), 2);
}

// A passbook inquiry longer than one run of detail lines, each line numbered in its first field.
QByteArray longPassbook(int details)
{
    const QList<QByteArray> lines = readFileBytes(testDataPath("cms/passbook")).split('\n');
    QByteArray file = lines.at(0) + '\n';
    for (int i = 1; i <= details; ++i)
        file += "D" + QByteArray::number(i).rightJustified(6, '0') + lines.at(1).mid(7) + '\n';
    return file + lines.at(5) + '\n';
}

// Detail lines are converted a run at a time: the whole inquiry arrives in order, and a bad line is named
// by its own number whichever run it falls in.
TEST_F(EdiRecvCmsTest, ALongInquiryArrivesWholeAndItsFirstBadLineIsNamed)
{
    const int details = CmsDetailRun::MostLines + 100;
    const QByteArray file = longPassbook(details);
    const EdiRecvCms& result = importFile("HY301", file);
    ASSERT_FALSE(result.failed()) << result.refusals().first().text().toStdString();
    EXPECT_EQ(home.value("SELECT count(*) FROM Ilban2").toInt(), details);
    EXPECT_EQ(home.value("SELECT Trade_num FROM Ilban2 ORDER BY IlbanData_id DESC").toString(),
        QByteArray::number(details).rightJustified(6, '0'));
    EXPECT_EQ(home.value("SELECT Day_ip_no FROM Ilban1").toInt(), details);

    const int secondRun = CmsDetailRun::MostLines + 50;
    const struct {
        std::vector<int> badLines;
        int named;
    } cases[] = { { { 15, secondRun }, 15 }, { { secondRun + 30, secondRun }, secondRun }, { { 20, 17 }, 17 } };
    for (const auto& c : cases) {
        QByteArray bad = file;
        for (int line : c.badLines)
            bad = patched(bad, 200, line, 48, "12345678ABC");
        const EdiRecvCms& refused = importFile("HY301", bad);
        ASSERT_TRUE(refused.failed());
        EXPECT_EQ(refused.refusals().first().record(), c.named);
        EXPECT_EQ(refused.refusals().first().field(), QStringLiteral("거래금액"));
        EXPECT_EQ(home.value("SELECT count(*) FROM Ilban2").toInt(), details) << "the stored copy stays";
    }
}

} // namespace
