#include "core/batches/TransferBatches.h"
#include "ImportTestHome.h"
#include "core/calendar/HolidayList.h"
#include "core/common/Cp949.h"

#include <gtest/gtest.h>

namespace {

using Field = TransferBatches::Field;

// The clock stands at Thursday 2026-12-10: the ninth business day after it is 2026-12-23.
class TransferBatchesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isOpen());
        ASSERT_TRUE(home.database().exec(
            "UPDATE Usercode SET TOPASS = 'Pw12', BankNoT1 = '1002003004005' WHERE TOID10 = '9900000001'"));
    }

    TransferBatches::Header header(const QDate& date, const QString& password = QStringLiteral("Pw12"))
    {
        TransferBatches::Header header;
        header.institution = QStringLiteral("9900000001");
        header.password = password;
        header.date = date;
        return header;
    }

    qint64 addBatch(int state)
    {
        TransferBatches::Header batch = header(QDate(2026, 12, 14));
        EXPECT_TRUE(batches.save(batch).saved);
        EXPECT_TRUE(home.database().exec("UPDATE Tong1 SET State = ? WHERE TongID = ?", { state, batch.id }));
        return batch.id;
    }

    void addItem(qint64 batch, const char* bank, qint64 won, const char* flag = "Z")
    {
        ASSERT_TRUE(home.insert("Tong2",
            { { "TongID", batch }, { "BankCode", bank }, { "BankNo", "110220330440" },
                { "IcheMoney", Money::fromWon(won).stored() }, { "IcheYebu", flag }, { "State", 1 }, { "Salary", 1 },
                { "DataNo", 7 } }));
    }

    QVariantMap batchRow(qint64 id) { return home.row("SELECT * FROM Tong1 WHERE TongID = ?", { id }); }
    QStringList itemColumn(qint64 batch, const char* column)
    {
        QStringList values;
        const int count = home.value("SELECT count(*) FROM Tong2 WHERE TongID = ?", { batch }).toInt();
        for (int i = 0; i < count; ++i) {
            values << home.value(
                              QStringLiteral("SELECT %1 FROM Tong2 WHERE TongID = ? ORDER BY Tong2ID LIMIT 1 OFFSET ?")
                                  .arg(QString::fromLatin1(column)),
                              { batch, i })
                          .toString();
        }
        return values;
    }
    QString log() { return Cp949::decode(readFileBytes(home.context().log().fileName())); }

    ImportTestHome home;
    TransferBatches batches { home.context(), TransferKind::deposit(), QStringLiteral("대량입금-이용기관정보") };
};

// Each check refuses in its turn with its message and editor; today and the ninth business day are the edges.
TEST_F(TransferBatchesTest, TheHeaderIsCheckedInOrder)
{
    struct Case {
        TransferBatches::Header header;
        QString message; // empty: saved
        Field focus;
    };
    const Case cases[] = {
        { header(QDate()), "이체일자가 현재일자 보다 이전일자 입니다.", Field::Date },
        { header(QDate(2026, 12, 9)), "이체일자가 현재일자 보다 이전일자 입니다.", Field::Date },
        { header(QDate(2026, 12, 24)), "이체일자는 현재일자 부터 20일 이내의 일자를 입력하세요.", Field::Date },
        { header(QDate(2026, 12, 12)), "지정된 이체일자는 공휴일입니다.\r이체일자를 다시 지정하십시오.", Field::Date },
        { header(QDate(2026, 12, 14), QString()), "기관비밀번호 항목이 누락되었습니다.", Field::Password },
        { header(QDate(2026, 12, 14), "pw12"), "기관비밀번호가 틀립니다.", Field::Password },
        { header(QDate(2026, 12, 10)), {}, Field::None },
        { header(QDate(2026, 12, 23)), {}, Field::None },
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.header.date.toString(Qt::ISODate).toStdString());
        home.messages.clear();
        const TransferBatches::Outcome outcome = batches.save(c.header);
        EXPECT_EQ(outcome.saved, c.message.isEmpty());
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_EQ(home.messages.lastText(), c.message);
    }
    TransferBatches::Header nameless = header(QDate(2026, 12, 14));
    nameless.institution = QStringLiteral("  ");
    EXPECT_EQ(batches.save(nameless).focus, Field::Institution);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("기관명 항목이 누락되었습니다. "));

    ASSERT_TRUE(HolidayList(home.context()).add(QDate(2026, 12, 16), QStringLiteral("창립기념일")));
    TransferBatches::Header closed = header(QDate(2026, 12, 16));
    EXPECT_EQ(batches.save(closed).focus, Field::Date) << "the office's own holiday";
}

