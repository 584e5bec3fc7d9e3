#include "core/consent/ItemConsents.h"
#include "ImportTestHome.h"

#include <gtest/gtest.h>
#include <vector>

// One table: each row is a batch of one item (withdrawal or apartment) and the consents stored for it. The item's
// key is ten times its batch. A null text is stored as NULL, "" as an empty text.
namespace {

struct Consent {
    const char* giganid;
    const char* bankcd;
    const char* bankno;
    const char* napbuno;
    int status;
};

struct ConsentRow {
    const char* label;
    bool apartment;
    qint64 batch;
    int batchState;
    const char* institution; // GiganID10 of the batch
    const char* bankCode;
    const char* account;
    const char* napbuNo;
    const char* dong;
    const char* ho;
    std::vector<Consent> consents;
    const char* payerNumber; // as items() gives it
    const char* status; // cStatus
    bool missing; // the batch-wide check
};

const char* const G = "9900000002";

const ConsentRow Rows[] = {
    { "status 0", false, 1, 1, G, "11", "100", "P1", nullptr, nullptr, { { G, "11", "100", "P1", 0 } }, "P1",
        "등록대기", true },
    { "status 1", false, 2, 1, G, "11", "100", "P2", nullptr, nullptr, { { G, "11", "100", "P2", 1 } }, "P2",
        "등록진행중", true },
    { "status 2", false, 3, 1, G, "11", "100", "P3", nullptr, nullptr, { { G, "11", "100", "P3", 2 } }, "P3",
        "등록완료", false },
    { "status 3", false, 4, 1, G, "11", "100", "P4", nullptr, nullptr, { { G, "11", "100", "P4", 3 } }, "P4",
        "등록오류", true },
    { "status 4", false, 5, 1, G, "11", "100", "P5", nullptr, nullptr, { { G, "11", "100", "P5", 4 } }, "P5",
        "해지대기", true },
    { "status 5", false, 6, 1, G, "11", "100", "P6", nullptr, nullptr, { { G, "11", "100", "P6", 5 } }, "P6",
        "해지진행중", true },
    { "status 6", false, 7, 1, G, "11", "100", "P7", nullptr, nullptr, { { G, "11", "100", "P7", 6 } }, "P7",
        "해지완료", true },
    { "status 7", false, 8, 1, G, "11", "100", "P8", nullptr, nullptr, { { G, "11", "100", "P8", 7 } }, "P8",
        "해지오류", true },
    { "status 9", false, 9, 1, G, "11", "100", "P9", nullptr, nullptr, { { G, "11", "100", "P9", 9 } }, "P9", "미등록",
        true },
    { "no consent", false, 10, 1, G, "11", "100", "Q1", nullptr, nullptr, {}, "Q1", "미등록", true },
    { "each field trimmed", false, 11, 1, " 9900000002 ", " 11", "200 ", " Q2 ", nullptr, nullptr,
        { { "9900000002 ", "11 ", " 200", "Q2", 2 } }, " Q2 ", "등록완료", false },
    { "NULL payer equals empty", false, 12, 1, G, "11", "300", nullptr, nullptr, nullptr, { { G, "11", "300", "", 2 } },
        "", "등록완료", false },
    { "NULL payer without consent stays in", false, 13, 1, G, "11", "301", nullptr, nullptr, nullptr, {}, "", "미등록",
        true },
    { "no concatenation", false, 14, 1, G, "11", "301000011112", "3", nullptr, nullptr,
        { { G, "11", "30100001111", "23", 2 } }, "3", "미등록", true },
    { "other institution", false, 15, 1, G, "11", "400", "Q3", nullptr, nullptr,
        { { "9900000009", "11", "400", "Q3", 2 } }, "Q3", "미등록", true },
    { "other bank", false, 16, 1, G, "11", "400", "Q4", nullptr, nullptr, { { G, "12", "400", "Q4", 2 } }, "Q4",
        "미등록", true },
    { "the row stored last counts", false, 17, 1, G, "11", "500", "Q5", nullptr, nullptr,
        { { G, "11", "500", "Q5", 2 }, { G, "11", "500", "Q5 ", 6 } }, "Q5", "해지완료", true },
    { "sent batch", false, 18, 2, G, "11", "600", "Q6", nullptr, nullptr, {}, "Q6", "미등록", true },
    { "apartment dong and ho", true, 1, 1, "9900000003", "11", "700", "1011001", "101", "1001",
        { { "9900000003", "11", "700", "1011001", 2 } }, "1011001", "등록완료", false },
    { "apartment dong and ho trimmed", true, 2, 1, "9900000003", "11", "701", nullptr, " 101 ", "1001 ",
        { { "9900000003", "11", "701", "1011001", 2 } }, "1011001", "등록완료", false },
    { "apartment payer from dong and ho, not NapbuNo", true, 3, 1, "9900000003", "11", "702", "1011001", "102", "1001",
        { { "9900000003", "11", "702", "1011001", 2 } }, "1021001", "미등록", true },
    { "apartment without dong", true, 4, 1, "9900000003", "11", "703", nullptr, nullptr, "7",
        { { "9900000003", "11", "703", "7", 5 } }, "7", "해지진행중", true },
};

class ItemConsentsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        for (const ConsentRow& row : Rows) {
            const TransferKind& kind = row.apartment ? TransferKind::apartment() : TransferKind::withdrawal();
            store(kind.batchTable, { kind.batchKey, "GiganID10", "State" },
                { row.batch, text(row.institution), row.batchState });
            QStringList columns { kind.itemKey, kind.batchKey, "BankCode", "BankNo", "IcheMoney", "NapbuNo", "State" };
            QVariantList values { row.batch * 10, row.batch, text(row.bankCode), text(row.account), 10000,
                text(row.napbuNo), 1 };
            if (row.apartment) {
                columns << "Dong"
                        << "Ho";
                values << text(row.dong) << text(row.ho);
            }
            store(kind.itemTable, columns, values);
            for (const Consent& consent : row.consents) {
                store("TongRegister", { "Giganid", "Bankcd", "Bankno", "NapbuNO", "Status" },
                    { text(consent.giganid), text(consent.bankcd), text(consent.bankno), text(consent.napbuno),
                        consent.status });
            }
        }
    }

    static QVariant text(const char* value) { return value ? QVariant(QString::fromUtf8(value)) : QVariant(); }

    // Binding stores an empty text as NULL, so an empty text goes into the statement as ''.
    void store(const QString& table, const QStringList& columns, const QVariantList& values)
    {
        QStringList marks;
        QVariantList bound;
        for (const QVariant& value : values) {
            const bool empty = value.typeId() == QMetaType::QString && value.toString().isEmpty();
            marks << (empty ? QStringLiteral("''") : QStringLiteral("?"));
            if (!empty)
                bound << value;
        }
        ASSERT_TRUE(home.database().exec(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, columns.join(", "), marks.join(", ")), bound))
            << home.database().lastError().toStdString();
    }

    static QString line(const ItemConsents::Missing& item)
    {
        return QStringLiteral("%1 %2 %3 [%4] [%5] [%6] [%7]")
            .arg(item.kind->itemTable)
            .arg(item.batch)
            .arg(item.key)
            .arg(item.institution, item.bankCode, item.account, item.payerNumber);
    }

    ImportTestHome home;
};

