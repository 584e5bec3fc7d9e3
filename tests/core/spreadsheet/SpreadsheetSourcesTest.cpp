#include "core/spreadsheet/SpreadsheetSources.h"
#include "ImportTestHome.h"
#include "core/batches/TransferKind.h"
#include "core/common/Money.h"

#include <gtest/gtest.h>

// A withdrawal batch of two items, one with a registered consent; an apartment batch of one item whose consent is
// found by its dong and ho; the consents in the register.
namespace {

class SpreadsheetSourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        const TransferKind& withdrawal = TransferKind::withdrawal();
        const TransferKind& apartment = TransferKind::apartment();
        home.insert(withdrawal.batchTable, { { "TongID", 1 }, { "GiganID10", "9900000002" }, { "State", 1 } });
        home.insert(withdrawal.itemTable,
            { { "Tong2ID", 1 }, { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "1002003004005" },
                { "IcheMoney", QVariant::fromValue(Money::fromWon(1234567)) }, { "NapbuNo", "P1" },
                { "Bigo", QStringLiteral("홍길동") }, { "Kita", "7903121" }, { "State", 1 } });
        home.insert(withdrawal.itemTable,
            { { "Tong2ID", 2 }, { "TongID", 1 }, { "BankCode", "11" }, { "BankNo", "0012345678" },
                { "IcheMoney", QVariant::fromValue(Money::fromWon(500)) }, { "NapbuNo", "P2" },
                { "Bigo", QStringLiteral("김") }, { "State", 1 } });
        home.insert(apartment.batchTable, { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "State", 1 } });
        home.insert(apartment.itemTable,
            { { "Apt2ID", 1 }, { "AptID", 1 }, { "BankCode", "11" }, { "BankNo", "700" },
                { "IcheMoney", QVariant::fromValue(Money::fromWon(50000)) }, { "NapbuNo", "OLD1" },
                { "Bigo", QStringLiteral("입주자") }, { "Kita", QStringLiteral("예금주") }, { "Dong", "101" },
                { "Ho", "1001" }, { "State", 1 } });
        home.insert("TongRegister",
            { { "Giganid", "9900000002" }, { "Bankcd", "11" }, { "Bankno", "1002003004005" }, { "NapbuNO", "P1" },
                { "Status", 2 }, { "NAME", QStringLiteral("홍길동") }, { "JuminNO", "790312" },
                { "Senddate", QDateTime(QDate(2026, 12, 1), QTime(9, 30, 0)) } });
        home.insert("TongRegister",
            { { "Giganid", "9900000003" }, { "Bankcd", "11" }, { "Bankno", "700" }, { "NapbuNO", "1011001" },
                { "Status", 3 }, { "ResultCD", 2001 } });
    }

    // Each value as text; amounts marked, so that a text "500" and an amount of 500 won differ.
    static QStringList shown(SpreadsheetRows& rows)
    {
        QStringList lines;
        QVariantList values;
        while (rows.next(values)) {
            QStringList cells;
            for (const QVariant& value : values) {
                if (value.metaType() == QMetaType::fromType<Money>())
                    cells << QStringLiteral("W") + value.value<Money>().toString();
                else if (value.typeId() == QMetaType::QDateTime)
                    cells << value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
                else
                    cells << value.toString();
            }
            lines << cells.join(QLatin1Char('|'));
        }
        return lines;
    }

    ImportTestHome home;
};

TEST_F(SpreadsheetSourcesTest, BatchItemsInTheLayoutsColumnsWithTheConsentOnlyWhenChecked)
{
    struct Case {
        const char* label;
        bool apartment;
        bool consentCheck;
        QStringList lines;
    };
    const Case cases[] = {
        { "withdrawal, checked", false, true,
            { QStringLiteral("등록완료|홍길동|11|테온중앙회|1002003004005|P1|7903121|W1234567|미송신"),
                QStringLiteral("미등록|김|11|테온중앙회|0012345678|P2||W500|미송신") } },
        { "withdrawal, not checked", false, false,
            { QStringLiteral("|홍길동|11|테온중앙회|1002003004005|P1|7903121|W1234567|미송신"),
                QStringLiteral("|김|11|테온중앙회|0012345678|P2||W500|미송신") } },
        { "apartment, checked", true, true,
            { QStringLiteral("등록오류|101|1001|입주자|11|테온중앙회|700|OLD1|예금주|W50000|미송신") } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const TransferKind& kind = c.apartment ? TransferKind::apartment() : TransferKind::withdrawal();
        SpreadsheetRowList rows = SpreadsheetSources::batchItems(home.context(), kind, 1, c.consentCheck);
        EXPECT_EQ(rows.count(), c.lines.size());
        EXPECT_EQ(shown(rows), c.lines);
    }
    EXPECT_EQ(SpreadsheetSources::batchItemsLayout(TransferKind::withdrawal()), 4);
    EXPECT_EQ(SpreadsheetSources::batchItemsLayout(TransferKind::apartment()), 3);
}

TEST_F(SpreadsheetSourcesTest, UnconsentedItemsAndTheRegister)
{
    SpreadsheetRowList unconsented = SpreadsheetSources::unconsentedItems(home.context());
    EXPECT_EQ(shown(unconsented),
        QStringList({ QStringLiteral("9900000002|11|0012345678|P2"), QStringLiteral("9900000003|11|700|1011001") }));

    SpreadsheetRowList all = SpreadsheetSources::consentRegister(home.context(), {});
    EXPECT_EQ(shown(all),
        QStringList({ QStringLiteral("등록완료|홍길동|9900000002|11|100-2003-0040-05|P1|790312|2026-12-01 09:30:00||"),
            QStringLiteral("등록오류||9900000003|11|700|1011001||||[2001]납부자번호 오류") }));
    ConsentRegister::Filter failed;
    failed.state = 3;
    SpreadsheetRowList filtered
        = SpreadsheetSources::consentRegister(home.context(), failed, QStringLiteral("9900000003"));
    EXPECT_EQ(filtered.count(), 1);
    SpreadsheetRowList otherInstitution
        = SpreadsheetSources::consentRegister(home.context(), failed, QStringLiteral("9900000002"));
    EXPECT_EQ(otherInstitution.count(), 0);
}

} // namespace
