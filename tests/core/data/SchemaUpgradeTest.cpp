#include "core/data/SchemaUpgrade.h"
#include "TestHome.h"
#include "core/data/BlankDatabase.h"
#include "core/data/Database.h"
#include "core/data/TableCatalogue.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

namespace {

QStringList rows(Database& database, const QString& sql)
{
    QStringList result;
    QSqlQuery query(database.connection());
    EXPECT_TRUE(query.exec(sql)) << sql.toStdString();
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << (query.isNull(i) ? QStringLiteral("NULL") : query.value(i).toString());
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

QSet<QString> lowerSet(const QStringList& names)
{
    QSet<QString> set;
    for (const QString& name : names)
        set.insert(name.toLower());
    return set;
}

// The shipped blank database with a few rows an older installation would hold.
class LegacyDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(BlankDatabase::copyTo(home.context().paths().databaseFile(), error)) << error.toStdString();
        ASSERT_TRUE(database.open(home.context().paths().databaseFile())) << database.lastError().toStdString();
        const QStringList statements {
            "INSERT INTO CODEP (Id, Name) VALUES ('0', 'old'), ('XY', 'old two')",
            "INSERT INTO Usercode (Name, TOID, TOID2, APID) VALUES ('기관', 'T0000001', 'W0000001', 'A0000001')",
            "INSERT INTO Tong1 (TongID, GiganID) VALUES (5, 'G0000001')",
            "INSERT INTO Tong2 (TongID, ResultID) VALUES (5, '01')",
            "INSERT INTO GroupTo1 (TongID, GiganID, Salary) VALUES (3, 'G0000002', 2)",
        };
        for (const QString& statement : statements)
            ASSERT_TRUE(database.exec(statement)) << database.lastError().toStdString();
    }

    QStringList columns(const QString& table)
    {
        return rows(database, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table));
    }
    bool upgrade()
    {
        SchemaUpgrade upgrade(database);
        const bool done = upgrade.run();
        failedStep = upgrade.failedStep();
        return done;
    }
    // Every row of every table and the whole schema, to see whether a run changed anything.
    QStringList everything()
    {
        QStringList dump = rows(database, QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name"));
        for (const QString& table : rows(database,
                 QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                "AND name NOT LIKE 'sqlite_%' ORDER BY name")))
            dump << table << rows(database, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        return dump;
    }

    TestHome home;
    Database database;
    int failedStep = 0;
};

} // namespace

TEST_F(LegacyDatabase, ShippedTablesHaveTheOlderStructure)
{
    for (const TableDef& table : TableCatalogue::instance().tables()) {
        QStringList older;
        for (const FieldDef& field : table.fields) {
            if (!field.isAddedByUpgrade())
                older << field.name;
        }
        if (table.origin == TableDef::Origin::Created)
            EXPECT_TRUE(columns(table.name).isEmpty()) << table.name.toStdString();
        else
            EXPECT_EQ(lowerSet(columns(table.name)), lowerSet(older)) << table.name.toStdString();
    }
}

