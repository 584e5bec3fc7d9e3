#include "core/app/CodeLists.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

TEST(CodeLists, CollectsTrimmedInstitutionCodesAndBankCodesSorted)
{
    const QString name = QStringLiteral("CodeListsTest");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(database.open());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec("CREATE TABLE USERCODE (Name TEXT, TOID210 TEXT, APID10 TEXT)"));
        ASSERT_TRUE(
            query.exec("INSERT INTO USERCODE VALUES ('a', ' B200 ', ''), ('b', NULL, 'A100'), ('c', '  ', 'C300')"));
        ASSERT_TRUE(query.exec("CREATE TABLE BANKCODE (Id TEXT, Name TEXT)"));
        ASSERT_TRUE(query.exec("INSERT INTO BANKCODE VALUES ('20', 'x'), ('11', 'y'), ('16', 'z')"));

        CodeLists lists;
        ASSERT_TRUE(lists.load(database));
        EXPECT_EQ(lists.institutionCodes(), QStringList({ "A100", "B200", "C300" }));
        EXPECT_EQ(lists.bankCodes(), QStringList({ "11", "16", "20" }));

        ASSERT_TRUE(query.exec("DROP TABLE BANKCODE"));
        EXPECT_FALSE(lists.load(database));
        EXPECT_TRUE(lists.institutionCodes().isEmpty());
        EXPECT_FALSE(lists.errorText().isEmpty());
    }
    QSqlDatabase::removeDatabase(name);
}
