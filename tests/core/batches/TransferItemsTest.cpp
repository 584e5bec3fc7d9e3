#include "core/batches/TransferItems.h"
#include "ImportTestHome.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>
#include <optional>

using Field = TransferItems::Field;
using Item = TransferItems::Item;

namespace {

const QString ShinhanMerged = QStringLiteral("조흥/신한은행 통합으로 신규 신한은행코드[88]로 자동으로 바뀌었습니다.");
const QString KebHanaMerged = QStringLiteral("외환/하나은행 통합으로 KEB하나은행코드[81]로 자동으로 바뀌었습니다.");
const QString AccountQuestion = QStringLiteral("계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?");

// A working database with deposit batch 1 (state 1, dated 2026-12-11) of the test institution.
class Items {
public:
    Items()
        : items(home.context(), TransferKind::deposit(), 1)
    {
        addBatch(1, 1, QDate(2026, 12, 11));
    }

    void addBatch(qint64 id, int state, const QDate& date)
    {
        home.insert(QStringLiteral("Tong1"),
            { { "TongID", id }, { "GiganID10", "9900000001" }, { "IcheDate", date }, { "State", state } });
    }

    // An item of batch 1 written straight to the table.
    qint64 add(const QString& bank, const QString& account, qint64 won, const QVariantMap& more = {})
    {
        QVariantMap row { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", bank }, { "BankNo", account },
            { "IcheDate", QDate(2026, 12, 11) }, { "IcheMoney", won * 10000 }, { "IcheYebu", "Z" }, { "State", 1 },
            { "Salary", 1 } };
        for (auto it = more.cbegin(); it != more.cend(); ++it)
            row.insert(it.key(), it.value());
        home.insert(QStringLiteral("Tong2"), row);
        return home.value(QStringLiteral("SELECT max(Tong2ID) FROM Tong2")).toLongLong();
    }

    qint64 won(qint64 key)
    {
        return home.value(QStringLiteral("SELECT IcheMoney FROM Tong2 WHERE Tong2ID = ?"), { key }).toLongLong()
            / 10000;
    }
    int itemCount() { return home.value(QStringLiteral("SELECT count(*) FROM Tong2")).toInt(); }

    // A new item with every value the checks need.
    Item valid()
    {
        Item item = items.startNew().item;
        item.account = QStringLiteral("123-45-678901");
        item.amount = Money::fromWon(1000);
        item.name = QStringLiteral("홍길동");
        return item;
    }

    ImportTestHome home;
    TransferItems items;
};

QList<qint64> keys(const QList<TransferItems::Row>& rows)
{
    QList<qint64> result;
    for (const TransferItems::Row& row : rows)
        result << row.item.key;
    return result;
}

} // namespace

TEST(TransferItems, NewItemTakesTheDefaultsAndTheCaptionNamesTheInstitution)
{
    Items t;
    const TransferItems::Outcome started = t.items.startNew();
    EXPECT_TRUE(started.done);
    EXPECT_EQ(started.focus, Field::BankCode);
    EXPECT_EQ(started.item.key, 0);
    EXPECT_EQ(started.item.fundCategory, "01");
    EXPECT_EQ(started.item.salary, 1);
    EXPECT_EQ(started.item.bankCode, "11");
    EXPECT_EQ(started.item.transferDate, QDate(2026, 12, 11));
    EXPECT_EQ(started.item.amount, Money::fromWon(0));
    EXPECT_EQ(started.item.outcome, "Z");
    EXPECT_EQ(started.item.state, 1);
    EXPECT_EQ(t.items.caption(), "대량입금-테스트기관 이체자료");
    t.home.insert(QStringLiteral("Tong1"), { { "TongID", 2 }, { "GiganID10", "9999999999" }, { "State", 1 } });
    EXPECT_EQ(TransferItems(t.home.context(), TransferKind::deposit(), 2).caption(), "대량입금-이체자료");
    EXPECT_FALSE(TransferItems(t.home.context(), TransferKind::deposit(), 3).startNew().done);
}

// Each row breaks one value of a valid new item; the checks run in the screen's order, so the first broken one
// speaks.
TEST(TransferItems, SaveChecksInOrderWithTheirMessageAndFocus)
{
    struct Case {
        const char* bank;
        const char* account;
        const char* fund;
        qint64 won;
        std::optional<bool> answer;
        bool saved;
        const char* message;
        Field focus;
    };
    const Case cases[] = {
        { "", "", "", 0, {}, false, "은행명(은행코드) 항목이 누락되었습니다.", Field::BankCode },
        { "99", "", "", 0, {}, false, "은행코드가 적절하지 않습니다.", Field::BankCode },
        { "11", "", "", 0, {}, false, "계좌번호 항목이 누락되었습니다.", Field::Account },
        { "11", "12345678901", "", 0, {}, false, "자금구분 항목이 누락되었습니다.", Field::FundCategory },
        { "11", "12345678901", "99", 0, {}, false, "자금구분이 적절하지 않습니다.", Field::FundCategory },
        { "11", "12345678901", "02", 0, {}, false, "이체금액은 0보다 큰 금액을 입력해야 합니다.", Field::Amount },
        { "11", "12345678901", "02", -5, {}, false, "이체금액은 0보다 큰 금액을 입력해야 합니다.", Field::Amount },
        { "11", "123", "02", 1, {}, false, "계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?", Field::Account },
        { "11", "123", "02", 1, false, false, "계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?",
            Field::Account },
        { "11", "123", "02", 1, true, true, "계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?", Field::None },
        { "11", "123-45-678901", "02", 1, {}, true, "", Field::None },
    };
    for (const Case& c : cases) {
        Items t;
        Item item = t.valid();
        item.bankCode = c.bank;
        item.account = c.account;
        item.fundCategory = c.fund;
        item.amount = Money::fromWon(c.won);
        if (c.answer)
            t.home.messages.answer(*c.answer ? Messages::Button::Yes : Messages::Button::No);
        const TransferItems::Outcome outcome = t.items.save(item);
        const std::string label = std::string(c.bank) + "/" + c.account + "/" + c.fund;
        EXPECT_EQ(outcome.done, c.saved) << label;
        EXPECT_EQ(outcome.focus, c.focus) << label;
        EXPECT_EQ(t.home.messages.lastText(), c.message) << label;
        EXPECT_EQ(t.home.messages.shown().size(), QString(c.message).isEmpty() ? 0 : 1) << label;
        EXPECT_EQ(t.itemCount(), c.saved ? 1 : 0) << label;
        EXPECT_EQ(outcome.item.key != 0, c.saved) << label;
    }
}

