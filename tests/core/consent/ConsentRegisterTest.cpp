#include "core/consent/ConsentRegister.h"
#include "SendTestHome.h"
#include "core/consent/ConsentAccount.h"
#include "core/consent/ConsentState.h"
#include "core/consent/ResidentNumberRule.h"

#include <gtest/gtest.h>

namespace {

// 9900000002 submits evidence ("제출"), 9900000003 has no kind, 9900000004 is exempt ("면제").
const char* const Submits = "9900000002";
const char* const NoKind = "9900000003";
const char* const Exempt = "9900000004";

using Button = Messages::Button;
using Field = ConsentRegister::Field;

struct SaveCase {
    const char* label;
    ConsentRegister::Consent consent;
    QString message;
    Field focus;
};

class ConsentRegisterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        home.context().setAccountNumberCheck(false);
    }

    static ConsentRegister::Consent entry(const QString& institution, const QString& bank, const QString& account,
        const QString& payer, const QString& realName = "800101")
    {
        ConsentRegister::Consent consent;
        consent.institution = institution;
        consent.bankCode = bank;
        consent.account = account;
        consent.payerNumber = payer;
        consent.realNameNumber = realName;
        consent.name = "홍길동";
        return consent;
    }

    // A stored consent in a state; returns its key.
    qint64 add(const QString& institution, const QString& payer, int state, const QString& name = "이름",
        const QString& realName = "800101", const QString& account = "12345678901")
    {
        home.insert("TongRegister",
            { { "Giganid", institution }, { "Bankcd", "11" }, { "Bankno", account }, { "NapbuNO", payer },
                { "Status", state }, { "NAME", name }, { "JuminNO", realName }, { "ResultCD", 2001 },
                { "ResultYN", true }, { "Senddate", QDateTime(QDate(2026, 12, 1), QTime(10, 0)) },
                { "Receivedate", QDateTime(QDate(2026, 12, 2), QTime(10, 0)) } });
        return home.row("SELECT max(rowid) AS k FROM TongRegister").value("k").toLongLong();
    }

    void evidence(const QString& institution, const QString& payer, const QString& sendDate, const QString& state = "1")
    {
        home.insert("Evidential",
            { { "BANKCD", "11" }, { "CUSTNO", institution }, { "CMSSERIALNO", payer }, { "ACCTNO", "12345678901" },
                { "AUTHTYPE", "1" }, { "SENDDATE", sendDate }, { "SENDSTATE", state } });
    }

    QStringList states() { return home.column("SELECT NapbuNO || ':' || Status FROM TongRegister ORDER BY NapbuNO"); }

    // Each entry is refused with its one message and focus; nothing is stored.
    template <size_t N> void expectRefused(const SaveCase (&cases)[N])
    {
        for (const SaveCase& c : cases) {
            SCOPED_TRACE(c.label);
            home.messages.clear();
            const ConsentRegister::Outcome outcome = consents.save(c.consent);
            EXPECT_FALSE(outcome.done);
            EXPECT_EQ(home.messages.texts(), QStringList { c.message });
            EXPECT_EQ(outcome.focus, c.focus);
        }
        EXPECT_EQ(home.column("SELECT count(*) FROM TongRegister"), QStringList { "0" });
    }

    static ConsentRegister::Selection keys(const QList<qint64>& keys) { return { keys, false, {} }; }

    SendTestHome home;
    ConsentRegister consents { home.context() };
};

TEST(ConsentStateTest, ResultTexts)
{
    EXPECT_EQ(ConsentState::resultText(0), "정상처리");
    EXPECT_EQ(ConsentState::resultText(2001), "[2001]납부자번호 오류");
    EXPECT_EQ(ConsentState::resultText(9999), "[9999]은행에 문의필요");
    EXPECT_EQ(ConsentState::resultText(-1), "");
    EXPECT_EQ(ConsentState::resultText(QString()), "");
    EXPECT_EQ(ConsentState::resultText(QVariant()), "");
    EXPECT_EQ(ConsentState::name(5), "해지중");
    EXPECT_EQ(ConsentState::name(8), "미등록");
}

