#include "MiniWorkbook.h"
#include "TestHome.h"
#include "core/common/Cp949.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

// Every command of fbctl run as a program on a home made by "fbctl init". A row is one run: its arguments, the
// exit status, the whole standard output (or a substring of it) and a substring of standard error. "{home}" in any of
// them stands for the home directory, with its trailing "/".
namespace {

enum class Out { Exact, Contains };

struct FbctlRow {
    QStringList arguments;
    int exitCode;
    QString out;
    QString errContains;
    Out outMatch = Out::Exact;
    // A file written under the home before the run, for rows that work on what an earlier row left.
    QString writeFile = {};
    QByteArray fileBytes = {};
    // When set, no file of the run may grow past this many bytes, as on a nearly full disk.
    qint64 fileSizeLimit = 0;
};

class FbctlHome {
public:
    explicit FbctlHome(bool initialised = true)
        : m_home(m_dir.filePath(QStringLiteral("home")) + QLatin1Char('/'))
    {
        if (!initialised)
            return;
        QProcess init;
        init.start(QStringLiteral(FB_FBCTL), { QStringLiteral("--home"), m_home, QStringLiteral("init") });
        EXPECT_TRUE(init.waitForFinished(60000));
        EXPECT_EQ(init.exitCode(), 0) << init.readAllStandardError().toStdString();
        EXPECT_EQ(QString::fromUtf8(init.readAllStandardOutput()), m_home + QLatin1Char('\n'));
    }

    QString expand(QString text) const { return text.replace(QStringLiteral("{home}"), m_home); }

    void check(const FbctlRow& row) const
    {
        QStringList arguments { QStringLiteral("--home"), m_home };
        for (const QString& argument : row.arguments)
            arguments << expand(argument);
        const std::string label = "fbctl " + row.arguments.join(QLatin1Char(' ')).toStdString();
        if (!row.writeFile.isEmpty())
            writeFileBytes(expand(row.writeFile), row.fileBytes);

        QProcess fbctl;
        if (row.fileSizeLimit > 0) {
            fbctl.setChildProcessModifier([limit = static_cast<rlim_t>(row.fileSizeLimit)] {
                signal(SIGXFSZ, SIG_IGN);
                const rlimit size { limit, limit };
                setrlimit(RLIMIT_FSIZE, &size);
            });
        }
        fbctl.start(QStringLiteral(FB_FBCTL), arguments);
        ASSERT_TRUE(fbctl.waitForFinished(60000)) << label;
        const QString out = QString::fromUtf8(fbctl.readAllStandardOutput());
        const QString err = QString::fromUtf8(fbctl.readAllStandardError());
        ASSERT_EQ(fbctl.exitStatus(), QProcess::NormalExit) << label << '\n' << err.toStdString();
        EXPECT_EQ(fbctl.exitCode(), row.exitCode) << label << '\n' << err.toStdString();
        if (row.outMatch == Out::Exact)
            EXPECT_EQ(out, expand(row.out)) << label;
        else
            EXPECT_TRUE(out.contains(expand(row.out))) << label << '\n' << out.toStdString();
        EXPECT_TRUE(err.contains(expand(row.errContains))) << label << '\n' << err.toStdString();
    }

private:
    QTemporaryDir m_dir;
    QString m_home;
};

QStringList args(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* argument : list)
        result << QString::fromUtf8(argument);
    return result;
}

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

const QString Usage = QStringLiteral("usage: fbctl [--home DIR] COMMAND [ARGUMENTS]");

// A withdrawal consent of the first institution, answered Yes.
QStringList consent(const QString& account, const QString& payer, const QString& name = QStringLiteral("홍길동"))
{
    return { QStringLiteral("consent"), QStringLiteral("add"), QStringLiteral("--institution"),
        QStringLiteral("9900000002"), QStringLiteral("--bank"), QStringLiteral("11"), QStringLiteral("--account"),
        account, QStringLiteral("--payer"), payer, QStringLiteral("--name"), name, QStringLiteral("--id"),
        QStringLiteral("800101"), QStringLiteral("--yes") };
}

} // namespace

