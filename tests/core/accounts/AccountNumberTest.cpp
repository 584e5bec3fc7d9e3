#include "TestHome.h"
#include "core/accounts/AcctNoRules.h"
#include "core/accounts/Bank.h"

#include <QSet>
#include <gtest/gtest.h>
#include <numeric>

namespace {

struct AccountCase {
    const char* bank;
    const char* account;
    bool valid;
    const char* display;
};

TEST(AcctNoRules, HyphenatesAndChecksByBank)
{
    const AccountCase cases[] = {
        { "11", "30112345678", true, "301-12-345678" },
        { "11", "3021234567801", true, "302-1234-5678-01" },
        { "12", "30123456789012", true, "301234-56-789012" },
        { "10", "301234567890", true, "301-234-567890" },
        { "15", "30123456789012", true, "301234-56-789012" },
        { "11", "3012345678", false, "3012345678" },
        { "11", "301234567890123", false, "301234567890123" },
        { "03", "12345678901234", true, "123-456789-01-234" },
        { "04", "12345678901234", true, "123456-78-901234" },
        { "04", "123456789012", true, "123-45-6789-012" },
        { "04", "1234567890123", false, "1234567890123" },
        { "20", "1002123456789", true, "1002-123-456789" },
        { "23", "12345678901", true, "123-45-678901" },
        { "23", "123456789012", false, "123456789012" },
        { "71", "01234502123456", true, "012345-02-123456" },
        { "81", "12345678901234", true, "123-456789-01234" },
        { "88", "110123456789", true, "110-123-456789" },
        { "89", "100100123456", true, "100-100-123456" },
        { "90", "3333011234567", true, "3333-01-1234567" },
        // No rules: unchanged, 6 to 16 digits.
        { "32", "123456", true, "123456" },
        { "32", "1234567890123456", true, "1234567890123456" },
        { "32", "12345", false, "12345" },
        { "32", "12345678901234567", false, "12345678901234567" },
        { "", "1234567", true, "1234567" },
        // Anything but digits is never valid.
        { "11", "301-12-345678", false, "301-12-345678" },
        { "32", "12345a7890", false, "12345a7890" },
        { "32", "1234 567890", false, "1234 567890" },
        { "04", "１２３４５６７８９０１２", false, "１２３４５６７８９０１２" },
        { "32", "", false, "" },
    };
    const AcctNoRules rules;
    for (const AccountCase& c : cases) {
        SCOPED_TRACE(std::string(c.bank) + " " + c.account);
        const QString account = QString::fromUtf8(c.account);
        EXPECT_EQ(rules.AcctNoIsValid(QLatin1String(c.bank), account), c.valid);
        EXPECT_EQ(rules.Hyphenate(QLatin1String(c.bank), account).toStdString(), c.display);
    }
}

// An overlap would leave a rule or a layout silently unused.
TEST(AcctNoRules, EachBankHasOneRuleAndEachLengthOneLayout)
{
    QSet<QString> banks;
    for (const AcctNoRules::Rule& rule : AcctNoRules::Rules) {
        for (const QString& bank : rule.bankCodes) {
            EXPECT_FALSE(banks.contains(bank)) << bank.toStdString();
            banks.insert(bank);
        }
        QSet<int> lengths;
        for (const AcctNoRules::Layout& layout : rule.layouts) {
            const int length = std::accumulate(layout.cbegin(), layout.cend(), 0);
            EXPECT_FALSE(lengths.contains(length)) << rule.bankCodes.join(',').toStdString() << ' ' << length;
            lengths.insert(length);
        }
    }
}

// Answers every question with "invalid" and counts them, to show when the module is asked.
class CountingModule : public AcctNo {
public:
    QString Hyphenate(const QString&, const QString& account) const override { return account; }
    bool AcctNoIsValid(const QString&, const QString&) const override
    {
        ++questions;
        return false;
    }
    mutable int questions = 0;
};

TEST(Bank, AccountCheckSwitchedOffMakesEveryAccountValid)
{
    TestHome home;
    const CountingModule module;
    const Bank bank(module, home.context());

    home.context().setAccountNumberCheck(true);
    EXPECT_FALSE(bank.isValid(QStringLiteral("11"), QStringLiteral("1")));
    EXPECT_EQ(module.questions, 1);

    home.context().setAccountNumberCheck(false);
    for (const QString& account : { QString(), QStringLiteral("1"), QStringLiteral("abc-def") })
        EXPECT_TRUE(bank.isValid(QStringLiteral("11"), account)) << account.toStdString();
    EXPECT_EQ(module.questions, 1);
}

TEST(Bank, DisplayFormComesFromTheModule)
{
    TestHome home;
    const AcctNoRules rules;
    const Bank bank(rules, home.context());
    EXPECT_EQ(bank.displayForm(QStringLiteral("88"), QStringLiteral("110123456789")), QStringLiteral("110-123-456789"));
}

TEST(Bank, WithoutHyphensRemovesEveryHyphen)
{
    EXPECT_EQ(Bank::withoutHyphens(QStringLiteral("-301-12--345678-")), QStringLiteral("30112345678"));
    EXPECT_EQ(Bank::withoutHyphens(QStringLiteral("301 12")), QStringLiteral("301 12"));
}

TEST(Bank, MergedBanksMapToTheSurvivingBank)
{
    const std::pair<const char*, const char*> cases[] = { { "21", "88" }, { "021", "88" }, { "26", "88" },
        { "22", "20" }, { "24", "20" }, { "23", "23" }, { "20", "20" }, { "88", "88" }, { "ab", "ab" }, { "", "" } };
    for (const auto& [code, current] : cases)
        EXPECT_EQ(Bank::currentBankCode(QLatin1String(code)).toStdString(), current) << code;
}

} // namespace