TEST_F(ItemConsentsTest, EachItemsConsentAndTheBatchWideCheck)
{
    for (const ConsentRow& row : Rows) {
        SCOPED_TRACE(row.label);
        const ItemConsents consents(
            home.context(), row.apartment ? TransferKind::apartment() : TransferKind::withdrawal());
        const QList<ItemConsents::Item> items = consents.items(row.batch, true);
        ASSERT_EQ(items.size(), 1);
        EXPECT_EQ(items.at(0).key, row.batch * 10);
        EXPECT_EQ(items.at(0).payerNumber, QString::fromUtf8(row.payerNumber));
        EXPECT_EQ(items.at(0).status, QString::fromUtf8(row.status));
        EXPECT_EQ(items.at(0).registered, !row.missing);
        EXPECT_EQ(consents.anyMissing(row.batch), row.missing);
    }
}

TEST_F(ItemConsentsTest, ListsTheItemsWithoutConsentOfBatchesAwaitingSending)
{
    QStringList lines;
    for (const ItemConsents::Missing& item : ItemConsents::missingBeforeSending(home.context()))
        lines << line(item);
    EXPECT_EQ(lines,
        QStringList({
            "Tong22 1 10 [9900000002] [11] [100] [P1]",
            "Tong22 2 20 [9900000002] [11] [100] [P2]",
            "Tong22 4 40 [9900000002] [11] [100] [P4]",
            "Tong22 5 50 [9900000002] [11] [100] [P5]",
            "Tong22 6 60 [9900000002] [11] [100] [P6]",
            "Tong22 7 70 [9900000002] [11] [100] [P7]",
            "Tong22 8 80 [9900000002] [11] [100] [P8]",
            "Tong22 9 90 [9900000002] [11] [100] [P9]",
            "Tong22 10 100 [9900000002] [11] [100] [Q1]",
            "Tong22 13 130 [9900000002] [11] [301] []",
            "Tong22 14 140 [9900000002] [11] [301000011112] [3]",
            "Tong22 15 150 [9900000002] [11] [400] [Q3]",
            "Tong22 16 160 [9900000002] [11] [400] [Q4]",
            "Tong22 17 170 [9900000002] [11] [500] [Q5]",
            "Apt2 3 30 [9900000003] [11] [702] [1021001]",
            "Apt2 4 40 [9900000003] [11] [703] [7]",
        }));
}

TEST_F(ItemConsentsTest, ABatchOfManyItemsIsCheckedAsAWhole)
{
    // Batch 3 holds a registered item; a second item without consent makes the whole batch fail the check.
    const ItemConsents consents(home.context(), TransferKind::withdrawal());
    store("Tong22", { "Tong2ID", "TongID", "BankCode", "BankNo", "NapbuNo", "State" }, { 31, 3, "11", "999", "Z", 1 });
    const QList<ItemConsents::Item> items = consents.items(3, true);
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items.at(1).key, 31);
    EXPECT_EQ(items.at(1).status, QStringLiteral("미등록"));
    EXPECT_TRUE(consents.anyMissing(3));
    EXPECT_FALSE(consents.anyMissing(99)); // no items
    // Without the lookup the items carry no consent.
    EXPECT_EQ(consents.items(3, false).at(0).status, QString());
    EXPECT_EQ(consents.items(3, false).at(0).payerNumber, QStringLiteral("P3"));
}

TEST_F(ItemConsentsTest, DepositsHaveNoConsent)
{
    store("Tong1", { "TongID", "GiganID10", "State" }, { 1, "9900000001", 1 });
    store("Tong2", { "Tong2ID", "TongID", "BankCode", "BankNo", "NapbuNo", "State" }, { 1, 1, "11", "1", "D", 1 });
    const ItemConsents consents(home.context(), TransferKind::deposit());
    EXPECT_FALSE(consents.anyMissing(1));
    EXPECT_TRUE(consents.missing().isEmpty());
    ASSERT_EQ(consents.items(1, true).size(), 1);
    EXPECT_EQ(consents.items(1, true).at(0).status, QString());
}

} // namespace