TEST(ConsentAccountTest, DisplayBankno)
{
    EXPECT_EQ(ConsentAccount::displayBankno("123-456"), "00000000123456");
    EXPECT_EQ(ConsentAccount::displayBankno("1234567890123456"), "12345678901234");
}

struct CutOverCase {
    const char* bank;
    QDate date;
    bool applies;
};

TEST(ResidentNumberRuleTest, CutOverByBankGroupAndDay)
{
    const CutOverCase cases[] = {
        { "03", QDate(2014, 8, 3), false },
        { "03", QDate(2014, 8, 4), true },
        { "78", QDate(2014, 8, 4), true },
        { "87", QDate(2014, 8, 4), true },
        { "02", QDate(2014, 8, 4), false },
        { "02", QDate(2014, 8, 5), true },
        { "5", QDate(2014, 8, 5), true },
        { "88", QDate(2014, 8, 5), false },
        { "88", QDate(2014, 8, 6), true },
        { "11", QDate(2014, 8, 6), false },
        { "11", QDate(2014, 8, 7), true },
        { "32", QDate(2014, 8, 7), true },
        { "01", QDate(2026, 1, 1), false },
        { "90", QDate(2026, 1, 1), false },
        { "", QDate(2026, 1, 1), false },
    };
    for (const CutOverCase& c : cases) {
        SCOPED_TRACE(std::string(c.bank) + " " + c.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(ResidentNumberRule::appliesTo(c.bank, c.date), c.applies);
    }
    EXPECT_FALSE(ResidentNumberRule::isResidentNumber(" 123456789012 "));
    EXPECT_TRUE(ResidentNumberRule::isResidentNumber("8001011234567"));
}

// The checks of 저 장 in their order: each case fails exactly one check and every later one.
TEST_F(ConsentRegisterTest, SaveChecksInOrder)
{
    const auto with = [](auto change) {
        ConsentRegister::Consent consent = entry(Submits, "11", "123-45-678901", "P1");
        change(consent);
        return consent;
    };
    const SaveCase cases[] = {
        { "bank empty", with([](auto& c) { c.bankCode.clear(), c.account.clear(); }),
            "은행명(은행코드) 항목이 누락되었습니다.", Field::BankCode },
        { "bank unknown", with([](auto& c) { c.bankCode = "99", c.account.clear(); }), "은행코드가 적절하지 않습니다.",
            Field::BankCode },
        { "account empty", with([](auto& c) { c.account = " ", c.realNameNumber.clear(); }),
            "계좌번호 항목이 누락되었습니다.", Field::Account },
        { "real name empty", with([](auto& c) { c.realNameNumber.clear(), c.payerNumber.clear(); }),
            "실명번호를 입력하세요", Field::RealName },
        { "resident number", with([](auto& c) { c.realNameNumber = "8001011234567", c.payerNumber.clear(); }),
            "실명번호의 주민등록번호는 생년월일로 대체 되었습니다.\r\n확인 후 수정해 주시기 바랍니다.",
            Field::RealName },
        { "payer empty", with([](auto& c) { c.payerNumber.clear(), c.institution.clear(); }), "납부자번호를 입력하세요",
            Field::Payer },
        { "institution empty", with([](auto& c) { c.institution.clear(); }), "기관업체를 선택하세요",
            Field::Institution },
        { "institution not listed", with([](auto& c) { c.institution = "1234567890"; }), "기관업체를 선택하세요",
            Field::Institution },
    };
    expectRefused(cases);
}

TEST_F(ConsentRegisterTest, SaveStoresTheEntry)
{
    consents.setContinuousEntry(true);
    const ConsentRegister::Outcome saved = consents.save(entry(Submits, "11", "123-45-678901", "ab1"));
    ASSERT_TRUE(saved.done);
    ASSERT_TRUE(saved.next);
    EXPECT_EQ(saved.next->state, 0);
    EXPECT_EQ(ConsentRegister::keyText(saved.consent), "9900000002/11/12345678901/ab1");
    const QVariantMap row = home.row("SELECT rowid AS k, * FROM TongRegister");
    EXPECT_EQ(row.value("k").toLongLong(), saved.consent.key);
    EXPECT_EQ(row.value("Bankno").toString(), "12345678901");
    EXPECT_EQ(row.value("DisplayBankno").toString(), "00012345678901");
    EXPECT_EQ(row.value("NapbuNO").toString(), "ab1"); // stored as typed
    EXPECT_EQ(row.value("Status").toInt(), 0);
    EXPECT_EQ(row.value("Autoichedate").toInt(), 0);
    EXPECT_EQ(row.value("CheckJumin").toInt(), 1);
    EXPECT_EQ(row.value("RequestDate").toString(), "2026-12-10 09:05:03");
}

TEST_F(ConsentRegisterTest, AccountQuestionNoReturnsToTheAccount)
{
    home.context().setAccountNumberCheck(true);
    home.messages.answerNo();
    const ConsentRegister::Outcome refused = consents.save(entry(Submits, "11", "1234", "P1"));
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.focus, Field::Account);
    home.messages.answerYes();
    EXPECT_TRUE(consents.save(entry(Submits, "11", "1234", "P1")).done);
}

