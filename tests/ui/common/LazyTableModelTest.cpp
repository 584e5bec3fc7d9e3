#include "ui/common/LazyTableModel.h"
#include "TestHome.h"
#include "core/data/Database.h"
#include "core/data/SqliteStatement.h"

#include <QSet>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// Items 1..1000: Gigan G0..G6 by the key modulo 7; Code NULL, '', 'A' or 'B' by the key modulo 4; IcheDate NULL
// for every fifth key, else one of ten days.
class LazyTableModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Database& database = home.openEmptyDatabase();
        ASSERT_TRUE(database.exec(QStringLiteral(
            "CREATE TABLE Items (ItemID INTEGER PRIMARY KEY, Gigan TEXT, Code TEXT, IcheDate TEXT, Amount INTEGER)")));
        ASSERT_TRUE(database.exec(QStringLiteral("BEGIN")));
        SqliteStatement insert(database,
            QStringLiteral("INSERT INTO Items (ItemID, Gigan, Code, IcheDate, Amount) VALUES (?, ?, ?, ?, ?)"));
        for (int key = 1; key <= 1000; ++key) {
            const QVariant code = key % 4 == 2 ? QVariant(QStringLiteral("A"))
                : key % 4 == 3                 ? QVariant(QStringLiteral("B"))
                                               : QVariant();
            const QVariant date = key % 5 == 0 ? QVariant() : QVariant(QStringLiteral("2026-12-%1").arg(key % 10 + 10));
            ASSERT_EQ(
                insert.run({ key, QStringLiteral("G%1").arg(key % 7), code, date, key * 10000 }), WriteResult::Ok);
        }
        // An empty text cannot be bound, so it is written as a literal.
        ASSERT_TRUE(database.exec(QStringLiteral("UPDATE Items SET Code = '' WHERE ItemID % 4 = 1")));
        ASSERT_TRUE(database.exec(QStringLiteral("COMMIT")));
    }

    LazyTableSource items(const QStringList& order = {}) const
    {
        LazyTableSource source;
        source.from = QStringLiteral("Items");
        source.keyColumn = QStringLiteral("ItemID");
        source.columns = { LazyColumn::text(QStringLiteral("Gigan"), 10, QStringLiteral("Gigan")),
            LazyColumn::money(QStringLiteral("Amount"), 15, QStringLiteral("Amount")) };
        source.order = order;
        return source;
    }

    static void fetchAll(LazyTableModel& model)
    {
        for (int pages = 0; model.canFetchMore(QModelIndex()) && pages < 2000; ++pages)
            model.fetchMore(QModelIndex());
    }

    static QList<qint64> keys(const LazyTableModel& model)
    {
        QList<qint64> read;
        for (int row = 0; row < model.rowCount(); ++row)
            read << model.keyAt(row).toLongLong();
        return read;
    }

    // The keys in the order the whole query gives at once.
    QList<qint64> keysInOrder(const QString& order)
    {
        SqliteStatement select(
            home.context().database(), QStringLiteral("SELECT ItemID FROM Items ORDER BY %1").arg(order));
        EXPECT_TRUE(select.select({}));
        QList<qint64> read;
        while (select.next())
            read << select.integer(0);
        return read;
    }

    TestHome home;
};

TEST_F(LazyTableModelTest, ResetReadsOnePageAndFetchMoreAppendsTheNextUntilTheEnd)
{
    LazyTableModel model(home.context().database(), items());
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    EXPECT_EQ(model.rowCount(), 200);
    EXPECT_TRUE(model.canFetchMore(QModelIndex()));
    EXPECT_EQ(model.keyAt(0).toLongLong(), 1);
    EXPECT_EQ(model.keyAt(199).toLongLong(), 200);
    EXPECT_TRUE(model.keyAt(200).isNull());

    const int counts[] = { 400, 600, 800, 1000 };
    for (int count : counts) {
        ASSERT_TRUE(model.canFetchMore(QModelIndex()));
        model.fetchMore(QModelIndex());
        EXPECT_EQ(model.rowCount(), count);
        ASSERT_EQ(inserted.size(), 1) << count;
        const QList<QVariant> rows = inserted.takeFirst();
        EXPECT_EQ(rows.at(1).toInt(), count - 200);
        EXPECT_EQ(rows.at(2).toInt(), count - 1);
    }
    EXPECT_FALSE(model.canFetchMore(QModelIndex()));
    const QList<qint64> read = keys(model);
    for (int row = 0; row < read.size(); ++row)
        ASSERT_EQ(read.at(row), row + 1) << row;
    EXPECT_TRUE(model.lastError().isEmpty());
}