// Amounts are whole won that the bank's files can carry, typed as digits and "," only.
TEST(TransferItems, TypedAmountsAreWholeWonWithinWhatTheFileCarries)
{
    const QString outOfRange = QStringLiteral("이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다.");
    const struct {
        const char* typed;
        qint64 stored; // 0: refused
        QString message;
    } cases[] = {
        { "1", 10000, {} },
        { "2,147,483,647", Q_INT64_C(21474836470000), {} },
        { " 2147483647 ", Q_INT64_C(21474836470000), {} },
        { "2147483648", 0, outOfRange },
        { "99999999999999999999", 0, outOfRange },
        { "1000.5", 0, outOfRange },
        { "-5", 0, outOfRange },
        { "1e5", 0, outOfRange },
        { "", 0, QStringLiteral("이체금액은 0보다 큰 금액을 입력해야 합니다.") },
    };
    for (const auto& c : cases) {
        Items t;
        const TransferItems::Outcome outcome = t.items.save(t.valid(), QString::fromUtf8(c.typed));
        EXPECT_EQ(outcome.done, c.stored != 0) << c.typed;
        EXPECT_EQ(t.home.messages.lastText(), c.message) << c.typed;
        EXPECT_EQ(outcome.focus, c.message.isEmpty() ? Field::None : Field::Amount) << c.typed;
        EXPECT_EQ(t.home.value("SELECT IcheMoney FROM Tong2").toLongLong(), c.stored) << c.typed;
    }
    // An amount that reaches the rules another way is held to the same.
    for (const Money amount : { Money::fromStored(10005000), Money::fromWon(2147483648) }) {
        Items t;
        Item item = t.valid();
        item.amount = amount;
        EXPECT_FALSE(t.items.save(item).done);
        EXPECT_EQ(t.home.messages.lastText(), outOfRange);
        EXPECT_EQ(t.itemCount(), 0);
    }
}

// An account the bank's files cannot carry is never stored, whatever the check and whatever "그냥 저장" says; texts
// keep to their columns and never break a line of the file.
TEST(TransferItems, AccountsAndTextsThatDoNotFitAreRefusedWithTheirField)
{
    const QString tooLong = QStringLiteral("계좌번호는 15자리까지 입력할 수 있습니다.");
    struct Case {
        const char* account;
        bool check;
        QString name;
        QString payer;
        QString remark;
        QString message;
        Field focus;
    };
    const QString name20 = QStringLiteral("가나다라마바사아자차");
    const Case cases[] = {
        { "123456789012345", true, {}, {}, {}, {}, Field::None },
        { "1234-5678-9012-345", false, {}, {}, {}, {}, Field::None },
        { "1234567890123456", true, {}, {}, {}, tooLong, Field::Account },
        { "1234567890123456", false, {}, {}, {}, tooLong, Field::Account },
        { "1234-5678-9012-3456", false, {}, {}, {}, tooLong, Field::Account },
        { "12345\r\n678901", false, {}, {}, {}, QStringLiteral("계좌번호에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."),
            Field::Account },
        { "12345678901", false, name20, QString(24, QLatin1Char('9')), QStringLiteral("가나다라마바"), {},
            Field::None },
        { "12345678901", false, name20 + "A", {}, {},
            QStringLiteral("성명은 20바이트(한글 10자)까지 입력할 수 있습니다."), Field::Name },
        { "12345678901", false, {}, QString(25, QLatin1Char('9')), {},
            QStringLiteral("납부자번호는 24바이트(한글 12자)까지 입력할 수 있습니다."), Field::PayerNumber },
        { "12345678901", false, {}, QStringLiteral("P\r\n1"), {},
            QStringLiteral("납부자번호에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."), Field::PayerNumber },
        { "12345678901", false, {}, {}, QStringLiteral("가나다라마바A"),
            QStringLiteral("비고는 12바이트(한글 6자)까지 입력할 수 있습니다."), Field::Remark },
        { "12345678901", false, QStringLiteral("홍\t길동"), {}, {},
            QStringLiteral("성명에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."), Field::Name },
    };
    for (const Case& c : cases) {
        Items t;
        t.home.context().setAccountNumberCheck(c.check);
        t.home.messages.answerYes();
        Item item = t.valid();
        item.account = QString::fromUtf8(c.account);
        item.name = c.name;
        item.payerNumber = c.payer;
        item.remark = c.remark;
        const TransferItems::Outcome outcome = t.items.save(item);
        const std::string label = std::string(c.account) + " " + c.name.toStdString() + " " + c.payer.toStdString();
        EXPECT_EQ(outcome.done, c.message.isEmpty()) << label;
        EXPECT_EQ(outcome.focus, c.focus) << label;
        if (!c.message.isEmpty()) {
            EXPECT_EQ(t.home.messages.lastText(), c.message) << label;
        }
        EXPECT_EQ(t.itemCount(), c.message.isEmpty() ? 1 : 0) << label;
    }
}

