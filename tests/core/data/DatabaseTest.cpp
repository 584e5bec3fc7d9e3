#include "core/data/Database.h"
#include "TestHome.h"
#include "core/data/BlankDatabase.h"
#include "core/data/BulkInsert.h"
#include "core/data/PreparedInsert.h"
#include "core/data/SchemaUpgrade.h"
#include "core/data/SqlValue.h"
#include "core/data/SqliteStatement.h"
#include "core/data/TableCatalogue.h"
#include "core/data/TransactionGuard.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// An upgraded working database in a fresh home.
class WorkingDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(BlankDatabase::copyTo(home.context().paths().databaseFile(), error));
        ASSERT_TRUE(database.open(home.context().paths().databaseFile()));
        ASSERT_TRUE(SchemaUpgrade(database).run());
    }

    TestHome home;
    Database database;
};

const QString Korean20 = QStringLiteral("가나다라마바사아자차카타파하거너더러머버");

} // namespace

TEST(TextWidth, CutsAtWidthInBytesNeverInsideASyllable)
{
    const struct {
        QString text;
        int width;
        QString expected;
    } cases[] = {
        { "ABCDE", 5, "ABCDE" },
        { "ABCDEF", 5, "ABCDE" },
        { "가나다", 6, "가나다" },
        { "가나다", 5, "가나" },
        { "A가나", 4, "A가" },
        { "A가나", 5, "A가나" },
        { "AB가", 3, "AB" },
        { "AB가", 4, "AB가" },
        { "", 2, "" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(TableCatalogue::cutToWidth(c.text, c.width), c.expected) << c.text.toStdString() << " " << c.width;
}

TEST_F(WorkingDatabase, KeyViolationIsToldApartFromOtherErrors)
{
    EXPECT_EQ(database.insert("BANKCODE", { { "Id", "77" }, { "Name", "새 은행" } }), WriteResult::Ok);
    EXPECT_EQ(database.insert("BANKCODE", { { "Id", "77" }, { "Name", "또" } }), WriteResult::KeyViolation);
    EXPECT_EQ(database.update("BANKCODE", { { "Id", "77" } }, "Id = ?", { "88" }), WriteResult::KeyViolation);
    const QVariantMap consent { { "Giganid", "G" }, { "Bankcd", "11" }, { "Bankno", "1" }, { "NapbuNO", "1" } };
    EXPECT_EQ(database.insert("TongRegister", consent), WriteResult::Ok);
    EXPECT_EQ(database.insert("TongRegister", consent), WriteResult::KeyViolation);

    EXPECT_EQ(database.insert("EvidentialAuthKey", { { "SendId", "S1" } }), WriteResult::Failed); // AuthKey required
    EXPECT_EQ(database.insert("BANKCODE", { { "NoSuchField", "1" } }), WriteResult::Failed);
    EXPECT_EQ(database.insert("BANKCODE", { { "Id; DROP TABLE Tong1", "1" } }), WriteResult::Failed);

    PreparedInsert insert(database, "CODEP", { "Id", "Name" });
    ASSERT_TRUE(insert.isValid());
    EXPECT_EQ(insert.insert({ "X1", "하나" }), WriteResult::Ok);
    EXPECT_EQ(insert.insert({ "X1", "둘" }), WriteResult::KeyViolation);
    EXPECT_FALSE(PreparedInsert(database, "CODEP", { "Nope" }).isValid());
}

// A save keeps its own text for a row the table refuses, and gives SQLite's words when the database could not take
// the write at all, whether the statement or the transaction around it failed.
TEST_F(WorkingDatabase, AWriteTheDatabaseCannotTakeIsToldInItsOwnWords)
{
    const QString missing = QStringLiteral("필수항목이 누락되었습니다.");
    EXPECT_EQ(database.insert("EvidentialAuthKey", { { "SendId", "S1" } }), WriteResult::Failed);
    EXPECT_EQ(database.writeFailure(missing), missing);

    ASSERT_TRUE(database.exec("PRAGMA query_only = 1"));
    EXPECT_EQ(database.insert("CODEP", { { "Id", "R1" }, { "Name", "읽기" } }), WriteResult::Failed);
    EXPECT_EQ(database.writeFailure(missing), "attempt to write a readonly database");
    ASSERT_TRUE(database.exec("PRAGMA query_only = 0"));

    // The file may not grow: rows go in until its last page is full.
    ASSERT_TRUE(database.exec("PRAGMA max_page_count = 1"));
    {
        TransactionGuard transaction(database);
        WriteResult written = WriteResult::Ok;
        for (int i = 0; i < 10000 && written == WriteResult::Ok; ++i)
            written = database.insert("CODEP", { { "Id", QStringLiteral("F%1").arg(i) }, { "Name", Korean20 } });
        EXPECT_EQ(written, WriteResult::Failed);
        EXPECT_EQ(database.writeFailure(missing), "database or disk is full");
    }
    ASSERT_TRUE(database.exec("PRAGMA max_page_count = 1073741823"));

    // Another connection holds the file; this one does not wait for it.
    ASSERT_TRUE(database.exec("PRAGMA busy_timeout = 0"));
    Database other(QStringLiteral("OtherWriter"));
    ASSERT_TRUE(other.open(home.context().paths().databaseFile()));
    ASSERT_TRUE(other.exec("BEGIN EXCLUSIVE"));
    {
        TransactionGuard transaction(database);
        EXPECT_EQ(database.insert("CODEP", { { "Id", "L1" }, { "Name", "잠김" } }), WriteResult::Failed);
        EXPECT_EQ(database.writeFailure(missing), "database is locked");
    }
    ASSERT_TRUE(other.exec("ROLLBACK"));
}

// What is typed is what is stored: every writing path refuses a text wider than its field in CP949 bytes, names the
// table and the field, and stores nothing of the row.
TEST_F(WorkingDatabase, EveryWritingPathRefusesATextWiderThanItsField)
{
    const struct {
        const char* table;
        const char* field;
        QString text;
        bool fits;
    } cases[] = {
        { "BANKCODE", "Name", Korean20, true }, // 40 bytes of 40
        { "BANKCODE", "Name", Korean20 + "한", false },
        { "BANKCODE", "Name", "A" + Korean20, false },
        { "BANKCODE", "Name", QString(39, QLatin1Char('x')) + "가", false }, // the syllable's second byte is the 41st
        { "BANKCODE", "Name", QString(38, QLatin1Char('x')) + "가", true },
        { "Tong2", "BankNo", "123456789012345", true },
        { "Tong2", "BankNo", "1234567890123456", false },
        { "Tong1", "Comment", QString(80, QLatin1Char('x')), true },
        { "Tong1", "Comment", QString(81, QLatin1Char('x')), false },
    };
    for (const auto& c : cases) {
        const QString table = QString::fromLatin1(c.table);
        const QString field = QString::fromLatin1(c.field);
        const QString named = table + QLatin1Char('.') + field;
        ASSERT_TRUE(database.exec(QStringLiteral("DELETE FROM %1").arg(table)));
        const QVariantMap keys = table == "BANKCODE" ? QVariantMap { { "Id", "77" } }
            : table == "Tong1"                       ? QVariantMap { { "TongID", 1 } }
                                                     : QVariantMap { { "TongID", 1 }, { "Tong2ID", 1 } };
        QVariantMap row = keys;
        row.insert(field, c.text);
        const auto written = [&](const char* way) -> std::pair<bool, QString> {
            if (!database.exec(QStringLiteral("DELETE FROM %1").arg(table)))
                return { false, database.lastError() };
            const QString how = QString::fromLatin1(way);
            if (how == "insert")
                return { database.insert(table, row) == WriteResult::Ok, database.lastError() };
            if (how == "update") {
                const bool keyed = database.insert(table, keys) == WriteResult::Ok;
                return { keyed && database.update(table, { { field, c.text } }, {}) == WriteResult::Ok,
                    database.lastError() };
            }
            if (how == "prepared") {
                PreparedInsert prepared(database, table, row.keys());
                return { prepared.insert(row.values()) == WriteResult::Ok, prepared.error() };
            }
            BulkInsert bulk(database, table, row.keys());
            return { bulk.add(row.values()) && bulk.finish(), bulk.error() };
        };
        for (const char* way : { "insert", "update", "prepared", "bulk" }) {
            const auto [ok, error] = written(way);
            const std::string what = named.toStdString() + " " + way + " " + c.text.toStdString();
            EXPECT_EQ(ok, c.fits) << what;
            if (!c.fits) {
                EXPECT_TRUE(error.contains(named)) << what << " " << error.toStdString();
            }
            const QVariant stored = database.scalar(QStringLiteral("SELECT %1 FROM %2").arg(field, table));
            EXPECT_EQ(stored, c.fits ? QVariant(c.text) : QVariant()) << what;
        }
    }
}

// Fields of the bank's files are stored as far as their columns hold them: only an insert that says so cuts.
TEST_F(WorkingDatabase, OnlyAnInsertThatSaysSoCutsToTheWidth)
{
    TransactionGuard transaction(database);
    BulkInsert insert(database, "Ilban2", { "Ilban_id", "Ip_p_id" }, InsertColumns::WideText::Cut);
    ASSERT_TRUE(insert.add({ 42 }, { Korean20 + "한" }));
    ASSERT_TRUE(insert.add({ 43 }, { "A" + Korean20 }));
    ASSERT_TRUE(insert.finish()) << insert.error().toStdString();
    ASSERT_TRUE(transaction.commit());
    EXPECT_EQ(database.scalar("SELECT Ip_p_id FROM Ilban2 WHERE Ilban_id = 42").toString(), Korean20.left(10));
    EXPECT_EQ(database.scalar("SELECT Ip_p_id FROM Ilban2 WHERE Ilban_id = 43").toString(), "A" + Korean20.left(9));
    EXPECT_EQ(
        TableCatalogue::instance().cutToColumn("Tong2", "BankNo", "1234567890123456").toString(), "123456789012345");
}

TEST_F(WorkingDatabase, WritesStoreValuesInTableForm)
{
    PreparedInsert insert(database, "Tong1", { "TongID", "IcheDate", "SendDate", "Stime", "TotMoney", "Comment" });
    ASSERT_EQ(insert.insert({ 1, QDate(2026, 12, 10), QDate(), QTime(9, 5, 3), SqlValue::stored(Money::fromWon(1500)),
                  QString(80, QLatin1Char('x')) }),
        WriteResult::Ok);
    QSqlQuery row(database.connection());
    ASSERT_TRUE(row.exec("SELECT IcheDate, SendDate, Stime, TotMoney, length(Comment) FROM Tong1") && row.next());
    EXPECT_EQ(row.value(0).toString(), "2026-12-10");
    EXPECT_TRUE(row.isNull(1));
    EXPECT_EQ(row.value(2).toString(), "09:05:03");
    EXPECT_EQ(SqlValue::money(row.value(3)), Money::fromWon(1500));
    EXPECT_EQ(row.value(4).toInt(), 80);
    EXPECT_EQ(SqlValue::date(row.value(0)), QDate(2026, 12, 10));
}

TEST(StoredForm, DatesAndTimesAsTheTablesKeepThem)
{
    const struct {
        QVariant value;
        QVariant expected;
    } cases[] = {
        { QDate(2026, 12, 10), "2026-12-10" },
        { QDate(999, 1, 2), "0999-01-02" },
        { QDate(), QVariant() },
        { QTime(9, 5, 3), "09:05:03" },
        { QTime(23, 59, 59, 999), "23:59:59" },
        { QTime(), QVariant() },
        { QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1)), "2026-01-02 00:00:01" },
        { QDateTime(), QVariant() },
        { true, 1 },
        { QStringLiteral("그대로"), QStringLiteral("그대로") },
        { QStringLiteral(""), QVariant() },
        { QVariant::fromValue(Money::fromWon(1)), qint64(10000) },
    };
    for (const auto& c : cases)
        EXPECT_EQ(SqlValue::stored(c.value), c.expected) << c.value.toString().toStdString();
}

