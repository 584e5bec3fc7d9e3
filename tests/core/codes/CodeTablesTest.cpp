#include "core/codes/CodeTables.h"
#include "ImportTestHome.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>

using Field = CodeTables::Field;
using Kind = TDM1::CodeKind;

namespace {

const QString Deposits = QStringLiteral("대량입금 자금구분 코드");
const QString Banks = QStringLiteral("은행 코드");
const QString EditBankQuestion
    = QStringLiteral("은행코드를 수정하면 처리가 정상적으로 수행되지 않을 수도 있습니다.\r\r수정하시겠습니까 ?");
const QString DeleteBankQuestion
    = QStringLiteral("은행코드를 삭제하면 처리가 정상적으로 수행되지 않을 수도 있습니다.\r\r삭제하시겠습니까 ?");

QStringList ids(const QList<CodeTables::Row>& rows)
{
    QStringList result;
    for (const CodeTables::Row& row : rows)
        result << row.id;
    return result;
}

CodeTables::Row row(const char* id, const char* name)
{
    return { id, name, {}, false, false };
}

QString logText(ImportTestHome& home)
{
    return Cp949::decode(readFileBytes(home.context().log().fileName()));
}

} // namespace

TEST(CodeTables, TagSelectsTheTableAndWhetherItIsKeptByTheUser)
{
    struct Case {
        int tag;
        const char* table;
        bool editable;
        int codeWidth;
        int nameWidth;
        const char* caption;
    };
    const Case cases[] = {
        { 0, "BANKCODE", true, 2, 12, "은행 코드" },
        { 5, "CODEE", false, 0, 0, "자금수납 거래구분 코드" },
        { 6, "CODEF", false, 0, 0, "자금수납 취소구분 코드" },
        { 7, "CODEG", false, 0, 0, "받을어음 거래구분 코드" },
        { 8, "CODEH", false, 0, 0, "받을어음 취소구분 코드" },
        { 9, "CODEI", false, 0, 0, "타점권내역 코드" },
        { 10, "CODEJ", false, 0, 0, "통장거래구분 코드" },
        { 11, "CODEK", false, 0, 0, "통장마감 거래구분 코드" },
        { 15, "CODEO", false, 0, 0, "대량입.출금 화일구분 코드" },
        { 16, "CODEP", false, 0, 0, "대량입.출금 처리결과 코드" },
        { 19, "codeV", true, 2, 12, "대량입금 자금구분 코드" },
        { 20, "CodeT", true, 2, 12, "대량출금(아파트뱅킹) 자금구분 코드" },
        { 21, "codes", false, 0, 0, "처리결과 이체여부 코드" },
    };
    ImportTestHome home;
    for (const Case& c : cases) {
        const CodeTables tables(home.context(), c.tag, {}, true);
        EXPECT_TRUE(tables.isValid()) << c.tag;
        EXPECT_EQ(tables.table(), c.table) << c.tag;
        EXPECT_EQ(tables.isEditable(), c.editable) << c.tag;
        EXPECT_EQ(tables.canChange(), c.editable) << c.tag;
        EXPECT_EQ(tables.codeWidth(), c.codeWidth) << c.tag;
        EXPECT_EQ(tables.nameWidth(), c.nameWidth) << c.tag;
        EXPECT_EQ(tables.isBankTable(), c.tag == 0) << c.tag;
        EXPECT_EQ(CodeTables::menuCaption(c.tag), c.caption) << c.tag;
    }
    for (const int unknown : { -1, 1, 12, 17, 22 }) {
        EXPECT_FALSE(CodeTables(home.context(), unknown, {}, true).isValid()) << unknown;
        EXPECT_EQ(CodeTables::menuCaption(unknown), "") << unknown;
    }
    EXPECT_FALSE(CodeTables(home.context(), 19, {}, false).canChange());
}

