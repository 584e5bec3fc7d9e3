#include "core/data/TDM1.h"
#include "TestHome.h"

#include <QDir>
#include <gtest/gtest.h>

using Kind = TDM1::CodeKind;

TEST(TDM1, FirstStartLaysDownTheBlankDatabaseAndLooksCodesUp)
{
    TestHome home;
    TDM1 dataModule(home.context());

    ASSERT_TRUE(dataModule.openAndUpgrade()) << dataModule.lastError().toStdString();
    ASSERT_TRUE(dataModule.openSharedTables());

    EXPECT_TRUE(QFile::exists(home.path("BlankDB.bin")));
    EXPECT_TRUE(QFile::exists(home.path("Data/FbMorv.db")));
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_EQ(dataModule.name(Kind::Bank, "89"), "케이뱅크");
    EXPECT_EQ(dataModule.name(Kind::CodeP, "1007"), " ");
    EXPECT_EQ(dataModule.name(Kind::CodeP, "0"), "정상");
    EXPECT_EQ(dataModule.name(Kind::CodeP, "0 "), ""); // exact key, no trimming
    EXPECT_EQ(dataModule.name(Kind::CodeS, "N"), "불능");
    EXPECT_EQ(dataModule.name(Kind::CodeV, "01"), "급여");
    EXPECT_EQ(dataModule.name(Kind::CodeE, "1"), "");
    EXPECT_EQ(dataModule.codes(Kind::CodeP).size(), 59);
}

TEST(TDM1, AnExistingDatabaseIsKeptAndRefreshShowsEdits)
{
    TestHome home;
    {
        TDM1 first(home.context());
        ASSERT_TRUE(first.openAndUpgrade());
        ASSERT_TRUE(first.database().exec("INSERT INTO Tong1 (TongID) VALUES (7)"));
    }
    TDM1 dataModule(home.context());
    ASSERT_TRUE(dataModule.openAndUpgrade());
    ASSERT_TRUE(dataModule.openSharedTables());
    EXPECT_EQ(dataModule.nextKey("Tong1", "TongID"), 8);
    EXPECT_EQ(dataModule.nextKey("Apt1", "AptID"), 1);
    EXPECT_EQ(dataModule.nextKey("NoSuchTable", "Id"), std::nullopt);

    ASSERT_TRUE(dataModule.database().exec("UPDATE BANKCODE SET Name = '새이름' WHERE Id = '20'"));
    EXPECT_EQ(dataModule.name(Kind::Bank, "20"), "우리은행");
    dataModule.refreshSharedTables();
    EXPECT_EQ(dataModule.name(Kind::Bank, "20"), "새이름");
}

TEST(TDM1, CountsInstitutionsByEvidenceType)
{
    TestHome home;
    TDM1 dataModule(home.context());
    ASSERT_TRUE(dataModule.openAndUpgrade());
    ASSERT_TRUE(dataModule.database().exec("INSERT INTO Usercode (Name, AUTHSENDTYPE) VALUES "
                                           "('가', '제출'), ('나', '제출'), ('다', '면제'), ('라', '')"));
    EXPECT_EQ(dataModule.countInstitutionsByEvidenceType("0"), "2");
    EXPECT_EQ(dataModule.countInstitutionsByEvidenceType("1"), "0");
    EXPECT_EQ(dataModule.countInstitutionsByEvidenceType("2"), "1");
    EXPECT_EQ(dataModule.countInstitutionsByEvidenceType("9"), "1");
}

TEST(TDM1, UnusableDataGivesTheOpenFailureMessageAndKeepsTheFile)
{
    const QByteArray garbage(2048, 'z');
    const struct {
        const char* what;
        QString file;
        bool replacesDataDirectory;
    } cases[] = {
        { "not a database", "Data/FbMorv.db", false },
        { "data directory cannot be written", "Data", true },
    };
    for (const auto& c : cases) {
        TestHome home;
        if (c.replacesDataDirectory)
            QDir(home.path(c.file)).removeRecursively();
        writeFileBytes(home.path(c.file), garbage);
        TDM1 dataModule(home.context());

        EXPECT_FALSE(dataModule.openAndUpgrade()) << c.what;
        EXPECT_FALSE(dataModule.openSharedTables()) << c.what;

        ASSERT_EQ(home.messages.shown().size(), 1) << c.what;
        EXPECT_EQ(home.messages.shown().first().kind, "error");
        EXPECT_EQ(home.messages.lastText(), TDM1::openFailureMessage());
        EXPECT_EQ(readFileBytes(home.path(c.file)), garbage) << c.what;
    }
}

TEST(TDM1, OnlyFailuresOfTheLaterStepsReachTheErrorBox)
{
    const struct {
        const char* droppedTable;
        int shownMessages;
    } cases[] = { { "BANKCODE", 0 }, { "GroupAp1", 1 } };
    for (const auto& c : cases) {
        TestHome home;
        {
            TDM1 first(home.context());
            ASSERT_TRUE(first.openAndUpgrade());
            ASSERT_TRUE(first.database().exec(QStringLiteral("DROP TABLE %1").arg(c.droppedTable)));
        }
        TDM1 dataModule(home.context());
        EXPECT_FALSE(dataModule.openAndUpgrade());
        EXPECT_EQ(home.messages.shown().size(), c.shownMessages) << c.droppedTable;
        EXPECT_TRUE(readFileBytes(home.context().log().fileName()).contains(c.droppedTable)) << c.droppedTable;
    }
}

TEST(TDM1, CollectsTrimmedInstitutionCodesAndBankCodesSorted)
{
    TestHome home;
    TDM1 dataModule(home.context());
    ASSERT_TRUE(dataModule.openAndUpgrade());
    Database& database = dataModule.database();
    ASSERT_TRUE(database.exec("INSERT INTO Usercode (Name, TOID210, APID10) VALUES "
                              "('a', ' B200 ', ''), ('b', NULL, 'A100'), ('c', '  ', 'C300')"));
    ASSERT_TRUE(database.exec("DELETE FROM BANKCODE"));
    ASSERT_TRUE(database.exec("INSERT INTO BANKCODE (Id, Name) VALUES ('20', 'x'), ('11', 'y'), ('16', 'z')"));

    ASSERT_TRUE(dataModule.loadCodeLists()) << dataModule.lastError().toStdString();
    EXPECT_EQ(dataModule.institutionCodes(), QStringList({ "A100", "B200", "C300" }));
    EXPECT_EQ(dataModule.bankCodes(), QStringList({ "11", "16", "20" }));

    ASSERT_TRUE(database.exec("DROP TABLE BANKCODE"));
    EXPECT_FALSE(dataModule.loadCodeLists());
    EXPECT_TRUE(dataModule.institutionCodes().isEmpty());
    EXPECT_TRUE(dataModule.bankCodes().isEmpty());
    EXPECT_FALSE(dataModule.lastError().isEmpty());
}