struct DuplicateCase {
    const char* label;
    const char* institution;
    const char* bank;
    const char* account;
    const char* payer;
    bool duplicate;
};

// Stored: 9900000002/11/12345678901/ab1 and 9900000002/11/12345678901/CD2.
TEST_F(ConsentRegisterTest, DuplicateRule)
{
    ASSERT_TRUE(consents.save(entry(Submits, "11", "12345678901", "ab1")).done);
    ASSERT_TRUE(consents.save(entry(Submits, "11", "12345678901", "CD2")).done);
    const DuplicateCase cases[] = {
        { "the same", Submits, "11", "12345678901", "ab1", true },
        { "upper case of a lower-case payer", Submits, "11", "12345678901", "AB1", true },
        { "lower case of an upper-case payer", Submits, "11", "12345678901", "cd2", true },
        { "account with hyphens", Submits, "11", "123-45-678901", "ab1", true },
        { "institution changed", Exempt, "11", "12345678901", "ab1", false },
        { "bank changed", Submits, "12", "12345678901", "ab1", false },
        { "account changed", Submits, "11", "12345678902", "ab1", false },
        { "payer changed", Submits, "11", "12345678901", "ab2", false },
    };
    for (const DuplicateCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(consents.isDuplicate(c.institution, c.bank, c.account, c.payer), c.duplicate);
    }
    home.messages.clear();
    EXPECT_FALSE(consents.save(entry(Submits, "11", "123-45-678901", "Ab1")).done);
    EXPECT_EQ(home.messages.lastText(),
        "출금동의 등록/해지[자료변환-중복 데이타 발견]\n\r기관:9900000002,은행:11,계좌:12345678901,납부자:AB1");
    EXPECT_TRUE(consents.save(entry(Submits, "12", "123-45-678901", "Ab1")).done);
}