// Values bound straight to SQLite are stored with the same types as through the Qt driver.
TEST_F(WorkingDatabase, StatementsBindValuesAsTheQtDriverDoes)
{
    const QVariantList values { QString(), QStringLiteral(""), QStringLiteral("가A"), 7, qint64(1) << 40, true, 1.5,
        QByteArray("\x01\x02") };
    ASSERT_TRUE(database.exec("CREATE TABLE Probe (Way TEXT, Value)"));
    SqliteStatement direct(database, "INSERT INTO Probe VALUES ('direct', ?)");
    ASSERT_TRUE(direct.isValid());
    for (const QVariant& value : values) {
        ASSERT_EQ(direct.run({ value }), WriteResult::Ok) << direct.error().toStdString();
        ASSERT_TRUE(database.exec("INSERT INTO Probe VALUES ('qt', ?)", { value }));
    }
    QSqlQuery probe(database.connection());
    ASSERT_TRUE(probe.exec("SELECT a.Value IS b.Value, typeof(a.Value), typeof(b.Value) FROM Probe a "
                           "JOIN Probe b ON b.rowid = a.rowid + 1 WHERE a.Way = 'direct' ORDER BY a.rowid"));
    int rows = 0;
    while (probe.next()) {
        EXPECT_EQ(probe.value(0).toInt(), 1) << "value " << rows;
        EXPECT_EQ(probe.value(1).toString(), probe.value(2).toString()) << "value " << rows;
        ++rows;
    }
    EXPECT_EQ(rows, values.size());

    SqliteStatement read(database, "SELECT Value FROM Probe WHERE Way = ? ORDER BY rowid");
    QSqlQuery qtRead(database.connection());
    ASSERT_TRUE(read.select({ "direct" }));
    ASSERT_TRUE(qtRead.exec("SELECT Value FROM Probe WHERE Way = 'qt' ORDER BY rowid"));
    for (const QVariant& value : values) {
        ASSERT_TRUE(read.next() && qtRead.next());
        EXPECT_EQ(read.value(0).isNull(), qtRead.value(0).isNull()) << value.toString().toStdString();
        if (!qtRead.value(0).isNull()) {
            EXPECT_EQ(read.value(0), qtRead.value(0)) << value.toString().toStdString();
        }
    }
    EXPECT_FALSE(read.next());
    EXPECT_TRUE(read.error().isEmpty());

    SqliteStatement wrong(database, "INSERT INTO Nowhere VALUES (?)");
    EXPECT_FALSE(wrong.isValid());
    EXPECT_FALSE(wrong.error().isEmpty());
}

