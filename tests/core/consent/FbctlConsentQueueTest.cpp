#include "FbctlRun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// fbctl consent queue run as a program: the keys given, or with --all every consent of the filter.
namespace {

// Two institutions of one exempt office row, five consents: A1 and A2 of 9900000002 in states 3 and 6, B1, B2 and B3
// of 9900000003 in states 3, 7 and 3, B3 without a payer number.
class QueueHome {
public:
    QueueHome()
        : m_home(m_dir.filePath(QStringLiteral("home/")))
    {
        const QStringList setup[] = {
            { QStringLiteral("init") },
            { "institution", "put", "Name=가나상사", "TONG2OUT=CW123", "TONG2IN=CW456", "TOID210=9900000002",
                "TO2PASS=1234", "TO2BCODE=BK00001", "APOUT=CA123", "APIN=CA456", "APID10=9900000003", "APPASS=1234",
                "APBCODE=BK00002", "AUTHSENDTYPE=면제" },
            { QStringLiteral("sql"),
                QStringLiteral("INSERT INTO TongRegister (Giganid, Bankcd, Bankno, NapbuNO, Status, NAME, JuminNO, "
                               "ResultCD) VALUES ('9900000002', '11', '1001', 'A1', 3, '가', '800101', 2001), "
                               "('9900000002', '11', '1002', 'A2', 6, '나', '800101', NULL), "
                               "('9900000003', '11', '1003', 'B1', 3, '다', '800101', 2001), "
                               "('9900000003', '11', '1004', 'B2', 7, '라', '800101', 2001), "
                               "('9900000003', '11', '1005', NULL, 3, '마', '800101', 2001)") },
        };
        for (const QStringList& arguments : setup) {
            const FbctlRun run = runFbctl(m_home, arguments);
            EXPECT_EQ(run.exitCode, 0) << arguments.join(u' ').toStdString() << '\n' << run.err.toStdString();
        }
    }

    const QString& path() const { return m_home; }
    // PAYER:STATE:RESULT of every consent in the order they were added; "-" for a NULL.
    QString states() const
    {
        return runFbctl(m_home,
            { QStringLiteral("sql"),
                QStringLiteral("SELECT group_concat(ifnull(NapbuNO, '-') || ':' || Status || ':' || "
                               "ifnull(ResultCD, '-'), ' ') FROM (SELECT * FROM TongRegister ORDER BY rowid)") })
            .out;
    }

private:
    QTemporaryDir m_dir;
    QString m_home;
};

const QString Untouched = QStringLiteral("A1:3:2001 A2:6:- B1:3:2001 B2:7:2001 -:3:2001\n");

struct QueueCase {
    const char* label;
    QStringList arguments;
    int exitCode;
    QString errContains;
    QString states;
};

} // namespace

TEST(FbctlConsentQueue, QueuesExactlyTheFilteredConsentsOrTheKeysGiven)
{
    const QString yes = QStringLiteral("--yes");
    const QueueCase cases[] = {
        { "institution and state", { "register", "--all", "--institution", "9900000002", "--state", "3", yes }, 0,
            QStringLiteral("이름 = [가] 를 신청하시겠습니까?"),
            QStringLiteral("A1:0:- A2:6:- B1:3:2001 B2:7:2001 -:3:2001\n") },
        { "state only", { "cancel", "--state", "3", "--all", yes }, 0, QStringLiteral("선택갯수 = [3]"),
            QStringLiteral("A1:4:- A2:6:- B1:4:- B2:7:2001 -:4:-\n") },
        { "institution only", { "register", "--all", "--institution", "9900000003", yes }, 0,
            QStringLiteral("일괄 등록신청되었습니다."), QStringLiteral("A1:3:2001 A2:6:- B1:0:- B2:0:- -:0:-\n") },
        { "every consent", { "cancel", "--all", yes }, 0, QStringLiteral("선택갯수 = [5]"),
            QStringLiteral("A1:4:- A2:4:- B1:4:- B2:4:- -:4:-\n") },
        { "a filter without rows", { "register", "--all", "--institution", "9900000002", "--state", "7", yes }, 1,
            QStringLiteral("키보드(Shift)+방향키"), Untouched },
        { "not asked to go on", { "register", "--all" }, 1, QStringLiteral("[cancel]"), Untouched },
        { "full keys, one with an empty payer", { "cancel", "9900000002/11/1002/A2", "9900000003/11/1005/", yes }, 0,
            QStringLiteral("선택갯수 = [2]"), QStringLiteral("A1:3:2001 A2:4:- B1:3:2001 B2:7:2001 -:4:-\n") },
        { "a key of no consent", { "cancel", "9900000002/11/1002/A2", "9900000002/11/1002/a2", yes }, 1,
            QStringLiteral("consent: no consent 9900000002/11/1002/a2"), Untouched },
    };
    for (const QueueCase& c : cases) {
        SCOPED_TRACE(c.label);
        const QueueHome home;
        const FbctlRun run
            = runFbctl(home.path(), QStringList { QStringLiteral("consent"), QStringLiteral("queue") } + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.errContains)) << run.err.toStdString();
        EXPECT_EQ(home.states(), c.states);
    }
}

TEST(FbctlConsentQueue, RefusesKeysBesideAllAndAFilterWithoutIt)
{
    const QStringList refused[] = {
        { "register", "--all", "9900000002/11/1001/A1" },
        { "register", "--all", "--all" },
        { "register", "--state", "3", "9900000002/11/1001/A1" },
        { "register", "--institution", "9900000002", "9900000002/11/1001/A1" },
        { "register", "--all", "--institution", "" },
        { "register", "--all", "--state", "three" },
        { "register", "--all", "--state" },
        { "--all" },
    };
    const QueueHome home;
    for (const QStringList& arguments : refused) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const FbctlRun run
            = runFbctl(home.path(), QStringList { QStringLiteral("consent"), QStringLiteral("queue") } + arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QStringLiteral("consent: expected"))) << run.err.toStdString();
    }
    EXPECT_EQ(home.states(), Untouched);
}