// An account of more than 15 digits, hyphens and spaces not counted, is refused before the account check, so that
// neither the check being off nor "그냥 저장" answered Yes stores it.
TEST_F(ConsentRegisterTest, AnAccountOfMoreThanFifteenDigitsIsNeverStored)
{
    struct Case {
        const char* account;
        bool check;
        const char* stored; // none: refused
    };
    const Case cases[] = {
        { "123456789012345", false, "123456789012345" },
        { "1234-5678-9012-345", true, "123456789012345" },
        { "1234567890123456", false, nullptr },
        { "1234567890123456", true, nullptr },
        { "1234-5678-9012-3456", false, nullptr },
        { "1234 5678-9012-3456", true, nullptr },
    };
    home.messages.answerYes();
    int payer = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.account) + (c.check ? " check on" : " check off"));
        home.context().setAccountNumberCheck(c.check);
        home.messages.clear();
        const QString payerNumber = QStringLiteral("P%1").arg(++payer);
        const ConsentRegister::Outcome outcome = consents.save(entry(Submits, "11", c.account, payerNumber));
        EXPECT_EQ(outcome.done, c.stored != nullptr);
        if (c.stored) {
            EXPECT_EQ(home.row("SELECT Bankno FROM TongRegister WHERE NapbuNO = ?", { payerNumber }).value("Bankno"),
                c.stored);
            continue;
        }
        EXPECT_EQ(home.messages.texts(), QStringList { "계좌번호는 15자리까지 입력할 수 있습니다." });
        EXPECT_EQ(outcome.focus, Field::Account);
    }
    EXPECT_EQ(home.column("SELECT count(*) FROM TongRegister"), QStringList { "2" });

    // The bulk intake's way in refuses it too.
    EXPECT_FALSE(consents.store(entry(Submits, "11", "1234567890123456", "P9")));
    EXPECT_EQ(consents.lastStoreRefusal(), "계좌번호는 15자리까지 입력할 수 있습니다.");
    EXPECT_FALSE(consents.lastStoreWasKeyViolation());
    EXPECT_EQ(home.column("SELECT count(*) FROM TongRegister"), QStringList { "2" });
}

// One account spelled with spaces or hyphens or without is one consent, whichever spelling came first: it is
// compared as it is stored.
TEST_F(ConsentRegisterTest, AnAccountIsComparedAsItIsStored)
{
    const std::pair<const char*, const char*> orders[] = {
        { "123 456", "123456" },
        { "123456", "123 456" },
        { "12-34 56", "1 2 3 4 5 6" },
    };
    int payer = 0;
    for (const auto& [first, second] : orders) {
        SCOPED_TRACE(std::string(first) + " then " + second);
        const QString payerNumber = QStringLiteral("P%1").arg(++payer);
        ASSERT_TRUE(consents.save(entry(Submits, "11", first, payerNumber)).done);
        EXPECT_TRUE(consents.isDuplicate(Submits, "11", second, payerNumber));
        home.messages.clear();
        EXPECT_FALSE(consents.save(entry(Submits, "11", second, payerNumber)).done);
        EXPECT_EQ(home.messages.lastText(),
            "출금동의 등록/해지[자료변환-중복 데이타 발견]\n\r기관:9900000002,은행:11,계좌:123456,납부자:"
                + payerNumber);
    }
    EXPECT_EQ(home.column("SELECT Bankno || ':' || DisplayBankno FROM TongRegister"),
        QStringList({ "123456:00000000123456", "123456:00000000123456", "123456:00000000123456" }));

    ASSERT_TRUE(consents.store(entry(Submits, "11", "654 321", "P9")));
    EXPECT_EQ(home.column("SELECT Bankno FROM TongRegister WHERE NapbuNO = 'P9'"), QStringList { "654321" });
    EXPECT_TRUE(consents.isDuplicate(Submits, "11", "654-321", "p9"));
}