// Every way of writing a row binds through the one conversion: each value arrives in its stored form whichever
// path wrote it, and a blank text is NULL.
TEST_F(WorkingDatabase, EveryPathStoresEveryKindOfValueAlike)
{
    const struct {
        QVariant value;
        const char* type;
        QVariant stored;
    } cases[] = {
        { QDate(2026, 12, 10), "text", "2026-12-10" },
        { QTime(9, 5, 3), "text", "09:05:03" },
        { QDateTime(QDate(2026, 1, 2), QTime(0, 0, 1)), "text", "2026-01-02 00:00:01" },
        { QVariant::fromValue(Money::fromWon(1234)), "integer", qint64(12340000) },
        { true, "integer", qint64(1) },
        { QStringLiteral(""), "null", QVariant() },
        { QString(), "null", QVariant() },
        { QStringLiteral("가A"), "text", QStringLiteral("가A") },
    };
    ASSERT_TRUE(database.exec("CREATE TABLE Probe (Way TEXT, Value)"));
    SqliteStatement statement(database, "INSERT INTO Probe VALUES ('statement', ?)");
    PreparedInsert prepared(database, "Probe", { "Way", "Value" });
    TransactionGuard transaction(database);
    BulkInsert bulk(database, "Probe", { "Way", "Value" });
    for (const auto& c : cases) {
        ASSERT_TRUE(database.exec("INSERT INTO Probe VALUES ('exec', ?)", { c.value }));
        ASSERT_EQ(database.insert("Probe", { { "Way", "insert" }, { "Value", c.value } }), WriteResult::Ok);
        ASSERT_EQ(database.update("Probe", { { "Value", c.value } }, "Way = ?", { "insert" }), WriteResult::Ok);
        ASSERT_EQ(database.exec("UPDATE Probe SET Way = 'update' WHERE Way = 'insert'"), true);
        ASSERT_EQ(statement.run({ c.value }), WriteResult::Ok) << statement.error().toStdString();
        ASSERT_EQ(prepared.insert({ "prepared", c.value }), WriteResult::Ok) << prepared.error().toStdString();
        ASSERT_TRUE(bulk.add({ "bulk", c.value }));
    }
    ASSERT_TRUE(bulk.finish()) << bulk.error().toStdString();
    ASSERT_TRUE(transaction.commit());
    for (const char* way : { "exec", "update", "statement", "prepared", "bulk" }) {
        SqliteStatement read(database, "SELECT typeof(Value), Value FROM Probe WHERE Way = ? ORDER BY rowid");
        ASSERT_TRUE(read.select({ QString::fromLatin1(way) }));
        for (const auto& c : cases) {
            ASSERT_TRUE(read.next()) << way;
            EXPECT_EQ(read.text(0), QString::fromLatin1(c.type)) << way << " " << c.value.toString().toStdString();
            EXPECT_EQ(read.value(1), c.stored) << way << " " << c.value.toString().toStdString();
        }
        EXPECT_FALSE(read.next()) << way;
    }
}

