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

// Record 4 answers PAYER-10's cancellation; record 3 answers PAYER-20's registration (2005: registered all the
// same), whose consent is stored under bank 13, 14 or 15 in the cases that move it: the request went out under the
// group's code 12.
TEST(EdiRecvTongRegister, CancellationsAndTheMemberBanksAnswers)
{
    struct Case {
        QByteArray flagAndCode; // positions 44-48 of record 4
        QString payer20Bank; // PAYER-20's bank as stored; its answer comes under 12 when it is 13 to 15
        QByteArray answerBank; // positions 9-10 of record 3
        int payer10Status;
        bool payer10Accepted;
        int payer10Code;
        int payer20Status;
    };
    const Case cases[] = {
        { "Y0000", "20", "20", 6, true, 0, 2 },
        { "N2005", "20", "20", 6, true, 2005, 2 },
        { "N0101", "20", "20", 7, false, 101, 2 },
        { "N0101", "13", "12", 7, false, 101, 2 },
        { "N0101", "14", "12", 7, false, 101, 2 },
        { "N0101", "15", "12", 7, false, 101, 2 },
        { "N0101", "16", "12", 7, false, 101, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagAndCode.toStdString() + " " + c.payer20Bank.toStdString());
        ImportTestHome home;
        for (const QStringList& consent : { QStringList { "10", "12345678901", "00012345678901", "PAYER-10", "5" },
                 QStringList { c.payer20Bank, "110220330440", "00110220330440", "PAYER-20", "1" } }) {
            ASSERT_TRUE(home.insert("TongRegister",
                { { "Giganid", "9900000002" }, { "Bankcd", consent.at(0) }, { "Bankno", consent.at(1) },
                    { "DisplayBankno", consent.at(2) }, { "NapbuNO", consent.at(3) },
                    { "Status", consent.at(4).toInt() } }));
        }
        QByteArray bytes = patched(readFileBytes(testDataPath("edi/consent_result")), 100, 4, 44, c.flagAndCode);
        home.putReceived("QK150", patched(bytes, 100, 3, 9, c.answerBank));
        EdiRecvTongRegister importer(home.database(), home.context());
        ASSERT_TRUE(importer.run());
        ASSERT_FALSE(importer.failed()) << importer.refusals().first().text().toStdString();

        const QVariantMap payer10
            = home.row("SELECT Status, ResultYN, ResultCD FROM TongRegister WHERE NapbuNO = 'PAYER-10'");
        EXPECT_EQ(payer10.value("Status").toInt(), c.payer10Status);
        EXPECT_EQ(payer10.value("ResultYN").toBool(), c.payer10Accepted);
        EXPECT_EQ(payer10.value("ResultCD").toInt(), c.payer10Code);
        EXPECT_EQ(home.value("SELECT Status FROM TongRegister WHERE NapbuNO = 'PAYER-20'").toInt(), c.payer20Status);
    }
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
