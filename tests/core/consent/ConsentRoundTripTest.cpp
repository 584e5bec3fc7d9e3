#include "SendTestHome.h"
#include "VanSimulator.h"
#include "core/consent/ConsentRegister.h"
#include "core/exchange/EdiImportRun.h"
#include "core/exchange/GenerationRun.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const char* const Institutions = "9900000002 consent QK150\n";
const char* const Rules = "consent-fail 20-222-333\n";

// Consents entered through the register go to the bank and come back registered, refused or cancelled.
class ConsentRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        home.context().setAccountNumberCheck(false);
        home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 7)));
        home.database().exec("UPDATE BANKCODE SET SENDVERSION = '1' WHERE Id = '11'");
        home.database().exec("UPDATE Usercode SET TRegisterIN = 'QK150' WHERE TOID210 = '9900000002'");
        QString error;
        ASSERT_TRUE(institutions.parse(QString::fromUtf8(Institutions), error)) << error.toStdString();
        ASSERT_TRUE(rules.parse(QString::fromUtf8(Rules), error)) << error.toStdString();
    }

    void enter(const QString& bank, const QString& account, const QString& payer)
    {
        ConsentRegister::Consent consent = consents.startNew({}).consent;
        consent.institution = "9900000002";
        consent.bankCode = bank;
        consent.account = account;
        consent.payerNumber = payer;
        consent.realNameNumber = "800101";
        ASSERT_TRUE(consents.save(consent).done) << home.messages.lastText().toStdString();
    }

    void roundTrip(const QString& mailbox)
    {
        GenerationRun generation(home.database(), home.context());
        ASSERT_EQ(generation.run(), GenerationRun::Outcome::Generated) << generation.error().toStdString();
        ASSERT_TRUE(QDir().mkpath(mailbox + "outbox"));
        for (const QString& name : generation.fileNames())
            ASSERT_TRUE(QFile::rename(home.context().paths().sendPath() + name, mailbox + "outbox/" + name));
        VanSimulator bank(mailbox, institutions, rules, QDate(2026, 12, 10));
        ASSERT_TRUE(bank.run()) << bank.error().toStdString();
        ASSERT_EQ(bank.rejected(), 0);
        for (const QString& name : QDir(bank.inbox()).entryList(QDir::Files)) {
            QFile::remove(home.context().paths().receivePath() + name);
            ASSERT_TRUE(QFile::copy(bank.inbox() + name, home.context().paths().receivePath() + name));
        }
        EdiImportRun import(home.database(), home.context());
        ASSERT_TRUE(import.run());
        ASSERT_FALSE(import.failed());
    }

    QStringList states()
    {
        return home.column("SELECT NapbuNO || ':' || Status || ':' || ResultCD FROM TongRegister ORDER BY NapbuNO");
    }

    SendTestHome home;
    ConsentRegister consents { home.context() };
    VanInstitutions institutions;
    VanRules rules;
};

TEST_F(ConsentRoundTripTest, RegisteredRefusedThenCancelled)
{
    enter("12", "12-345-678-901", "C1");
    enter("20", "20-222-333", "C2");
    roundTrip(home.path("Van1/"));
    ASSERT_EQ(states(), QStringList({ "C1:2:0", "C2:3:2002" }));

    const std::optional<qint64> registered = consents.keyOf("9900000002/12/12345678901/C1");
    ASSERT_TRUE(registered);
    home.messages.answer(Messages::Button::Ok);
    ASSERT_TRUE(consents.queueCancellations({ { *registered }, false, {} }).done);
    home.clock.set(QDateTime(QDate(2026, 12, 10), QTime(11, 0)));
    roundTrip(home.path("Van2/"));
    EXPECT_EQ(states(), QStringList({ "C1:6:0", "C2:3:2002" }));
}

} // namespace