TEST(CodeTables, RowsComeInCodeOrderWithTheBankSettings)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    const QList<CodeTables::Row> deposits = CodeTables(home.context(), 19, Deposits, true).rows();
    EXPECT_EQ(ids(deposits), QStringList({ "01", "02", "03", "04", "05", "06", "07", "08" }));
    EXPECT_EQ(deposits.at(1).name, "상여금");

    const QList<CodeTables::Row> results = CodeTables(home.context(), 16, {}, false).rows();
    EXPECT_EQ(results.size(), 59);
    const auto blank
        = std::find_if(results.begin(), results.end(), [](const CodeTables::Row& row) { return row.id == "1007"; });
    ASSERT_NE(blank, results.end());
    EXPECT_EQ(blank->name, " ");

    ASSERT_TRUE(home.database().exec("UPDATE BANKCODE SET SENDVERSION = '0', MoneyLaw = 0, JuminCheck = 1 "
                                     "WHERE Id = '20'"));
    const QList<CodeTables::Row> banks = CodeTables(home.context(), 0, Banks, true).rows();
    ASSERT_EQ(banks.size(), 32);
    EXPECT_EQ(banks.first().id, "02");
    for (const CodeTables::Row& bank : banks) {
        if (bank.id == "11") {
            EXPECT_EQ(bank.sendVersion, "1");
            EXPECT_TRUE(bank.moneyLaw);
            EXPECT_TRUE(bank.juminCheck);
        } else if (bank.id == "20") {
            EXPECT_EQ(bank.sendVersion, "0");
            EXPECT_FALSE(bank.moneyLaw);
            EXPECT_TRUE(bank.juminCheck);
        }
    }
    EXPECT_EQ(CodeTables::moneyLawText(true), "적용");
    EXPECT_EQ(CodeTables::moneyLawText(false), "");
    EXPECT_EQ(CodeTables::juminCheckText(true), "검사");
    EXPECT_EQ(CodeTables::juminCheckText(false), "");
    EXPECT_EQ(CodeTables::sendVersionIndex(""), 0);
    EXPECT_EQ(CodeTables::sendVersionIndex("0"), 0);
    EXPECT_EQ(CodeTables::sendVersionIndex("1"), 1);
    EXPECT_EQ(CodeTables::sendVersionIndex("2"), -1);
}

// Each refusal keeps the table as it was and names the box to focus; the checks run in the screen's order.
TEST(CodeTables, SaveRefusesInTheScreensOrder)
{
    const QString symbolsStart = QStringLiteral("코드명에 기호나 특수문자를 사용할수 없습니다.\r\"");
    const QString symbolsEnd = QStringLiteral("\"과 같은 문자는 사용할수 없습니다. 은행에서 처리가 되지 않습니다");
    struct Case {
        int tag;
        const char* code;
        const char* name;
        int sendVersionIndex;
        QString message;
        Field focus;
    };
    const Case cases[] = {
        { 19, "09", "특별 수당", 0, symbolsStart + " " + symbolsEnd, Field::Name },
        { 19, "", "수당!(1)", 0, symbolsStart + "!()" + symbolsEnd, Field::Name },
        { 19, "  ", "수당", 0, "코드를 입력하십시오.", Field::Code },
        { 19, "", "", 0, "코드를 입력하십시오.", Field::Code },
        { 19, "09", "", 0, "내용(코드명)을 입력하십시오.", Field::Name },
        { 19, "7", "환급", 0, "코드가 중복됩니다.\r\r다른 코드를 사용하십시오.", Field::Code },
        { 20, "1", "관리비", 0, "코드가 중복됩니다.\r\r다른 코드를 사용하십시오.", Field::Code },
        { 0, "91", "토스뱅크", -1, "은행송신전문 선택하세요 ", Field::SendVersion },
        { 0, "3", "기업", 0, "코드가 중복됩니다.\r\r다른 코드를 사용하십시오.", Field::Code },
    };
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    for (const Case& c : cases) {
        CodeTables tables(home.context(), c.tag, {}, true);
        const int before = tables.rowCount();
        const CodeTables::SaveOutcome outcome = tables.save({ {}, c.code, c.name, c.sendVersionIndex });
        EXPECT_FALSE(outcome.saved) << c.code << ' ' << c.name;
        EXPECT_EQ(outcome.focus, c.focus) << c.code << ' ' << c.name;
        EXPECT_EQ(home.messages.lastText(), c.message) << c.code << ' ' << c.name;
        EXPECT_EQ(tables.rowCount(), before) << c.code << ' ' << c.name;
    }
    EXPECT_EQ(home.messages.shown().size(), 9);
    EXPECT_EQ(home.messages.shown().first().kind, "information");
}