TEST(TransferItems, SavedItemLosesItsHyphensAndShowsTheBanksOnes)
{
    Items t;
    const TransferItems::Outcome saved = t.items.save(t.valid());
    ASSERT_TRUE(saved.done);
    const QVariantMap stored = t.home.row(QStringLiteral("SELECT * FROM Tong2 WHERE Tong2ID = ?"), { saved.item.key });
    EXPECT_EQ(stored.value("BankNo").toString(), "12345678901");
    EXPECT_EQ(stored.value("BankCode").toString(), "11");
    EXPECT_EQ(stored.value("Gubun").toString(), "01");
    EXPECT_EQ(stored.value("IcheMoney").toLongLong(), 10000000);
    EXPECT_EQ(stored.value("IcheDate").toString(), "2026-12-11");
    EXPECT_EQ(stored.value("IcheYebu").toString(), "Z");
    EXPECT_EQ(stored.value("State").toInt(), 1);
    EXPECT_EQ(stored.value("Salary").toInt(), 1);
    EXPECT_EQ(stored.value("Bigo").toString(), "홍길동");
    const TransferItems::Row row = t.items.row(saved.item.key).value();
    EXPECT_EQ(row.displayAccount, "123-45-678901");
    EXPECT_EQ(row.bankName, "테온중앙회");
    EXPECT_EQ(row.fundName, "급여");
    EXPECT_EQ(row.status, "미송신");
    EXPECT_EQ(row.salaryName, "급  여");
}

// The merged banks' codes change before the checks; the batch date decides for 05.
TEST(TransferItems, MergedBankCodesAreReplacedWithTheirMessage)
{
    struct Case {
        const char* bank;
        QDate date;
        const char* account;
        bool shinhanInTable;
        const char* stored; // empty: not saved
        QStringList messages;
    };
    const QString addShinhan = QStringLiteral("신규 신한은행 코드 [88]을 추가시키기 바랍니다.");
    const Case cases[] = {
        { "26", QDate(2026, 12, 11), "12345678901", true, "88", { ShinhanMerged } },
        { "21", QDate(2026, 12, 11), "12345678901", true, "88", { ShinhanMerged } },
        { "26", QDate(2026, 12, 11), "12345678901", false, "", { ShinhanMerged, addShinhan } },
        { "88", QDate(2026, 12, 11), "12345678901", false, "", { addShinhan } },
        { "05", QDate(2016, 6, 3), "123456789012", true, "05", {} },
        { "05", QDate(2016, 6, 4), "123456789012", true, "81", { KebHanaMerged } },
        { "05", QDate(2026, 12, 11), "123456789012", true, "81", { KebHanaMerged } },
    };
    for (const Case& c : cases) {
        Items t;
        t.addBatch(2, 1, c.date);
        if (!c.shinhanInTable)
            t.home.database().exec(QStringLiteral("DELETE FROM BANKCODE WHERE Id = '88'"));
        TransferItems items(t.home.context(), TransferKind::deposit(), 2);
        Item item = items.startNew().item;
        item.bankCode = c.bank;
        item.account = c.account;
        item.amount = Money::fromWon(10);
        const TransferItems::Outcome outcome = items.save(item);
        const std::string label = std::string(c.bank) + " " + c.date.toString().toStdString();
        EXPECT_EQ(outcome.done, QString(c.stored) != "") << label;
        EXPECT_EQ(t.home.messages.texts(), c.messages) << label;
        EXPECT_EQ(t.home.value(QStringLiteral("SELECT BankCode FROM Tong2")).toString(), c.stored) << label;
        if (!outcome.done) {
            EXPECT_EQ(outcome.item.bankCode, "88") << label;
        }
    }
}

// 연속입력 starts a fresh new item after saving a new one, never after an edit.
TEST(TransferItems, ContinuousEntryStartsTheNextNewItemOnlyAfterANewOne)
{
    struct Case {
        bool continuous;
        bool edit;
        bool next;
    };
    const Case cases[] = { { true, false, true }, { true, true, false }, { false, false, false } };
    for (const Case& c : cases) {
        Items t;
        t.items.setContinuousEntry(c.continuous);
        Item item = t.valid();
        item.bankCode = QStringLiteral("20");
        item.account = QStringLiteral("1234123123456");
        item.fundCategory = QStringLiteral("03");
        item.salary = 2;
        if (c.edit) {
            item.key = t.add("11", "12345678901", 5);
            item = t.items.startEdit(item.key).item;
            item.amount = Money::fromWon(7);
        }
        const TransferItems::Outcome outcome = t.items.save(item);
        EXPECT_TRUE(outcome.done) << c.continuous << c.edit;
        ASSERT_EQ(outcome.next.has_value(), c.next) << c.continuous << c.edit;
        EXPECT_TRUE(t.items.continuousEntry() == c.continuous);
        if (!c.next)
            continue;
        EXPECT_EQ(outcome.focus, Field::BankCode);
        EXPECT_EQ(outcome.next->key, 0);
        EXPECT_EQ(outcome.next->bankCode, "11");
        EXPECT_EQ(outcome.next->account, "");
        EXPECT_EQ(outcome.next->fundCategory, "01");
        EXPECT_EQ(outcome.next->amount, Money::fromWon(0));
        EXPECT_EQ(outcome.next->name, "");
        EXPECT_EQ(outcome.next->salary, 1);
        EXPECT_EQ(t.itemCount(), 1);
    }
}