TEST_F(LazyTableModelTest, OrdersWithRepeatedNullAndEmptyValuesPageWithoutGapsOrRepeats)
{
    struct Case {
        QStringList order;
        int pageSize;
    };
    const Case cases[] = {
        { {}, 128 },
        { { QStringLiteral("Gigan") }, 64 },
        { { QStringLiteral("IcheDate") }, 64 },
        { { QStringLiteral("Code") }, 33 },
        { { QStringLiteral("Code"), QStringLiteral("IcheDate") }, 7 },
        { { QStringLiteral("Gigan"), QStringLiteral("ItemID") }, 200 },
    };
    for (const Case& row : cases) {
        const QString name = row.order.join(u',');
        LazyTableModel model(home.context().database(), items(row.order));
        model.setPageSize(row.pageSize);
        model.reload();
        EXPECT_EQ(model.rowCount(), row.pageSize) << name.toStdString();
        fetchAll(model);
        const QList<qint64> read = keys(model);
        EXPECT_EQ(read.size(), 1000) << name.toStdString();
        EXPECT_EQ(QSet<qint64>(read.cbegin(), read.cend()).size(), 1000) << name.toStdString();
        QStringList order = row.order;
        order.removeAll(QStringLiteral("ItemID"));
        EXPECT_EQ(read, keysInOrder((order << QStringLiteral("ItemID")).join(u','))) << name.toStdString();
        EXPECT_TRUE(model.lastError().isEmpty()) << model.lastError().toStdString();
    }
}

TEST_F(LazyTableModelTest, ANewOrderResetsToItsFirstPageEndingWithTheKey)
{
    LazyTableModel model(home.context().database(), items());
    fetchAll(model);
    ASSERT_EQ(model.rowCount(), 1000);
    ASSERT_TRUE(model.setOrder({ QStringLiteral("Gigan") }));
    EXPECT_EQ(model.order(), QStringList({ QStringLiteral("Gigan"), QStringLiteral("ItemID") }));
    EXPECT_EQ(model.rowCount(), 200);
    EXPECT_EQ(model.keyAt(0).toLongLong(), 7); // G0 holds 7, 14, ...
    EXPECT_EQ(model.keyAt(1).toLongLong(), 14);
    EXPECT_FALSE(model.setOrder({ QStringLiteral("Gigan; DROP TABLE Items") }));
    EXPECT_EQ(model.order(), QStringList({ QStringLiteral("Gigan"), QStringLiteral("ItemID") }));
}

TEST_F(LazyTableModelTest, RowOfKeyReadsOnToALaterPage)
{
    LazyTableModel model(home.context().database(), items());
    struct Case {
        qint64 key;
        int row;
        int rowCount;
    };
    const Case cases[] = {
        { 150, 149, 200 },
        { 450, 449, 600 },
        { 1000, 999, 1000 },
        { 1001, -1, 1000 },
    };
    for (const Case& row : cases) {
        EXPECT_EQ(model.rowOfKey(row.key), row.row) << row.key;
        EXPECT_EQ(model.rowCount(), row.rowCount) << row.key;
    }
    EXPECT_EQ(model.reload(qint64(650)), 649);
    EXPECT_EQ(model.rowCount(), 800);
    EXPECT_EQ(model.reload(), -1);
    EXPECT_EQ(model.rowCount(), 200);
}