// A typed text with a line-breaking character, or wider than its column in CP949 bytes, is refused before the
// other checks, naming the field; nothing is stored.
TEST_F(ConsentRegisterTest, TextsThatWouldBreakOrNotFitAreRefused)
{
    const auto with = [](auto change) {
        ConsentRegister::Consent consent = entry(Submits, "11", "12345678901", "P1");
        change(consent);
        return consent;
    };
    const QString breaks = QStringLiteral("에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    const SaveCase cases[] = {
        { "name CR", with([](auto& c) { c.name = "홍\r길동"; }), "성명" + breaks, Field::Name },
        { "name of 21 bytes", with([](auto& c) { c.name = "A가나다라마바사아자차"; }),
            "성명은 20바이트(한글 10자)까지 입력할 수 있습니다.", Field::Name },
        { "institution LF", with([](auto& c) { c.institution = "9900000002\n"; }), "기관업체코드" + breaks,
            Field::Institution },
        { "bank CR", with([](auto& c) { c.bankCode = "1\r"; }), "은행코드" + breaks, Field::BankCode },
        { "account LF", with([](auto& c) { c.account = "12345\n678901"; }), "계좌번호" + breaks, Field::Account },
        { "payer CR LF", with([](auto& c) { c.payerNumber = "P\r\n1"; }), "납부자번호" + breaks, Field::Payer },
        { "payer of 21 bytes", with([](auto& c) { c.payerNumber = "P12345678901234567890"; }),
            "납부자번호는 20바이트(한글 10자)까지 입력할 수 있습니다.", Field::Payer },
        { "real name TAB", with([](auto& c) { c.realNameNumber = "800101\t"; }), "실명번호" + breaks, Field::RealName },
        { "real name NUL", with([](auto& c) { c.realNameNumber = QStringLiteral("8001") + QChar(0) + "01"; }),
            "실명번호" + breaks, Field::RealName },
    };
    expectRefused(cases);

    ASSERT_TRUE(consents.save(with([](auto& c) { c.name = "가나다라마바사아자차"; })).done);
    EXPECT_EQ(home.column("SELECT NAME FROM TongRegister"), QStringList { "가나다라마바사아자차" });
}

TEST_F(ConsentRegisterTest, StartNewRefusedWhileASelectedRowIsInFlight)
{
    const qint64 waiting = add(Submits, "P1", 0);
    const qint64 sent = add(Submits, "P2", 5, "김철수");
    EXPECT_TRUE(consents.startNew(keys({ waiting })).done);
    const ConsentRegister::Outcome refused = consents.startNew(keys({ waiting, sent }));
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(home.messages.lastText(), "김철수:상태가 '등록중/해지중' 데이타 입니다.");
}

TEST_F(ConsentRegisterTest, ResidentNumberBlocksQueueingUntilReplacedEverywhere)
{
    const qint64 mine = add(Submits, "P1", 3, "이름", "8001011234567");
    add(Exempt, "P2", 6, "이름", "7505052345678");
    add(Exempt, "P3", 6, "이름", "750505");
    evidence(Submits, "P1", "20261209");
    home.messages.answer(Button::Ok);
    EXPECT_FALSE(consents.queueRegistrations(keys({ mine })).done);
    EXPECT_FALSE(consents.queueCancellations(keys({ mine })).done);
    EXPECT_TRUE(home.messages.lastText().startsWith("선택 자료에 주민등록번호가 존재합니다."));
    EXPECT_EQ(states(), QStringList({ "P1:3", "P2:6", "P3:6" }));

    home.messages.answerYes();
    EXPECT_TRUE(consents.replaceResidentNumbers().done);
    EXPECT_EQ(home.messages.lastText(), "주민등록번호 자료를 생년월일 변경하는 작업이 완료 되었습니다.");
    EXPECT_EQ(home.column("SELECT JuminNO FROM TongRegister ORDER BY NapbuNO"),
        QStringList({ "800101", "750505", "750505" }));
    home.messages.answerYes();
    EXPECT_FALSE(consents.replaceResidentNumbers().done);
    EXPECT_EQ(home.messages.lastText(), "해당 데이터의 거래인에 주민등록번호가 존재하지 않습니다.");
    EXPECT_TRUE(consents.queueCancellations(keys({ mine })).done);
}

struct EvidenceCase {
    const char* label;
    const char* institution;
    const char* sendDate; // none when null
    const char* sendState;
    bool queued;
};

