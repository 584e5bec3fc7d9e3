#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// fbctl reaches the rules without an editor: what does not fit or would break a line is refused with the rule's
// message on standard error and a non-zero exit, and nothing is stored. The rows run in order on one home made by
// "fbctl init" (the account check on); each works on what the rows before it left.
namespace {

struct FbctlRun {
    QStringList arguments;
    int exitCode;
    QString out;
    QString errContains;
};

class Home {
public:
    Home() { EXPECT_EQ(run({ QStringLiteral("init") }).exitCode, 0); }

    struct Result {
        int exitCode = -1;
        QString out;
        QString err;
    };

    Result run(const QStringList& arguments) const
    {
        QProcess fbctl;
        fbctl.start(QStringLiteral(FB_FBCTL), QStringList { QStringLiteral("--home"), m_dir.path() } + arguments);
        if (!fbctl.waitForFinished(60000) || fbctl.exitStatus() != QProcess::NormalExit)
            return {};
        return { fbctl.exitCode(), QString::fromUtf8(fbctl.readAllStandardOutput()),
            QString::fromUtf8(fbctl.readAllStandardError()) };
    }

private:
    QTemporaryDir m_dir;
};

QStringList args(std::initializer_list<QString> list)
{
    return QStringList(list);
}

QStringList consent(const QString& account, const QString& payer, const QString& name = QStringLiteral("홍길동"))
{
    return { QStringLiteral("consent"), QStringLiteral("add"), QStringLiteral("--institution"),
        QStringLiteral("9900000002"), QStringLiteral("--bank"), QStringLiteral("11"), QStringLiteral("--account"),
        account, QStringLiteral("--payer"), payer, QStringLiteral("--name"), name, QStringLiteral("--id"),
        QStringLiteral("800101"), QStringLiteral("--yes") };
}

} // namespace

TEST(FbctlTypedTexts, RefusedWithTheMessageAndNothingStored)
{
    const QString breaks = QStringLiteral("에는 줄바꿈이나 탭 문자를 입력할 수 없습니다.");
    const QString withdrawals = QStringLiteral("Name=가나상사 TONG2OUT=CW123 TONG2IN=CW456 TOID210=9900000002 "
                                               "TO2PASS=1234 TO2BCODE=BK00001 AUTHSENDTYPE=면제");
    const QStringList institution
        = QStringList { QStringLiteral("institution"), QStringLiteral("put") } + withdrawals.split(QLatin1Char(' '));
    const FbctlRun runs[] = {
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
        { args({ "holiday", "add", "2026-12-11", QString(21, QChar(0xAC00)) }), 1, {},
            "휴일 이름은 40바이트(한글 20자)까지 입력할 수 있습니다." },
        { args({ "sql", "SELECT count(*) FROM HolidayList WHERE Name LIKE '창립%' OR Name LIKE '가가%'" }), 0, "0\n",
            {} },
    };
    const Home home;
    for (const FbctlRun& run : runs) {
        const std::string label = "fbctl " + run.arguments.join(QLatin1Char(' ')).toStdString();
        const Home::Result result = home.run(run.arguments);
        EXPECT_EQ(result.exitCode, run.exitCode) << label << '\n' << result.err.toStdString();
        EXPECT_EQ(result.out, run.out) << label;
        EXPECT_TRUE(result.err.contains(run.errContains)) << label << '\n' << result.err.toStdString();
    }
}