TEST(TransferItems, EditChangesTheStoredItemOnly)
{
    Items t;
    const qint64 key = t.add("11", "12345678901", 5, { { "IcheYebu", "N" }, { "DataNo", 9 } });
    t.add("11", "12345678902", 6);
    Item item = t.items.startEdit(key).item;
    item.amount = Money::fromWon(8);
    item.remark = QStringLiteral("비고");
    ASSERT_TRUE(t.items.save(item).done);
    EXPECT_EQ(t.itemCount(), 2);
    const QVariantMap stored = t.home.row(QStringLiteral("SELECT * FROM Tong2 WHERE Tong2ID = ?"), { key });
    EXPECT_EQ(stored.value("IcheMoney").toLongLong(), 80000);
    EXPECT_EQ(stored.value("Kita").toString(), "비고");
    EXPECT_EQ(stored.value("IcheYebu").toString(), "N");
    EXPECT_EQ(stored.value("DataNo").toInt(), 9);
}

TEST(TransferItems, CopyTakesTheItemsValuesWithTheBatchDateAndBankSix)
{
    struct Case {
        const char* bank;
        int state;
        const char* copiedBank;
        int copiedState;
    };
    const Case cases[] = { { "06", 1, "04", 1 }, { "11", 0, "11", 1 }, { "04", -1, "04", -1 }, { "07", 3, "07", 1 } };
    for (const Case& c : cases) {
        Items t;
        const qint64 source = t.add(c.bank, "12345678901", 12,
            { { "State", c.state }, { "IcheDate", QDate(2026, 1, 2) }, { "IcheYebu", "N" }, { "ResultID4", "0001" },
                { "Gubun", "05" }, { "NapbuNo", "P1" }, { "Bigo", "이름" }, { "Kita", "K" }, { "Salary", 3 } });
        const TransferItems::Outcome outcome = t.items.copy(source);
        ASSERT_TRUE(outcome.done) << c.bank;
        const QVariantMap copied
            = t.home.row(QStringLiteral("SELECT * FROM Tong2 WHERE Tong2ID = ?"), { outcome.item.key });
        EXPECT_NE(outcome.item.key, source);
        EXPECT_EQ(copied.value("TongID").toInt(), 1);
        EXPECT_EQ(copied.value("BankCode").toString(), c.copiedBank) << c.bank;
        EXPECT_EQ(copied.value("State").toInt(), c.copiedState) << c.bank;
        EXPECT_EQ(copied.value("BankNo").toString(), "12345678901");
        EXPECT_EQ(copied.value("IcheMoney").toLongLong(), 120000);
        EXPECT_EQ(copied.value("IcheDate").toString(), "2026-12-11");
        EXPECT_EQ(copied.value("IcheYebu").toString(), "Z");
        EXPECT_TRUE(copied.value("ResultID4").isNull());
        EXPECT_EQ(copied.value("Gubun").toString(), "05");
        EXPECT_EQ(copied.value("NapbuNo").toString(), "P1");
        EXPECT_EQ(copied.value("Bigo").toString(), "이름");
        EXPECT_EQ(copied.value("Kita").toString(), "K");
        EXPECT_EQ(copied.value("Salary").toInt(), 3);
        EXPECT_EQ(copied.value("DataNo").toInt(), 2);
    }
}

TEST(TransferItems, ACopiedApartmentItemKeepsItsDongHoAndPayerNumber)
{
    ImportTestHome home;
    ASSERT_TRUE(home.insert("Apt1",
        { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 } }));
    ASSERT_TRUE(home.insert("Apt2",
        { { "AptID", 1 }, { "Gubun", "01" }, { "BankCode", "11" }, { "BankNo", "12345678901" },
            { "IcheMoney", Money::fromWon(1000).stored() }, { "NapbuNo", "1011502" }, { "Dong", "101" },
            { "Ho", "1502" }, { "Bigo", "입주자" }, { "Kita", "예금주" }, { "State", 1 } }));
    TransferItems items(home.context(), TransferKind::apartment(), 1);
    const TransferItems::Outcome copied = items.copy(home.value("SELECT Apt2ID FROM Apt2").toLongLong());
    ASSERT_TRUE(copied.done);
    EXPECT_EQ(copied.item.dong, "101");
    EXPECT_EQ(copied.item.ho, "1502");
    EXPECT_EQ(home.value("SELECT NapbuNo || '|' || Dong || '|' || Ho || '|' || Bigo || '|' || Kita FROM Apt2 "
                         "WHERE Apt2ID = ?",
                      { copied.item.key })
                  .toString(),
        "1011502|101|1502|입주자|예금주");
    // An edit of the copy keeps the payer number it takes from the dong and ho.
    home.messages.answerYes();
    ASSERT_TRUE(items.save(copied.item).done);
    EXPECT_EQ(home.value("SELECT NapbuNo FROM Apt2 WHERE Apt2ID = ?", { copied.item.key }).toString(), "1011502");
}