// Today is 2026-12-10: evidence counts when sent after 2026-12-03.
TEST_F(ConsentRegisterTest, EvidenceRule)
{
    const EvidenceCase cases[] = {
        { "sent six days ago", Submits, "20261204", "1", true },
        { "sent exactly seven days ago", Submits, "20261203", "1", false },
        { "not sent", Submits, "20261209", "0", false },
        { "none", Submits, nullptr, nullptr, false },
        { "exempt needs none", Exempt, nullptr, nullptr, true },
        { "empty kind needs one", NoKind, nullptr, nullptr, false },
        { "empty kind with one", NoKind, "20261210", "1", true },
    };
    for (const EvidenceCase& c : cases) {
        SCOPED_TRACE(c.label);
        home.database().exec("DELETE FROM TongRegister");
        home.database().exec("DELETE FROM Evidential");
        const qint64 key = add(c.institution, "P1", 3);
        if (c.sendDate)
            evidence(c.institution, "P1", c.sendDate, c.sendState);
        home.messages.clear();
        home.messages.answer(Button::Ok);
        EXPECT_EQ(consents.queueRegistrations(keys({ key })).done, c.queued);
        EXPECT_EQ(states(), QStringList { c.queued ? "P1:0" : "P1:3" });
        if (!c.queued) {
            EXPECT_TRUE(home.messages.lastText().startsWith("증빙자료 전송이 안된 자료가 발견 되었습니다."));
        }
    }
}

TEST_F(ConsentRegisterTest, RegisteredRowsAskWhetherToStop)
{
    const qint64 done = add(Exempt, "P1", 2, "김철수");
    home.messages.answer(Button::Yes);
    EXPECT_FALSE(consents.queueRegistrations(keys({ done })).done);
    ASSERT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().first().caption, "작업을 취소 하시겠습니까?");
    EXPECT_EQ(home.messages.shown().first().text, "등록 완료건이 존재합니다");
    EXPECT_EQ(states(), QStringList { "P1:2" });

    home.messages.clear();
    home.messages.answer(Button::No);
    home.messages.answer(Button::Ok);
    ASSERT_TRUE(consents.queueRegistrations(keys({ done })).done);
    EXPECT_EQ(home.messages.shown().at(1).caption, "등록신청");
    EXPECT_EQ(home.messages.shown().at(1).text, "이름 = [김철수] 를 신청하시겠습니까?");
    EXPECT_EQ(home.messages.lastText(), "일괄 등록신청되었습니다.");
    const QVariantMap row = home.row("SELECT * FROM TongRegister");
    EXPECT_EQ(row.value("Status").toInt(), 0);
    for (const char* cleared : { "Senddate", "Receivedate", "ResultYN", "ResultCD" })
        EXPECT_TRUE(row.value(cleared).isNull()) << cleared;
}

TEST_F(ConsentRegisterTest, ConfirmationTexts)
{
    const qint64 one = add(Exempt, "P1", 7, "김철수");
    const qint64 two = add(Exempt, "P2", 3);
    home.messages.answer(Button::Cancel);
    EXPECT_FALSE(consents.queueRegistrations(keys({ one, two })).done);
    EXPECT_EQ(home.messages.lastText(), "선택갯수 = [2] 일괄 신청하시겠습니까?");
    EXPECT_EQ(states(), QStringList({ "P1:7", "P2:3" }));

    home.messages.clear();
    home.messages.answer(Button::Ok);
    ASSERT_TRUE(consents.queueCancellations(keys({ one })).done);
    EXPECT_EQ(home.messages.shown().first().caption, "해지신청");
    EXPECT_EQ(home.messages.shown().first().text, "선택갯수 = [1] 일괄 신청하시겠습니까?");
    EXPECT_EQ(home.messages.lastText(), "일괄 해지신청되었습니다.");
    EXPECT_EQ(states(), QStringList({ "P1:4", "P2:3" }));

    home.messages.clear();
    EXPECT_FALSE(consents.queueCancellations(keys({})).done);
    EXPECT_EQ(home.messages.lastText(), "키보드(Shift)+방향키, 마우스+키보드(CTRL)키를 이용하여 선택하세요");
}

