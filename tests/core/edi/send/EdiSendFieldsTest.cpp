#include "core/edi/send/EdiSendFields.h"
#include "core/batches/BankGroup.h"

#include <gtest/gtest.h>

namespace {

TEST(EdiSendFields, GroupsAndNormalizesBankCodes)
{
    struct Case {
        QString code;
        int normalized;
        int group;
    };
    const QList<Case> cases { { "09", 9, 3 }, { "10", 11, 1 }, { "11", 11, 1 }, { "12", 12, 2 }, { "15", 12, 2 },
        { "16", 16, 3 }, { " 88 ", 88, 3 } };
    for (const Case& bank : cases) {
        const std::optional<int> number = EdiSendFields::bankNumber(bank.code);
        ASSERT_TRUE(number) << bank.code.toStdString();
        EXPECT_EQ(BankGroup::normalized(*number), bank.normalized) << bank.code.toStdString();
        EXPECT_EQ(BankGroup::of(*number), bank.group) << bank.code.toStdString();
        EXPECT_EQ(BankGroup::of(bank.code), bank.group) << bank.code.toStdString();
    }
    EXPECT_EQ(BankGroup::of(QStringLiteral("K1")), BankGroup::Other);
    EXPECT_FALSE(EdiSendFields::bankNumber("K1"));
    EXPECT_FALSE(EdiSendFields::bankNumber(""));
}

TEST(EdiSendFields, TakesTheLastAccountDigitOnlyWhenItIsOne)
{
    EXPECT_EQ(EdiSendFields::lastDigit("0123"), 3);
    EXPECT_FALSE(EdiSendFields::lastDigit("012A"));
    EXPECT_FALSE(EdiSendFields::lastDigit(QStringLiteral("12\uFF11"))); // a full-width one
    EXPECT_FALSE(EdiSendFields::lastDigit(""));
}

// Worked out by hand: the decimals of (n + A + S) / (n + M).
TEST(EdiSendFields, FileCheckValueIsTheFirstFourDecimals)
{
    EXPECT_EQ(EdiSendFields::fileCheckValue(4, 3185000, 42, 1009), "1717");
    EXPECT_EQ(EdiSendFields::fileCheckValue(2, 577777, 17, 1009), "5093");
    EXPECT_EQ(EdiSendFields::fileCheckValue(1, 0, 0, 1009), "0009");
    EXPECT_EQ(EdiSendFields::fileCheckValue(1, 1009, 0, 1009), "0000");
}

TEST(EdiSendFields, ApartmentBatchCodeFitsFiveCharacters)
{
    EXPECT_EQ(EdiSendFields::apartmentBatchCode(QTime(0, 0, 1), 1), "G9");
    EXPECT_EQ(EdiSendFields::apartmentBatchCode(QTime(9, 5, 7), 3), "67l0N");
    EXPECT_EQ(EdiSendFields::apartmentBatchCode(QTime(23, 59, 59), 999), "Fy3yR");
}

} // namespace
