#include "core/codes/InstitutionSettings.h"
#include "ImportTestHome.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>

namespace {

using Row = InstitutionSettings::Row;

Row rowOf(std::initializer_list<std::pair<const char*, const char*>> values)
{
    Row row;
    for (const auto& [column, value] : values)
        row.values.insert(QString::fromUtf8(column), QString::fromUtf8(value));
    return row;
}

class InstitutionSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isOpen()); }

    QString logText() { return Cp949::decode(readFileBytes(home.context().log().fileName())); }

    ImportTestHome home; // 테스트기관 (deposit 9900000001, withdrawal 9900000002, apartment 9900000003), 둘째기관
    InstitutionSettings settings { home.context() };
};

// Each refusal names the first faulty box in the fixed order and leaves the row unsaved.
TEST_F(InstitutionSettingsTest, ChecksRunInTheirOrderAndFocusTheFaultyBox)
{
    struct Case {
        Row row;
        QString message;
        QString focus;
    };
    const Case cases[] = {
        { rowOf({ { "Name", "  " } }), "기관명칭 항목이 누락되었습니다.", "Name" },
        { rowOf({ { "Name", "가" }, { "BankNoT1", "1234" } }), "대량입금 송신화일정보를 정확히 입력 하세요.",
            "TONGOUT" },
        { rowOf({ { "Name", "가" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD45" } }),
            "대량입금 수신화일정보를 정확히 입력 하세요.", "TONGIN" },
        { rowOf({ { "Name", "가" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD456" } }),
            "대량입금 기관코드 항목이 누락되었습니다.", "TOID10" },
        { rowOf({ { "Name", "가" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD456" }, { "TOID10", "7700000001" } }),
            "대량입금 비밀번호 항목이 누락되었습니다.", "TOPASS" },
        { rowOf({ { "Name", "가" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD456" }, { "TOID10", "7700000001" },
              { "TOPASS", "1234" }, { "TOBCODE", "BK0001" } }),
            "대량입금 거래ID를 정확히 입력 하세요.", "TOBCODE" },
        { rowOf({ { "Name", "가" }, { "TO2PASS", "1" } }), "대량출금 송신화일정보를 정확히 입력 하세요.", "TONG2OUT" },
        { rowOf({ { "Name", "가" }, { "APPASS", "1" } }), "아파트뱅킹 송신화일정보를 정확히 입력 하세요.", "APOUT" },
        { rowOf({ { "Name", "가" }, { "HY2", "HY2" } }), "수신화일정보를 정확히 입력 하세요.", "HY2" },
        { rowOf({ { "Name", "테스트기관" } }), "기관명칭이 중복됩니다.", "Name" },
    };
    for (const Case& c : cases) {
        Row row = c.row;
        const InstitutionSettings::Outcome outcome = settings.save(row);
        EXPECT_FALSE(outcome.saved) << c.message.toStdString();
        EXPECT_EQ(outcome.focus, c.focus) << c.message.toStdString();
        EXPECT_EQ(home.messages.lastText(), c.message);
    }
    EXPECT_EQ(home.value("SELECT count(*) FROM Usercode").toInt(), 2);
}

// Every typed text is checked before the other rules, in the screen's order: no line-breaking character, no more
// CP949 bytes than its column holds, and a mother account of digits only, at most 14. The message names the box by
// its label on the screen and the box gets the focus; fbctl reaches the same rule.
TEST_F(InstitutionSettingsTest, TypedTextsKeepToTheirColumns)
{
    const Row deposits = rowOf({ { "Name", "가" }, { "TONGOUT", "CD123" }, { "TONGIN", "CD456" },
        { "TOID10", "7700000001" }, { "TOPASS", "1234" }, { "TOBCODE", "BK00001" } });
    const auto with = [&deposits](const char* column, const QString& value) {
        Row row = deposits;
        row.values.insert(QString::fromLatin1(column), value);
        return row;
    };
    const QString breaks = QStringLiteral("에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    struct Case {
        Row row;
        QString message;
        const char* focus;
    };
    const Case cases[] = {
        { with("Name", QStringLiteral("가나\n다")), QStringLiteral("기관명칭") + breaks, "Name" },
        { with("Name", QStringLiteral("A") + QString(20, QChar(0xAC00))),
            QStringLiteral("기관명칭은 40바이트(한글 20자)까지 입력할 수 있습니다."), "Name" },
        { with("TOID10", QStringLiteral("77000000011")),
            QStringLiteral("대량입금 기관코드는 10바이트(한글 5자)까지 입력할 수 있습니다."), "TOID10" },
        { with("TOPASS", QStringLiteral("12\t34")), QStringLiteral("대량입금 기관비밀번호") + breaks, "TOPASS" },
        { with("TO2BCODE", QStringLiteral("가나다라마")),
            QStringLiteral("대량출금 거래은행 ID는 8바이트(한글 4자)까지 입력할 수 있습니다."), "TO2BCODE" },
        { with("APIN", QStringLiteral("AP") + QChar(0) + QStringLiteral("12")),
            QStringLiteral("아파트뱅킹 수신화일정보") + breaks, "APIN" },
        { with("BankNoT1", QStringLiteral("123-456")),
            QStringLiteral("대량입금 모계좌번호는 숫자만 입력할 수 있습니다."), "BankNoT1" },
        { with("BankNoT2", QStringLiteral("123456789012345")),
            QStringLiteral("대량출금 모계좌번호는 14자리까지 입력할 수 있습니다."), "BankNoT2" },
        { with("BankNoT1", QStringLiteral("12345\r\n")), QStringLiteral("대량입금 모계좌번호") + breaks, "BankNoT1" },
        { with("HY3", QStringLiteral("가나다")),
            QStringLiteral("통장거래내역 수신화일정보는 5바이트(한글 2자)까지 입력할 수 있습니다."), "HY3" },
        { with("AUTHSENDTYPE", QStringLiteral("면제\r")), QStringLiteral("증빙제출구분") + breaks, "AUTHSENDTYPE" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        home.messages.clear();
        Row row = c.row;
        const InstitutionSettings::Outcome outcome = settings.save(row);
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_EQ(home.messages.texts(), QStringList { c.message });
    }
    EXPECT_EQ(home.value("SELECT count(*) FROM Usercode").toInt(), 2);

    Row widest = with("Name", QString(20, QChar(0xAC00)));
    widest.values.insert("BankNoT1", "12345678901234");
    ASSERT_TRUE(settings.save(widest).saved) << home.messages.lastText().toStdString();
    EXPECT_EQ(home.value("SELECT BankNoT1 FROM Usercode WHERE TOID10 = '7700000001'").toString(), "12345678901234");
}

// Only the apartment group: the other groups are not checked. Identifiers go upper case, the consent identifiers
// are set, and a withdrawal code nobody else has leaves TOIO unset.
TEST_F(InstitutionSettingsTest, AnApartmentOnlyInstitutionSaves)
{
    Row row = rowOf({ { "Name", " 다라아파트 " }, { "APOUT", "ap789" }, { "APIN", "ap790" }, { "APID10", "9900000077" },
        { "APPASS", "pw" }, { "APBCODE", "bk00003" } });
    ASSERT_TRUE(settings.save(row).saved) << home.messages.lastText().toStdString();
    const QVariantMap stored = home.row("SELECT * FROM Usercode WHERE Name = '다라아파트'");
    EXPECT_EQ(stored.value("APOUT").toString(), "AP789");
    EXPECT_EQ(stored.value("APBCODE").toString(), "BK00003");
    EXPECT_EQ(stored.value("TRegisterIN").toString(), "QK150");
    EXPECT_EQ(stored.value("TRegisterOUT").toString(), "QK150");
    EXPECT_TRUE(stored.value("TOIO").isNull());
    EXPECT_TRUE(stored.value("TONGOUT").isNull());
    EXPECT_NE(row.rec, 0);
    EXPECT_TRUE(logText().contains(
        "이용자설정 입력, Name 다라아파트, TongOut , TongIn , ToID10 , ToPass , ToBCode , BankNoT1 , Tong2Out , "
        "Tong2In , ToID210 , To2Pass , To2BCode , BankNoT2 , ApOut AP789, ApIn AP790, ApID10 9900000077, "
        "ApPass ****, ApBCode BK00003, Hy1 , Hy2 , Hy3 "))
        << logText().toStdString();
    EXPECT_FALSE(logText().contains(" pw,"));
}

// Saving an edited row whose withdrawal code it carries itself sets TOIO; a deposit code another institution has
// is asked about, and No keeps the row in editing on that code.
TEST_F(InstitutionSettingsTest, DuplicateCodesAreAskedAboutAndTheWithdrawalCodeMarksTOIO)
{
    Row second;
    ASSERT_TRUE(settings.find("둘째기관", second));
    second.values.insert("TONGOUT", "CD999");
    second.values.insert("TOPASS", "9999");
    second.values.insert("TOBCODE", "BK99999");
    second.values.insert("TOID10", "9900000001");
    second.values.insert("TONG2OUT", "CW999");
    second.values.insert("TONG2IN", "CW457");
    second.values.insert("TO2PASS", "8888");
    second.values.insert("TO2BCODE", "BK77777");
    home.messages.answerNo();
    const InstitutionSettings::Outcome refused = settings.save(second);
    EXPECT_FALSE(refused.saved);
    EXPECT_EQ(refused.focus, "TOID10");
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("대량입금 기관코드가 중복됩니다.\r\r계속 진행하시겠습니까?"));

    home.messages.answerYes();
    ASSERT_TRUE(settings.save(second).saved);
    const QVariantMap stored = home.row("SELECT TOID10, TOIO FROM Usercode WHERE Name = '둘째기관'");
    EXPECT_EQ(stored.value("TOID10").toString(), "9900000001");
    EXPECT_EQ(stored.value("TOIO").toInt(), 1) << "its own withdrawal code 9900000009";
}

// Codes that batches carry are asked about before a change or a delete; a delete asks once more.
TEST_F(InstitutionSettingsTest, CodesInUseAreAskedAboutBeforeAChangeOrADelete)
{
    Row first;
    ASSERT_TRUE(settings.find("테스트기관", first));
    EXPECT_TRUE(settings.confirmCodesInUse(first));
    EXPECT_TRUE(home.messages.shown().isEmpty());

    ASSERT_TRUE(home.insert("Tong21", { { "TongID", 1 }, { "GiganID10", "9900000002" } }));
    home.messages.answerNo();
    EXPECT_FALSE(settings.confirmCodesInUse(first));
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("대량출금 기관코드로 작성된 자료가 있습니다.\r이 설정을 변경시 해당자료가 정상적으로 처리되지 "
                       "않습니다.\r\r계속 진행하시겠습니까 ?"));

    home.messages.answerYes();
    home.messages.answerNo();
    EXPECT_FALSE(settings.remove(first));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("선택된 1 개의 자료를 삭제하시겠습니까?"));
    home.messages.answerYes();
    home.messages.answerYes();
    EXPECT_TRUE(settings.remove(first));
    EXPECT_FALSE(settings.find("테스트기관", first));
    EXPECT_TRUE(logText().contains("이용자설정 삭제, Name 테스트기관, "));
}

} // namespace