// A bank code outside the kind's banks (left by a copy or an older version) is found before it is sent.
TEST(TransferItems, WithdrawalItemsOutsideTheKindsBanksAreFoundAndShowNoBankName)
{
    ImportTestHome home;
    ASSERT_TRUE(home.insert("Tong21",
        { { "TongID", 1 }, { "GiganID10", "9900000002" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 } }));
    for (const char* bank : { "11", "20" }) {
        ASSERT_TRUE(home.insert("Tong22",
            { { "TongID", 1 }, { "Gubun", "01" }, { "BankCode", bank }, { "BankNo", "12345678901" },
                { "IcheMoney", Money::fromWon(1000).stored() }, { "State", 1 } }));
    }
    home.context().setAccountNumberCheck(false);
    TransferItems items(home.context(), TransferKind::withdrawal(), 1);
    const QList<TransferItems::Row> rows = items.rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_FALSE(rows.at(0).bankName.isEmpty());
    EXPECT_EQ(rows.at(1).bankName, "");
    const TransferItems::Outcome found = items.findBadAccount(rows.at(0).item.key);
    EXPECT_TRUE(found.done);
    EXPECT_EQ(found.item.key, rows.at(1).item.key);
    EXPECT_EQ(home.messages.lastText(), "은행코드 오류가 발견되었습니다.");
}

// What a script adds to a closed batch is counted as the bank will get it: every change recomputes the totals that
// closing computes, in its own transaction.
TEST(TransferItems, AChangeToAClosedBatchKeepsItsTotals)
{
    Items t;
    const auto totals = [&t] {
        return t.home.value("SELECT TotNo || '/' || TotMoney || '/' || E1JunNo || '/' || State FROM Tong1").toString();
    };
    t.home.messages.answerYes();
    const TransferItems::Outcome saved = t.items.save(t.valid(), QStringLiteral("1,000"));
    ASSERT_TRUE(saved.done);
    EXPECT_EQ(totals(), "1/10000000/1/1");
    const TransferItems::Outcome copied = t.items.copy(saved.item.key);
    ASSERT_TRUE(copied.done);
    EXPECT_EQ(totals(), "2/20000000/2/1");
    ASSERT_TRUE(t.items.changeAmount(QStringLiteral("3000"), copied.item.key, {}).done);
    EXPECT_EQ(totals(), "2/40000000/2/1");
    t.home.messages.answerYes();
    ASSERT_TRUE(t.items.remove(saved.item.key, {}).done);
    EXPECT_EQ(totals(), "1/30000000/1/1");

    ASSERT_TRUE(t.home.database().exec("UPDATE Tong1 SET State = 0"));
    ASSERT_TRUE(t.items.save(t.valid(), QStringLiteral("500")).done);
    EXPECT_EQ(totals(), "2/35000000/2/0");
}

TEST(TransferItems, DeleteAsksForTheSelectedCountAndLogs)
{
    struct Case {
        int selected; // the first n items; 0 deletes the current (second) one
        bool yes;
        const char* question;
        int remaining;
        const char* logLine;
    };
    const Case cases[] = {
        { 0, true, "선택된 1 개의 자료를 삭제하시겠습니까?", 2, "대량입금-테스트기관 이체자료 자료삭제 1 건\r\n" },
        { 2, true, "선택된 2 개의 자료를 삭제하시겠습니까?", 1, "대량입금-테스트기관 이체자료 자료삭제 2 건\r\n" },
        { 3, true, "선택된 3 개의 자료를 삭제하시겠습니까?", 0, "대량입금-테스트기관 이체자료 자료삭제 3 건\r\n" },
        { 2, false, "선택된 2 개의 자료를 삭제하시겠습니까?", 3, "" },
    };
    for (const Case& c : cases) {
        Items t;
        const QList<qint64> all { t.add("11", "1", 1), t.add("11", "2", 2), t.add("11", "3", 3) };
        if (c.yes)
            t.home.messages.answerYes();
        const TransferItems::Outcome outcome = t.items.remove(all.at(1), all.mid(0, c.selected));
        EXPECT_EQ(outcome.done, c.yes) << c.selected;
        EXPECT_EQ(t.home.messages.lastText(), c.question) << c.selected;
        EXPECT_EQ(t.itemCount(), c.remaining) << c.selected;
        if (c.selected == 0) {
            EXPECT_FALSE(t.items.row(all.at(1)).has_value());
        }
        const QString log = Cp949::decode(readFileBytes(t.home.context().log().fileName()));
        EXPECT_EQ(log.contains(c.logLine), true) << c.selected << log.toStdString();
        if (!c.yes) {
            EXPECT_FALSE(log.contains(QStringLiteral("자료삭제")));
        }
    }
    Items empty;
    EXPECT_FALSE(empty.items.remove(0, {}).done);
    EXPECT_TRUE(empty.home.messages.shown().isEmpty());
}