TEST(CodeTables, SavePadsTheCodeAndLogsEachChange)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    CodeTables tables(home.context(), 19, Deposits, true);
    home.messages.answerYes();
    ASSERT_TRUE(tables.confirmDelete(0));
    ASSERT_TRUE(tables.remove(row("07", "환급금"), {}));

    const CodeTables::SaveOutcome padded = tables.save({ {}, "7", "환급금2", 0 });
    EXPECT_TRUE(padded.saved);
    EXPECT_EQ(padded.focus, Field::None);
    EXPECT_EQ(padded.id, "07");
    EXPECT_TRUE(tables.save({ "08", "8", "기타수입", 0 }).saved);
    EXPECT_TRUE(tables.save({ {}, "a ", "Etc", 0 }).saved);

    EXPECT_EQ(home.value("SELECT Name FROM codeV WHERE Id = '07'"), "환급금2");
    EXPECT_EQ(home.value("SELECT Name FROM codeV WHERE Id = '08'"), "기타수입");
    EXPECT_EQ(home.value("SELECT Name FROM codeV WHERE Id = '0A'"), "Etc");
    EXPECT_EQ(home.value("SELECT count(*) FROM codeV WHERE Id = '7'"), 0);
    EXPECT_EQ(home.messages.shown().size(), 1); // the delete question only
    EXPECT_EQ(logText(home),
        "10 09:05:03      대량입금 자금구분 코드 삭제, ID 07, Name 환급금\r\n"
        "10 09:05:03      대량입금 자금구분 코드 입력, ID 07, Name 환급금2\r\n"
        "10 09:05:03      대량입금 자금구분 코드 수정, ID 08, Name 기타수입\r\n"
        "10 09:05:03      대량입금 자금구분 코드 입력, ID 0A, Name Etc\r\n");

    // Moving a code onto another one is a duplicate too.
    const CodeTables::SaveOutcome moved = tables.save({ "08", "1", "기타", 0 });
    EXPECT_FALSE(moved.saved);
    EXPECT_EQ(moved.focus, Field::Code);
    EXPECT_EQ(home.value("SELECT Name FROM codeV WHERE Id = '08'"), "기타수입");
}

// The boxes' widths and the line-breaking characters are the rule's, not only the editor's: fbctl has no editor.
// A name is as wide as the bank file's 12 bytes, a double-byte character counting two.
TEST(CodeTables, CodesAndNamesKeepToTheirBoxes)
{
    const QString nameTooWide = QStringLiteral("코드명은 12바이트(한글 6자)까지 입력할 수 있습니다.");
    struct Case {
        const char* code;
        QString name;
        QString message; // empty: saved
        Field focus;
    };
    const Case cases[] = {
        { "10", QStringLiteral("가나다라마바"), {}, Field::None },
        { "11", QStringLiteral("ABCDEFGHIJKL"), {}, Field::None },
        { "12", QStringLiteral("A가나다라마바"), nameTooWide, Field::Name },
        { "13", QStringLiteral("가나다라마바사"), nameTooWide, Field::Name },
        { "14", QStringLiteral("수당\r\n"), QStringLiteral("코드명에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."),
            Field::Name },
        { "15", QStringLiteral("수") + QChar(0) + QStringLiteral("당"),
            QStringLiteral("코드명에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."), Field::Name },
        { "1\t", QStringLiteral("수당"), QStringLiteral("코드에는 줄바꿈이나 탭 문자를 입력할 수 없습니다."),
            Field::Code },
        { "123", QStringLiteral("수당"), QStringLiteral("코드는 2바이트(한글 1자)까지 입력할 수 있습니다."),
            Field::Code },
    };
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    CodeTables tables(home.context(), 19, Deposits, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        home.messages.clear();
        const CodeTables::SaveOutcome outcome = tables.save({ {}, c.code, c.name, 0 });
        EXPECT_EQ(outcome.saved, c.message.isEmpty());
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_EQ(home.messages.texts(), c.message.isEmpty() ? QStringList() : QStringList { c.message });
    }
    EXPECT_EQ(home.value("SELECT group_concat(Id || ':' || Name, ',') FROM (SELECT * FROM codeV WHERE Id > '09' "
                         "OR length(Id) <> 2 ORDER BY Id)"),
        "10:가나다라마바,11:ABCDEFGHIJKL");
}