TEST_F(TransferBatchesTest, ANewBatchTakesItsDefaultsAndTheInstitutionsAccount)
{
    TransferBatches::Header batch = header(QDate(2026, 12, 14));
    batch.remark = QStringLiteral("12월 급여");
    ASSERT_TRUE(batches.save(batch).saved);
    EXPECT_EQ(batch.id, 1);
    const QVariantMap row = batchRow(1);
    EXPECT_EQ(row.value("State").toInt(), -1);
    EXPECT_EQ(row.value("TOIO").toInt(), 1);
    EXPECT_EQ(row.value("Salary").toInt(), 1);
    EXPECT_EQ(row.value("FileGubun").toString(), "11");
    EXPECT_EQ(row.value("BankCode").toString(), "11");
    EXPECT_EQ(row.value("IcheEDate").toString(), "2026-12-14");
    EXPECT_EQ(row.value("MoBankNo").toString(), "1002003004005");
    EXPECT_EQ(row.value("Comment").toString(), QStringLiteral("12월 급여"));
    EXPECT_EQ(row.value("E1SucMon").toLongLong(), 0);
    EXPECT_TRUE(log().contains(QStringLiteral("대량입금-이용기관정보 자료입력, GiganID10 9900000001, IcheDate "
                                              "2026-12-14, SendDate , STime , RDate , TotNo 0, TotMoney 0, DataNo , "
                                              "State -1")))
        << log().toStdString();
    EXPECT_EQ(batches.newBatch()->institution, "9900000001");
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET TOID10 = NULL"));
    EXPECT_FALSE(batches.newBatch());
    EXPECT_EQ(
        home.messages.lastText(), QStringLiteral("환경설정의 이용자설정에서 기관코드을 등록하신 후 작업하십시오."));
}

// The remark is stored as typed or refused with the focus on it: no wider than its column, no line breaks.
TEST_F(TransferBatchesTest, TheRemarkFitsItsColumnOrIsRefused)
{
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET APPASS = 'a' WHERE APID10 = '9900000003'"));
    TransferBatches apartments(home.context(), TransferKind::apartment(), TransferKind::apartment().batchCaption);
    struct Case {
        TransferBatches& kind;
        const char* institution;
        const char* password;
        QString remark;
        QString message; // empty: saved
    };
    const Case cases[] = {
        { batches, "9900000001", "Pw12", QString(40, u'가'), {} },
        { batches, "9900000001", "Pw12", QString(40, u'가') + QStringLiteral("a"),
            QStringLiteral("비고는 80바이트(한글 40자)까지 입력할 수 있습니다.") },
        { batches, "9900000001", "Pw12", QStringLiteral("12월\r\n급여"),
            QStringLiteral("비고에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.") },
        { batches, "9900000001", "Pw12", QStringLiteral("관리\t비"),
            QStringLiteral("비고에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.") },
        { apartments, "9900000003", "a", QString(10, u'관'), {} },
        { apartments, "9900000003", "a", QString(9, u'관') + QStringLiteral("abc"),
            QStringLiteral("비고는 20바이트(한글 10자)까지 입력할 수 있습니다.") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.remark.toStdString());
        const QString table = c.kind.kind().batchTable;
        const int before = home.value(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt();
        TransferBatches::Header header;
        header.institution = QString::fromLatin1(c.institution);
        header.password = QString::fromLatin1(c.password);
        header.date = QDate(2026, 12, 14);
        header.remark = c.remark;
        home.messages.clear();
        const TransferBatches::Outcome outcome = c.kind.save(header);
        EXPECT_EQ(outcome.saved, c.message.isEmpty());
        EXPECT_EQ(home.messages.lastText(), c.message);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(outcome.focus, Field::Remark);
            EXPECT_EQ(home.value(QStringLiteral("SELECT count(*) FROM %1").arg(table)).toInt(), before);
            continue;
        }
        EXPECT_EQ(home.value(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                                 .arg(c.kind.kind().remarkColumn, table, c.kind.kind().batchKey),
                          { header.id })
                      .toString(),
            c.remark);
    }
}