TEST_F(LazyTableModelTest, ResetReadsWithNewWhereValues)
{
    LazyTableSource source = items();
    source.where = QStringLiteral("Gigan = ? AND ItemID > ?");
    source.whereValues = { QStringLiteral("G3"), 0 };
    LazyTableModel model(home.context().database(), source);
    model.setPageSize(50);
    model.reload();
    fetchAll(model);
    EXPECT_EQ(model.rowCount(), 143); // 3, 10, ..., 997
    EXPECT_EQ(model.keyAt(142).toLongLong(), 997);

    EXPECT_EQ(model.reset({ QStringLiteral("G5"), 900 }, qint64(999)), 14); // 901, 908, ..., 999
    EXPECT_EQ(model.rowCount(), 15);
    EXPECT_EQ(model.keyAt(0).toLongLong(), 901);
    EXPECT_EQ(model.reset({ QStringLiteral("G5"), 900 }, qint64(998)), -1);
}

// The batch list: a count, money with and without the won sign, dates, and columns worked out from the row.
TEST(LazyTableModel, ShowsEachFormatLiterally)
{
    TestHome home;
    Database& database = home.openEmptyDatabase();
    ASSERT_TRUE(database.exec(QStringLiteral("CREATE TABLE Batches (TongID INTEGER, GiganID10 TEXT, TotNo INTEGER, "
                                             "TotMoney INTEGER, IcheDate TEXT, SendDate TEXT, State INTEGER)")));
    const QVariantList rows[] = {
        { 1, QStringLiteral("GIGAN01"), 1234567, qint64(12345670000), QStringLiteral("2026-12-10"),
            QStringLiteral("2026-12-09"), 2 },
        { 2, QStringLiteral("GIGAN02"), 999, 5000, QVariant(), QStringLiteral("2026-12-08"), 1 },
        { 3, QVariant(), 0, 4999, QStringLiteral("2026-01-02"), QVariant(), 0 },
        { 4, QStringLiteral("GIGAN04"), -1000, -15000, QStringLiteral("2026-01-03"), QStringLiteral("2026-01-01"), 3 },
    };
    for (const QVariantList& row : rows)
        ASSERT_TRUE(database.exec(QStringLiteral("INSERT INTO Batches VALUES (?, ?, ?, ?, ?, ?, ?)"), row));

    LazyTableSource source;
    source.from = QStringLiteral("Batches");
    source.keyColumn = QStringLiteral("TongID");
    source.extraSources = { QStringLiteral("SendDate") };
    constexpr int state = 5;
    constexpr int sendDate = 7; // the extra source, after the seven columns
    source.columns = {
        LazyColumn::text(QStringLiteral("기관코드"), 10, QStringLiteral("GiganID10")),
        LazyColumn::count(QStringLiteral("의뢰건수"), 8, QStringLiteral("TotNo")),
        LazyColumn::money(QStringLiteral("의 뢰 금 액"), 14, QStringLiteral("TotMoney"), true),
        LazyColumn::money(QStringLiteral("금액"), 14, QStringLiteral("TotMoney")),
        LazyColumn::date(QStringLiteral("이체일자"), 10, QStringLiteral("IcheDate")),
        LazyColumn::calculated(
            QStringLiteral("상   태"), 8,
            [](const QVariantList& raw) {
                return raw.at(state).toInt() > 1 ? QStringLiteral("송신") : QStringLiteral("작성");
            },
            QStringLiteral("State")),
        LazyColumn::calculated(QStringLiteral("송신일자"), 10,
            [](const QVariantList& raw) { return raw.at(state).toInt() > 1 ? raw.at(sendDate) : QVariant(); }),
    };
    LazyTableModel model(database, source);
    ASSERT_EQ(model.columnCount(), 7);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("의 뢰 금 액"));
    EXPECT_EQ(model.widthChars(2), 14);

    struct Case {
        const char* cells[7];
    };
    const Case cases[] = {
        { { "GIGAN01", "1,234,567", "₩1,234,567", "1,234,567", "2026-12-10", "송신", "2026-12-09" } },
        { { "GIGAN02", "999", "₩1", "1", "", "작성", "" } },
        { { "", "0", "₩0", "0", "2026-01-02", "작성", "" } },
        { { "GIGAN04", "-1,000", "-₩2", "-2", "2026-01-03", "송신", "2026-01-01" } },
    };
    ASSERT_EQ(model.rowCount(), 4);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 7; ++column)
            EXPECT_EQ(model.data(model.index(row, column)).toString(), QString::fromUtf8(cases[row].cells[column]))
                << row << "," << column;
    }
    EXPECT_EQ(
        model.data(model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(
        model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace
