#include "core/edi/receive/EdiRecvTongRegister.h"
#include "ImportTestHome.h"

#include <gtest/gtest.h>

namespace {

class EdiRecvTongRegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        addConsent("9900000002", "12", "110220330440", "00110220330440", "PAYER-12", 1);
        addConsent("9900000002", "20", "110220330440", "00110220330440", "PAYER-20", 1);
        addConsent("9900000002", "10", "12345678901", "00012345678901", "PAYER-10", 5);
        addConsent("9900000009", "20", "77788899900", "00077788899900", "PAYER-B", 1);
        fixture = readFileBytes(testDataPath("edi/consent_result"));
    }

    // The matching key as the register stores it: the account without hyphens, zero-filled to 14 digits.
    void addConsent(const QString& institution, const QString& bank, const QString& account, const QString& key,
        const QString& payer, int status)
    {
        ASSERT_TRUE(home.insert("TongRegister",
            { { "Giganid", institution }, { "Bankcd", bank }, { "Bankno", account }, { "DisplayBankno", key },
                { "NapbuNO", payer }, { "Status", status } }));
    }

    QVariantMap consent(const QString& payer)
    {
        return home.row(
            "SELECT Status, ResultYN, ResultCD, Receivedate FROM TongRegister WHERE NapbuNO = ?", { payer });
    }

    void expectConsent(const QString& payer, int status, bool accepted, int code)
    {
        const QVariantMap row = consent(payer);
        EXPECT_EQ(row.value("Status").toInt(), status) << payer.toStdString();
        EXPECT_EQ(row.value("ResultYN").toBool(), accepted) << payer.toStdString();
        EXPECT_EQ(row.value("ResultCD").toInt(), code) << payer.toStdString();
        EXPECT_EQ(row.value("Receivedate").toString(), "2026-12-10 09:05:03") << payer.toStdString();
    }

    ImportTestHome home;
    QByteArray fixture;
};

// One file answers two institutions that share the receive code. The bank-20 account comes back without the
// zeros of its stored form, the bank-10 consent was sent under its group's code 11: both still find their row.
TEST_F(EdiRecvTongRegisterTest, AnswersSetTheStateOfTheConsentTheyAnswer)
{
    home.putReceived("QK150", fixture);
    EdiRecvTongRegister importer(home.database(), home.context());

    ASSERT_TRUE(importer.run());
    ASSERT_FALSE(importer.failed()) << importer.refusals().first().text().toStdString();

    expectConsent("PAYER-12", 2, true, 0);
    expectConsent("PAYER-20", 2, true, 2005); // refused as already registered: registered all the same
    expectConsent("PAYER-10", 7, false, 101);
    expectConsent("PAYER-B", 3, false, 12);
    ASSERT_EQ(importer.rows().size(), 2);
    EXPECT_EQ(importer.rows().at(0).kind, TEdiInfo::ConsentRequest);
    EXPECT_EQ(importer.rows().at(0).name, QStringLiteral("테스트기관"));
    EXPECT_EQ(importer.rows().at(0).fileInfo, "QK150");
    EXPECT_EQ(importer.rows().at(0).count, 3);
    EXPECT_EQ(importer.rows().at(1).name, QStringLiteral("둘째기관"));
    EXPECT_EQ(importer.rows().at(1).count, 1);
}

TEST_F(EdiRecvTongRegisterTest, AConsentSendFileIsNotRead)
{
    home.putReceived("QK150", patched(fixture, 100, 1, 2, "E1"));
    EdiRecvTongRegister importer(home.database(), home.context());

    EXPECT_TRUE(importer.run());
    EXPECT_FALSE(importer.failed());
    EXPECT_TRUE(importer.rows().isEmpty());
    EXPECT_EQ(consent("PAYER-12").value("Status").toInt(), 1);
}

TEST_F(EdiRecvTongRegisterTest, ABadResultCodeLeavesTheWholeFileUnapplied)
{
    home.putReceived("QK150", patched(fixture, 100, 3, 45, "20X5"));
    EdiRecvTongRegister importer(home.database(), home.context());

    importer.run();
    ASSERT_TRUE(importer.failed());
    EXPECT_EQ(importer.refusals().first().record(), 3);
    EXPECT_EQ(importer.refusals().first().field(), QStringLiteral("처리결과코드"));
    EXPECT_EQ(consent("PAYER-12").value("Status").toInt(), 1);
    EXPECT_TRUE(importer.rows().isEmpty());
}

TEST(ConsentDisplayAccount, HyphensGoZerosFillOrTheAccountIsCut)
{
    EXPECT_EQ(EdiRecvTongRegister::displayAccount("123-45-678"), "00000012345678");
    EXPECT_EQ(EdiRecvTongRegister::displayAccount("00110220330440"), "00110220330440");
    EXPECT_EQ(EdiRecvTongRegister::displayAccount("1234567890123456"), "12345678901234");
}

} // namespace