TEST(TransferItems, DeleteOfSeveralItemsIsOneTransaction)
{
    Items t;
    const QList<qint64> all { t.add("11", "1", 1), t.add("11", "2", 2) };
    ASSERT_TRUE(
        t.home.database().exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON Tong2 WHEN OLD.BankNo = '2' "
                                              "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
    t.home.messages.answerYes();
    EXPECT_FALSE(t.items.remove(all.at(0), all).done);
    EXPECT_EQ(t.itemCount(), 2);
}

// The amount is checked as saving checks it: a positive amount only.
TEST(TransferItems, BulkAmountChangeStoresAValidAmountOnTheSelectedItems)
{
    struct Case {
        const char* text;
        bool selectTwo;
        bool done;
        QList<qint64> won; // of the three items after the change
        const char* message;
    };
    const Case cases[] = {
        { "5,000", true, true, { 5000, 5000, 3 }, "" },
        { "0", true, false, { 1, 2, 3 }, "이체금액은 0보다 큰 금액을 입력해야 합니다." },
        { "-7", false, false, { 1, 2, 3 }, "이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다." },
        { "12a", true, false, { 1, 2, 3 }, "이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다." },
        { "1000.5", true, false, { 1, 2, 3 }, "이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다." },
        { "2147483648", true, false, { 1, 2, 3 }, "이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다." },
        { "2,147,483,647", false, true, { 1, 2147483647, 3 }, "" },
        { "", false, false, { 1, 2, 3 }, "이체금액은 0보다 큰 금액을 입력해야 합니다." },
    };
    for (const Case& c : cases) {
        Items t;
        const QList<qint64> all { t.add("11", "1", 1), t.add("11", "2", 2), t.add("11", "3", 3) };
        const TransferItems::Outcome outcome
            = t.items.changeAmount(c.text, all.at(1), c.selectTwo ? all.mid(0, 2) : QList<qint64> {});
        EXPECT_EQ(outcome.done, c.done) << c.text;
        EXPECT_EQ(t.home.messages.lastText(), c.message) << c.text;
        EXPECT_EQ((QList<qint64> { t.won(all.at(0)), t.won(all.at(1)), t.won(all.at(2)) }), c.won) << c.text;
    }
}

TEST(TransferItems, BulkAmountChangeIsOneTransaction)
{
    Items t;
    const QList<qint64> all { t.add("11", "1", 1), t.add("11", "2", 2) };
    ASSERT_TRUE(
        t.home.database().exec(QStringLiteral("CREATE TRIGGER keep BEFORE UPDATE ON Tong2 WHEN OLD.BankNo = '2' "
                                              "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
    EXPECT_FALSE(t.items.changeAmount(QStringLiteral("9"), all.at(0), all).done);
    EXPECT_EQ(t.won(all.at(0)), 1);
    EXPECT_EQ(t.won(all.at(1)), 2);
}

TEST(TransferItems, DatabaseErrorsOnSavingKeepTheEntry)
{
    struct Case {
        const char* sql;
        const char* message;
    };
    const Case cases[] = {
        { "CREATE UNIQUE INDEX once ON Tong2 (BankNo)", "코드가 중복됩니다." },
        { "CREATE TRIGGER refuse BEFORE INSERT ON Tong2 BEGIN SELECT RAISE(ABORT, 'no'); END",
            "필수항목이 누락되었습니다." },
        { "PRAGMA query_only = 1", "attempt to write a readonly database" },
    };
    for (const Case& c : cases) {
        Items t;
        t.add("11", "12345678901", 1);
        ASSERT_TRUE(t.home.database().exec(c.sql));
        const TransferItems::Outcome outcome = t.items.save(t.valid());
        EXPECT_FALSE(outcome.done) << c.message;
        EXPECT_EQ(outcome.item.key, 0) << c.message;
        EXPECT_EQ(outcome.item.account, "12345678901") << c.message;
        EXPECT_EQ(t.home.messages.lastText(), c.message);
        EXPECT_EQ(t.itemCount(), 1);
    }
}

// From the current item on: a bank code not in the table, then an account the service refuses.
TEST(TransferItems, BadAccountSearchStopsAtTheNextBadItem)
{
    struct Case {
        int from;
        bool check;
        int stop; // -1: none found
        const char* message;
    };
    const Case cases[] = {
        { 0, true, 1, "은행코드 오류가 발견되었습니다." },
        { 1, true, 1, "은행코드 오류가 발견되었습니다." },
        { 2, true, 2, "계좌번호 오류가 발견되었습니다." },
        { 3, true, -1, "커서 이후의 계좌번호 오류가 발견되지 않았습니다." },
        { 2, false, -1, "커서 이후의 계좌번호 오류가 발견되지 않았습니다." },
        { 0, false, 1, "은행코드 오류가 발견되었습니다." },
    };
    for (const Case& c : cases) {
        Items t;
        const QList<qint64> all { t.add("11", "12345678901", 1), t.add("09", "12345678901", 1), t.add("11", "1234", 1),
            t.add("88", "12312345678", 1) };
        t.home.context().setAccountNumberCheck(c.check);
        const TransferItems::Outcome outcome = t.items.findBadAccount(all.at(c.from));
        EXPECT_EQ(outcome.done, c.stop >= 0) << c.from;
        EXPECT_EQ(outcome.item.key, c.stop >= 0 ? all.at(c.stop) : 0) << c.from;
        EXPECT_EQ(t.home.messages.lastText(), c.message) << c.from;
    }
}

TEST(TransferItems, SearchMatchesFundNamePrefixesAndGoesOn)
{
    struct Case {
        TransferItems::Search search;
        bool fromStart;
        int current;
        int found; // -1: none
        const char* message;
    };
    const Case cases[] = {
        { { "", "김", "", "", false }, true, 2, 0, "" },
        { { "", "김", "", "", false }, false, 0, 2, "" },
        { { "", "김", "", "", false }, false, 2, -1, "더이상 조건에 해당하는 자료가 없습니다." },
        { { "상여금", "", "", "", false }, true, 0, 1, "" },
        { { "상여금", "김", "", "", false }, true, 0, 2, "" },
        { { "", "", "3333", "", false }, true, 0, 2, "" },
        { { "", "", "33-", "", false }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
        { { "기타", "", "", "", false }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
        { { "", "철수", "", "", false }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
        // The apartment search: whole values only.
        { { "", "김", "", "", true }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
        { { "", "김영수", "", "", true }, true, 0, 2, "" },
        { { "", "", "3333", "", true }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
        { { "", "", "22220000000", "", true }, true, 0, 1, "" },
        { { "", "", "", "P2", true }, true, 0, 1, "" },
        { { "", "", "", "P", true }, true, 0, -1, "조건에 해당하는 자료가 없습니다." },
    };
    for (const Case& c : cases) {
        Items t;
        const QList<qint64> all { t.add("11", "11110000000", 1, { { "Bigo", "김철수" }, { "NapbuNo", "P1" } }),
            t.add("11", "22220000000", 1, { { "Bigo", "이영희" }, { "Gubun", "02" }, { "NapbuNo", "P2" } }),
            t.add("11", "33330000000", 1, { { "Bigo", "김영수" }, { "Gubun", "02" } }) };
        const TransferItems::Outcome outcome = t.items.search(c.search, c.fromStart, all.at(c.current));
        const std::string label = (c.search.fundName + "/" + c.search.name + "/" + c.search.account).toStdString();
        EXPECT_EQ(outcome.done, c.found >= 0) << label;
        EXPECT_EQ(outcome.item.key, c.found >= 0 ? all.at(c.found) : 0) << label;
        EXPECT_EQ(t.home.messages.lastText(), c.message) << label;
    }
    Items t;
    EXPECT_EQ(t.items.searchFundNames(),
        (QStringList { "", "급여", "기타", "배당금", "보험금", "상여금", "수당", "연금", "환급금" }));
}

TEST(TransferItems, FailedItemsAreThoseNotTransferred)
{
    Items t;
    t.add("11", "1", 1, { { "IcheYebu", "Y" }, { "State", 3 } });
    const qint64 refused = t.add("11", "2", 1, { { "IcheYebu", "N" }, { "State", 3 }, { "ResultID4", "XXXX" } });
    const qint64 waiting = t.add("11", "3", 1);
    const TransferItems::FailedItems failed = t.items.failedItems();
    EXPECT_EQ(failed.requested, 3);
    EXPECT_EQ(keys(failed.rows), (QList<qint64> { refused, waiting }));
    EXPECT_EQ(failed.rows.at(0).status, "불능");
    EXPECT_EQ(failed.rows.at(0).resultName, "");
    EXPECT_EQ(failed.rows.at(1).status, "미송신");
}

TEST(TransferItems, SortOrdersTheRowsAndSelectAllFollowsIt)
{
    struct Case {
        TransferItems::Order order;
        QList<int> indexes;
    };
    const Case cases[] = {
        { TransferItems::Order::Key, { 0, 1, 2, 3 } },
        { TransferItems::Order::Account, { 2, 3, 1, 0 } },
        { TransferItems::Order::FundCategory, { 1, 3, 0, 2 } },
    };
    Items t;
    const QList<qint64> all { t.add("20", "5", 1, { { "Gubun", "07" } }), t.add("11", "9", 1, { { "Gubun", "02" } }),
        t.add("11", "1", 1, { { "Gubun", "08" } }), t.add("11", "5", 1, { { "Gubun", "02" } }) };
    for (const Case& c : cases) {
        t.items.setOrder(c.order);
        QList<qint64> expected;
        for (const int index : c.indexes)
            expected << all.at(index);
        EXPECT_EQ(keys(t.items.rows()), expected) << static_cast<int>(c.order);
        EXPECT_EQ(t.items.selectAll(), expected) << static_cast<int>(c.order);
    }
}

// A sent batch (2) or one with results (3) is only browsed; an item of its own state 2 or more is not edited.
TEST(TransferItems, ReadOnlyBatchesAndSentItemsRefuseEveryChange)
{
    for (const int state : { 2, 3 }) {
        Items t;
        t.home.database().exec(QStringLiteral("UPDATE Tong1 SET State = ?"), { state });
        const qint64 key = t.add("11", "12345678901", 4, { { "State", 1 } });
        Item edited = t.items.row(key)->item;
        edited.amount = Money::fromWon(99);
        t.home.messages.answerYes();
        EXPECT_TRUE(t.items.isReadOnly()) << state;
        EXPECT_FALSE(t.items.startNew().done) << state;
        EXPECT_FALSE(t.items.startEdit(key).done) << state;
        EXPECT_FALSE(t.items.save(t.valid()).done) << state;
        EXPECT_FALSE(t.items.save(edited).done) << state;
        EXPECT_FALSE(t.items.copy(key).done) << state;
        EXPECT_FALSE(t.items.remove(key, { key }).done) << state;
        EXPECT_FALSE(t.items.changeAmount(QStringLiteral("1"), key, {}).done) << state;
        EXPECT_TRUE(t.home.messages.shown().isEmpty()) << state;
        EXPECT_EQ(t.itemCount(), 1) << state;
        EXPECT_EQ(t.won(key), 4) << state;
        EXPECT_TRUE(t.items.findBadAccount(key).message.startsWith(QStringLiteral("커서 이후"))) << state;
        EXPECT_TRUE(t.items.search({ "", "", "1234", "", false }, true, key).done) << state;
    }
    Items t;
    const qint64 sent = t.add("11", "12345678901", 4, { { "State", 2 } });
    Item edited = t.items.row(sent)->item;
    edited.amount = Money::fromWon(99);
    EXPECT_FALSE(t.items.isReadOnly());
    EXPECT_FALSE(t.items.startEdit(sent).done);
    EXPECT_FALSE(t.items.save(edited).done);
    EXPECT_FALSE(t.items.changeAmount(QStringLiteral("1"), sent, {}).done);
    EXPECT_EQ(t.won(sent), 4);
    EXPECT_TRUE(t.items.copy(sent).done);
}

// Each kind reaches its own banks: withdrawals 10 to 15, apartment payments also 16, deposits any bank of the table;
// only deposits move merged banks' codes.
TEST(TransferItems, EachKindSavesOnlyTheBanksItReaches)
{
    struct Case {
        const TransferKind& kind;
        const char* bank;
        QString refusal; // empty: saved
        const char* stored;
    };
    const Case cases[] = {
        { TransferKind::deposit(), "20", {}, "20" },
        { TransferKind::deposit(), "26", {}, "88" },
        { TransferKind::withdrawal(), "11", {}, "11" },
        { TransferKind::withdrawal(), "16", QStringLiteral("은행코드가 적절하지 않습니다."), nullptr },
        { TransferKind::withdrawal(), "26", QStringLiteral("은행코드가 적절하지 않습니다."), nullptr },
        { TransferKind::apartment(), "16", {}, "16" },
        { TransferKind::apartment(), "20", QStringLiteral("은행코드가 적절하지 않습니다."), nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind.itemTable.toStdString() + " " + c.bank);
        ImportTestHome home;
        ASSERT_TRUE(home.database().exec("INSERT OR IGNORE INTO BANKCODE (Id, Name) VALUES ('88', '신한은행')"));
        ASSERT_TRUE(home.insert(c.kind.batchTable,
            { { c.kind.batchKey, 1 }, { "GiganID10", "9900000001" }, { "IcheDate", QDate(2026, 12, 11) },
                { "State", 1 } }));
        TransferItems items(home.context(), c.kind, 1);
        Item item = items.startNew().item;
        item.bankCode = QString::fromLatin1(c.bank);
        item.account = QStringLiteral("123-45-678901");
        item.amount = Money::fromWon(1000);
        item.fundCategory = QStringLiteral("01");
        home.messages.answerYes();
        const TransferItems::Outcome outcome = items.save(item);
        EXPECT_EQ(outcome.done, c.refusal.isEmpty());
        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(home.messages.lastText(), c.refusal);
            EXPECT_EQ(outcome.focus, Field::BankCode);
            continue;
        }
        EXPECT_EQ(home.value(QStringLiteral("SELECT BankCode FROM %1").arg(c.kind.itemTable)).toString(), c.stored);
    }
}

// Apartment items are checked for their amount first, against the per-item limit of Firm.ini (5 million won
// unless Apt says otherwise), and take their payer number from the dong and ho.
TEST(TransferItems, ApartmentItemsKeepToTheLimitAndTakeTheirPayerNumberFromDongAndHo)
{
    struct Case {
        QByteArray firmIni; // empty: no Apt entry
        qint64 won;
        const char* bank;
        QString refusal;
    };
    const Case cases[] = {
        { {}, 0, "", QStringLiteral("이체금액은 0보다 큰 금액을 입력해야 합니다.") },
        { {}, 5000000, "11", {} },
        { {}, 5000001, "11", QStringLiteral("이체금액이 한도를 초과했습니다.\r\r최대 이체 한도는 ₩5,000,000 입니다.") },
        { "[General]\r\nApt=3\r\n", 3000001, "11",
            QStringLiteral("이체금액이 한도를 초과했습니다.\r\r최대 이체 한도는 ₩3,000,000 입니다.") },
        { "[General]\r\nApt=-2\r\n", 5000000, "16", {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.won));
        ImportTestHome home;
        if (!c.firmIni.isEmpty())
            writeFileBytes(home.context().paths().settingsFile(), c.firmIni);
        ASSERT_TRUE(home.insert("Apt1",
            { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 } }));
        TransferItems items(home.context(), TransferKind::apartment(), 1);
        Item item = items.startNew().item;
        item.bankCode = QString::fromLatin1(c.bank);
        item.account = QStringLiteral("123-45-678901");
        item.amount = Money::fromWon(c.won);
        item.fundCategory = QStringLiteral("01");
        item.dong = QStringLiteral(" 101 ");
        item.ho = QStringLiteral("1502");
        home.messages.answerYes();
        const TransferItems::Outcome outcome = items.save(item);
        EXPECT_EQ(outcome.done, c.refusal.isEmpty());
        if (!c.refusal.isEmpty()) {
            EXPECT_EQ(home.messages.lastText(), c.refusal);
            EXPECT_EQ(outcome.focus, Field::Amount);
            continue;
        }
        EXPECT_EQ(home.value("SELECT NapbuNo || '|' || Dong || '|' || Ho FROM Apt2").toString(), "1011502|101|1502");
    }
}

TEST(TransferItems, ABulkAmountChangeKeepsApartmentItemsWithinTheirLimit)
{
    ImportTestHome home;
    ASSERT_TRUE(home.insert("Apt1",
        { { "AptID", 1 }, { "GiganID10", "9900000003" }, { "IcheDate", QDate(2026, 12, 11) }, { "State", 1 } }));
    ASSERT_TRUE(home.insert("Apt2",
        { { "AptID", 1 }, { "BankCode", "11" }, { "IcheMoney", Money::fromWon(1000).stored() }, { "State", 1 } }));
    TransferItems items(home.context(), TransferKind::apartment(), 1);
    const qint64 key = home.value("SELECT Apt2ID FROM Apt2").toLongLong();
    EXPECT_FALSE(items.changeAmount(QStringLiteral("5,000,001"), key, {}).done);
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("이체금액이 한도를 초과했습니다.\r\r최대 이체 한도는 ₩5,000,000 입니다."));
    EXPECT_TRUE(items.changeAmount(QStringLiteral("5,000,000"), key, {}).done);
    EXPECT_EQ(home.value("SELECT IcheMoney FROM Apt2").toLongLong(), Q_INT64_C(50000000000));
}