TEST_F(WorkingDatabase, AStatementThatCannotBePreparedSaysWhyWhenRun)
{
    SqliteStatement wrong(database, "SELEC 1");
    EXPECT_FALSE(wrong.select({}));
    EXPECT_EQ(wrong.error(), QStringLiteral("near \"SELEC\": syntax error"));
    EXPECT_EQ(wrong.run({}), WriteResult::Failed);
    EXPECT_EQ(wrong.error(), QStringLiteral("near \"SELEC\": syntax error"));
}

// Rows are written a statement's worth at a time; every count around that size must arrive whole and in order.
TEST_F(WorkingDatabase, BulkInsertStoresEveryRowWithItsSharedValues)
{
    constexpr int Group = BulkInsert::RowsPerStatement;
    for (int count : { 0, 1, Group - 1, Group, Group + 1, 2 * Group + 5 }) {
        ASSERT_TRUE(database.exec("DELETE FROM Ilban2"));
        TransactionGuard transaction(database);
        BulkInsert insert(database, "Ilban2", { "Ilban_id", "Trade_num", "Trade_dt", "Ip_p_id", "Trade_mon" });
        ASSERT_TRUE(insert.isValid()) << insert.error().toStdString();
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(insert.add({ 42 }, { QString::number(i), QDate(2026, 12, 10), Korean20.left(10), i * 10 }));
        ASSERT_TRUE(insert.finish()) << insert.error().toStdString();
        ASSERT_TRUE(transaction.commit());
        QSqlQuery rows(database.connection());
        ASSERT_TRUE(rows.exec("SELECT Ilban_id, Trade_num, Trade_dt, Ip_p_id, Trade_mon FROM Ilban2 "
                              "ORDER BY IlbanData_id"));
        int read = 0;
        while (rows.next()) {
            EXPECT_EQ(rows.value(0).toInt(), 42);
            EXPECT_EQ(rows.value(1).toInt(), read) << "count " << count;
            EXPECT_EQ(rows.value(2).toString(), "2026-12-10");
            EXPECT_EQ(rows.value(3).toString(), Korean20.left(10)); // 20 bytes wide
            EXPECT_EQ(rows.value(4).toInt(), read * 10);
            ++read;
        }
        EXPECT_EQ(read, count);
    }
}