TEST_F(LegacyDatabase, FirstUpgradeBringsEveryTableToTheCatalogue)
{
    ASSERT_TRUE(upgrade()) << failedStep;

    const QSet<QString> indexes
        = lowerSet(rows(database, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")));
    for (const TableDef& table : TableCatalogue::instance().tables()) {
        QStringList names;
        for (const FieldDef& field : table.fields)
            names << field.name;
        EXPECT_EQ(lowerSet(columns(table.name)), lowerSet(names)) << table.name.toStdString();
        for (const IndexDef& index : table.indexes)
            EXPECT_TRUE(indexes.contains(table.sqlIndexName(index).toLower()))
                << table.sqlIndexName(index).toStdString();
    }
}

TEST_F(LegacyDatabase, FirstUpgradeFillsAddedColumnsAndSeedsCodes)
{
    ASSERT_TRUE(upgrade()) << failedStep;

    EXPECT_EQ(rows(database, "SELECT TRegisterIN, TRegisterOUT, AUTHSENDTYPE, TOID10, TOID210, APID10 FROM Usercode"),
        QStringList { "QK150|QK150||T0000001|W0000001|A0000001" });
    EXPECT_EQ(rows(database, "SELECT GiganID10 FROM Tong1"), QStringList { "G0000001" });
    EXPECT_EQ(rows(database, "SELECT ResultID4 FROM Tong2"), QStringList { "01" });
    EXPECT_EQ(rows(database, "SELECT GiganID10, Salary FROM GroupTo1"), QStringList { "G0000002|2" });
    EXPECT_EQ(rows(database,
                  "SELECT Id, SENDVERSION, MoneyLaw, JuminCheck FROM BANKCODE WHERE Id IN ('12', '20', '89', '90')"),
        (QStringList { "12|1|1|1", "20|0|0|0", "89|NULL|NULL|NULL", "90|NULL|NULL|NULL" }));
    EXPECT_EQ(rows(database, "SELECT Name FROM BANKCODE WHERE Id IN ('89', '90') ORDER BY Id"),
        (QStringList { "케이뱅크", "카카오뱅크" }));
    EXPECT_EQ(rows(database, "SELECT Name FROM codes WHERE Id = 'N'"), QStringList { "불능" });
    EXPECT_EQ(
        rows(database, "SELECT NAME, LEN, FIELD1S, FIELD10N FROM TongRegisterConv"), QStringList { "출금동의|0|1|1" });

    const QStringList resultCodes {
        "0|정상",
        "1|잔액부족",
        "10|미기장건수초과",
        "11|일부출금(일부정상)",
        "12|CMS계좌또는 국민주계좌",
        "2|계좌오류(체계오류, 체크불능등)",
        "3|성명 또는 주민번호 오류",
        "4|계좌상태오류(해지좌,잡좌)",
        "5|잔액발급계좌",
        "6|한도초과및 대출연체계좌",
        "7|법적제한(사고신고,입지정지)",
        "77|센타장애",
        "8|금액오류(이체금액이 0인경우등)",
        "88|기타오류",
        "9|실명미확인계좌",
        "99|미처리",
        "0000|정상처리",
        "0101|수취인계좌 없음",
        "0102|수취인계좌 부적",
        "0103|수취인계좌번호내의 점번호 틀림",
        "0104|수취인계좌 잔액증명서 발급",
        "0105|수취인계좌 통장정리후 거래가능",
        "0106|수취인계좌 입금한도 초과",
        "0107|주민등록번호 불일치",
        "0108|총금액 상위",
        "0201|통장분실 재발행계좌",
        "0202|법적제한계좌",
        "0203|가명계좌",
        "0204|해약계좌",
        "0205|잡좌",
        "0300|실명 미확인",
        "0400|기타 수취불가",
        "0444|입금 상대 은행 장애",
        "1000|잔액부족",
        "1001|예금주 성명 오류",
        "1002|연체계좌, 한도초과",
        "1003|지급정지 계좌",
        "1004|일부출금",
        "1005|미처리",
        "1006|이체일 오류",
        "1007| ",
        "1008|은행 System Error",
        "1009|거래일자 오류",
        "1010|계정과목 오류",
        "1011|이체금액 오류",
        "1012|계좌번호 오류",
        "1013|해당원장 없음",
        "1014|계좌상태 오류",
        "2000|신청구분 오류",
        "2001|납부자번호 오류",
        "2002|대상 납부자 없음(자동이체미등록)",
        "2003|해지신청시 계좌번호 불일치",
        "2004|신규신청 불가",
        "2005|이중신청(동일 납부자번호&동일계좌)",
        "2015|이중신청(동일 납부자번호&상이계좌)",
        "2006|징수기관 임의 해지",
        "2007|자동이체 이미 해지(테온해지)",
        "2008|자동이체 이미 해지(업체해지)",
        "2088|기타오류(은행확인필요)",
    };
    EXPECT_EQ(rows(database, "SELECT Id, Name FROM CODEP ORDER BY rowid"), resultCodes);
    EXPECT_EQ(rows(database, "SELECT Name FROM CODEP WHERE Id = '1007'"), QStringList { " " });
}

TEST_F(LegacyDatabase, SecondUpgradeChangesNothing)
{
    ASSERT_TRUE(upgrade());
    const QStringList once = everything();
    ASSERT_TRUE(upgrade());
    EXPECT_EQ(everything(), once);
}

TEST_F(LegacyDatabase, EveryStartReappliesBankFlagsAndDisplayAccounts)
{
    ASSERT_TRUE(upgrade());
    const QStringList statements {
        "UPDATE BANKCODE SET SENDVERSION = '0', MoneyLaw = 0, JuminCheck = 0 WHERE Id = '12'",
        "UPDATE BANKCODE SET SENDVERSION = '1', MoneyLaw = 1, JuminCheck = 0 WHERE Id = '20'",
        "INSERT INTO CODEP (Id, Name) VALUES ('9999', 'local')",
        "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO, DisplayBankno) VALUES "
        "('G', '11', '123-45-678', '1', ''), ('G', '11', '1234-5678-9012-3456', '2', NULL), "
        "('G', '11', NULL, '3', ''), ('G', '11', '999', '4', 'KEPT')",
    };
    for (const QString& statement : statements)
        ASSERT_TRUE(database.exec(statement)) << database.lastError().toStdString();

    ASSERT_TRUE(upgrade());

    EXPECT_EQ(rows(database, "SELECT Id, SENDVERSION, MoneyLaw, JuminCheck FROM BANKCODE WHERE Id IN ('12', '20')"),
        (QStringList { "12|1|1|1", "20|1|1|0" }));
    EXPECT_EQ(rows(database, "SELECT NapbuNO, DisplayBankno FROM TongRegister ORDER BY NapbuNO"),
        (QStringList { "1|00000012345678", "2|12345678901234", "3|00000000000000", "4|KEPT" }));
    EXPECT_EQ(rows(database, "SELECT count(*) FROM CODEP").first(), "60");
}

TEST_F(LegacyDatabase, OlderConsentTableGainsItsDisplayAccount)
{
    const TableDef* consents = TableCatalogue::instance().table("TongRegister");
    TableDef older = *consents;
    older.fields.removeLast();
    ASSERT_EQ(older.fields.size() + 1, consents->fields.size());
    ASSERT_TRUE(database.exec(older.createTableSql()));
    ASSERT_TRUE(database.exec(
        "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO) VALUES ('G', '11', '123-45-678', '1')"));

    ASSERT_TRUE(upgrade());

    EXPECT_EQ(rows(database, "SELECT DisplayBankno FROM TongRegister"), QStringList { "00000012345678" });
}

TEST_F(LegacyDatabase, StopsAtTheFirstFailingStep)
{
    ASSERT_TRUE(database.exec("DROP TABLE BANKCODE"));

    EXPECT_FALSE(upgrade());

    EXPECT_EQ(failedStep, 4);
    EXPECT_FALSE(columns("TongRegisterConv").isEmpty()); // step 3 done
    EXPECT_FALSE(lowerSet(columns("Usercode")).contains("tregisterin")); // step 5 never ran
    EXPECT_TRUE(columns("SahooSub").isEmpty());
}