TEST(CodeTables, TheNinetyNinthRowCanBeEnteredAndTheHundredthCannot)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    for (int code = 9; code <= 98; ++code)
        ASSERT_TRUE(home.insert("codeV", { { "Id", QString::number(code) }, { "Name", "수당" } }));
    CodeTables tables(home.context(), 19, Deposits, true);
    ASSERT_EQ(tables.rowCount(), 98);

    EXPECT_TRUE(tables.canInsert());
    EXPECT_TRUE(home.messages.shown().isEmpty());
    EXPECT_TRUE(tables.save({ {}, "99", "수당99", 0 }).saved);
    EXPECT_FALSE(tables.canInsert());
    EXPECT_EQ(home.messages.lastText(), "코드는 99개 이상 입력할 수 없습니다.");
    EXPECT_EQ(tables.rowCount(), 99);
}

TEST(CodeTables, ViewOnlyFormAndFixedTablesRefuseEveryChange)
{
    struct Case {
        int tag;
        bool editForm;
    };
    const Case cases[] = { { 19, false }, { 0, false }, { 16, true }, { 15, true }, { 21, true } };
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    for (const Case& c : cases) {
        CodeTables tables(home.context(), c.tag, {}, c.editForm);
        const QList<CodeTables::Row> rows = tables.rows();
        ASSERT_FALSE(rows.isEmpty()) << c.tag;
        home.messages.answerYes();
        home.messages.answerYes();
        EXPECT_FALSE(tables.canInsert()) << c.tag;
        EXPECT_FALSE(tables.canEdit()) << c.tag;
        EXPECT_FALSE(tables.save({ rows.first().id, rows.first().id, "바뀜", 0 }).saved) << c.tag;
        EXPECT_FALSE(tables.save({ {}, "Z", "새것", 0 }).saved) << c.tag;
        EXPECT_FALSE(tables.confirmDelete(1)) << c.tag;
        EXPECT_FALSE(tables.remove(rows.first(), {})) << c.tag;
        EXPECT_EQ(tables.rows().size(), rows.size()) << c.tag;
        EXPECT_EQ(tables.rows().first().name, rows.first().name) << c.tag;
    }
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

TEST(CodeTables, BankTableAsksBeforeEditAndDelete)
{
    using B = Messages::Button;
    struct Case {
        int tag;
        bool del; // delete, else edit
        int selected;
        QList<B> answers;
        bool expected;
        QStringList questions;
    };
    const QString one = QStringLiteral("선택된 1 개의 자료를 삭제하시겠습니까?");
    const Case cases[] = {
        { 0, false, 0, { B::No }, false, { EditBankQuestion } },
        { 0, false, 0, {}, false, { EditBankQuestion } },
        { 0, false, 0, { B::Yes }, true, { EditBankQuestion } },
        { 19, false, 0, {}, true, {} },
        { 0, true, 0, { B::No }, false, { DeleteBankQuestion } },
        { 0, true, 0, { B::Yes, B::No }, false, { DeleteBankQuestion, one } },
        { 0, true, 0, { B::Yes, B::Yes }, true, { DeleteBankQuestion, one } },
        { 0, true, 2, { B::Yes, B::Yes }, true, { DeleteBankQuestion, "선택된 2 개의 자료를 삭제하시겠습니까?" } },
        { 19, true, 3, { B::Yes }, true, { "선택된 3 개의 자료를 삭제하시겠습니까?" } },
        { 20, true, 0, {}, false, { one } },
    };
    for (const Case& c : cases) {
        ImportTestHome home;
        const CodeTables tables(home.context(), c.tag, {}, true);
        for (const B answer : c.answers)
            home.messages.answer(answer);
        EXPECT_EQ(c.del ? tables.confirmDelete(c.selected) : tables.canEdit(), c.expected)
            << c.tag << ' ' << c.del << ' ' << c.answers.size();
        EXPECT_EQ(home.messages.texts(), c.questions) << c.tag << ' ' << c.del << ' ' << c.answers.size();
        for (const ScriptedMessages::Shown& shown : home.messages.shown())
            EXPECT_EQ(shown.kind, "question");
    }
}

TEST(CodeTables, DeleteTakesTheSelectedRowsInOneTransaction)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    CodeTables tables(home.context(), 19, Deposits, true);

    ASSERT_TRUE(home.database().exec("CREATE TRIGGER KeepFive BEFORE DELETE ON codeV WHEN old.Id = '05' "
                                     "BEGIN SELECT RAISE(ABORT, 'kept'); END"));
    EXPECT_FALSE(tables.remove(row("02", "상여금"), { "01", "03", "05" }));
    EXPECT_EQ(ids(tables.rows()), QStringList({ "01", "02", "03", "04", "05", "06", "07", "08" }));
    EXPECT_EQ(home.messages.shown().size(), 1);
    EXPECT_EQ(home.messages.shown().first().kind, "error");
    EXPECT_FALSE(logText(home).contains("삭제"));

    ASSERT_TRUE(home.database().exec("DROP TRIGGER KeepFive"));
    EXPECT_TRUE(tables.remove(row("02", "상여금"), { "01", "03", "05" }));
    EXPECT_EQ(ids(tables.rows()), QStringList({ "02", "04", "06", "07", "08" }));
    EXPECT_TRUE(tables.remove(row("04", "연금"), {}));
    EXPECT_EQ(ids(tables.rows()), QStringList({ "02", "06", "07", "08" }));
    EXPECT_TRUE(logText(home).endsWith("10 09:05:03      대량입금 자금구분 코드 삭제, ID 02, Name 상여금\r\n"
                                       "10 09:05:03      대량입금 자금구분 코드 삭제, ID 04, Name 연금\r\n"));
}