TEST_F(WorkingDatabase, BulkInsertReportsARefusedRow)
{
    constexpr int Group = BulkInsert::RowsPerStatement;
    const auto duplicateAt = [this](int duplicate, int count) {
        BulkInsert insert(database, "CODEP", { "Id", "Name" });
        bool written = true;
        for (int i = 0; written && i < count; ++i)
            written = insert.add({ QStringLiteral("D%1").arg(i == duplicate ? 0 : i), "중복" });
        written = written && insert.finish();
        EXPECT_FALSE(insert.error().isEmpty());
        return written;
    };
    TransactionGuard transaction(database);
    EXPECT_FALSE(duplicateAt(5, Group)); // inside a full statement
    ASSERT_TRUE(database.exec("DELETE FROM CODEP WHERE Id LIKE 'D%'"));
    EXPECT_FALSE(duplicateAt(Group + 2, Group + 3)); // among the rows left for finish()
    BulkInsert shortRow(database, "CODEP", { "Id", "Name" });
    EXPECT_FALSE(shortRow.add({ "X" }));
    EXPECT_FALSE(BulkInsert(database, "CODEP", { "Id", "Nope" }).isValid());
}

TEST_F(WorkingDatabase, TransactionRollsBackUnlessCommitted)
{
    {
        TransactionGuard transaction(database);
        ASSERT_TRUE(transaction.isActive());
        database.insert("CodeT", { { "Id", "90" }, { "Name", "버림" } });
    }
    {
        TransactionGuard transaction(database);
        database.insert("CodeT", { { "Id", "91" }, { "Name", "남김" } });
        EXPECT_TRUE(transaction.commit());
    }
    EXPECT_EQ(database.scalar("SELECT group_concat(Id) FROM CodeT WHERE Id >= '90'").toString(), "91");
}

TEST(DatabaseOpen, RefusesWhatIsNotAWritableDatabase)
{
    TestHome home;
    const QString file = home.path("Data/FbMorv.db");
    Database database;
    EXPECT_FALSE(database.open(file));
    EXPECT_FALSE(QFile::exists(file)); // never created by opening

    const QByteArray garbage(4096, 'x');
    writeFileBytes(file, garbage);
    EXPECT_FALSE(database.open(file));
    EXPECT_TRUE(database.lastError().contains(file));
    EXPECT_EQ(readFileBytes(file), garbage);
}
