#include "core/maintenance/DataRefresh.h"
#include "MaintenanceHome.h"

TEST(DataRefresh, RowsMoveIntoTheBlankDatabase)
{
    MaintenanceHome home;
    const QString live = home.paths().databaseFile();
    MaintenanceHome::exec(live,
        { QStringLiteral("UPDATE BANKCODE SET Name = '바뀐 은행' WHERE Id = '03'"),
            QStringLiteral("INSERT INTO Tong2 (Tong2ID, TongID, BankNo) VALUES (7, 1, '111'), (9, 1, '222')"),
            QStringLiteral("DELETE FROM Tong2 WHERE Tong2ID = 9"),
            QStringLiteral("CREATE TABLE OfficeNotes (Id INTEGER, Note TEXT)"),
            QStringLiteral("CREATE INDEX OfficeNotes_Id ON OfficeNotes (Id)"),
            QStringLiteral("INSERT INTO OfficeNotes VALUES (1, '메모')") });

    DataRefresh refresh(home.context());
    ASSERT_TRUE(refresh.reorganise()) << home.messages.texts().join(QLatin1Char('|')).toStdString();

    const auto read = [&](const char* sql) { return MaintenanceHome::scalar(live, QString::fromUtf8(sql)); };
    EXPECT_EQ(read("SELECT group_concat(Name) FROM BANKCODE WHERE Id = '03'"), QStringLiteral("바뀐 은행"));
    EXPECT_EQ(read("SELECT group_concat(BankNo) FROM Tong2"), QStringLiteral("111"));
    EXPECT_EQ(read("SELECT Note FROM OfficeNotes WHERE Id = 1"), QStringLiteral("메모"));
    EXPECT_EQ(read("SELECT count(*) FROM sqlite_master WHERE name = 'OfficeNotes_Id'"), QStringLiteral("1"));
    MaintenanceHome::exec(live, { QStringLiteral("INSERT INTO Tong2 (TongID, BankNo) VALUES (1, '333')") });
    EXPECT_EQ(read("SELECT Tong2ID FROM Tong2 WHERE BankNo = '333'"), QStringLiteral("10"));
    EXPECT_EQ(read("PRAGMA integrity_check"), QStringLiteral("ok"));
}

TEST(DataRefresh, ARowTheBlankRefusesFailsNamingTheTable)
{
    MaintenanceHome home;
    const QString live = home.paths().databaseFile();
    MaintenanceHome::exec(live,
        { QStringLiteral("DROP TABLE EvidentialAuthKey"),
            QStringLiteral("CREATE TABLE EvidentialAuthKey (SendId TEXT, AuthKey TEXT)"),
            QStringLiteral("INSERT INTO EvidentialAuthKey VALUES ('A', NULL)") });
    const QByteArray before = home.databaseBytes();

    DataRefresh refresh(home.context());
    EXPECT_FALSE(refresh.reorganise());
    EXPECT_TRUE(home.messages.lastText().contains(QStringLiteral("EvidentialAuthKey")))
        << home.messages.lastText().toStdString();
    EXPECT_TRUE(home.databaseBytes() == before);
}

TEST(DataRefresh, NothingChangesWithoutTheBlankDatabase)
{
    MaintenanceHome home;
    QFile::remove(home.paths().blankDatabase());
    const QByteArray before = home.databaseBytes();
    DataRefresh refresh(home.context());
    EXPECT_FALSE(refresh.reorganise());
    EXPECT_TRUE(home.databaseBytes() == before);
}

TEST(DataRefresh, RefusedBesideAJournal)
{
    MaintenanceHome home;
    writeFileBytes(home.paths().databaseFile() + QStringLiteral("-journal"), "");
    const QByteArray before = home.databaseBytes();
    DataRefresh refresh(home.context());
    EXPECT_FALSE(refresh.reorganise());
    EXPECT_TRUE(home.databaseBytes() == before);
}
