#include "VanRules.h"
#include "VanInstitutions.h"

#include <gtest/gtest.h>

namespace {

TEST(VanRulesTest, ChoosesTheOutcomeOfEachRule)
{
    VanRules rules;
    QString error;
    ASSERT_TRUE(rules.parse("# outcomes\nfail-ending 7 0101\namount-limit 1000  # won\nconsent-fail 012-34\n", error));

    EXPECT_EQ(rules.transferCode("1234567         ", 5), "0101");
    EXPECT_EQ(rules.transferCode("1234560         ", 1001), "1000");
    EXPECT_EQ(rules.transferCode("1234560         ", 1000), "0000");
    EXPECT_EQ(rules.consentCode("0000000001234   "), "2002"); // padded as banks 10-15 send it
    EXPECT_EQ(rules.consentCode("1235            "), "0000");
}

TEST(VanRulesTest, ABadLineIsNamed)
{
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        { "amount-limit 10\nfail-ending 77 0101", "rules line 2" },
        { "amount-limit lots", "rules line 1" },
        { "refuse everything", "unknown rule \"refuse\"" },
    };
    for (const auto& c : cases) {
        VanRules rules;
        QString error;
        EXPECT_FALSE(rules.parse(c.text, error)) << c.text;
        EXPECT_TRUE(error.contains(c.error)) << error.toStdString();
    }
    VanInstitutions institutions;
    QString error;
    EXPECT_FALSE(institutions.parse("9900000001 deposit CD456\n9900000001 payroll X1", error));
    EXPECT_TRUE(error.startsWith("institutions line 2")) << error.toStdString();
}

} // namespace
