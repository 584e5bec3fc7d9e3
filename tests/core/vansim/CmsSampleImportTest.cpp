#include "CmsSampleWriter.h"
#include "ImportTestHome.h"
#include "core/cms/EdiRecvCms.h"

#include <gtest/gtest.h>

namespace {

// The bank's samples must be files the program takes in whole: every detail stored, totals as sent.
TEST(CmsSampleImportTest, TheProgramStoresEverySample)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    const CmsSampleWriter samples(QStringLiteral("12345"), QDate(2026, 12, 10));
    home.putReceived("HY101", samples.fundCollection());
    home.putReceived("HY201", samples.notesReceivable());
    home.putReceived("HY301", samples.passbook());

    EdiRecvCms importer(home.database(), home.context());
    ASSERT_TRUE(importer.run());

    EXPECT_EQ(home.value("SELECT count(*) FROM Hyun2").toInt(), 2);
    EXPECT_EQ(home.value("SELECT count(*) FROM eum2").toInt(), 2);
    EXPECT_EQ(home.value("SELECT count(*) FROM Ilban2").toInt(), 2);
    const QVariantMap fund = home.row("SELECT Tot_no AS count, Trade_dt AS day, GiganCode AS institution FROM hyun1");
    EXPECT_EQ(fund.value("count").toInt(), 2);
    EXPECT_EQ(fund.value("day").toString(), "2026-12-10");
    EXPECT_EQ(fund.value("institution").toString(), "12345");
    EXPECT_EQ(home.value("SELECT IP_Name FROM Hyun2 ORDER BY HyunData_Id").toString(), "홍길동");
    EXPECT_EQ(home.value("SELECT Name FROM eum2 ORDER BY Notesub_id").toString(), "(주)한결");
    EXPECT_EQ(home.value("SELECT Day_Ip_No || ' ' || Dang_Ji_No FROM Ilban1").toString(), "1 1");
}

} // namespace