// Two institutions may share a deposit code: the one chosen gives the password compared and the mother account
// stored, and the stored batch finds it again; without a choice the first by name is taken.
TEST_F(TransferBatchesTest, TheInstitutionChosenIsTheOneUsed)
{
    ASSERT_TRUE(home.insert("Usercode",
        { { "Name", QStringLiteral("하나기관") }, { "TOID10", "9900000001" }, { "TOPASS", "Other" },
            { "BankNoT1", "5556667778" } }));
    const qint64 second
        = home.value("SELECT Rec FROM Usercode WHERE Name = ?", { QStringLiteral("하나기관") }).toLongLong();
    const QList<TransferBatches::Institution> listed = batches.institutions();
    ASSERT_EQ(listed.size(), 3);
    EXPECT_EQ(listed.at(0).name, QStringLiteral("테스트기관"));
    EXPECT_EQ(listed.at(1).row, second);

    TransferBatches::Header chosen = header(QDate(2026, 12, 14));
    chosen.institutionRow = second;
    EXPECT_FALSE(batches.save(chosen).saved);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("기관비밀번호가 틀립니다."));
    chosen.password = QStringLiteral("Other");
    ASSERT_TRUE(batches.save(chosen).saved);
    EXPECT_EQ(batchRow(chosen.id).value("MoBankNo").toString(), "5556667778");
    EXPECT_EQ(batches.header(chosen.id)->institutionRow, second);
    EXPECT_EQ(batches.motherAccount(chosen), "5556667778");

    TransferBatches::Header unchosen = header(QDate(2026, 12, 14));
    EXPECT_EQ(batches.institutionPassword(unchosen), "Pw12");
    ASSERT_TRUE(batches.save(unchosen).saved);
    EXPECT_EQ(batchRow(unchosen.id).value("MoBankNo").toString(), "1002003004005");
    EXPECT_EQ(batches.header(unchosen.id)->institutionRow, listed.at(0).row);

    EXPECT_TRUE(batches.hasInstitution(unchosen.id));
    ASSERT_TRUE(home.database().exec("UPDATE Tong1 SET GiganID10 = '  ' WHERE TongID = ?", { unchosen.id }));
    EXPECT_FALSE(batches.hasInstitution(unchosen.id)) << "its items do not open";
}

// 1 → 0 → 1 with every item; batches without items, sent or received do not move.
TEST_F(TransferBatchesTest, HoldAndReleaseTakeTheItemsAlong)
{
    const qint64 batch = addBatch(1);
    addItem(batch, "11", 1000);
    addItem(batch, "20", 2000);
    home.messages.answerNo();
    EXPECT_FALSE(batches.toggleHold(batch));
    EXPECT_EQ(batches.state(batch), 1);
    home.messages.answerYes();
    ASSERT_TRUE(batches.toggleHold(batch));
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("\"송신대기\"를 \"송신불가\"로 변환하시겠습니까?"));
    EXPECT_EQ(batches.state(batch), 0);
    EXPECT_EQ(itemColumn(batch, "State"), QStringList({ "0", "0" }));
    home.messages.answerYes();
    ASSERT_TRUE(batches.toggleHold(batch));
    EXPECT_EQ(itemColumn(batch, "State"), QStringList({ "1", "1" }));
    for (const int state : { -1, 2, 3 }) {
        const qint64 other = addBatch(state);
        home.messages.clear();
        EXPECT_FALSE(batches.toggleHold(other)) << state;
        EXPECT_TRUE(home.messages.shown().isEmpty());
    }
}

// Totals per bank group as the items stand; no items makes the batch -1 even when it was held.
TEST_F(TransferBatchesTest, ClosingTheItemsSetsTotalsAndState)
{
    const qint64 batch = addBatch(-1);
    addItem(batch, "10", 1000);
    addItem(batch, "11", 2000);
    addItem(batch, "13", 4000);
    addItem(batch, "20", 8000);
    addItem(batch, "16", 16000);
    ASSERT_TRUE(batches.closeItems(batch));
    const QVariantMap row = batchRow(batch);
    EXPECT_EQ(row.value("State").toInt(), 1);
    EXPECT_EQ(row.value("TotNo").toInt(), 5);
    EXPECT_EQ(row.value("TotMoney").toLongLong(), Q_INT64_C(310000000));
    EXPECT_EQ(row.value("E1JunNo").toInt(), 2);
    EXPECT_EQ(row.value("E1JunMon").toLongLong(), Q_INT64_C(30000000));
    EXPECT_EQ(row.value("E1JoNo").toInt(), 1);
    EXPECT_EQ(row.value("E1SucNo").toInt(), 2);
    EXPECT_EQ(row.value("E1SucMon").toLongLong(), Q_INT64_C(240000000));

    ASSERT_TRUE(home.database().exec("UPDATE Tong1 SET State = 0 WHERE TongID = ?", { batch }));
    ASSERT_TRUE(home.database().exec("DELETE FROM Tong2"));
    ASSERT_TRUE(batches.closeItems(batch));
    EXPECT_EQ(batches.state(batch), -1);
    EXPECT_EQ(batchRow(batch).value("TotMoney").toLongLong(), 0);

    const qint64 sent = addBatch(2);
    addItem(sent, "11", 1000);
    EXPECT_FALSE(batches.closeItems(sent));
    EXPECT_EQ(batchRow(sent).value("TotNo").toInt(), 0) << "a sent batch keeps its totals";
}