// Rows that leave nothing a later row reads, so their order does not matter.
TEST(FbctlCommands, EachCommandAnswersAndRefusesOnAFreshHome)
{
    const FbctlRow rows[] = {
        { args({ "--version" }), 0, u("테온 미르솔 펌뱅킹 서비스 V4.0.3.7\n"), {} },
        { args({}), 2, {}, Usage },
        { args({ "frobnicate" }), 2, {}, u("  lunar YYYY-MM-DD    the lunar date") },
        { args({ "init", "--force" }), 2, {}, u("init: takes no arguments, not \"--force\"") },

        { args({ "sql", "SELECT 'a', NULL, 3 UNION ALL SELECT 'b c', 2.5, -1" }), 0, u("a\t\t3\nb c\t2.5\t-1\n"), {} },
        { args({ "sql", "SELECT COUNT(*) FROM Apt2" }), 0, u("0\n"), {} },
        { args({ "sql", "SELEC 1" }), 1, {}, u("syntax error") },
        { args({ "sql", "SELECT * FROM NoSuchTable" }), 1, {}, u("no such table: NoSuchTable") },
        { args({ "sql" }), 2, {}, u("usage: fbctl sql \"STATEMENT\"") },
        { args({ "print", "deposit", "1", "--pdf", "{home}a.pdf", "--order", "3" }), 2, {}, u("print: expected") },
        { args({ "sql", "SELECT 1", "SELECT 2" }), 2, {}, u("usage: fbctl sql \"STATEMENT\"") },

        { args({ "calendar", "2024" }), 0,
            u("2024-01-01\n2024-02-09\n2024-02-12\n2024-03-01\n2024-04-10\n2024-04-15\n2024-05-01\n2024-05-06\n"
              "2024-05-15\n2024-06-06\n2024-08-15\n2024-09-16\n2024-09-17\n2024-09-18\n2024-10-01\n2024-10-03\n"
              "2024-10-09\n2024-12-25\n"),
            {} },
        { args({ "calendar", "2024", "abc" }), 2, {},
            u("calendar: a year must be a number from 1 to 9999, not \"abc\"") },
        { args({ "calendar", "0" }), 2, {}, u("not \"0\"") },
        { args({ "calendar" }), 2, {}, u("calendar: give a year") },

        { args({ "lunar", "2024-02-10" }), 0, u("2024-01-01 leap=0 long=0\n"), {} },
        { args({ "lunar", "2024-09-17" }), 0, u("2024-08-15 leap=0 long=1\n"), {} },
        { args({ "lunar", "2023-03-22" }), 0, u("2023-02-01 leap=1 long=0\n"), {} },
        { args({ "lunar", "2024-02-30" }), 2, {}, u("lunar: expected one date YYYY-MM-DD, not \"2024-02-30\"") },
        { args({ "lunar", "2024-02-10", "2024-02-11" }), 2, {}, u("not \"2024-02-10 2024-02-11\"") },

        // Friday before the three days of the harvest festival of 2024.
        { args({ "business-days", "--today", "2024-09-13" }), 0, u("2024-09-19\n2024-10-02\n"), {} },
        { args({ "business-days", "--today", "2024-9-13" }), 2, {},
            u("business-days: expected [--today YYYY-MM-DD], not \"--today 2024-9-13\"") },
        { args({ "business-days", "2024-09-13" }), 2, {}, u("business-days: expected [--today YYYY-MM-DD]") },
        { args({ "business-days", "--today", "9999-12-17" }), 0, u("9999-12-20\n9999-12-31\n"), {} },
        { args({ "business-days", "--today", "9999-12-31" }), 1, {},
            u("business-days: the business days after 9999-12-31 fall past the calendar's last year 9999") },
        { args({ "holiday", "list", "99999" }), 2, {},
            u("holiday: a year must be a number from 1 to 9999, not \"99999\"") },
        { args({ "holiday", "list", "0" }), 2, {}, u("holiday: a year must be a number from 1 to 9999, not \"0\"") },

        { args({ "code", "list", "21" }), 0, u("N\t불능\nY\t정상\nZ\t미처리\n"), {} },
        { args({ "code", "list", "3" }), 2, {}, u("code: no code table has the tag 3") },
        { args({ "code", "list" }), 2, {},
            u("code: expected list TAG | put TAG CODE NAME [--yes] | delete TAG CODE [--yes], not \"list\"") },
        { args({ "code", "list", "19", "--yes" }), 2, {}, u("code: expected") },
        { args({ "code", "put", "19", "09" }), 2, {}, u("not \"put 19 09\"") },
        { args({ "code", "remove", "19", "09" }), 2, {}, u("code: expected") },
        { args({ "code", "put", "16", "1007", "공백" }), 1, {}, u("code: CODEP (tag 16) cannot be changed") },
        { args({ "code", "delete", "21", "N", "--yes" }), 1, {}, u("code: codes (tag 21) cannot be changed") },

        { args({ "account", "hyphenate", "03", "12345678901" }), 0, u("123-4567-8901\n"), {} },
        { args({ "account", "hyphenate", "20", "1234567890123" }), 0, u("1234-567-890123\n"), {} },
        { args({ "account", "hyphenate", "03", "1234" }), 0, u("1234\n"), {} },
        { args({ "account", "check", "05", "123456789012" }), 0, u("valid\n"), {} },
        { args({ "account", "check", "05", "12345678901" }), 1, u("invalid\n"), {} },
        { args({ "account", "check", "05", "12345678901x" }), 1, u("invalid\n"), {} },
        { args({ "account", "verify", "05", "123456789012" }), 2, {},
            u("account: expected hyphenate|check BANK ACCOUNT, not \"verify 05 123456789012\"") },
        { args({ "account", "check", "05" }), 2, {}, u("account: expected hyphenate|check BANK ACCOUNT") },

        { args({ "notice" }), 0, u("테온 미르솔 펌뱅킹 서비스 고객센터로 문의하여 주십시오.\n"), {} },
        { args({ "notice", "today" }), 2, {}, u("notice: takes no arguments, not \"today\"") },

        { args({ "generate", "--now", "2024-09-13 10:00:00" }), 0, {}, u("송신할 자료가 없습니다.") },
        { args({ "generate", "--now", "2024-09-31 10:00:00" }), 2, {},
            u("generate: expected [--now \"YYYY-MM-DD HH:MM:SS\"], not \"--now 2024-09-31 10:00:00\"") },
        { args({ "generate", "--today", "2024-09-13" }), 2, {}, u("generate: expected [--now") },

        { args({ "import", "--now", "2024-09-13 10:00:00" }), 0, {}, u("수신된 자료가 없습니다.") },
        { args({ "import", "--now" }), 2, {}, u("import: expected [--now \"YYYY-MM-DD HH:MM:SS\"], not \"--now\"") },

        { args({ "comm" }), 2, {}, u("comm: give one of send, receive, sendreceive, rereceive, report, config") },
        { args({ "comm", "send", "receive" }), 2, {}, u("comm: give one of") },
        { args({ "comm", "fetch" }), 2, {}, u("comm: unknown action \"fetch\"") },
        { args({ "comm", "config", "--port", "COM2" }), 2, {}, u("comm config: unknown option \"--port\"") },
        { args({ "comm", "config", "--login" }), 2, {}, u("comm config: --login needs a value") },
        { args({ "comm", "config", "--mailbox", "{home}NoSuchBox" }), 1, {},
            u("comm config: the mailbox folder {home}NoSuchBox does not exist (--create makes it)") },
        { args({ "comm", "config", "--mailbox", "{home}Firm.ini", "--create" }), 1, {},
            u("comm config: the mailbox folder {home}Firm.ini is not a folder") },
        { args({ "comm", "config" }), 0,
            u("LoginID: \nPassword: 없음\nMailbox: {home}Van/\nSendDir: {home}Send\nRecvDir: {home}Recv\n"
              "ResultDir: {home}Result\nPort: COM1 (38400)\n"),
            {} },
        // Without a login ID nothing is sent or received.
        { args({ "comm", "send" }), 1, u("사용자 ID가 등록되어 있지 않습니다\n"), {} },
        { args({ "comm", "receive" }), 1, u("프로그램 오류 발생 (Registry 관련)\n"), {} },
        { args({ "comm", "sendreceive" }), 1, u("프로그램 오류 발생 (Registry 관련)\n"), {} },
        { args({ "comm", "rereceive" }), 1, u("사용자 ID가 등록되어 있지 않습니다\n"), {} },
        { args({ "comm", "report" }), 1, u("사용자 ID가 등록되어 있지 않습니다\n"), {} },

        { args({ "apt-convert-export" }), 1, {}, u("셈바계좌가 존재 하지 않습니다") },
        { args({ "apt-convert-export", "16" }), 2, {}, u("apt-convert-export: takes no arguments, not \"16\"") },
        { args({ "apt-convert-import" }), 1, {}, u("no answer file in {home}Recv/") },
        { args({ "apt-convert-import", "--dry-run" }), 2, {}, u("apt-convert-import: takes no arguments") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: the office's own list changes what the calendar and the business days answer at once.
TEST(FbctlCommands, HolidayKeepsTheOfficesOwnList)
{
    const FbctlRow rows[] = {
        { args({ "holiday", "list", "2025" }), 0,
            u("2025-01-01\trule\t신정\n2025-01-27\tadded\t임시공휴일\n2025-01-28\trule\t설날\n"
              "2025-01-29\trule\t설날\n2025-01-30\trule\t설날\n2025-03-03\trule\t대체공휴일\n"
              "2025-04-15\trule\t지정휴일\n2025-05-01\trule\t근로자의 날\n"
              "2025-05-05\trule\t어린이날, 석가탄신일\n2025-05-06\trule\t대체공휴일\n"
              "2025-06-03\tadded\t대통령선거\n2025-06-06\trule\t현충일\n2025-08-15\trule\t광복절\n"
              "2025-10-03\trule\t개천절\n2025-10-06\trule\t추석\n2025-10-07\trule\t추석\n"
              "2025-10-08\trule\t대체공휴일\n2025-10-09\trule\t한글날\n2025-12-25\trule\t기독탄신일\n"),
            {} },
        { args({ "holiday", "add", "2026-12-11", "창립기념일" }), 0, {}, {} },
        { args({ "business-days", "--today", "2026-12-10" }), 0, u("2026-12-14\n2026-12-24\n"), {} },
        { args({ "holiday", "remove", "2026-04-15" }), 0, {}, {} },
        { args({ "business-days", "--today", "2026-04-14" }), 0, u("2026-04-15\n2026-04-27\n"), {} },
        { args({ "holiday", "list", "2026" }), 0, u("2026-04-15\tremoved\t지정휴일\n"), {}, Out::Contains },
        { args({ "holiday", "list", "2026" }), 0, u("2026-12-11\tadded\t창립기념일\n"), {}, Out::Contains },
        { args({ "holiday", "add", "2026-12-11", "again" }), 1, {}, u("2026-12-11은(는) 이미 휴일입니다.") },
        { args({ "holiday", "add", "2026-12-12", "토요일" }), 1, {}, u("토요일과 일요일은 이미 휴일입니다.") },
        { args({ "holiday", "remove", "2026-12-10" }), 1, {}, u("2026-12-10은(는) 뺄 수 있는 휴일이 아닙니다.") },
        { args({ "holiday", "restore", "2026-04-15" }), 0, {}, {} },
        { args({ "holiday", "remove", "2026-12-11" }), 0, {}, {} },
        { args({ "business-days", "--today", "2026-12-10" }), 0, u("2026-12-11\n2026-12-23\n"), {} },
        { args({ "holiday", "add", "2026-13-01", "x" }), 2, {}, u("holiday: expected add YYYY-MM-DD NAME") },
        { args({ "holiday", "add", "2026-12-14" }), 2, {}, u("holiday: expected") },
        { args({ "holiday", "list", "twenty" }), 2, {}, u("holiday: expected") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: institutions entered, refused, asked about and deleted through the screen's rules; a question is
// answered Yes only with --yes.
TEST(FbctlCommands, InstitutionFollowsTheSettingsRules)
{
    const FbctlRow rows[] = {
        { args({ "institution", "list" }), 0, {}, {} },
        { args({ "institution", "put", "Name=가나상사", "tongout=cd123", "TONGIN=CD456", "TOID10=9900000001",
              "TOPASS=1234", "TOBCODE=BK00001" }),
            0, {}, {} },
        { args({ "institution", "list" }), 0, u("가나상사\t9900000001\t\t\n"), {} },
        { args({ "sql", "SELECT TONGOUT, TRegisterIN, TRegisterOUT FROM Usercode" }), 0, u("CD123\tQK150\tQK150\n"),
            {} },
        { args({ "institution", "put", "Name=나라", "TOID10=9900000002" }), 1, {},
            u("대량입금 송신화일정보를 정확히 입력 하세요.") },
        { args({ "institution", "put", "Name=나라", "TONGOUT=CD777", "TONGIN=CD778", "TOID10=9900000001", "TOPASS=1",
              "TOBCODE=BK00002" }),
            1, {}, u("대량입금 기관코드가 중복됩니다.") },
        { args({ "institution", "put", "Name=나라", "TONGOUT=CD777", "TONGIN=CD778", "TOID10=9900000001", "TOPASS=1",
              "TOBCODE=BK00002", "--yes" }),
            0, {}, u("[yes]") },
        { args({ "sql", "INSERT INTO Tong1 (TongID, GiganID10) VALUES (1, '9900000001')" }), 0, {}, {} },
        { args({ "institution", "put", "Name=가나상사", "TOPASS=5678" }), 1, {},
            u("대량입금 기관코드로 작성된 자료가 있습니다.") },
        { args({ "institution", "put", "Name=가나상사", "TOPASS=5678", "--yes" }), 0, {}, {} },
        { args({ "sql", "SELECT TOPASS FROM Usercode WHERE Name = '가나상사'" }), 0, u("5678\n"), {} },
        { args({ "institution", "delete", "나라" }), 1, {}, u("계속 진행하시겠습니까 ? [no]") },
        { args({ "institution", "delete", "나라", "--yes" }), 0, {}, {} },
        { args({ "institution", "delete", "나라" }), 1, {}, u("no institution named \"나라\"") },
        { args({ "institution", "list" }), 0, u("가나상사\t9900000001\t\t\n"), {} },
        { args({ "institution", "put", "Name=x", "Bogus=1" }), 2, {}, u("\"Bogus=1\" is not FIELD=VALUE") },
        { args({ "institution", "put", "TOID10=1" }), 2, {}, u("institution: expected") },
        { args({ "institution" }), 2, {}, u("institution: expected") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: the user's code tables change as the screens change them, with their checks and questions.
TEST(FbctlCommands, CodeKeepsTheUsersTablesWithTheScreensChecks)
{
    const QString bankEdit
        = u("은행코드를 수정하면 처리가 정상적으로 수행되지 않을 수도 있습니다.\r\r수정하시겠습니까 ? [no]");
    const QString bankDelete = u("은행코드를 삭제하면 처리가 정상적으로 수행되지 않을 수도 있습니다.");
    const FbctlRow rows[] = {
        { args({ "code", "list", "20" }), 0, u("01\t관리비\n02\t회비\n03\t보험료\n04\t대금\n05\t기타\n"), {} },
        { args({ "code", "put", "20", "7", "수선비2" }), 0, u("07\n"), {} },
        { args({ "code", "put", "20", "1", "관리비용" }), 0, u("01\n"), {} },
        { args({ "code", "put", "20", "8", "수선 비" }), 1, {},
            u("코드명에 기호나 특수문자를 사용할수 없습니다.\r\" \"과 같은 문자는 사용할수 없습니다.") },
        { args({ "code", "put", "20", " ", "수선비" }), 1, {}, u("코드를 입력하십시오.") },
        { args({ "code", "put", "20", "8", "" }), 1, {}, u("내용(코드명)을 입력하십시오.") },
        { args({ "code", "delete", "20", "5" }), 1, {}, u("선택된 1 개의 자료를 삭제하시겠습니까? [no]") },
        { args({ "code", "delete", "20", "5", "--yes" }), 0, {}, u("선택된 1 개의 자료를 삭제하시겠습니까? [yes]") },
        { args({ "code", "delete", "20", "5", "--yes" }), 1, {}, u("code: no code \"05\" in CodeT") },
        { args({ "code", "list", "20" }), 0, u("01\t관리비용\n02\t회비\n03\t보험료\n04\t대금\n07\t수선비2\n"), {} },
        { args({ "code", "put", "0", "3", "기업" }), 1, {}, bankEdit },
        { args({ "code", "put", "0", "3", "기업", "--yes" }), 0, u("03\n"), {} },
        { args({ "code", "put", "0", "91", "새은행" }), 0, u("91\n"), {} },
        { args({ "code", "delete", "0", "91" }), 1, {}, bankDelete },
        { args({ "code", "delete", "0", "91", "--yes" }), 0, {}, u("선택된 1 개의 자료를 삭제하시겠습니까? [yes]") },
        { args({ "sql", "SELECT Id, Name FROM BANKCODE WHERE Id IN ('03', '91')" }), 0, u("03\t기업\n"), {} },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
    // fbctl runs on today's date: the lines are in the monthly logs there are.
    const QDir dir(home.expand(u("{home}")));
    QString log;
    for (const QString& file : dir.entryList({ u("*.log") }, QDir::Files))
        log += Cp949::decode(readFileBytes(dir.filePath(file)));
    EXPECT_TRUE(log.contains(u("      대량출금(아파트뱅킹) 자금구분 코드 입력, ID 07, Name 수선비2\r\n")));
    EXPECT_TRUE(log.contains(u("      은행 코드 삭제, ID 91, Name 새은행\r\n")));
}

// In order: a deposit batch made, filled, closed, held, copied and deleted through the batch rules.
TEST(FbctlCommands, BatchRunsTheBatchRules)
{
    const FbctlRow rows[] = {
        { args({ "institution", "put", "Name=가나", "TONGOUT=CD123", "TONGIN=CD456", "TOID10=9900000001", "TOPASS=pw",
              "TOBCODE=BK00001", "BankNoT1=100200300" }),
            0, {}, {} },
        { args({ "batch", "add", "deposit", "--institution", "9900000001", "--date", "2026-12-14", "--today",
              "2026-12-10" }),
            0, u("1\n"), {} },
        { args({ "batch", "add", "deposit", "--institution", "9900000001", "--date", "2026-12-24", "--today",
              "2026-12-10" }),
            1, {}, u("이체일자는 현재일자 부터 20일 이내의 일자를 입력하세요.") },
        { args({ "batch", "add", "deposit", "--institution", "9900000001", "--date", "2026-12-14", "--password", "PW",
              "--today", "2026-12-10" }),
            1, {}, u("기관비밀번호가 틀립니다.") },
        { args({ "sql",
              "INSERT INTO Tong2 (TongID, BankCode, IcheMoney, IcheYebu, State) VALUES (1, '21', 10000000, 'N', 1), "
              "(1, '11', 20000000, 'Y', 1)" }),
            0, {}, {} },
        { args({ "batch", "close", "deposit", "1" }), 0, {}, {} },
        { args({ "batch", "list", "deposit" }), 0, u("1\t2026-12-14\t9900000001\t1\t2\t3000\n"), {} },
        { args({ "batch", "hold", "deposit", "1" }), 1, {}, u("[no]") },
        { args({ "batch", "hold", "deposit", "1", "--yes" }), 0, {}, u("[yes]") },
        { args({ "batch", "hold", "deposit", "1", "--yes" }), 1, {}, u("batch: batch 1 is not 송신대기") },
        { args({ "batch", "copy", "deposit", "1", "--failed", "--today", "2026-12-10" }), 0, u("2\n"),
            u("은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.") },
        { args({ "sql", "SELECT TongID, BankCode, State FROM Tong2 ORDER BY Tong2ID" }), 0,
            u("1\t21\t0\n1\t11\t0\n2\t88\t1\n"), {} },
        { args({ "sql", "UPDATE Tong1 SET State = 2 WHERE TongID = 2" }), 0, {}, {} },
        { args({ "batch", "close", "deposit", "2" }), 1, {}, u("batch: batch 2 is 송신완료") },
        { args({ "batch", "delete", "deposit", "999", "--yes" }), 1, {}, u("batch: no batch 999") },
        { args({ "batch", "delete", "deposit", "1", "2" }), 1, {}, u("선택된 2개의 자료를 삭제하시겠습니까? [no]") },
        { args({ "batch", "delete", "deposit", "1", "2", "--yes" }), 0, {}, {} },
        { args({ "batch", "list", "deposit" }), 0, {}, {} },
        { args({ "batch", "close", "deposit", "9" }), 1, {}, u("batch: no batch 9") },
        { args({ "batch", "list", "loans" }), 2, {}, u("batch: the kind must be deposit, withdrawal or apartment") },
        { args({ "institution", "put", "Name=가나", "TONG2OUT=CW123", "TONG2IN=CW456", "TOID210=9900000002",
              "TO2PASS=wp", "TO2BCODE=BK00002" }),
            0, {}, {} },
        { args({ "batch", "add", "withdrawal", "--institution", "9900000002", "--date", "2026-12-24", "--today",
              "2026-12-10" }),
            1, {}, u("이체일자") },
        { args({ "batch", "add", "withdrawal", "--institution", "9900000002", "--date", "2026-12-14", "--title", "회비",
              "--today", "2026-12-10" }),
            0, u("1\n"), {} },
        { args({ "sql", "SELECT TongID, TOIO, Comment FROM Tong21" }), 0, u("1\t2\t회비\n"), {} },
        { args({ "batch", "add", "withdrawal", "--institution", "9900000002", "--date", "2026-12-14", "--title",
              "회\r\n비", "--today", "2026-12-10" }),
            1, {}, u("비고에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.") },
        { args({ "sql",
              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 16) INSERT INTO Tong22 "
              "(TongID, BankCode, Gubun, IcheMoney, State) SELECT 1, '11', printf('%02d', i), 10000, 1 FROM n" }),
            0, {}, {} },
        { args({ "batch", "close", "withdrawal", "1" }), 1, {},
            u("한번에 15개 이상의 항목(자금구분)을 전송할 수 없습니다.") },
        { args({ "batch", "list", "withdrawal" }), 0, u("1\t2026-12-14\t9900000002\t-1\t0\t0\n"), {} },
        { args({ "sql", "DELETE FROM Tong22 WHERE Gubun = '16'" }), 0, {}, {} },
        { args({ "batch", "close", "withdrawal", "1" }), 0, {}, {} },
        { args({ "batch", "list", "withdrawal" }), 0, u("1\t2026-12-14\t9900000002\t1\t15\t15\n"), {} },
        { args({ "batch", "copy", "deposit", "x" }), 2, {}, u("batch: expected") },
        { args({ "batch", "add", "deposit", "--date", "2026-12-14" }), 2, {}, u("batch: expected") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: items are added to a batch through the item screen's save, with its checks, merger codes and question.
TEST(FbctlCommands, ItemAddSavesThroughTheItemScreensChecks)
{
    const QString accountQuestion = u("계좌번호가 적절하지 않습니다.\r\r그냥 저장하시겠습니까?");
    const QString amountRange = u("이체금액은 2,147,483,647원 이하의 원 단위 금액이어야 합니다.");
    const FbctlRow rows[] = {
        { args({ "sql",
              "INSERT INTO Tong1 (TongID, GiganID10, IcheDate, State) VALUES (1, '9900000001', "
              "'2026-12-11', 1), (2, '9900000001', '2026-12-11', 2)" }),
            0, {}, {} },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "123-45-678901", "--amount", "1,000",
              "--name", "홍길동", "--payer", "P7" }),
            0, u("1\n"), {} },
        { args({ "item", "add", "deposit", "1", "--bank", "26", "--account", "12345678901", "--amount", "5", "--fund",
              "03" }),
            0, u("2\n"), u("조흥/신한은행 통합으로 신규 신한은행코드[88]로 자동으로 바뀌었습니다.") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "123", "--amount", "5" }), 1, {},
            accountQuestion + u(" [no]") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "123", "--amount", "5", "--yes" }), 0,
            u("3\n"), accountQuestion + u(" [yes]") },
        { args({ "item", "add", "deposit", "1", "--bank", "99", "--account", "1", "--amount", "5" }), 1, {},
            u("은행코드가 적절하지 않습니다.") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "0" }), 1, {},
            u("이체금액은 0보다 큰 금액을 입력해야 합니다.") },
        { args({ "item", "add", "deposit", "1", "--bank", "02", "--account", "1234567890123456", "--amount", "1000" }),
            1, {}, u("계좌번호는 15자리까지 입력할 수 있습니다.") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "1000.5" }), 1,
            {}, amountRange },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "3000000000" }),
            1, {}, amountRange },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "-5" }), 1, {},
            amountRange },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "5", "--payer",
              "P\r\n1" }),
            1, {}, u("납부자번호에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "12345678901", "--amount", "5", "--fund",
              "99" }),
            1, {}, u("자금구분이 적절하지 않습니다.") },
        { args({ "item", "add", "deposit", "2", "--bank", "11", "--account", "12345678901", "--amount", "5" }), 1, {},
            u("item: deposit batch 2 is read-only") },
        { args({ "item", "add", "deposit", "3", "--bank", "11", "--account", "12345678901", "--amount", "5" }), 1, {},
            u("item: no deposit batch 3") },
        { args({ "item", "add", "withdrawal", "1", "--bank", "11", "--account", "1", "--amount", "5" }), 1, {},
            u("item: no withdrawal batch 1") },
        { args({ "item", "add", "apartment", "1", "--bank", "11", "--account", "1", "--amount", "5" }), 2, {},
            u("item: expected") },
        { args({ "item", "add", "apartment", "1", "--bank", "11", "--account", "1", "--amount", "5", "--dong", "101",
              "--ho", "202", "--payer", "P" }),
            2, {}, u("item: expected") },
        { args({ "item", "add", "apartment", "1", "--bank", "11", "--account", "1", "--amount", "5", "--dong", "101",
              "--ho", "202" }),
            1, {}, u("item: no apartment batch 1") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "1", "--amount", "5", "--dong", "101" }),
            2, {}, u("item: expected") },
        { args({ "item", "copy", "deposit", "1", "1" }), 0, u("4\n"), {} },
        { args({ "item", "copy", "deposit", "1", "9" }), 1, {}, u("item: no item 9 in deposit batch 1") },
        { args({ "item", "copy", "deposit", "2", "1" }), 1, {}, u("item: deposit batch 2 is read-only") },
        { args({ "item", "copy", "deposit", "1" }), 2, {}, u("item: expected") },
        { args({ "sql",
              "SELECT Tong2ID, TongID, Gubun, BankCode, BankNo, IcheMoney, IcheYebu, State, Bigo, NapbuNo "
              "FROM Tong2 ORDER BY Tong2ID" }),
            0,
            u("1\t1\t01\t11\t12345678901\t10000000\tZ\t1\t홍길동\tP7\n"
              "2\t1\t03\t88\t12345678901\t50000\tZ\t1\t\t\n"
              "3\t1\t01\t11\t123\t50000\tZ\t1\t\t\n"
              "4\t1\t01\t11\t12345678901\t10000000\tZ\t1\t홍길동\tP7\n"),
            {} },
        { args({ "item", "add", "cheque", "1", "--bank", "11", "--account", "1", "--amount", "5" }), 2, {},
            u("item: expected") },
        { args({ "item", "add", "deposit", "x", "--bank", "11", "--account", "1", "--amount", "5" }), 2, {},
            u("item: expected") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--amount", "5" }), 2, {}, u("item: expected") },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "1", "--amount", "five" }), 1, {},
            amountRange },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "1", "--amount", "5", "--color", "red" }),
            2, {}, u("item: expected") },
        { args({ "item", "add", "deposit", "1", "--bank" }), 2, {}, u("item: expected") },
        { args({ "item" }), 2, {}, u("item: expected") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: the items of a batch in key order, with the consent state of withdrawal and apartment items and the
// status panel's text when one of them has no registered consent.
TEST(FbctlCommands, ItemListShowsTheConsentOfEachItem)
{
    const QString panel = u("출금동의 등록이 안된 데이타가 발견되었습니다");
    const FbctlRow rows[] = {
        { args({ "institution", "put", "Name=가나상사", "TONG2OUT=CW123", "TONG2IN=CW456", "TOID210=9900000002",
              "TO2PASS=1234", "TO2BCODE=BK00001", "APOUT=CA123", "APIN=CA456", "APID10=9900000003", "APPASS=1234",
              "APBCODE=BK00002" }),
            0, {}, {} },
        { args({ "sql",
              "INSERT INTO Tong21 (TongID, GiganID10, State) VALUES (1, '9900000002', 1), (2, '9900000002', 1)" }),
            0, {}, {} },
        { args({ "sql",
              "INSERT INTO Tong22 (Tong2ID, TongID, BankCode, BankNo, IcheMoney, NapbuNo, State) VALUES "
              "(5, 1, '11', '301000011112', 12340000, '3', 1), (3, 1, '12', '100', 50000, ' P1 ', 1), "
              "(7, 2, '11', '100', 10000, 'P2', 2)" }),
            0, {}, {} },
        { args({ "sql", "INSERT INTO Apt1 (AptID, GiganID10, State) VALUES (1, '9900000003', 1)" }), 0, {}, {} },
        { args({ "sql",
              "INSERT INTO Apt2 (Apt2ID, AptID, BankCode, BankNo, IcheMoney, NapbuNo, Dong, Ho, State) VALUES "
              "(1, 1, '16', '700', 20000, '1011001', '101 ', '1001', 1)" }),
            0, {}, {} },
        { args({ "sql",
              "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO, Status) VALUES "
              "('9900000002', '11', '30100001111', '23', 2), ('9900000002', '12', '100', 'P1', 1), "
              "('9900000002', '11', '100', 'P2', 2), ('9900000003', '16', '700', '1011001', 2)" }),
            0, {}, {} },
        { args({ "item", "list", "withdrawal", "1" }), 0,
            u("3\t12\t100\t5\t P1 \t1\n5\t11\t301000011112\t1234\t3\t1\n"), {} },
        { args({ "item", "list", "withdrawal", "1", "--consent" }), 0,
            u("3\t12\t100\t5\t P1 \t1\t등록진행중\n5\t11\t301000011112\t1234\t3\t1\t미등록\n"), panel },
        { args({ "item", "list", "withdrawal", "--consent", "2" }), 0, u("7\t11\t100\t1\tP2\t2\t등록완료\n"), {} },
        { args({ "item", "list", "apartment", "1", "--consent" }), 0, u("1\t16\t700\t2\t1011001\t1\t등록완료\n"), {} },
        { args({ "item", "list", "deposit", "1" }), 0, {}, {} },
        { args({ "item", "list", "deposit", "1", "--consent" }), 2, {}, u("item: expected item list KIND BATCH") },
        { args({ "item", "list", "cheque", "1" }), 2, {}, u("item: expected item list KIND BATCH") },
        { args({ "item", "list", "withdrawal", "x" }), 2, {}, u("item: expected item list KIND BATCH") },
        { args({ "item", "list", "withdrawal", "1", "--consent", "--consent" }), 2, {},
            u("item: expected item list KIND BATCH") },
        { args({ "item", "list", "withdrawal" }), 2, {}, u("item: expected item list KIND BATCH") },
        { args({ "item", "add", "deposit", "9", "--bank", "11", "--account", "1", "--amount", "5" }), 1, {},
            u("item: no deposit batch 9") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// Without "fbctl init" there is no database to work on.
TEST(FbctlCommands, DatabaseCommandsSendAHomeWithoutDatabaseToInit)
{
    const FbctlRow rows[] = {
        { args({ "sql", "SELECT 1" }), 1, {},
            u("no database file at {home}Data/FbMorv.db (fbctl init creates the database)") },
        { args({ "apt-convert-export" }), 1, {}, u("(fbctl init creates the database)") },
        { args({ "apt-convert-import" }), 1, {}, u("(fbctl init creates the database)") },
    };
    const FbctlHome home(false);
    for (const FbctlRow& row : rows)
        home.check(row);
}

// An empty home would be the current directory: refused before anything is made there.
TEST(FbctlCommands, AnEmptyHomeIsRefused)
{
    QTemporaryDir current;
    for (const QStringList& home : { args({ "--home", "" }), args({ "--home=" }), args({ "--home", "  " }) }) {
        QProcess fbctl;
        fbctl.setWorkingDirectory(current.path());
        fbctl.start(QStringLiteral(FB_FBCTL), home + args({ "init" }));
        ASSERT_TRUE(fbctl.waitForFinished(60000));
        EXPECT_EQ(fbctl.exitCode(), 2) << home.join(' ').toStdString();
        EXPECT_EQ(
            QString::fromUtf8(fbctl.readAllStandardError()), u("fbctl: --home needs a directory, not an empty name\n"));
    }
    EXPECT_TRUE(QDir(current.path()).isEmpty());
}

// In order: each row works on what the rows before it left in the home and the mailbox.
TEST(FbctlCommands, CommMovesFilesThroughTheMailboxOnceALoginIsSet)
{
    const FbctlRow rows[] = {
        { args({ "comm", "config", "--login", "FIRM01", "--password", "s3cret" }), 0,
            u("LoginID: FIRM01\nPassword: 있음\nMailbox: {home}Van/\nSendDir: {home}Send\nRecvDir: {home}Recv\n"
              "ResultDir: {home}Result\nPort: COM1 (38400)\n"),
            {} },
        { args({ "comm", "config", "--mailbox", "{home}Box", "--create" }), 0, u("Mailbox: {home}Box\n"), {},
            Out::Contains },
        { args({ "comm", "config", "--mailbox", "{home}Van/", "--create" }), 0, u("Mailbox: {home}Van/\n"), {},
            Out::Contains },
        { args({ "comm", "send" }), 1, u("송신할 파일이 없습니다\n"), {} },
        { args({ "comm", "send" }), 0, u("송신 완료\n"), {}, Out::Exact, u("{home}Send/PAY0913"), "payments\r\n" },
        { args({ "comm", "report" }), 0, u("송수신 결과 파일 수신 완료\n{home}Result/RptEDI\n"), {} },
        { args({ "comm", "receive" }), 1, u("수신할 파일이 없습니다\n"), {} },
        { args({ "comm", "rereceive" }), 1, u("수신할 파일이 없습니다\n"), {} },
        { args({ "comm", "receive" }), 0, u("수신 완료\n"), {}, Out::Exact, u("{home}Van/inbox/ANSWER.TXT"),
            "answer\r\n" },
        { args({ "comm", "rereceive" }), 0, u("수신 완료\n"), {} },
        { args({ "comm", "sendreceive" }), 0, u("송신: 송신할 파일이 없습니다\n수신: 수신할 파일이 없습니다\n"), {} },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
    EXPECT_EQ(readFileBytes(home.expand(u("{home}Van/outbox/PAY0913"))), QByteArray("payments\r\n"));
    EXPECT_EQ(readFileBytes(home.expand(u("{home}Recv/ANSWER.TXT"))), QByteArray("answer\r\n"));
}

// In order: the send/receive run lists what it sends, records it, and says why it stops.
TEST(FbctlCommands, RunSendsAndReceivesAsItsWindowDoes)
{
    const FbctlRow rows[] = {
        { args({ "institution", "put", "Name=가나", "TONGOUT=CD123", "TONGIN=CD456", "TOID10=9900000001", "TOPASS=pw",
              "TOBCODE=BK00001", "BankNoT1=100200300" }),
            0, {}, {} },
        { args({ "batch", "add", "deposit", "--institution", "9900000001", "--date", "2026-12-10", "--today",
              "2026-12-10" }),
            0, u("1\n"), {} },
        { args({ "item", "add", "deposit", "1", "--bank", "11", "--account", "110-12-345678", "--amount", "250000",
              "--yes" }),
            0, u("1\n"), {} },
        { args({ "batch", "close", "deposit", "1" }), 0, {}, {} },
        { args({ "comm", "config", "--login", "FIRM01", "--password", "s3cret" }), 0, {}, {}, Out::Contains },
        { args({ "run", "send", "--now", "2026-12-10 16:00:01" }), 1, {},
            u("대량입금 당일이체 데이타가 존재 합니다.") },
        // Offline, No to skipping the network sends through the module after all.
        { args({ "run", "send", "--offline", "--now", "2026-12-10 16:00:01" }), 0,
            u("가나\t대량입금\tCD123\t1\t₩250,000\n송신 성공.\n"),
            u("EDI 망에 접속하지 않고 처리를 진행하시겠습니까?\r [no]") },
        { args({ "batch", "list", "deposit" }), 0, u("1\t2026-12-10\t9900000001\t2\t1\t250000\n"), {} },
        { args({ "run", "send", "--now", "2026-12-10 15:00:00" }), 1, {}, u("송신할 자료가 없습니다.") },
        { args({ "run", "receive", "--now", "2026-12-10 15:00:00" }), 1, {}, u("수신할 파일이 없습니다") },
        { args({ "run", "fetch" }), 2, {}, u("run: expected run send|sendreceive|receive|rereceive") },
        // A failed generation stops the run, offering no receive only, and names the batch and item at fault.
        { args({ "sql",
              "INSERT INTO Tong1 (TongID, GiganID10, IcheDate, State) VALUES (2, '9900000001', '2026-12-14', 1)" }),
            0, {}, {} },
        { args({ "sql",
              "INSERT INTO Tong2 (TongID, Gubun, BankCode, BankNo, IcheMoney, Salary, State) VALUES "
              "(2, '01', 'K1', '123', 10000, 1, 1)" }),
            0, {}, {} },
        { args({ "run", "sendreceive", "--yes", "--offline", "--now", "2026-12-10 15:00:00" }), 1, {},
            u("송신 자료 생성중 오류가 발생하였습니다. 대량입금 자료(TongID 2, 기관코드 9900000001)의 Tong2 "
              "자료(Tong2ID 2, 계좌번호 123)의 BankCode: 은행코드 \"K1\"이(가) 숫자가 아닙니다.\n") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
    EXPECT_TRUE(QFile::exists(home.expand(u("{home}Van/outbox/Tong1_1"))));
}

// In order: an apartment account of bank 16 goes out in Send/Convert and the bank's answer moves it.
TEST(FbctlCommands, AptConvertExportsTheAccountsAndAppliesTheAnswer)
{
    const FbctlRow rows[] = {
        { args({ "sql", "INSERT INTO Apt2 (AptID, BankCode, BankNo) VALUES (1, '16', '1234567890123')" }), 0, {}, {} },
        { args({ "apt-convert-export" }), 0, u("{home}Send/Convert\n"), {} },
        { args({ "apt-convert-import" }), 0, u("1 items moved\n"), {}, Out::Exact, u("{home}Recv/Convert"),
            "   1234567890123 12345678901234 20\r\n" },
        { args({ "sql", "SELECT BankCode, BankNo FROM Apt2" }), 0, u("20\t12345678901234\n"), {} },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
    EXPECT_EQ(readFileBytes(home.expand(u("{home}Send/Convert"))), QByteArray("D161234567890123\r\n"));
}

TEST(FbctlCommands, ConsentRunsTheRegisterRules)
{
    const QString key = u("9900000002/11/12345678901/ab1");
    const FbctlRow rows[] = {
        { args({ "institution", "put", "Name=가나상사", "TONG2OUT=CW123", "TONG2IN=CW456", "TOID210=9900000002",
              "TO2PASS=1234", "TO2BCODE=BK00001", "APOUT=CA123", "APIN=CA456", "APID10=9900000003", "APPASS=1234",
              "APBCODE=BK00002", "AUTHSENDTYPE=면제" }),
            0, {}, {} },
        { args({ "consent", "add", "--institution", "9900000002", "--bank", "11", "--account", "123-45-678901",
              "--payer", "ab1", "--name", "홍길동", "--id", "8001011234567", "--now", "2014-08-07 09:00:00" }),
            1, {}, u("실명번호의 주민등록번호는 생년월일로 대체 되었습니다.") },
        { args({ "consent", "add", "--institution", "9900000002", "--bank", "11", "--account", "123-45-678901",
              "--payer", "ab1", "--name", "홍길동", "--id", "8001011234567", "--now", "2014-08-06 09:00:00" }),
            0, key + '\n', {} },
        { args({ "consent", "add", "--institution", "9900000002", "--bank", "11", "--account", "12345678901", "--payer",
              "AB1", "--id", "800101" }),
            1, {}, u("[자료변환-중복 데이타 발견]") },
        { args({ "consent", "add", "--institution", "1234567890", "--bank", "11", "--account", "12345678901", "--payer",
              "P2", "--id", "800101" }),
            1, {}, u("기관업체를 선택하세요") },
        { args({ "consent", "add", "--institution", "9900000003", "--bank", "11", "--account", "1234", "--payer", "P3",
              "--id", "800101" }),
            1, {}, u("그냥 저장하시겠습니까? [no]") },
        { args({ "consent", "add", "--institution", "9900000003", "--bank", "11", "--account", "1234", "--payer", "P3",
              "--id", "800101", "--yes" }),
            0, u("9900000003/11/1234/P3\n"), {} },
        { args({ "consent", "queue", "cancel", "9900000002/11/12345678901/ab1", "--yes" }), 1, {},
            u("선택 자료에 주민등록번호가 존재합니다.") },
        { args({ "consent", "birthdates" }), 1, {}, u("[no]") },
        { args({ "consent", "birthdates", "--yes" }), 0, {},
            u("주민등록번호 자료를 생년월일 변경하는 작업이 완료 되었습니다.") },
        { args({ "consent", "queue", "cancel", "9900000002/11/12345678901/ab1" }), 1, {}, u("[cancel]") },
        { args({ "consent", "queue", "cancel", "9900000002/11/12345678901/ab1", "--yes" }), 0, {},
            u("일괄 해지신청되었습니다.") },
        { args({ "sql", "UPDATE TongRegister SET Status = 2, ResultCD = 2001 WHERE NapbuNO = 'P3'" }), 0, {}, {} },
        { args({ "consent", "queue", "register", "9900000003/11/1234/P3", "--yes" }), 0, {},
            u("작업을 취소 하시겠습니까?: 등록 완료건이 존재합니다 [no]") },
        { args({ "consent", "list" }), 0,
            u("9900000002/11/12345678901/ab1\t4\t해지대기\t홍길동\t800101\t\t\t\n"
              "9900000003/11/1234/P3\t0\t등록대기\t\t800101\t\t\t\n"),
            {} },
        { args({ "sql", "UPDATE TongRegister SET Status = 1, ResultCD = 2001 WHERE NapbuNO = 'P3'" }), 0, {}, {} },
        { args({ "consent", "list", "--state", "1", "--institution", "9900000003" }), 0,
            u("9900000003/11/1234/P3\t1\t등록중\t\t800101\t\t\t[2001]납부자번호 오류\n"), {} },
        { args({ "consent", "delete", "9900000003/11/1234/P3", "--yes" }), 1, {},
            u(":상태가 '등록중/해지중' 데이타 입니다.") },
        { args({ "consent", "delete", "9900000002/11/12345678901/ab1" }), 1, {}, u("[no]") },
        { args({ "consent", "delete", "9900000002/11/12345678901/ab1", "--yes" }), 0, {}, {} },
        { args({ "consent", "delete", "9900000002/11/12345678901/ab1", "--yes" }), 1, {}, u("consent: no consent") },
        { args({ "consent", "list", "--state" }), 2, {}, u("consent: expected") },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}

// In order: a backup in parts, a restore refused without --yes and done with it, a reorganisation; restore and
// reorganise refused while the program holds the home.
TEST(FbctlCommands, BackupRestoreAndReorganise)
{
    const FbctlHome home;
    home.check({ args({ "sql", "UPDATE BANKCODE SET Name = 'backed up' WHERE Id = '03'" }), 0, {}, {} });
    home.check({ args({ "backup", "--to", "{home}Out/new", "--part-size", "4000" }), 0, u("{home}Out/new/FM"),
        u("자료 받기가 완료되었습니다."), Out::Contains });
    const QStringList parts = QDir(home.expand(u("{home}Out/new"))).entryList(QDir::Files, QDir::Name);
    ASSERT_GE(parts.size(), 2);
    EXPECT_TRUE(parts.first().endsWith(u(".001")));
    EXPECT_TRUE(parts.last().endsWith(u(".end")));
    const QString first = home.expand(u("{home}Out/new/")) + parts.first();
    home.check({ args({ "sql", "UPDATE BANKCODE SET Name = 'current' WHERE Id = '03'" }), 0, {}, {} });

    const FbctlRow rows[] = {
        { QStringList { QStringLiteral("restore"), first }, 1, {}, u("자료 복구 작업이 취소되었습니다.") },
        { args({ "sql", "SELECT Name FROM BANKCODE WHERE Id = '03'" }), 0, u("current\n"), {} },
        { QStringList { QStringLiteral("restore"), first, QStringLiteral("--yes") }, 0, {},
            u("자료 복구가 완료되었습니다.") },
        { args({ "sql", "SELECT Name FROM BANKCODE WHERE Id = '03'" }), 0, u("backed up\n"), {} },
        { args({ "restore", "{home}Out/FM24030914.zip" }), 1, {}, u("백업 파일의 형식이 올바르지 않습니다.") },
        { args({ "restore", "{home}Out/FM2403091405.zip" }), 1, {}, u("자료 복구 작업이 취소되었습니다.") },
        { args({ "reorganise" }), 0, {}, u("자료 재정리가 완료되었습니다.") },
        { args({ "sql", "SELECT Name FROM BANKCODE WHERE Id = '03'" }), 0, u("backed up\n"), {} },
        { args({ "backup", "--part-size" }), 2, {}, u("usage: fbctl backup") },
    };
    for (const FbctlRow& row : rows)
        home.check(row);

    QLockFile running(home.expand(u("{home}fbmorv.lock")));
    ASSERT_TRUE(running.tryLock(0));
    const QString twice = u("이 프로그램이 중복 실행되었습니다.");
    home.check({ args({ "reorganise" }), 1, {}, twice });
    home.check({ QStringList { QStringLiteral("restore"), first, QStringLiteral("--yes") }, 1, {}, twice });
}

// Commands that only read leave both settings files as they were, time included; a settings write that cannot be
// completed fails and leaves the old file.
TEST(FbctlCommands, SettingsAreWrittenWholeOrNotAtAll)
{
    const FbctlHome home;
    home.check({ args({ "comm", "config", "--login", "FIRM01" }), 0, u("LoginID: FIRM01\n"), {}, Out::Contains });
    const QDateTime longAgo(QDate(2020, 1, 2), QTime(3, 4, 5));
    const QStringList files { home.expand(u("{home}Registry.ini")), home.expand(u("{home}Firm.ini")) };
    QList<QByteArray> before;
    for (const QString& path : files) {
        before << readFileBytes(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    const FbctlRow rows[] = {
        { args({ "batch", "list", "deposit" }), 0, {}, {} },
        { args({ "comm", "config" }), 0, u("LoginID: FIRM01\n"), {}, Out::Contains },
        { args({ "holiday", "list", "2026" }), 0, {}, {}, Out::Contains },
        { args({ "generate" }), 0, {}, u("송신할 자료가 없습니다.") },
        { args({ "notice" }), 0, {}, {}, Out::Contains },
        { args({ "comm", "config", "--login", "FIRM02" }), 1, {}, u("프로그램 오류 발생 (Registry 관련)"), Out::Exact,
            {}, {}, 200 },
    };
    for (const FbctlRow& row : rows)
        home.check(row);
    for (qsizetype i = 0; i < files.size(); ++i) {
        EXPECT_EQ(readFileBytes(files[i]), before[i]) << files[i].toStdString();
        EXPECT_EQ(QFileInfo(files[i]).lastModified(), longAgo) << files[i].toStdString();
    }
    home.check({ args({ "comm", "config", "--login", "FIRM02" }), 0, u("LoginID: FIRM02\n"), {}, Out::Contains });
}

TEST(FbctlCommands, XlsxTemplateWritesTheConsentWorkbookAndReadGivesItsGrid)
{
    const FbctlRow rows[] = {
        { args({ "xlsx", "template", "{home}Out/출금동의신청.xlsx" }), 0, {}, {} },
        { args({ "xlsx", "template", "{home}NoSuchFolder/a.xlsx" }), 1, {}, u("{home}NoSuchFolder/a.xlsx") },
        { args({ "xlsx", "template" }), 2, {}, u("xlsx: expected xlsx template FILE") },
        { args({ "xlsx", "frobnicate", "a.xlsx" }), 2, {}, u("not \"frobnicate a.xlsx\"") },
        { args({ "xlsx", "read", "{home}Out/출금동의신청.xlsx" }), 0,
            u("이름\t기관업체코드\t은행코드\t계좌번호\t납부자번호\t실명번호\t고객신청일자\t자동납부일자\t지점코드\t실명"
              "번호검사\n"
              "홍길동\t000001\t11\t1234567890\t790312\t790312       \t2008-11-21\t\t\tY\n"),
            {} },
        { args({ "xlsx", "read", "{home}Out/escapes.xlsx", "--columns", "2" }), 0, u("\t\n이름\\\\t\tA\\tB\\r\\nC\n"),
            {}, Out::Exact, u("{home}Out/escapes.xlsx"),
            MiniWorkbook()
                .rows("<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>이름\\t</t></is></c><c r=\"B2\" t=\"inlineStr\">"
                      "<is><t>A\tB_x000D_\nC</t></is></c></row>")
                .bytes() },
        { args({ "xlsx", "read", "{home}Out/none.xlsx" }), 1, {},
            u("엑셀 파일을 읽지 못했습니다.\n{home}Out/none.xlsx") },
        { args({ "xlsx", "read", "{home}Out/escapes.xlsx", "--columns", "0" }), 2, {}, u("xlsx: expected") },
        { args({ "xlsx", "read", "{home}Out/escapes.xlsx", "--columns", "2000000000" }), 2, {},
            u("xlsx: a sheet has at most 16384 columns, not 2000000000") },
    };
    const FbctlHome home;
    ASSERT_TRUE(QDir().mkpath(home.expand(u("{home}Out"))));
    for (const FbctlRow& row : rows)
        home.check(row);
    EXPECT_TRUE(readFileBytes(home.expand(u("{home}Out/출금동의신청.xlsx"))).startsWith("PK\x03\x04"));
    EXPECT_EQ(QDir(home.expand(u("{home}Out"))).entryList(QDir::Files | QDir::Hidden),
        (QStringList { u("escapes.xlsx"), u("출금동의신청.xlsx") }));
}

TEST(FbctlCommands, XlsxExportWritesTheListsAndPrintsTheirRows)
{
    const FbctlRow rows[] = {
        { args({ "sql", "INSERT INTO Tong21 (TongID, GiganID10, State) VALUES (1, '9900000002', 1)" }), 0, {}, {} },
        { args({ "sql",
              "INSERT INTO Tong22 (Tong2ID, TongID, BankCode, BankNo, IcheMoney, NapbuNo, State) VALUES "
              "(1, 1, '11', '1002003004005', 10000000, 'P1', 1), (2, 1, '11', '0012345678', 20000000, 'P2', 1)" }),
            0, {}, {} },
        { args({ "sql",
              "INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO, Status) VALUES "
              "('9900000002', '11', '1002003004005', 'P1', 2)" }),
            0, {}, {} },
        { args({ "xlsx", "export", "items", "withdrawal", "1", "{home}Out/items.xlsx", "--consent" }), 0, u("2\n"),
            {} },
        { args({ "xlsx", "export", "items", "apartment", "1", "{home}Out/apt.xlsx" }), 1, {},
            u("xlsx: no apartment batch 1") },
        { args({ "xlsx", "export", "items", "deposit", "1", "{home}Out/d.xlsx" }), 2, {}, u("xlsx: expected") },
        { args({ "xlsx", "export", "consents", "{home}Out/consents.xlsx" }), 0, u("1\n"), {} },
        { args({ "xlsx", "export", "consents", "{home}Out/c.xlsx", "--state", "3" }), 0, u("0\n"), {} },
        { args({ "xlsx", "export", "consents", "{home}Out/c.xlsx", "--state", "x" }), 2, {}, u("xlsx: expected") },
        { args({ "xlsx", "export", "unconsented", "{home}Out/unconsented.xlsx" }), 0, u("1\n"), {} },
        { args({ "xlsx", "export", "unconsented", "{home}NoSuchFolder/u.xlsx" }), 1, {},
            u("{home}NoSuchFolder/u.xlsx") },
    };
    const FbctlHome home;
    ASSERT_TRUE(QDir().mkpath(home.expand(u("{home}Out"))));
    for (const FbctlRow& row : rows)
        home.check(row);
    EXPECT_TRUE(readFileBytes(home.expand(u("{home}Out/items.xlsx"))).startsWith("PK\x03\x04"));
}

// fbctl reaches the rules without an editor: what does not fit or would break a line is refused with the rule's
// message on standard error and a non-zero exit, and nothing is stored. In order, on one home.
TEST(FbctlCommands, TypedTextsThatDoNotFitAreRefusedWithTheRulesMessage)
{
    const QString breaks = QStringLiteral("에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    const QString withdrawals = QStringLiteral("Name=가나상사 TONG2OUT=CW123 TONG2IN=CW456 TOID210=9900000002 "
                                               "TO2PASS=1234 TO2BCODE=BK00001 AUTHSENDTYPE=면제");
    const QStringList institution
        = QStringList { QStringLiteral("institution"), QStringLiteral("put") } + withdrawals.split(QLatin1Char(' '));
    const FbctlRow rows[] = {
        { institution, 0, {}, {} },
        { institution + args({ "BankNoT2=123-456" }), 1, {}, "대량출금 모계좌번호는 숫자만 입력할 수 있습니다." },
        { institution + args({ "BankNoT2=123456789012345" }), 1, {},
            "대량출금 모계좌번호는 14자리까지 입력할 수 있습니다." },
        { institution + args({ "TOID210=99000000021" }), 1, {},
            "대량출금 기관코드는 10바이트(한글 5자)까지 입력할 수 있습니다." },
        { args({ "institution", "put", "Name=가나\r\n상사" }), 1, {}, "기관명칭" + breaks },
        { institution + args({ "BankNoT2=12345678901234" }), 0, {}, {} },
        { args({ "sql", "SELECT Name, TOID210, BankNoT2 FROM Usercode" }), 0, "가나상사\t9900000002\t12345678901234\n",
            {} },

        { consent("1234-5678-9012-3456", "P1"), 1, {}, "계좌번호는 15자리까지 입력할 수 있습니다." },
        { consent("1234567890123456", "P1"), 1, {}, "계좌번호는 15자리까지 입력할 수 있습니다." },
        { consent("1234-5678-9012-345", "P1"), 0, "9900000002/11/123456789012345/P1\n", {} },
        { consent("123 456", "P2"), 0, "9900000002/11/123456/P2\n", {} },
        { consent("123456", "p2"), 1, {}, "기관:9900000002,은행:11,계좌:123456,납부자:P2" },
        { consent("12345678901", "P\r\n3"), 1, {}, "납부자번호" + breaks },
        { consent("12345678901", "P3", "홍\n길동"), 1, {}, "성명" + breaks },
        { consent("12345678901", "P3", QString(11, QChar(0xAC00))), 1, {},
            "성명은 20바이트(한글 10자)까지 입력할 수 있습니다." },
        { args({ "sql", "SELECT Bankno, NapbuNO FROM TongRegister ORDER BY NapbuNO" }), 0,
            "123456789012345\tP1\n123456\tP2\n", {} },

        { args({ "code", "put", "19", "09", "가나다라마바사" }), 1, {},
            "코드명은 12바이트(한글 6자)까지 입력할 수 있습니다." },
        { args({ "code", "put", "19", "09", "수당\r" }), 1, {}, "코드명" + breaks },
        { args({ "code", "put", "19", "123", "수당" }), 1, {}, "코드는 2바이트(한글 1자)까지 입력할 수 있습니다." },
        { args({ "code", "put", "19", "09", "가나다라마바" }), 0, "09\n", {} },
        { args({ "sql", "SELECT Id, Name FROM codeV WHERE Id > '08' OR length(Id) <> 2" }), 0, "09\t가나다라마바\n",
            {} },

        { args({ "holiday", "add", "2026-12-11", "창립\n기념일" }), 1, {}, "휴일 이름" + breaks },
        { QStringList { "holiday", "add", "2026-12-11", QString(21, QChar(0xAC00)) }, 1, {},
            "휴일 이름은 40바이트(한글 20자)까지 입력할 수 있습니다." },
        { args({ "sql", "SELECT count(*) FROM HolidayList WHERE Name LIKE '창립%' OR Name LIKE '가가%'" }), 0, "0\n",
            {} },
    };
    const FbctlHome home;
    for (const FbctlRow& row : rows)
        home.check(row);
}