TEST(CodeTables, ClosingTheEditFormRefreshesTheSharedTables)
{
    ImportTestHome home;
    ASSERT_TRUE(home.isOpen());
    TDM1& data = home.context().data();
    ASSERT_TRUE(data.openSharedTables());
    ASSERT_TRUE(data.loadCodeLists());

    CodeTables deposits(home.context(), 19, Deposits, true);
    ASSERT_TRUE(deposits.save({ {}, "9", "특별수당", 0 }).saved);
    CodeTables banks(home.context(), 0, Banks, true);
    ASSERT_TRUE(banks.save({ {}, "91", "새은행", 1 }).saved);
    // The 은행전문 selector only shows the stored setting; a new bank starts without one, which reads as "0".
    const QList<CodeTables::Row> bankRows = banks.rows();
    ASSERT_EQ(bankRows.size(), 33);
    EXPECT_EQ(bankRows.at(31).id, "91");
    EXPECT_EQ(bankRows.at(31).sendVersion, "");
    EXPECT_FALSE(bankRows.at(31).moneyLaw);
    EXPECT_EQ(data.name(Kind::CodeV, "09"), "");
    EXPECT_FALSE(data.bankCodes().contains("91"));

    CodeTables(home.context(), 19, Deposits, false).close();
    CodeTables(home.context(), 16, {}, true).close();
    EXPECT_EQ(data.name(Kind::CodeV, "09"), "");

    deposits.close();
    EXPECT_EQ(data.name(Kind::CodeV, "09"), "특별수당");
    EXPECT_FALSE(data.bankCodes().contains("91"));
    banks.close();
    EXPECT_EQ(data.name(Kind::Bank, "91"), "새은행");
    EXPECT_TRUE(data.bankCodes().contains("91"));
}