// Closing the items of a withdrawal batch keeps to 15 fund categories among the unsent items: past them nothing
// changes; a sent batch is not closed again.
TEST_F(TransferBatchesTest, ClosingKeepsToTheFundCategoryLimit)
{
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET TO2PASS = 'w' WHERE TOID210 = '9900000002'"));
    TransferBatches withdrawals(home.context(), TransferKind::withdrawal(), TransferKind::withdrawal().batchCaption);
    TransferBatches::Header batch;
    batch.institution = QStringLiteral("9900000002");
    batch.password = QStringLiteral("w");
    batch.date = QDate(2026, 12, 14);
    ASSERT_TRUE(withdrawals.save(batch).saved);
    for (int fund = 1; fund <= 16; ++fund) {
        ASSERT_TRUE(home.insert("Tong22",
            { { "TongID", batch.id }, { "BankCode", "11" }, { "Gubun", QString::number(fund).rightJustified(2, '0') },
                { "IcheMoney", Money::fromWon(1000).stored() }, { "State", 1 } }));
    }
    EXPECT_EQ(withdrawals.close(batch.id), TransferBatches::Closing::OverFundLimit);
    EXPECT_EQ(home.messages.lastText(), QStringLiteral("한번에 15개 이상의 항목(자금구분)을 전송할 수 없습니다."));
    const QVariantMap untouched = home.row("SELECT TotNo, State FROM Tong21 WHERE TongID = ?", { batch.id });
    EXPECT_EQ(untouched.value("TotNo").toInt(), 0);
    EXPECT_EQ(untouched.value("State").toInt(), -1);

    ASSERT_TRUE(home.database().exec("DELETE FROM Tong22 WHERE Gubun = '16'"));
    EXPECT_EQ(withdrawals.close(batch.id), TransferBatches::Closing::Closed);
    const QVariantMap closed = home.row("SELECT TotNo, State FROM Tong21 WHERE TongID = ?", { batch.id });
    EXPECT_EQ(closed.value("TotNo").toInt(), 15);
    EXPECT_EQ(closed.value("State").toInt(), 1);

    ASSERT_TRUE(home.database().exec("UPDATE Tong21 SET State = 2"));
    home.messages.clear();
    EXPECT_EQ(withdrawals.close(batch.id), TransferBatches::Closing::NotOpen);
    EXPECT_EQ(withdrawals.close(batch.id + 1), TransferBatches::Closing::NotOpen);
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

// Copies take the next business day; merged banks' codes change on the copy and the user is told; the failed
// items alone may be none.
TEST_F(TransferBatchesTest, CopiesTakeAllOrFailedItems)
{
    const qint64 source = addBatch(3);
    addItem(source, "21", 1000, "Y");
    addItem(source, "26", 2000, "N");
    addItem(source, "05", 4000, "X");
    addItem(source, "11", 8000, "Y");
    const std::optional<qint64> all = batches.copy(source, false);
    ASSERT_TRUE(all);
    const QVariantMap copied = batchRow(*all);
    EXPECT_EQ(copied.value("State").toInt(), 1);
    EXPECT_EQ(copied.value("IcheDate").toString(), "2026-12-11");
    EXPECT_EQ(copied.value("TotNo").toInt(), 4);
    EXPECT_EQ(copied.value("TotMoney").toLongLong(), Q_INT64_C(150000000));
    EXPECT_EQ(copied.value("Pass").toString(), "Pw12");
    EXPECT_EQ(itemColumn(*all, "BankCode"), QStringList({ "88", "88", "81", "11" }));
    EXPECT_EQ(itemColumn(*all, "IcheYebu"), QStringList({ "Z", "Z", "Z", "Z" }));
    EXPECT_EQ(itemColumn(*all, "DataNo"), QStringList({ "7", "7", "7", "7" }));
    ASSERT_GE(home.messages.shown().size(), 2);
    EXPECT_EQ(home.messages.shown().at(home.messages.shown().size() - 2).text,
        QStringLiteral("은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다."));
    EXPECT_EQ(
        home.messages.lastText(), QStringLiteral("은행코드 05는 외환/하나은행 통합으로 81로 자동으로 바뀌었습니다."));
    EXPECT_TRUE(log().contains(QStringLiteral("대량입금-이용기관정보 전체복사, GiganID10 9900000001")));

    const std::optional<qint64> failed = batches.copy(source, true);
    ASSERT_TRUE(failed);
    EXPECT_EQ(itemColumn(*failed, "BankCode"), QStringList({ "88", "81" }));

    const qint64 empty = addBatch(-1);
    home.messages.clear();
    const std::optional<qint64> none = batches.copy(empty, true);
    ASSERT_TRUE(none);
    EXPECT_EQ(batchRow(*none).value("TotNo").toInt(), 0);
    EXPECT_EQ(batchRow(*none).value("State").toInt(), -1);
    EXPECT_TRUE(home.messages.shown().isEmpty());
}

// Both questions, then every chosen batch with its items in one transaction: a failure keeps them all.
TEST_F(TransferBatchesTest, DeletesAskTwiceAndTakeAllOrNothing)
{
    const qint64 first = addBatch(1);
    const qint64 second = addBatch(3);
    const qint64 kept = addBatch(1);
    addItem(first, "11", 1000);
    addItem(second, "11", 1000);
    addItem(kept, "11", 1000);

    EXPECT_FALSE(batches.remove({ first, 999 }));
    EXPECT_TRUE(home.messages.shown().isEmpty()) << "a batch that is not there is not asked about";
    EXPECT_FALSE(log().contains(QStringLiteral("자료삭제")));

    home.messages.answerYes();
    home.messages.answerNo();
    EXPECT_FALSE(batches.remove({ first, second }));
    EXPECT_EQ(home.messages.shown().at(0).text, QStringLiteral("선택된 2개의 자료를 삭제하시겠습니까?"));
    EXPECT_EQ(home.messages.lastText(),
        QStringLiteral("한번 삭제된 자료는 다시 복구할 수 없습니다.\r\r정말 삭제하시겠습니까?"));

    ASSERT_TRUE(home.database().exec("CREATE TRIGGER refuse BEFORE DELETE ON Tong1 WHEN OLD.TongID = "
        + QString::number(second) + " BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    home.messages.answerYes();
    home.messages.answerYes();
    EXPECT_FALSE(batches.remove({ first, second }));
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong2").toInt(), 3);
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong1").toInt(), 3);

    ASSERT_TRUE(home.database().exec("DROP TRIGGER refuse"));
    home.messages.answerYes();
    home.messages.answerYes();
    ASSERT_TRUE(batches.remove({ first, second }));
    EXPECT_EQ(home.value("SELECT group_concat(TongID) FROM Tong1").toString(), QString::number(kept));
    EXPECT_EQ(home.value("SELECT count(*) FROM Tong2").toInt(), 1);
    EXPECT_TRUE(log().contains(QStringLiteral("대량입금-이용기관정보 자료삭제, GiganID , IcheDate 2026-12-14")));
}

// The 그 룹 menu lists each template with the number of its items, right-aligned after a backspace.
TEST_F(TransferBatchesTest, GroupTemplatesAreListedForTheMenu)
{
    EXPECT_TRUE(batches.groups().isEmpty());
    ASSERT_TRUE(home.insert("GroupTo1", { { "TongID", 4 }, { "GroupName", QStringLiteral("정규직 급여") } }));
    ASSERT_TRUE(home.insert("GroupTo2", { { "TongID", 4 }, { "BankCode", "11" } }));
    ASSERT_TRUE(home.insert("GroupTo2", { { "TongID", 4 }, { "BankCode", "20" } }));
    const QList<std::pair<qint64, QString>> groups = batches.groups();
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups.first().first, 4);
    EXPECT_EQ(groups.first().second, QStringLiteral("정규직 급여     \b2건"));
}

// Withdrawal and apartment batches differ from deposits only where their kind declares it: the new batch's date,
// the silent refusal past the ninth business day (withdrawal), no log lines on save and copy, code 16 counted
// with the central bank, copies without merged banks, apartment copies dated as sent today with payer numbers
// rebuilt, and at most 15 fund categories.
TEST_F(TransferBatchesTest, TheOtherKindsDifferAsDeclared)
{
    ASSERT_TRUE(home.database().exec("UPDATE Usercode SET TO2PASS = 'w', APPASS = 'a' WHERE TOID10 = '9900000001'"));
    struct Case {
        const TransferKind& kind;
        QString institution;
        QString password;
        QDate newDate;
        QString tenthDayMessage;
    };
    const Case cases[] = {
        { TransferKind::withdrawal(), "9900000002", "w", QDate(2026, 12, 11), {} },
        { TransferKind::apartment(), "9900000003", "a", QDate(),
            "이체일자는 현재일자 부터 20일 이내의 일자를 입력하세요." },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind.batchTable.toStdString());
        TransferBatches kind(home.context(), c.kind, c.kind.batchCaption);
        EXPECT_EQ(kind.newBatch()->date, c.newDate);
        TransferBatches::Header header;
        header.institution = c.institution;
        header.password = c.password;
        header.date = QDate(2026, 12, 24);
        home.messages.clear();
        const TransferBatches::Outcome late = kind.save(header);
        EXPECT_EQ(late.focus, Field::Date);
        EXPECT_EQ(home.messages.lastText(), c.tenthDayMessage);
        header.date = QDate(2026, 12, 14);
        header.remark = QStringLiteral("관리비");
        ASSERT_TRUE(kind.save(header).saved);
        const QString table = c.kind.itemTable;
        const QString key = c.kind.batchKey;
        for (const auto& [bank, fund] : { std::pair { "16", "01" }, { "26", "02" }, { "13", "03" } }) {
            QVariantMap item { { key, header.id }, { "BankCode", bank }, { "BankNo", "110-22-333" }, { "Gubun", fund },
                { "IcheMoney", Money::fromWon(1000).stored() }, { "State", 1 } };
            if (c.kind.hasDongHo) {
                item.insert("Dong", "101");
                item.insert("Ho", "202");
            }
            ASSERT_TRUE(home.insert(table, item));
        }
        ASSERT_TRUE(kind.closeItems(header.id));
        const QVariantMap totals = home.row(
            QStringLiteral("SELECT E1JunNo, E1JoNo, E1SucNo FROM %1 WHERE %2 = ?").arg(c.kind.batchTable, key),
            { header.id });
        EXPECT_EQ(totals.value("E1JunNo").toInt(), 1) << "16 counts with the central bank";
        EXPECT_EQ(totals.value("E1JoNo").toInt(), 1);
        EXPECT_EQ(totals.value("E1SucNo").toInt(), 1);

        home.messages.clear();
        const std::optional<qint64> copy = kind.copy(header.id, false);
        ASSERT_TRUE(copy);
        EXPECT_TRUE(home.messages.shown().isEmpty()) << "no merged banks";
        EXPECT_EQ(
            home.value(QStringLiteral(
                           "SELECT group_concat(BankCode) FROM (SELECT BankCode FROM %1 WHERE %2 = ? ORDER BY %3)")
                           .arg(table, key, c.kind.itemKey),
                    { *copy })
                .toString(),
            "16,26,13");
        EXPECT_TRUE(kind.withinFundLimit(*copy));
        for (int fund = 4; fund <= 16; ++fund) {
            ASSERT_TRUE(home.insert(table,
                { { key, *copy }, { "BankCode", "11" }, { "Gubun", QString::number(fund).rightJustified(2, '0') },
                    { "State", fund == 16 ? 0 : 1 } }));
        }
        EXPECT_FALSE(kind.withinFundLimit(*copy)) << "16 categories, one of them held";
        EXPECT_EQ(home.messages.lastText(), QStringLiteral("한번에 15개 이상의 항목(자금구분)을 전송할 수 없습니다."));
    }
    EXPECT_FALSE(log().contains(QStringLiteral("자료입력"))) << log().toStdString();
    EXPECT_FALSE(log().contains(QStringLiteral("전체복사")));

    const QVariantMap copied = home.row("SELECT SendDate, Bigo FROM Apt1 ORDER BY AptID DESC LIMIT 1");
    EXPECT_EQ(copied.value("SendDate").toString(), "2026-12-10");
    EXPECT_EQ(copied.value("Bigo").toString(), QStringLiteral("관리비"));
    EXPECT_EQ(home.value("SELECT BankNo || ' ' || NapbuNo FROM Apt2 WHERE AptID = (SELECT max(AptID) FROM Apt1) ORDER "
                         "BY Apt2ID LIMIT 1")
                  .toString(),
        "11022333 101202");
}

} // namespace