TEST_F(ConsentRegisterTest, AFailureWhileQueueingLeavesEveryRowAsItWas)
{
    add(Exempt, "P1", 3);
    add(Exempt, "P2", 3);
    add(Exempt, "P3", 3);
    ASSERT_TRUE(home.database().exec("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON TongRegister "
                                     "WHEN NEW.NapbuNO = 'P2' BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    home.messages.answer(Button::Ok);
    const ConsentRegister::Selection all { {}, true, {} };
    EXPECT_FALSE(consents.queueCancellations(all).done);
    EXPECT_EQ(
        home.messages.texts().mid(1), QStringList({ "필수항목이 누락되었습니다.", "해지신청이  실패 되었습니다." }));
    EXPECT_EQ(states(), QStringList({ "P1:3", "P2:3", "P3:3" }));
}

TEST_F(ConsentRegisterTest, SelectAllFollowsTheFilter)
{
    add(Exempt, "P1", 3);
    add(Exempt, "P2", 6);
    add(Exempt, "P3", 3);
    home.messages.answer(Button::Ok);
    const ConsentRegister::Selection errors { {}, true, { 3, {} } };
    EXPECT_EQ(consents.selectedCount(errors), 2);
    ASSERT_TRUE(consents.queueRegistrations(errors).done);
    EXPECT_EQ(states(), QStringList({ "P1:0", "P2:6", "P3:0" }));
    const ConsentRegister::Counts counts = consents.counts();
    EXPECT_EQ(counts.byState[0], 2);
    EXPECT_EQ(counts.byState[6], 1);
    EXPECT_EQ(counts.total, 3);
}

TEST_F(ConsentRegisterTest, DeleteRefusesRowsInFlight)
{
    const qint64 waiting = add(Submits, "P1", 0);
    const qint64 sent = add(Submits, "P2", 1, "김철수");
    EXPECT_FALSE(consents.remove(waiting, keys({ waiting, sent })).done);
    EXPECT_EQ(home.messages.lastText(), "김철수:상태가 '등록중/해지중' 데이타 입니다.");
    EXPECT_FALSE(consents.remove(sent, keys({})).done);

    home.messages.clear();
    home.messages.answerYes();
    const ConsentRegister::Outcome deleted = consents.remove(waiting, keys({}));
    EXPECT_TRUE(deleted.done);
    EXPECT_EQ(home.messages.texts(), QStringList { "선택된 1 개의 자료를 삭제하시겠습니까?" });
    EXPECT_EQ(states(), QStringList { "P2:1" });
}

TEST_F(ConsentRegisterTest, SearchMatchesExactlyInTheGridOrder)
{
    add(Exempt, "P1", 3, "갑", "800101", "123456");
    const qint64 second = add(Exempt, "P2", 6, "을", "800101", "123456");
    const qint64 third = add(Exempt, "P3", 3, "병", "800101", "123456");
    const ConsentRegister::Filter all;
    const auto order = ConsentRegister::Order::Account;
    EXPECT_FALSE(consents.search({ {}, {}, "123-456", {} }, true, 0, all, order).done);
    EXPECT_EQ(home.messages.lastText(), "조건에 해당하는 자료가 없습니다.");

    // In status order P3 (3) comes before P2 (6).
    const ConsentRegister::Outcome first = consents.search({ {}, "800101", "123456", {} }, true, 0, all, order);
    ASSERT_TRUE(first.done);
    EXPECT_EQ(first.consent.payerNumber, "P1");
    const ConsentRegister::Outcome next
        = consents.search({ {}, "800101", "123456", {} }, false, first.consent.key, all, order);
    EXPECT_EQ(next.consent.key, third);
    EXPECT_EQ(consents.search({ {}, "800101", {}, {} }, false, third, all, order).consent.key, second);
    EXPECT_FALSE(consents.search({ {}, "800101", {}, {} }, false, second, all, order).done);
    EXPECT_EQ(home.messages.lastText(), "더이상 조건에 해당하는 자료가 없습니다.");
    EXPECT_FALSE(consents.search({ "을", {}, {}, {} }, true, 0, { 3, {} }, order).done);
}

TEST_F(ConsentRegisterTest, InstitutionList)
{
    QStringList texts;
    for (const ConsentRegister::Institution& institution : consents.institutions())
        texts << institution.text + "=" + institution.code;
    EXPECT_EQ(texts,
        QStringList(
            { "대량출금-가나상사=9900000002", "아파트-다라아파트=9900000003", "대량출금-마바공단=9900000004" }));
}

} // namespace
